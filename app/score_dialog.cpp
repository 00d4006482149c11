// The score dialog at the end of a game: the player's name, then whether to send the score.
#include <string>

#include "app/form1.h"
#include "app/score_report.h"
#include "game/rank_score.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

void TForm1::enterScoreDialog() {
  // The level clock must not run out behind the dialog, and a finished dialog of an earlier
  // game must not end this one at once.
  Timer1->SetEnabled(false);
  GameState.ScoreDialogDone = false;
  NkFader1->SetStartColor(0, 0, 0, 0);
  NkFader1->SetEndColor(0, 0, 0, 0);
  NkFader1->Reset();
  GameState.BlinkCounter = 0;
  for (int frame = 0; frame < 300; ++frame) {
    beginFrame();
    NkSprite1->Draw();
    endFrame();
  }
  GameState.BlinkCounter = 0;
  GameState.KeyReleased[vk::Return] = false;
  GameState.ScreenState = Screen::ScoreDialog;
  newMenuList();
  addYesNo([this] { answerScoreDialog(true); }, [this] { answerScoreDialog(false); });
  MenuButtons[0]->Visible = MenuButtons[1]->Visible = false;
  setBitmapFontGrey();
  TNkEdit& edit = addNameEdit("NameEdit", "editname", 308, 488, GameState.HiscoreName);
  buildGameFont(*NameEditFont, 20);
  edit.Font = nameEditGuiFont.get();
  newKeyCursor();
  KeyCursor->Visible = false;
  new TMenuExitGame(world, "yourscoreis", "yourscoreis", 2000, 240, 40);
  GameState.MenuIndex = 1;
  NkSprite1->Move(0.00001f);
  edit.Focus();
  edit.CaretPos = edit.TextLength() + 1;
  GameState.KeyReleased[vk::Return] = GameState.KeyReleased[vk::Back] = false;
  typingScoreName = true;
}

void TForm1::setBitmapFontGrey() {
  NkBitmapFont1->SetRed(50);
  NkBitmapFont1->SetGreen(50);
  NkBitmapFont1->SetBlue(50);
}

void TForm1::leaveScoreDialog() {
  killByName(GameState.Level >= 7 ? "backcomplete" : "lose");
  killByName("yourscoreis");
  killKeyCursor();
  NkSprite1->Dead();
  freeMenuList();
}

void TForm1::answerScoreDialog(bool send) {
  GameState.NewHiScore = false;
  clearKeyReleased();
  if (GameState.MusicOn) {
    Sounds.StopTune("gamemusic");
    Sounds.StartTune("menumusic");
  }
  Sounds.PlayEffect("check");
  // After the last level the house is already gone; a game lost or given up still has its house.
  const bool houseGone = GameState.Level >= 7;
  LeaveState(Screen::ScoreDialog);
  if (houseGone) {
    for (int i = 0; i < NkSprite1->Count(); ++i) NkSprite1->Items(i)->Dead();
    NkSprite1->Dead();
  } else {
    LeaveState(Screen::Play);
  }
  RankScore(GameState);
  if (send) ReportScore(host, options.scoreServer, GameState);
  EnterState(GameState.NewHiScore ? Screen::HiScores : Screen::MainMenu);
  GameState.ScoreDialogDone = true;
}

void TForm1::tickScoreDialog() {
  if (typingScoreName) {
    blinkCaret();
    if (takeReleased(vk::Back) && !ActiveEdit->Text.empty()) ActiveEdit->Text.pop_back();
    // An empty name cannot be confirmed.
    if (takeReleased(vk::Return) && !ActiveEdit->Text.empty()) {
      typingScoreName = false;
      GameState.HiscoreName = ActiveEdit->Text;
      ActiveEdit->Unfocus();
      ActiveEdit->Visible = false;
      MenuButtons[0]->Visible = MenuButtons[1]->Visible = true;
      KeyCursor->Visible = true;
      for (int i = 0; i < NkSprite1->Count(); ++i) {
        TSprite* panel = NkSprite1->Items(i);
        if (panel->Name == "yourscoreis") panel->SetImage(NkImageList1->ImageList().Find("scr_send"));
      }
    }
  } else {
    moveMenuFocus(false);
    if (takeReleased(vk::Return)) activateFocused();
  }
  if (GameState.ScoreDialogDone) {
    GameTimer->SetEnabled(false);
    NkTimer1->SetEnabled(true);
    return;
  }
  beginFrame();
  NkSprite1->Move(0.0001f);
  NkSprite1->Draw();
  NkGUI1->Draw();
  if (menuFont != nullptr) menuFont->SetColor(50, 50, 50);
  setBitmapFontGrey();
  if (ActiveEdit->Visible) {
    if (menuFont != nullptr) TextOutCentred(*menuFont, 410, 220, std::to_string(GameState.Score));
  } else if (KeyCursor != nullptr) {
    KeyCursor->Draw();
  }
  endFrame();
}

}  // namespace nk
