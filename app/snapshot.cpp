#include "app/snapshot.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/form_view.h"
#include "app/menu_widgets.h"
#include "app/pad_input.h"
#include "app/screen_sprites.h"
#include "app/screens/play_screen.h"
#include "app/screens/way_out.h"
#include "app/sound_setup.h"
#include "codec/cp1251.h"

namespace nk {
namespace {

using nlohmann::json;

json texts(const std::vector<std::string>& list) {
  json out = json::array();
  for (const std::string& text : list) out.push_back(cp1251ToUtf8(text));
  return out;
}

// The game state record; the table without its unused entry 0.
void describeGameState(const TGameState& game, json& out) {
  json hiScores = json::array();
  for (size_t i = 1; i < game.HiScores.size(); ++i) {
    const THiScoreEntry& entry = game.HiScores[i];
    hiScores.push_back({{"Place", cp1251ToUtf8(entry.Place)},
                        {"Name", cp1251ToUtf8(entry.Name)},
                        {"Score", cp1251ToUtf8(entry.Score)}});
  }
  out.update({{"ScreenState", static_cast<int>(game.ScreenState)},
              {"Level", game.Level},
              {"Lives", game.Lives},
              {"Score", game.Score},
              {"MenuIndex", game.MenuIndex},
              {"RightHeld", game.RightHeld},
              {"LeftHeld", game.LeftHeld},
              {"FullScreen", game.FullScreen},
              {"AppliedFullScreen", game.AppliedFullScreen},
              {"MusicOn", game.MusicOn},
              {"SoundOn", game.SoundOn},
              {"PlayerName", cp1251ToUtf8(game.PlayerName)},
              {"HiscoreName", cp1251ToUtf8(game.HiscoreName)},
              {"HiScores", hiScores},
              {"FirstGame", game.FirstGame},
              {"TickCounter", game.TickCounter},
              {"NewHiScore", game.NewHiScore}});
}

// Which of the window's timers run.
json describeTimers(const FormView& form) {
  return {{"menu", form.NkTimer1.Enabled()},
          {"game", form.GameTimer.Enabled()},
          {"anim", form.AnimTimer.Enabled()},
          {"clock", form.Timer1.Enabled()}};
}

// What the game asked of the machine: message boxes, shell opens, web requests.
void describeJournal(const Journal& journal, json& out) {
  out["messages"] = texts(journal.messages);
  out["opened"] = texts(journal.opened);
  out["requests"] = texts(journal.requests);
}

}  // namespace

nlohmann::json makeSnapshot(const FormView& form, int64_t frame) {
  json snapshot = {{"frame", frame},
                   {"ticks", form.ticks},
                   {"framesPresented", form.device.presentedFrames()},
                   {"deviceResets", form.NkScreen1.Resets()}};
  describeGameState(form.GameState, snapshot);
  snapshot["timers"] = describeTimers(form);
  DescribePlay(form.Play, snapshot);
  snapshot["sprites"] = DescribeSprites(form.NkSprite1);
  snapshot["widgets"] = DescribeWidgets(form.NkGUI1);
  snapshot["sounds"] = form.Sounds.Played();
  snapshot["music"] = DescribeTunes(form.Sound3D);
  describeJournal(form.journal, snapshot);
  snapshot["share"] = DescribePromotion(form.ShareScreen);
  snapshot["pads"] = DescribePads(form.Pads);
  return snapshot;
}

bool writeSnapshot(const FormView& form, int64_t frame, const std::string& path) {
  // Written beside and moved into place, so whoever watches the file never reads half of one.
  const std::string partial = path + ".partial";
  bool written = false;
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << makeSnapshot(form, frame).dump(2) << '\n';
    written = static_cast<bool>(out.flush());
  }
  std::error_code error;
  if (written) std::filesystem::rename(partial, path, error);
  if (written && !error) return true;
  std::filesystem::remove(partial, error);
  return false;
}

}  // namespace nk
