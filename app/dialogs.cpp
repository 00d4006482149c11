// The dialogs over play: giving up the game, and the pause.
#include "app/form1.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

void TForm1::enterQuitDialog() {
  killByName("value");
  GameState.KeyReleased[vk::Return] = false;
  GameState.ScreenState = Screen::QuitDialog;
  newMenuList();
  addYesNo(
      [this] {
        clearKeyReleased();
        if (GameState.MusicOn) {
          Sounds.StopTune("gamemusic");
          Sounds.StartTune("menumusic");
        }
        LeaveState(Screen::QuitDialog);
        EnterState(Screen::ScoreDialog);
      },
      [this] {
        LeaveState(Screen::QuitDialog);
        clearKeyReleased();
        Sounds.PlayEffect("check");
        Timer1->SetEnabled(true);
        GameState.ScreenState = Screen::Play;
      });
  newKeyCursor();
  new TMenuExitGame(world, "scr_ExitTheGame", "menuexitgame", 2000, 240, 40);
  GameState.MenuIndex = 1;  // No first
  NkSprite1->Move(0.00001f);
}

void TForm1::leaveQuitDialog() {
  clearKeyReleased();
  killKeyCursor();
  killByName("menuexitgame");
  Timer1->SetEnabled(true);
  freeMenuList();
}

void TForm1::tickQuitDialog() {
  if (!menuKeys([this] {
        LeaveState(Screen::QuitDialog);
        GameState.ScreenState = Screen::Play;
      })) {
    return;
  }
  // The level stands still behind the dialog; only the cursor takes its place.
  beginFrame();
  if (KeyCursor != nullptr) KeyCursor->Move(0);
  NkSprite1->Draw();
  drawSideNumbers(255);
  NkGUI1->Draw();
  if (KeyCursor != nullptr) KeyCursor->Draw();
  endFrame();
}

void TForm1::enterPause() {
  killByName("value");
  GameState.ScreenState = Screen::Pause;
  new TMenuExitGame(world, "pause", "pause", 2000, 140, 210);
  // Everything drawn is dimmed while the game is paused.
  setScreenGrey(160);
}

void TForm1::setScreenGrey(uint8_t grey) {
  NkScreen1->SetRed(grey);
  NkScreen1->SetGreen(grey);
  NkScreen1->SetBlue(grey);
  if (menuFont != nullptr) menuFont->SetColor(grey, grey, grey);
}

void TForm1::tickPause() {
  const bool p = takeReleased('P'), f1 = takeReleased(vk::F1), escape = takeReleased(vk::Escape);
  if (p || f1 || escape) {
    Timer1->SetEnabled(true);
    LeaveState(Screen::Pause);
    GameState.ScreenState = Screen::Play;
    setScreenGrey(255);
    return;
  }
  beginFrame();
  NkSprite1->Draw();
  drawSideNumbers(160);
  endFrame();
}

}  // namespace nk
