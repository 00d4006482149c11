#include "ui/nk_button.h"

#include <cmath>

#include "platform/keys.h"
#include "ui/gui_font.h"
#include "ui/nk_gui.h"

namespace nk {

TNkButton::TNkButton(TNkGUIList& list) : TNkGUIComponent(list), Caption(std::to_string(ID)) {
  FontColor = 0xFFFFFFFF;
}

void TNkButton::KeyDown(bool isChar, uint16_t& key, TShiftState shift) {
  TNkGUI& gui = GUI();
  const int32_t id = ID;
  TNkGUIComponent::KeyDown(isChar, key, shift);
  if (gui.Widget(id) != this) return;
  if (!isChar && (key == vk::Return || key == vk::Space)) Click();
}

void TNkButton::Draw() {
  TNkGUIComponent::Draw();
  drawOverlay(Selected, 0);
  if (Font == nullptr) return;
  const int h = static_cast<int>(std::lround(static_cast<float>(Font->TextHeight()) * ScaleY));
  const int w = static_cast<int>(std::lround(static_cast<float>(Font->TextWidth(Caption)) * ScaleX));
  const int y = Y + TextOffsetY + Height / 2 - h / 2;
  const int x = CenterText ? X + TextOffsetX + Width / 2 - w / 2 : X + TextOffsetX + Width / 4;
  Font->TextOutColor(x, y, 0, ScaleX, ScaleY, FontColor, Caption, 0);
}

}  // namespace nk
