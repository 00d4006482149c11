#pragma once
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/form1.h"
#include "engine/image_list_collection.h"
#include "engine/oil_writer.h"
#include "game/level_constants.h"
#include "game/level_file.h"
#include "game/player.h"
#include "game/world_objects.h"
#include "game_fixture.h"
#include "platform/keys.h"
#include "support/play_pictures.h"
#include "support/recording_messages.h"

namespace nk::test {

// The game window on a virtual clock, in a game folder with the play pictures and the test's
// house, playing that level from its start: the level intro and the quick help are skipped.
struct PlayGame : Game {
  PlayGame(int level, const Furnish& furnish) : Game(Unstarted{}) {
    RecordingMessages quiet;
    TImageListCollection pictures(quiet);
    addPlayPictures(pictures);
    folder.dir.write("Data/data.oil", writeImageLibrary(pictures));
    writeHouse(level, furnish);
    start(level);
    probe().GameState.FirstGame = false;
    form->LeaveState(Screen::LevelIntro);
    form->EnterState(Screen::Play);
  }

  // Runs frames until `done` holds; how many it took, or -1 when it did not within `limit`.
  int until(const std::function<bool()>& done, int limit) {
    for (int n = 0; n < limit; ++n) {
      if (done()) return n;
      frames(1);
    }
    return done() ? limit : -1;
  }
  // Lets a key go and gives the rules the frame that acts on it.
  void press(int key) {
    tap(key);
    frames(1);
  }
  // Holds an arrow for as many frames as pixels (negative: to the left), then lets go and stands.
  void walk(int pixels) {
    const int key = pixels >= 0 ? vk::Right : vk::Left;
    form->keyDown(key);
    frames(std::abs(pixels));
    form->keyUp(key);
    frames(1);
  }
  // Runs the action he has just started to its end.
  void finishAction() {
    until([&] { return !view().AnimTimer.Enabled(); }, 2000);
  }

  TPlayer& player() const { return *view().Play.player; }
  const std::vector<std::string>& sounds() const { return view().Sounds.Played(); }
  int spritesNamed(const std::string& name) const {
    int n = 0;
    for (int i = 0; i < view().NkSprite1.Count(); ++i) n += view().NkSprite1.Items(i)->Name == name ? 1 : 0;
    return n;
  }
  bool played(const std::string& effect) const {
    return std::find(sounds().begin(), sounds().end(), effect) != sounds().end();
  }
};

}  // namespace nk::test
