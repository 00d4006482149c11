// What the menus and dialogs share: their widget list and buttons, focus, the caret, the frame.
#include <string>
#include <utility>

#include "app/form1.h"
#include "app/name_typing.h"
#include "engine/image_list_item.h"
#include "platform/keys.h"

namespace nk {

void TForm1::newMenuList() {
  freeMenuList();
  MenuList = &NkGUI1->CreateList();
  MenuList->Name = "GUI2";
  MenuList->BringToFront();
}

void TForm1::freeMenuList() {
  if (MenuList != nullptr) MenuList->Destroy();
  MenuList = nullptr;
  MenuButtons.fill(nullptr);
  ActiveEdit = nullptr;
}

TNkButton& TForm1::addMenuButton(int index, const char* image, int x, int y, std::function<void()> action,
                                 bool selectable) {
  TNkButton& b = MenuList->Create<TNkButton>();
  b.Name = std::to_string(index);
  b.Caption.clear();
  // The menus are driven from the keyboard; the pointer neither highlights nor clicks them.
  b.Enabled = false;
  TImageListItem* picture = setNormalLook(b, image, 0);
  if (selectable) {
    b.SetStateImage(TNkGUIComponent::stOverlay, picture);
    b.SetStatePattern(TNkGUIComponent::stOverlay, 1);
  }
  b.X = x;
  b.Y = y;
  b.OnClick = [action = std::move(action)](TNkGUIComponent&) { action(); };
  MenuButtons[static_cast<size_t>(index)] = &b;
  return b;
}

void TForm1::addYesNo(std::function<void()> yes, std::function<void()> no) {
  addMenuButton(0, "b_yes", 320, 500, std::move(yes), true);
  addMenuButton(1, "b_no", 410, 390, std::move(no), true);
  MenuButtonCount = 2;
}

TImageListItem* TForm1::setNormalLook(TNkGUIComponent& widget, const char* image, int32_t pattern) {
  TImageListItem* picture = NkImageList1->ImageList().Find(image);
  widget.SetStateImage(TNkGUIComponent::stNormal, picture);
  widget.SetStatePattern(TNkGUIComponent::stNormal, pattern);
  if (picture != nullptr) {
    widget.Width = picture->TileWidth();
    widget.Height = picture->TileHeight();
  }
  return picture;
}

TNkEdit& TForm1::addNameEdit(const char* name, const char* image, int x, int y, const std::string& text) {
  TNkEdit& e = MenuList->Create<TNkEdit>();
  e.Name = name;
  e.Enabled = false;
  setNormalLook(e, image, -1);
  e.X = x;
  e.Y = y;
  e.MaxLength = 10;
  e.TextMargin = 3;
  e.Text = text;
  e.OnKeyDown = TypeOnEitherLayout();
  ActiveEdit = &e;
  return e;
}

void TForm1::moveMenuFocus(bool withSound) {
  static constexpr std::pair<int, FocusKey> kArrows[] = {{vk::Up, FocusKey::Up},
                                                         {vk::Down, FocusKey::Down},
                                                         {vk::Left, FocusKey::Left},
                                                         {vk::Right, FocusKey::Right}};
  int32_t& index = GameState.MenuIndex;
  for (const auto& [code, key] : kArrows) {
    if (!takeReleased(code)) continue;
    const int32_t target = FocusTarget(GameState.ScreenState, index, key);
    if (target == index) continue;
    index = target;
    if (withSound) Sounds.PlayEffect("menumove");
  }
  index = WrapFocus(index, MenuButtonCount);
}

void TForm1::activateFocused() {
  const int32_t index = GameState.MenuIndex;
  if (index < 0 || index >= MenuButtonCount) return;
  TNkGUIComponent* entry = MenuButtons[static_cast<size_t>(index)];
  if (entry == nullptr || !entry->OnClick) return;
  // A copy: the action usually frees the list, and with it the button that holds the handler.
  const TNkGUIComponent::NotifyEvent action = entry->OnClick;
  action(*entry);
}

void TForm1::blinkCaret() {
  // The caret shows for 31 frames and hides for 32.
  int32_t& n = GameState.BlinkCounter;
  if (n % 31 == 0) {
    ActiveEdit->CaretText.clear();
  } else if (n % 63 == 0) {
    ActiveEdit->CaretText = "_";
    n = 0;
  }
  ++n;
}

void TForm1::beginMenuFrame() {
  NkSprite1->Move(0.00001f);
  beginFrame();
  drawBackground("mainback", 1);
  NkSprite1->Draw();
  NkGUI1->Draw();
}

void TForm1::highlightYesNo(int selected) {
  for (size_t i = 0; i < 2; ++i) {
    if (MenuButtons[i] != nullptr) MenuButtons[i]->Selected = static_cast<int>(i) == selected;
  }
}

void TForm1::killKeyCursor() {
  if (KeyCursor != nullptr) KeyCursor->Dead();
  KeyCursor = nullptr;
}

}  // namespace nk
