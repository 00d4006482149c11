// The level-complete screen: the time bonus counted into the score, then the next house.
#include "app/form1.h"
#include "game/score_values.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

void TForm1::enterLevelComplete() {
  GameState.ScreenState = 13;
  new TExitMenu(world, "scr_levcompl", "menulevelcompl", 2500, 230, 40);
}

void TForm1::leaveLevelComplete() {
  killByName("menulevelcompl");
  killByName("seiftake");
  Play.SafeTaken = false;
  clearKeyReleased();
  GameState.TickCounter = 1;
}

void TForm1::tickLevelComplete() {
  int32_t& t = Play.stateCounter;
  int32_t& minutes = Play.timeMinutes;
  int32_t& seconds = Play.timeSeconds;
  // SafeTaken stays set while the bonus is being counted.
  if (t > 300 && Play.SafeTaken) {
    if (t % 5 == 0 && (minutes > 0 || seconds > 0)) {
      if (seconds == 0) {
        seconds = 59;
        --minutes;
      } else {
        --seconds;
      }
      GameState.Score += kTimeBonusPerSecond;
    }
    if (minutes == 0 && seconds == 0) {
      Play.SafeTaken = false;
      clearKeyReleased();
    }
  } else if (!Play.SafeTaken && takeReleased(vk::Return)) {
    LeaveState(13);
    LeaveState(12);
    ++GameState.Level;
    if (GameState.Level > kLevelCount) {
      t = 0;
      Play.gameOverShown = true;
      new TExitMenu(world, "gamecompl", "backcomplete", 900, 0, 0);
      Sounds.PlayEffect("findseif");
      EnterState(15);
    } else {
      EnterState(11);
    }
  }
  ++t;
  beginFrame();
  NkSprite1->Draw();
  if (t > 100) {
    menuFont->SetColor(255, 255, 255);
    menuFont->TextOut(370, 360, std::to_string(GameState.Score));
  }
  if (t > 200) drawTime(370, 457);
  endFrame();
}

}  // namespace nk
