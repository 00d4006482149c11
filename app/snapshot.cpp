#include "app/snapshot.h"

#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "codec/cp1251.h"
#include "engine/image_list_item.h"
#include "engine/sprite.h"
#include "game/player.h"

namespace nk {

nlohmann::json makeSnapshot(const TForm1& form, int64_t frame) {
  using nlohmann::json;
  const TGameState& g = form.GameState;
  json hiScores = json::array();
  for (size_t i = 1; i < g.HiScores.size(); ++i) {
    const THiScoreEntry& e = g.HiScores[i];
    hiScores.push_back(
        {{"Place", cp1251ToUtf8(e.Place)}, {"Name", cp1251ToUtf8(e.Name)}, {"Score", cp1251ToUtf8(e.Score)}});
  }
  auto texts = [](const std::vector<std::string>& list) {
    json out = json::array();
    for (const auto& s : list) out.push_back(cp1251ToUtf8(s));
    return out;
  };
  json sprites = json::array();
  for (int i = 0; i < form.NkSprite1->Count(); ++i) {
    const TSprite& s = *form.NkSprite1->Items(i);
    sprites.push_back({{"class", s.ClassName()},
                       {"name", cp1251ToUtf8(s.Name)},
                       {"image", s.Image != nullptr ? cp1251ToUtf8(s.Image->Name) : ""},
                       {"x", s.X},
                       {"y", s.Y},
                       {"z", s.Z},
                       {"frame", s.PatternIndex},
                       {"visible", s.Visible},
                       {"alpha", s.Alpha},
                       {"dead", s.IsDead}});
  }
  json widgets = json::array();
  for (const auto& list : form.NkGUI1->Lists()) {
    for (const auto& w : list->Widgets()) {
      const auto* edit = dynamic_cast<const TNkEdit*>(w.get());
      const auto* button = dynamic_cast<const TNkButton*>(w.get());
      widgets.push_back({{"list", cp1251ToUtf8(list->Name)},
                         {"id", w->ID},
                         {"name", cp1251ToUtf8(w->Name)},
                         {"x", w->X},
                         {"y", w->Y},
                         {"visible", w->Visible},
                         {"selected", w->Selected},
                         {"focused", form.NkGUI1->Mouse.FocusID == w->ID},
                         {"text", cp1251ToUtf8(edit != nullptr     ? edit->Text
                                               : button != nullptr ? button->Caption
                                                                   : "")}});
    }
  }
  const TPlayState& play = form.Play;
  json player = nullptr;
  if (const TPlayer* p = play.player) {
    player = {
        {"column", p->Column},
        {"row", p->Row},
        {"roomPosition", p->RoomPosition},
        {"money", p->Money},
        {"keys", json::array({p->CarriedKeys[0], p->CarriedKeys[1], p->CarriedKeys[2], p->CarriedKeys[3]})},
        {"x", p->X},
        {"y", p->Y},
        {"image", p->Image != nullptr ? cp1251ToUtf8(p->Image->Name) : ""},
        {"frame", p->PatternIndex},
        {"alpha", p->Alpha},
        {"mirrored", p->FlipH}};
  }
  static constexpr const char* kActionNames[kActionCount] = {
      "WalkThroughDoor", "WalkBack",   "OpenDoor",        "OpenBackDoor",       "RideLift", "LiftArrive",
      "ClimbUp",         "ClimbDown",  "TakeKey",         "TakeMoney",          "TakeTime", "TakeLife",
      "CrackSafe",       "MissingKey", "OpenDoorWithKey", "OpenBackDoorWithKey"};
  json actions = json::array();
  for (size_t a = 0; a < kActionCount; ++a) {
    if (play.actions[a] != 0) actions.push_back(kActionNames[a]);
  }
  const TShareScreen& screen = *form.ShareScreen;
  json shareButtons = json::array();
  for (const TButton& b : screen.Buttons) {
    shareButtons.push_back({{"action", cp1251ToUtf8(b.Action)},
                            {"x", b.X},
                            {"y", b.Y},
                            {"width", b.Width},
                            {"height", b.Height},
                            {"hover", b.Hover},
                            {"active", b.Active},
                            {"visible", b.Visible}});
  }
  json pointer = nullptr;
  if (const auto& p = screen.Pointer()) pointer = {{"x", p->x}, {"y", p->y}};
  const json share = {{"valid", screen.Valid},
                      {"problem", cp1251ToUtf8(screen.Problem)},
                      {"countdown", screen.Countdown},
                      {"number", screen.CountdownNumber()},
                      {"pointer", pointer},
                      {"buttons", shareButtons}};
  const Journal& journal = form.host.journal();
  json music = json::object();
  for (size_t i = 0; i < form.Sound3D->ModList.Count(); ++i) {
    const TModListItem& tune = form.Sound3D->ModList.Items(i);
    music[tune.Name] = tune.Playing() ? "playing" : "stopped";
  }
  return json{
      {"frame", frame},
      {"ticks", form.frameTicks()},
      {"framesPresented", form.host.device().presentedFrames()},
      {"deviceResets", form.NkScreen1->Resets()},
      {"ScreenState", g.ScreenState},
      {"Level", g.Level},
      {"Lives", g.Lives},
      {"Score", g.Score},
      {"MenuIndex", g.MenuIndex},
      {"RightHeld", g.RightHeld},
      {"LeftHeld", g.LeftHeld},
      {"FullScreen", g.FullScreen},
      {"AppliedFullScreen", g.AppliedFullScreen},
      {"MusicOn", g.MusicOn},
      {"SoundOn", g.SoundOn},
      {"PlayerName", cp1251ToUtf8(g.PlayerName)},
      {"HiscoreName", cp1251ToUtf8(g.HiscoreName)},
      {"HiScores", hiScores},
      {"FirstGame", g.FirstGame},
      {"TickCounter", g.TickCounter},
      {"NewHiScore", g.NewHiScore},
      {"timers",
       {{"menu", form.NkTimer1->Enabled()},
        {"game", form.GameTimer->Enabled()},
        {"anim", form.AnimTimer->Enabled()},
        {"clock", form.Timer1->Enabled()}}},
      {"time", {{"minutes", play.timeMinutes}, {"seconds", play.timeSeconds}}},
      {"SafeTaken", play.SafeTaken},
      {"actions", actions},
      {"stateCounter", play.stateCounter},
      {"player", player},
      {"origin", {{"x", play.grid.originX}, {"y", play.grid.originY}}},
      {"sprites", sprites},
      {"widgets", widgets},
      {"sounds", form.Sounds.Played()},
      {"music", music},
      {"messages", texts(journal.messages)},
      {"opened", texts(journal.opened)},
      {"requests", texts(journal.requests)},
      {"share", share},
  };
}

bool writeSnapshot(const TForm1& form, int64_t frame, const std::string& path) {
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
