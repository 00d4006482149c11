#include "app/screens/score_dialog.h"

#include <string>

#include "app/frame_painter.h"
#include "app/game_font.h"
#include "app/menu_text.h"
#include "app/score_report.h"
#include "app/screen_sprites.h"
#include "app/window_timer.h"
#include "audio/sound_board.h"
#include "engine/nk_bitmap_font.h"
#include "engine/nk_fader.h"
#include "game/game_state.h"
#include "game/key_cursor.h"
#include "game/rank_score.h"
#include "game/world.h"
#include "game/world_objects.h"
#include "platform/keys.h"
#include "ui/gui_bitmap_font.h"
#include "ui/nk_edit.h"

namespace nk {

void ScoreDialog::enter() {
  TGameState& game = parts_.game;
  // The level clock must not run out behind the dialog, and a finished dialog of an earlier
  // game must not end this one at once.
  parts_.clock.SetEnabled(false);
  game.ScoreDialogDone = false;
  parts_.fader.SetStartColor(0, 0, 0, 0);
  parts_.fader.SetEndColor(0, 0, 0, 0);
  parts_.fader.Reset();
  game.BlinkCounter = 0;
  for (int frame = 0; frame < kScoreDialogOpeningFrames; ++frame) {
    parts_.frame.begin();
    parts_.world.sprites.Draw();
    parts_.frame.end();
  }
  game.BlinkCounter = 0;
  game.KeyReleased[vk::Return] = false;
  game.ScreenState = Screen::ScoreDialog;
  addWidgets();
  MenuWidgets& menu = parts_.menu;
  menu.newKeyCursor();
  menu.KeyCursor->Visible = false;
  new TMenuExitGame(parts_.world, "yourscoreis", "yourscoreis", 2000, 240, 40);
  game.MenuIndex = 1;
  MenuStep(parts_.world.sprites);
  TNkEdit& edit = *menu.ActiveEdit;
  edit.Focus();
  edit.CaretPos = edit.TextLength() + 1;
  game.KeyReleased[vk::Return] = game.KeyReleased[vk::Back] = false;
  typingScoreName = true;
}

// Yes and No wait hidden while the name is typed.
void ScoreDialog::addWidgets() {
  MenuWidgets& menu = parts_.menu;
  menu.newList();
  menu.addYesNo([this] { return answer(true); }, [this] { return answer(false); });
  menu.MenuButtons[0]->Visible = menu.MenuButtons[1]->Visible = false;
  setBitmapFontGrey();
  TNkEdit& edit = menu.addNameEdit("NameEdit", "editname", 308, 488, parts_.game.HiscoreName);
  BuildGameFont(parts_.nameFont, 20);
  edit.Font = &parts_.nameEditFont;
}

void ScoreDialog::setBitmapFontGrey() {
  parts_.bitmapFont.SetRed(50);
  parts_.bitmapFont.SetGreen(50);
  parts_.bitmapFont.SetBlue(50);
}

// After the last house the game-complete picture is up, else the lose picture.
void ScoreDialog::leave() {
  TNkSprite& sprites = parts_.world.sprites;
  KillByName(sprites, parts_.game.Level >= 7 ? "backcomplete" : "lose");
  KillByName(sprites, "yourscoreis");
  parts_.menu.killKeyCursor();
  sprites.Dead();
  parts_.menu.freeList();
}

Transition ScoreDialog::answer(bool send) {
  TGameState& game = parts_.game;
  game.NewHiScore = false;
  ClearKeyReleased(game);
  if (game.MusicOn) {
    parts_.sounds.StopTune("gamemusic");
    parts_.sounds.StartTune("menumusic");
  }
  parts_.sounds.PlayEffect("check");
  RankScore(game);
  if (send) ReportScore(parts_.host, parts_.scoreServer, game);
  game.ScoreDialogDone = true;
  const Screen next = game.NewHiScore ? Screen::HiScores : Screen::MainMenu;
  // A game lost or given up still has its house; after the last level it is already gone, and
  // whatever is left goes.
  if (game.Level < 7) return {.leave = {Screen::ScoreDialog, Screen::Play}, .enter = next};
  return {.leave = {Screen::ScoreDialog},
          .then =
              [this] {
                TNkSprite& sprites = parts_.world.sprites;
                for (int i = 0; i < sprites.Count(); ++i) sprites.Items(i)->Dead();
                sprites.Dead();
              },
          .enter = next};
}

// Enter with a name: the name is kept, and Yes and No come up.
void ScoreDialog::takeName() {
  MenuWidgets& menu = parts_.menu;
  TNkEdit& edit = *menu.ActiveEdit;
  typingScoreName = false;
  parts_.game.HiscoreName = edit.Text;
  edit.Unfocus();
  edit.Visible = false;
  menu.MenuButtons[0]->Visible = menu.MenuButtons[1]->Visible = true;
  menu.KeyCursor->Visible = true;
  TImageListItem* send = parts_.world.image("scr_send");
  ForEachNamed(parts_.world.sprites, "yourscoreis", [send](TSprite& panel) { panel.SetImage(send); });
}

Transition ScoreDialog::tick() {
  TGameState& game = parts_.game;
  MenuWidgets& menu = parts_.menu;
  Transition next;
  if (typingScoreName) {
    menu.blinkCaret();
    TNkEdit& edit = *menu.ActiveEdit;
    if (TakeReleased(game, vk::Back) && !edit.Text.empty()) edit.Text.pop_back();
    // An empty name cannot be confirmed.
    if (TakeReleased(game, vk::Return) && !edit.Text.empty()) takeName();
  } else {
    menu.moveFocus(false);
    if (TakeReleased(game, vk::Return)) next = menu.activateFocused();
  }
  if (game.ScoreDialogDone) {
    next.frames = FrameHandOver::GameToMenu;
    return next;
  }
  drawFrame();
  return next;
}

void ScoreDialog::drawFrame() {
  MenuWidgets& menu = parts_.menu;
  TNkSprite& sprites = parts_.world.sprites;
  parts_.frame.begin();
  sprites.Move(0.0001f);
  sprites.Draw();
  menu.drawWidgets();
  parts_.font.SetColor(50, 50, 50);
  setBitmapFontGrey();
  if (menu.ActiveEdit->Visible) {
    TextOutCentred(parts_.font, 410, 220, std::to_string(parts_.game.Score));
  } else {
    menu.drawCursor();
  }
  parts_.frame.end();
}

}  // namespace nk
