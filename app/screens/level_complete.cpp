#include "app/screens/level_complete.h"

#include <string>

#include "app/frame_painter.h"
#include "app/menu_text.h"
#include "app/screen_sprites.h"
#include "app/side_panel.h"
#include "audio/sound_board.h"
#include "game/game_state.h"
#include "game/level_constants.h"
#include "game/play_state.h"
#include "game/score_values.h"
#include "game/world.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

void LevelComplete::enter() {
  parts_.game.ScreenState = Screen::LevelComplete;
  new TExitMenu(parts_.world, "scr_levcompl", "menulevelcompl", 2500, 230, 40);
}

void LevelComplete::leave() {
  KillByName(parts_.world.sprites, "menulevelcompl");
  KillByName(parts_.world.sprites, "seiftake");
  parts_.play.SafeTaken = false;
  ClearKeyReleased(parts_.game);
  parts_.game.TickCounter = 1;
}

void LevelComplete::countSecond() {
  TPlayState& play = parts_.play;
  if (play.stateCounter % kTallyEvery != 0 || (play.timeMinutes <= 0 && play.timeSeconds <= 0)) return;
  if (play.timeSeconds == 0) {
    play.timeSeconds = 59;
    --play.timeMinutes;
  } else {
    --play.timeSeconds;
  }
  parts_.game.Score += kTimeBonusPerSecond;
}

Transition LevelComplete::count() {
  TPlayState& play = parts_.play;
  // SafeTaken stays set while the bonus is being counted.
  if (play.stateCounter > kTallyStart && play.SafeTaken) {
    countSecond();
    if (play.timeMinutes == 0 && play.timeSeconds == 0) {
      play.SafeTaken = false;
      ClearKeyReleased(parts_.game);
    }
    return {};
  }
  if (!play.SafeTaken && TakeReleased(parts_.game, vk::Return)) return nextHouse();
  return {};
}

Transition LevelComplete::nextHouse() {
  ++parts_.game.Level;
  if (parts_.game.Level <= kLevelCount) {
    return {.leave = {Screen::LevelComplete, Screen::Play}, .enter = Screen::LevelIntro};
  }
  // The last house is done: the picture goes up over the empty street.
  return {.leave = {Screen::LevelComplete, Screen::Play},
          .then =
              [this] {
                parts_.play.stateCounter = 0;
                parts_.play.gameOverShown = true;
                new TExitMenu(parts_.world, "gamecompl", "backcomplete", 900, 0, 0);
                parts_.sounds.PlayEffect("findseif");
              },
          .enter = Screen::ScoreDialog};
}

void LevelComplete::drawFrame() {
  const int32_t tick = ++parts_.play.stateCounter;
  parts_.frame.begin();
  parts_.world.sprites.Draw();
  if (tick > kTallyScoreShown) {
    parts_.font.SetColor(255, 255, 255);
    parts_.font.TextOut(370, 360, std::to_string(parts_.game.Score));
  }
  if (tick > kTallyTimeShown) parts_.panel.drawTime(370, 457);
  parts_.frame.end();
}

}  // namespace nk
