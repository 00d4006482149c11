// The menu frame timer: the title and the menus.
#include <algorithm>

#include "app/form1.h"
#include "platform/keys.h"

namespace nk {

void TForm1::NkTimer1Timer(TNkTimer&) {
  switch (GameState.ScreenState) {
    case 2: tickTitle(); break;
    case 3: tickMainMenu(); break;
    default: break;
  }
  if (++GameState.TickCounter > 10) GameState.TickCounter = 0;
}

void TForm1::tickTitle() {
  beginFrame();
  drawBackground("back_first", 1);
  NkSprite1->Draw();
  endFrame();
  const auto& keys = GameState.KeyReleased;
  if (std::any_of(keys.begin() + 1, keys.end(), [](bool released) { return released; })) EnterState(3);
}

void TForm1::tickMainMenu() {
  if (takeReleased(vk::Down)) {
    ++GameState.MenuIndex;
    Sounds.PlayEffect("menumove");
  }
  if (takeReleased(vk::Up)) {
    --GameState.MenuIndex;
    Sounds.PlayEffect("menumove");
  }
  if (GameState.MenuIndex > MenuButtonCount - 1) GameState.MenuIndex = 0;
  if (GameState.MenuIndex < 0) GameState.MenuIndex = MenuButtonCount - 1;
  if (GameState.ScreenState != 3) return;
  NkSprite1->Move(0.00001f);
  beginFrame();
  NkSprite1->Draw();
  drawBackground("mainback", 0);
  if (TImageListItem* logo = NkImageList1->ImageList().Find("b_logo")) {
    logo->DrawEx(0, 520, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, 0, 0);
  }
  if (KeyCursor != nullptr) KeyCursor->Draw();
  endFrame();
}

}  // namespace nk
