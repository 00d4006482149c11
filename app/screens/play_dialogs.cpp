#include "app/screens/play_dialogs.h"

#include "app/frame_painter.h"
#include "app/menu_text.h"
#include "app/screen_sprites.h"
#include "app/side_panel.h"
#include "app/window_timer.h"
#include "audio/sound_board.h"
#include "engine/nk_screen.h"
#include "game/game_state.h"
#include "game/key_cursor.h"
#include "game/world.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

namespace {

// The tear-down clears the keys and starts the clock again.
Transition backToPlay() { return {.leave = {Screen::QuitDialog}, .backToPlay = true}; }

}  // namespace

void PlayDialogs::enterQuitDialog() {
  TGameState& game = parts_.game;
  MenuWidgets& menu = parts_.menu;
  KillByName(parts_.world.sprites, "value");
  game.KeyReleased[vk::Return] = false;
  game.ScreenState = Screen::QuitDialog;
  menu.newList();
  menu.addYesNo(
      [this] {
        ClearKeyReleased(parts_.game);
        if (parts_.game.MusicOn) {
          parts_.sounds.StopTune("gamemusic");
          parts_.sounds.StartTune("menumusic");
        }
        return Transition{.leave = {Screen::QuitDialog}, .enter = Screen::ScoreDialog};
      },
      [this] {
        parts_.sounds.PlayEffect("check");
        return backToPlay();
      });
  menu.newKeyCursor();
  new TMenuExitGame(parts_.world, "scr_ExitTheGame", "menuexitgame", 2000, 240, 40);
  game.MenuIndex = 1;  // No first
  MenuStep(parts_.world.sprites);
}

void PlayDialogs::leaveQuitDialog() {
  ClearKeyReleased(parts_.game);
  parts_.menu.killKeyCursor();
  KillByName(parts_.world.sprites, "menuexitgame");
  parts_.clock.SetEnabled(true);
  parts_.menu.freeList();
}

Transition PlayDialogs::tickQuitDialog() {
  MenuWidgets& menu = parts_.menu;
  Transition next = menu.keys(backToPlay);
  if (!next.empty()) return next;
  // The level stands still behind the dialog; only the cursor takes its place.
  parts_.frame.begin();
  if (menu.KeyCursor != nullptr) menu.KeyCursor->Move(0);
  parts_.world.sprites.Draw();
  parts_.panel.drawNumbers(255);
  menu.drawWidgets();
  menu.drawCursor();
  parts_.frame.end();
  return {};
}

void PlayDialogs::enterPause() {
  KillByName(parts_.world.sprites, "value");
  parts_.game.ScreenState = Screen::Pause;
  new TMenuExitGame(parts_.world, "pause", "pause", 2000, 140, 210);
  // Everything drawn is dimmed while the game is paused.
  setScreenGrey(160);
}

void PlayDialogs::leavePause() {
  ClearKeyReleased(parts_.game);
  KillByName(parts_.world.sprites, "pause");
}

void PlayDialogs::setScreenGrey(uint8_t grey) {
  parts_.screen.SetRed(grey);
  parts_.screen.SetGreen(grey);
  parts_.screen.SetBlue(grey);
  parts_.font.SetColor(grey, grey, grey);
}

Transition PlayDialogs::tickPause() {
  TGameState& game = parts_.game;
  // All three are taken, whichever ends the pause.
  const bool letterP = TakeReleased(game, 'P');
  const bool f1 = TakeReleased(game, vk::F1);
  const bool escape = TakeReleased(game, vk::Escape);
  if (letterP || f1 || escape) {
    parts_.clock.SetEnabled(true);
    setScreenGrey(255);
    return {.leave = {Screen::Pause}, .backToPlay = true};
  }
  parts_.frame.begin();
  parts_.world.sprites.Draw();
  parts_.panel.drawNumbers(160);
  parts_.frame.end();
  return {};
}

}  // namespace nk
