#include "app/menu_widgets.h"

#include <utility>

#include <nlohmann/json.hpp>

#include "app/frame_painter.h"
#include "app/menu_focus.h"
#include "app/name_typing.h"
#include "app/screen_sprites.h"
#include "audio/sound_board.h"
#include "codec/cp1251.h"
#include "engine/image_list_collection.h"
#include "engine/image_list_item.h"
#include "game/game_state.h"
#include "game/key_cursor.h"
#include "game/world.h"
#include "platform/keys.h"
#include "ui/nk_button.h"
#include "ui/nk_edit.h"
#include "ui/nk_gui.h"

namespace nk {

void MenuWidgets::newList() {
  freeList();
  MenuList = &parts_.gui.CreateList();
  MenuList->Name = "GUI2";
  MenuList->BringToFront();
}

void MenuWidgets::freeList() {
  if (MenuList != nullptr) MenuList->Destroy();
  MenuList = nullptr;
  MenuButtons.fill(nullptr);
  ActiveEdit = nullptr;
}

TNkButton& MenuWidgets::addButton(int index, const char* image, int x, int y, Action action,
                                  bool selectable) {
  auto& button = MenuList->Create<TNkButton>();
  button.Name = std::to_string(index);
  button.Caption.clear();
  // The menus are driven from the keyboard; the pointer neither highlights nor clicks them.
  button.Enabled = false;
  TImageListItem* picture = setNormalLook(button, image, 0);
  if (selectable) {
    button.SetStateImage(TNkGUIComponent::stOverlay, picture);
    button.SetStatePattern(TNkGUIComponent::stOverlay, 1);
  }
  button.X = x;
  button.Y = y;
  button.OnClick = [this, action = std::move(action)](TNkGUIComponent&) { clicked_ = action(); };
  MenuButtons[static_cast<size_t>(index)] = &button;
  return button;
}

void MenuWidgets::addYesNo(Action yes, Action no) {
  addButton(0, "b_yes", 320, 500, std::move(yes), true);
  addButton(1, "b_no", 410, 390, std::move(no), true);
  MenuButtonCount = 2;
}

TImageListItem* MenuWidgets::setNormalLook(TNkGUIComponent& widget, const char* image, int32_t pattern) {
  TImageListItem* picture = parts_.world.images.Find(image);
  widget.SetStateImage(TNkGUIComponent::stNormal, picture);
  widget.SetStatePattern(TNkGUIComponent::stNormal, pattern);
  if (picture != nullptr) {
    widget.Width = picture->TileWidth();
    widget.Height = picture->TileHeight();
  }
  return picture;
}

TNkEdit& MenuWidgets::addNameEdit(const char* name, const char* image, int x, int y,
                                  const std::string& text) {
  auto& edit = MenuList->Create<TNkEdit>();
  edit.Name = name;
  edit.Enabled = false;
  setNormalLook(edit, image, -1);
  edit.X = x;
  edit.Y = y;
  edit.MaxLength = 10;
  edit.TextMargin = 3;
  edit.Text = text;
  edit.OnKeyDown = TypeOnEitherLayout();
  ActiveEdit = &edit;
  return edit;
}

void MenuWidgets::newKeyCursor() {
  KeyCursor = new TKeyCurs(parts_.world, parts_.game);
  KeyCursor->OnHighlight = [this](int selected) { highlightYesNo(selected); };
}

void MenuWidgets::killKeyCursor() {
  if (KeyCursor != nullptr) KeyCursor->Dead();
  KeyCursor = nullptr;
}

void MenuWidgets::freeFirstSprite(int times) {
  TNkSprite& sprites = parts_.world.sprites;
  for (int i = 0; i < times; ++i) {
    TSprite* first = sprites.Items(0);
    if (first == KeyCursor) KeyCursor = nullptr;
    delete first;
  }
}

void MenuWidgets::highlightYesNo(int selected) {
  for (size_t i = 0; i < 2; ++i) {
    if (MenuButtons[i] != nullptr) MenuButtons[i]->Selected = static_cast<int>(i) == selected;
  }
}

void MenuWidgets::moveFocus(bool withSound) {
  static constexpr std::pair<int, FocusKey> kArrows[] = {{vk::Up, FocusKey::Up},
                                                         {vk::Down, FocusKey::Down},
                                                         {vk::Left, FocusKey::Left},
                                                         {vk::Right, FocusKey::Right}};
  TGameState& game = parts_.game;
  int32_t& index = game.MenuIndex;
  for (const auto& [code, key] : kArrows) {
    if (!TakeReleased(game, code)) continue;
    const int32_t target = FocusTarget(game.ScreenState, index, key);
    if (target == index) continue;
    index = target;
    if (withSound) parts_.sounds.PlayEffect("menumove");
  }
  index = WrapFocus(index, MenuButtonCount);
}

Transition MenuWidgets::activateFocused() {
  const int32_t index = parts_.game.MenuIndex;
  if (index < 0 || index >= MenuButtonCount) return {};
  TNkGUIComponent* entry = MenuButtons[static_cast<size_t>(index)];
  if (entry == nullptr || !entry->OnClick) return {};
  entry->OnClick(*entry);
  return std::exchange(clicked_, {});
}

Transition MenuWidgets::keys(const Action& back) {
  moveFocus(true);
  if (TakeReleased(parts_.game, vk::Return)) {
    if (Transition next = activateFocused(); !next.empty()) return next;
  }
  if (TakeReleased(parts_.game, vk::Escape)) return back();
  return {};
}

void MenuWidgets::blinkCaret() {
  constexpr int32_t kHidesEvery = 31, kShowsEvery = 63;
  int32_t& blink = parts_.game.BlinkCounter;
  if (blink % kHidesEvery == 0) {
    ActiveEdit->CaretText.clear();
  } else if (blink % kShowsEvery == 0) {
    ActiveEdit->CaretText = "_";
    blink = 0;
  }
  ++blink;
}

void MenuWidgets::beginFrame() {
  MenuStep(parts_.world.sprites);
  parts_.frame.begin();
  parts_.frame.picture("mainback", 1);
  parts_.world.sprites.Draw();
  parts_.gui.Draw();
}

Transition MenuWidgets::screenFrame(const Action& back, const std::function<void()>& drawOwn) {
  Transition next = keys(back);
  if (!next.empty()) return next;
  beginFrame();
  if (drawOwn) drawOwn();
  parts_.frame.end();
  return {};
}

void MenuWidgets::drawWidgets() { parts_.gui.Draw(); }

void MenuWidgets::drawCursor() {
  if (KeyCursor != nullptr) KeyCursor->Draw();
}

nlohmann::json DescribeWidgets(const TNkGUI& gui) {
  nlohmann::json out = nlohmann::json::array();
  for (const auto& list : gui.Lists()) {
    for (const auto& widget : list->Widgets()) {
      const auto* edit = dynamic_cast<const TNkEdit*>(widget.get());
      const auto* button = dynamic_cast<const TNkButton*>(widget.get());
      const std::string& text = edit != nullptr     ? edit->Text
                                : button != nullptr ? button->Caption
                                                    : std::string();
      out.push_back({{"list", cp1251ToUtf8(list->Name)},
                     {"id", widget->ID},
                     {"name", cp1251ToUtf8(widget->Name)},
                     {"x", widget->X},
                     {"y", widget->Y},
                     {"visible", widget->Visible},
                     {"selected", widget->Selected},
                     {"focused", gui.Mouse.FocusID == widget->ID},
                     {"text", cp1251ToUtf8(text)}});
    }
  }
  return out;
}

}  // namespace nk
