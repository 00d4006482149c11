// The menu frame timer: the title, the menus and the way out.
#include <algorithm>

#include "app/form1.h"
#include "engine/image_list_item.h"
#include "platform/keys.h"

namespace nk {

void TForm1::NkTimer1Timer(TNkTimer&) {
  switch (GameState.ScreenState) {
    case Screen::Title: tickTitle(); break;
    case Screen::MainMenu: tickMainMenu(); break;
    case Screen::Options: tickOptions(); break;
    case Screen::Help:
    case Screen::HiScores:
    case Screen::ClearTable:
    case Screen::ExitConfirm: tickMenuScreen(); break;
    case Screen::ExitScreen: tickExitScreen(); break;
    default: break;
  }
  if (++GameState.TickCounter > 10) GameState.TickCounter = 0;
}

bool TForm1::menuKeys(const std::function<void()>& back) {
  const Screen state = GameState.ScreenState;
  moveMenuFocus(true);
  if (takeReleased(vk::Return)) activateFocused();
  if (GameState.ScreenState == state && takeReleased(vk::Escape)) back();
  return GameState.ScreenState == state;
}

void TForm1::tickTitle() {
  beginFrame();
  drawBackground("back_first", 1);
  NkSprite1->Draw();
  endFrame();
  const auto& keys = GameState.KeyReleased;
  if (std::any_of(keys.begin() + 1, keys.end(), [](bool released) { return released; }))
    EnterState(Screen::MainMenu);
}

void TForm1::tickMainMenu() {
  if (!menuKeys([this] {
        LeaveState(Screen::MainMenu);
        EnterState(Screen::ExitConfirm);
      })) {
    return;
  }
  NkSprite1->Move(0.00001f);
  beginFrame();
  NkSprite1->Draw();
  drawBackground("mainback", 0);
  if (TImageListItem* logo = NkImageList1->ImageList().Find("b_logo")) {
    logo->DrawEx(0, 520, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, 0, 0);
  }
  NkGUI1->Draw();
  if (KeyCursor != nullptr) KeyCursor->Draw();
  endFrame();
}

void TForm1::tickMenuScreen() {
  const Screen state = GameState.ScreenState;
  // Escape leaves the clear-table question for the table, everything else for the main menu.
  if (!menuKeys([this, state] {
        LeaveState(state);
        EnterState(state == Screen::ClearTable ? Screen::HiScores : Screen::MainMenu);
      })) {
    return;
  }
  beginMenuFrame();
  if (state == Screen::HiScores && menuFont != nullptr) DrawHiScores(*menuFont, GameState.HiScores);
  if (state == Screen::ExitConfirm && KeyCursor != nullptr) KeyCursor->Draw();
  endFrame();
}

void TForm1::tickExitScreen() {
  if (ShareScreen->Countdown > 0) --ShareScreen->Countdown;
  NkScreen1->Clear(0, 0, 0, 0);
  NkScreen1->BeginScene();
  ShareList->BeginDrawHook();
  ShareScreen->UpdateHover();
  ShareScreen->Draw();
  ShareList->EndDrawHook();
  NkScreen1->EndScene();
}

}  // namespace nk
