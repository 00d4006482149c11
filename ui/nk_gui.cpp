#include "ui/nk_gui.h"

#include <algorithm>
#include <cmath>

#include "engine/image_list_item.h"
#include "engine/nk_screen.h"

namespace nk {

namespace {

constexpr uint32_t kPointerThrottleMs = 10;

template <typename Owned, typename U>
auto findOwned(Owned& owned, const U* item) {
  return std::ranges::find_if(owned, [item](const auto& p) { return p.get() == item; });
}

}  // namespace

void TNkGUIList::Remove(const TNkGUIComponent& widget) {
  if (auto at = findOwned(widgets_, &widget); at != widgets_.end()) widgets_.erase(at);
}

void TNkGUIList::MoveToEnd(const TNkGUIComponent& widget) {
  if (auto at = findOwned(widgets_, &widget); at != widgets_.end()) std::rotate(at, at + 1, widgets_.end());
}

void TNkGUIList::BringToFront() {
  auto& lists = GUI.lists_;
  if (auto at = findOwned(lists, this); at != lists.end()) std::rotate(at, at + 1, lists.end());
}

void TNkGUIList::Draw() {
  if (!Visible) return;
  for (const auto& w : widgets_) {
    if (w->Visible) w->Draw();
  }
}

void TNkGUIList::MouseMove() {
  if (!Active || !Visible) return;
  // An event handler may free widgets or this very list: walk the IDs, look each one up afresh.
  TNkGUI& gui = GUI;
  std::vector<int32_t> ids;
  for (const auto& w : widgets_) ids.push_back(w->ID);
  for (const int32_t id : ids) {
    TNkGUIComponent* w = gui.Widget(id);
    if (w == nullptr || !w->Visible || !w->Enabled) continue;
    const TMouseState& m = gui.Mouse;
    const bool inside = w->X <= m.X && m.X <= w->X + w->Width && w->Y <= m.Y && m.Y <= w->Y + w->Height;
    if (inside) {
      gui.Mouse.HoverID = id;
      w->MouseOver();
      if (gui.PrevMouse.HoverID != id && (w = gui.Widget(id)) != nullptr) w->MouseEnter();
    } else if (gui.PrevMouse.HoverID == id) {
      w->MouseLeave();
    }
  }
}

void TNkGUIList::Destroy() { GUI.DestroyList(*this); }

TNkGUI::~TNkGUI() {
  while (!lists_.empty()) lists_.pop_back();
  if (inputActive_) DeactivateInput();
}

void TNkGUI::SetNkScreen(TNkScreen& screen) {
  screen_ = &screen;
  screen.AddDeviceClient({TNkScreen::DeviceClient::Kind::Gui,
                          [this](TNkScreen&) { ActivateInput(); },
                          [this] { DeactivateInput(); },
                          {}});
}

TNkGUIList& TNkGUI::CreateList() {
  lists_.push_back(std::make_unique<TNkGUIList>(*this));
  return *lists_.back();
}

void TNkGUI::DestroyList(const TNkGUIList& list) {
  if (auto at = findOwned(lists_, &list); at != lists_.end()) lists_.erase(at);
}

bool TNkGUI::HasList(const TNkGUIList* list) const { return findOwned(lists_, list) != lists_.end(); }

TNkGUIComponent* TNkGUI::Widget(int32_t id) const {
  if (id <= 0 || id >= NextID()) return nullptr;
  return registry_[static_cast<size_t>(id)];
}

int32_t TNkGUI::enrol(TNkGUIComponent* widget) {
  registry_.push_back(widget);
  return NextID() - 1;
}

void TNkGUI::forget(int32_t id) {
  if (id > 0 && id < NextID()) registry_[static_cast<size_t>(id)] = nullptr;
}

void TNkGUI::ActivateInput() {
  if (screen_ == nullptr) return;
  if (!inputActive_) {
    // The 10 ms pointer throttle needs a millisecond clock that really moves by single milliseconds.
    clock_.setFineResolution(true);
    inputActive_ = true;
  }
  rescale();
}

void TNkGUI::DeactivateInput() {
  clock_.setFineResolution(false);
  inputActive_ = false;
}

void TNkGUI::rescale() {
  const int width = screen_ != nullptr ? screen_->Width : 0,
            height = screen_ != nullptr ? screen_->Height : 0;
  scaleX_ =
      width == 0 || ClientWidth == 0 ? 1.0f : static_cast<float>(width) / static_cast<float>(ClientWidth);
  scaleY_ =
      height == 0 || ClientHeight == 0 ? 1.0f : static_cast<float>(height) / static_cast<float>(ClientHeight);
}

void TNkGUI::Draw() {
  if (Background != nullptr) Background->Draw(0, 0, -1);
  for (size_t i = 0; i < lists_.size(); ++i) lists_[i]->Draw();
}

bool TNkGUI::PointerMove(int x, int y) {
  if (!inputActive_) return false;
  const uint32_t now = clock_.milliseconds();
  if (lastMove_ && now - *lastMove_ < kPointerThrottleMs) return false;
  lastMove_ = now;
  PrevMouse = Mouse;
  // The position arrives as two unsigned 16-bit halves; rounding is half to even.
  Mouse.X = static_cast<int32_t>(std::nearbyint(static_cast<float>(x & 0xFFFF) * scaleX_));
  Mouse.Y = static_cast<int32_t>(std::nearbyint(static_cast<float>(y & 0xFFFF) * scaleY_));
  Mouse.HoverID = 0;
  rescale();
  // A handler may free lists; each is looked for again before it is tested.
  std::vector<TNkGUIList*> order;
  for (const auto& l : lists_) order.push_back(l.get());
  for (TNkGUIList* list : order) {
    if (HasList(list)) list->MouseMove();
  }
  return true;
}

bool TNkGUI::ButtonDown(MouseButton button, bool doubleClick) {
  if (!inputActive_) return false;
  PrevMouse = Mouse;
  switch (button) {
    case MouseButton::Left:
      Mouse.LeftDown = true;
      if (!doubleClick) Mouse.PressedID = Mouse.HoverID;
      break;
    case MouseButton::Right: Mouse.RightDown = true; break;
    case MouseButton::Middle: Mouse.MiddleDown = true; break;
  }
  buttonEvent(button, true, doubleClick && button == MouseButton::Left);
  return true;
}

bool TNkGUI::ButtonUp(MouseButton button) {
  if (!inputActive_) return false;
  PrevMouse = Mouse;
  switch (button) {
    case MouseButton::Left: Mouse.LeftDown = false; break;
    case MouseButton::Right: Mouse.RightDown = false; break;
    case MouseButton::Middle: Mouse.MiddleDown = false; break;
  }
  buttonEvent(button, false, false);
  if (button == MouseButton::Left) Mouse.PressedID = -1;
  return true;
}

void TNkGUI::buttonEvent(MouseButton button, bool down, bool doubleClick) {
  if (lists_.empty() || Mouse.HoverID <= 0) return;
  TNkGUIComponent* w = Widget(Mouse.HoverID);
  if (w == nullptr) return;
  const TShiftState shift{Mouse.LeftDown, Mouse.RightDown, Mouse.MiddleDown};
  if (doubleClick) {
    w->DblClick();
    return;
  }
  if (!down && button == MouseButton::Left && Mouse.PressedID == Mouse.HoverID) {
    w->Click();
    return;
  }
  // Copied: the handler may free the widget that holds it.
  const TNkGUIComponent::MouseEvent handler = down ? w->OnMouseDown : w->OnMouseUp;
  if (handler) handler(*this, button, shift, Mouse.X, Mouse.Y);
}

bool TNkGUI::Character(uint16_t code) {
  if (!inputActive_) return false;
  keyEvent(true, code);
  return true;
}

bool TNkGUI::KeyDownMessage(uint16_t virtualKey) {
  if (inputActive_) keyEvent(false, virtualKey);
  return false;
}

void TNkGUI::keyEvent(bool isChar, uint16_t code) {
  if (Mouse.FocusID < 1) return;
  TNkGUIComponent* w = Widget(Mouse.FocusID);
  if (w != nullptr && w->List.Active) w->KeyDown(isChar, code, TShiftState{});
}

}  // namespace nk
