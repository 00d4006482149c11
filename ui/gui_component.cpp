#include "ui/gui_component.h"

#include "engine/image_list_item.h"
#include "ui/gui_font.h"
#include "ui/nk_gui.h"

namespace nk {

TNkGUIComponent::TNkGUIComponent(TNkGUIList& list)
    : ID(list.GUI.enrol(this)),
      List(list),
      Font(list.GUI.NkBitmapFont),
      FontColor(Font != nullptr ? Font->Color() : 0xFFFFFFFF),
      ScaleX(Font != nullptr ? Font->ScaleX() : 1.0f),
      ScaleY(Font != nullptr ? Font->ScaleY() : 1.0f) {}

TNkGUIComponent::~TNkGUIComponent() { List.GUI.forget(ID); }

TNkGUI& TNkGUIComponent::GUI() const { return List.GUI; }

void TNkGUIComponent::SetStatePattern(int state, int32_t pattern) {
  TGuiState& s = States[static_cast<size_t>(state)];
  s.PatternIndex = pattern;
  s.AnimStart = pattern;
}

void TNkGUIComponent::BringToFront() { List.MoveToEnd(*this); }

void TNkGUIComponent::Destroy() { List.Remove(*this); }

bool TNkGUIComponent::fire(const NotifyEvent& event) {
  if (!event) return true;
  TNkGUI& gui = GUI();
  const int32_t id = ID;
  const NotifyEvent handler = event;  // kept alive even if the handler frees this widget
  handler(*this);
  return gui.Widget(id) == this;
}

void TNkGUIComponent::Click() { fire(OnClick); }

void TNkGUIComponent::DblClick() { fire(OnDblClick); }

void TNkGUIComponent::MouseEnter() {
  if (!fire(OnMouseEnter)) return;
  for (int s = 0; s < 4; ++s) ResetAnimation(s);
}

void TNkGUIComponent::MouseLeave() {
  if (!fire(OnMouseLeave)) return;
  for (int s = 0; s < 4; ++s) ResetAnimation(s);
}

void TNkGUIComponent::KeyDown(bool, uint16_t& key, TShiftState shift) {
  if (!OnKeyDown) return;
  const KeyEvent handler = OnKeyDown;
  handler(*this, key, shift);
}

void TNkGUIComponent::Animate(int state) {
  TGuiState& s = States[static_cast<size_t>(state)];
  if (s.AnimFinished) return;
  if (++AnimTick < s.AnimSpeed / 10) return;
  AnimTick = 0;
  if (!s.AnimReverse) {
    if (++s.PatternIndex > s.AnimStart + s.AnimCount) {
      if (s.AnimLoop) {
        s.PatternIndex = s.AnimStart;
      } else {
        s.AnimFinished = true;
        s.PatternIndex = s.AnimStart + s.AnimCount;
      }
    }
  } else if (--s.PatternIndex < s.AnimStart + 1) {
    if (s.AnimLoop) {
      s.PatternIndex = s.AnimStart + s.AnimCount;
    } else {
      s.AnimFinished = true;
      s.PatternIndex = s.AnimStart;
    }
  }
}

void TNkGUIComponent::ResetAnimation(int state) {
  TGuiState& s = States[static_cast<size_t>(state)];
  s.PatternIndex = s.AnimReverse ? s.AnimStart + s.AnimCount : s.AnimStart;
  s.AnimFinished = false;
}

void TNkGUIComponent::Draw() {
  const TMouseState& m = GUI().Mouse;
  int s = m.HoverID != ID ? stNormal : m.LeftDown ? stPressed : stHover;
  if (States[static_cast<size_t>(s)].Image == nullptr) s = stNormal;
  const TGuiState& look = States[static_cast<size_t>(s)];
  if (look.Image != nullptr) {
    look.Image->DrawRect(TRect{X, Y, X + Width, Y + Height}, 0, 0, Rotation, 0.5f, 0.5f, 1, 1,
                         static_cast<uint8_t>(look.Color >> 16), static_cast<uint8_t>(look.Color >> 8),
                         static_cast<uint8_t>(look.Color), static_cast<uint8_t>(look.Color >> 24), FlipV,
                         FlipH, look.PatternIndex, look.BlendMode);
  }
  if (look.Animate) Animate(s);
}

void TNkGUIComponent::drawOverlay(bool show, float angle) {
  const TGuiState& overlay = States[stOverlay];
  if (show && overlay.Image != nullptr) {
    overlay.Image->DrawColor(X, Y, angle, 0.5f, 0.5f, 1, 1, overlay.Color, FlipV, FlipH, overlay.PatternIndex,
                             overlay.BlendMode);
  }
  if (overlay.Animate) Animate(stOverlay);
}

}  // namespace nk
