#pragma once
#include <cstdint>
#include <string>

#include "ui/gui_component.h"

namespace nk {

// A one-line text field. Clicking it (or Focus) gives it the keyboard: typed characters are
// filtered and inserted at the caret, and the editing keys move the caret and delete.
class TNkEdit : public TNkGUIComponent {
 public:
  explicit TNkEdit(TNkGUIList& list) : TNkGUIComponent(list) {}

  int32_t MaxLength = -1;  // -1: no limit
  bool ReadOnly = false;
  uint8_t CharFilter = 0;  // see FilterCharacter
  std::string Text;        // Windows-1251
  int32_t CaretPos = 0;    // characters before the caret; may lie past the end
  int32_t TextBlendMode = 0;
  int32_t TextMargin = 5;  // pixels from the left edge to the text
  std::string CaretText = "_";
  bool ShowCaret = true;

  void Click() override;
  // Takes the keyboard from whichever widget had it.
  void Focus();
  // Leaves no widget with the keyboard.
  void Unfocus();
  bool Focused() const;
  int32_t TextLength() const { return static_cast<int32_t>(Text.size()); }

  void KeyDown(bool isChar, uint16_t& key, TShiftState shift) override;
  void Draw() override;

 private:
  void editKey(uint16_t key);
  void typeCharacter(uint16_t& key);
  void drawText(int y);
  void drawCaret(int y);
};

}  // namespace nk
