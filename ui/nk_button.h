#pragma once
#include <string>

#include "ui/gui_component.h"

namespace nk {

// A picture button with a caption; Enter or Space clicks it while it holds the keyboard.
class TNkButton : public TNkGUIComponent {
 public:
  explicit TNkButton(TNkGUIList& list);

  std::string Caption;  // starts as the button's ID
  bool CenterText = true;
  int32_t TextOffsetY = 0, TextOffsetX = 0;

  void KeyDown(bool isChar, uint16_t& key, TShiftState shift) override;
  void Draw() override;
};

}  // namespace nk
