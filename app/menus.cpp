// The main menu's buttons, the help pages, the table with its clear confirmation, the exit
// confirmation and the way out.
#include "app/form1.h"
#include "app/score_report.h"
#include "game/world_objects.h"
#include "platform/files.h"

namespace nk {

void TForm1::buildMainMenuButtons() {
  newMenuList();
  addMenuButton(0, "b_stgame", 300, 100, [this] { startGame(); });
  addMenuButton(1, "b_opt", 370, 170, [this] {
    GameState.SavedMusicOn = GameState.MusicOn;
    GameState.SavedSoundOn = GameState.SoundOn;
    openFromMainMenu(Screen::Options);
  });
  addMenuButton(2, "b_hiscr", 353, 240, [this] { openFromMainMenu(Screen::HiScores); });
  addMenuButton(3, "b_help", 354, 310, [this] { openFromMainMenu(Screen::Help); });
  addMenuButton(4, "b_visit", 270, 380, [this] {
    Sounds.PlayEffect("check");
    if (fileExists("moregames.url")) host.shellOpen("moregames.url", "");
  });
  addMenuButton(5, "b_exit", 380, 450, [this] {
    LeaveState(Screen::MainMenu);
    Sounds.PlayEffect("check");
    EnterState(Screen::ExitConfirm);
  });
  MenuButtonCount = 6;
}

void TForm1::openFromMainMenu(Screen state) {
  LeaveState(Screen::MainMenu);
  clearKeyReleased();
  Sounds.PlayEffect("check");
  EnterState(state);
}

void TForm1::enterHelp() {
  HelpPage = 1;
  GameState.ScreenState = Screen::Help;
  newMenuList();
  addMenuButton(0, "b_back", 57, 510, [this] {
    LeaveState(Screen::Help);
    Sounds.PlayEffect("check");
    EnterState(Screen::MainMenu);
    clearKeyReleased();
  });
  addMenuButton(1, "b_next", 500, 420, [this] { helpNext(); });
  addMenuButton(2, "b_prev", 57, 420, [this] { helpPrev(); });
  MenuButtonCount = 3;
  new THelpMenu(world, "scr_help", "scrHelp", 0, 52, 0);
  newKeyCursor();
  GameState.MenuIndex = 0;
  NkSprite1->Move(0.00001f);
}

void TForm1::showHelpPage(const char* image) {
  for (int i = 0; i < NkSprite1->Count(); ++i) {
    TSprite* page = NkSprite1->Items(i);
    if (page->Name != "scrHelp") continue;
    page->SetX(52);
    page->SetY(0);
    page->SetImage(NkImageList1->ImageList().Find(image));
  }
}

void TForm1::helpNext() {
  clearKeyReleased();
  Sounds.PlayEffect("check");
  if (HelpPage >= 3) return;
  showHelpPage(HelpPage == 1 ? "scr_help2" : "scr_help3");
  ++HelpPage;
}

void TForm1::helpPrev() {
  if (HelpPage > 1) {
    showHelpPage(HelpPage == 2 ? "scr_help" : "scr_help2");
    --HelpPage;
  }
  Sounds.PlayEffect("check");
}

void TForm1::enterHiScores() {
  GameState.ScreenState = Screen::HiScores;
  newMenuList();
  addMenuButton(0, "b_clrhiscr", 80, 495, [this] {
    EnterState(Screen::ClearTable);
    clearKeyReleased();
    Sounds.PlayEffect("check");
  });
  addMenuButton(1, "b_viewwhiscr", 305, 495, [this] { OpenScorePage(host, options.scoreServer); });
  TNkButton& back = addMenuButton(2, "b_back", 610, 520, [this] {
    LeaveState(Screen::HiScores);
    Sounds.PlayEffect("check");
    clearKeyReleased();
    EnterState(Screen::MainMenu);
  });
  back.SetStateImage(TNkGUIComponent::stHover, back.States[0].Image);
  MenuButtonCount = 3;
  new THiscoreMenu(world, "scr_hiscr", "scrHiscr", 0, 53, 0);
  newKeyCursor();
  GameState.MenuIndex = 0;
  NkSprite1->Move(0.00001f);
  if (menuFont != nullptr) {
    menuFont->SetFont("DS Zombie Cyr", 26);
    menuFont->SetColor(255, 255, 255);
  }
}

void TForm1::enterClearTable() {
  GameState.ScreenState = Screen::ClearTable;
  // The table's panel and cursor stay underneath; only its buttons go.
  newMenuList();
  addYesNo(
      [this] {
        ResetHiScores(GameState.HiScores);
        clearKeyReleased();
        LeaveState(Screen::ClearTable);
        Sounds.PlayEffect("check");
        EnterState(Screen::HiScores);
      },
      [this] {
        LeaveState(Screen::ClearTable);
        clearKeyReleased();
        Sounds.PlayEffect("check");
        EnterState(Screen::HiScores);
      });
  newKeyCursor();
  NkSprite1->Move(0.00001f);
  new TExitMenu(world, "scr_clearhiscr", "scr_clearhiscr", 20, 240, 40);
}

void TForm1::enterExitConfirm() {
  GameState.ScreenState = Screen::ExitConfirm;
  newMenuList();
  addYesNo(
      [this] {
        LeaveState(Screen::ExitConfirm);
        EnterState(Screen::ExitScreen);
      },
      [this] {
        LeaveState(Screen::ExitConfirm);
        clearKeyReleased();
        Sounds.PlayEffect("check");
        EnterState(Screen::MainMenu);
      });
  newKeyCursor();
  new TExitMenu(world, "scr_ExitTheGame", "scr_ExitTheGame", 0, 240, 40);
  GameState.MenuIndex = 1;  // No first
  NkSprite1->Move(0.00001f);
}

void TForm1::enterExitScreen() {
  GameState.ScreenState = Screen::ExitScreen;
  NkGUI1->DeactivateInput();
  // Nothing to promote: the window may close at once.
  if (ShareScreen->Valid) return;
  ShareScreen->Countdown = 0;
  host.requestClose();
}

}  // namespace nk
