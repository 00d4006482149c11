#include "ui/nk_edit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/keys.h"
#include "ui/char_filter.h"
#include "ui/gui_font.h"
#include "ui/nk_gui.h"

namespace nk {

namespace {

int roundToInt(float v) { return static_cast<int>(std::lround(v)); }

}  // namespace

void TNkEdit::Click() {
  if (fire(OnClick)) Focus();
}

void TNkEdit::Focus() { GUI().Mouse.FocusID = ID; }

void TNkEdit::Unfocus() { GUI().Mouse.FocusID = -1; }

bool TNkEdit::Focused() const { return GUI().Mouse.FocusID == ID; }

void TNkEdit::KeyDown(bool isChar, uint16_t& key, TShiftState shift) {
  TNkGUI& gui = GUI();
  const int32_t id = ID;
  TNkGUIComponent::KeyDown(isChar, key, shift);
  if (gui.Widget(id) != this || ReadOnly) return;
  if (!isChar) {
    editKey(key);
  } else if (key == vk::Back) {
    // A caret past the end deletes nothing and only steps back.
    if (CaretPos >= 1) {
      if (CaretPos <= TextLength()) Text.erase(static_cast<size_t>(CaretPos - 1), 1);
      --CaretPos;
    }
  } else if (key != vk::Return) {
    typeCharacter(key);
  }
}

void TNkEdit::editKey(uint16_t key) {
  switch (key) {
    case vk::End: CaretPos = TextLength(); break;
    case vk::Home: CaretPos = 0; break;
    case vk::Left: CaretPos = std::max(CaretPos - 1, 0); break;
    case vk::Right: CaretPos = std::min(CaretPos + 1, TextLength()); break;
    case vk::Delete:
      // The character after the caret; a caret at or past the end has none.
      if (CaretPos >= 0 && CaretPos < TextLength()) Text.erase(static_cast<size_t>(CaretPos), 1);
      break;
    default: break;
  }
}

void TNkEdit::typeCharacter(uint16_t& key) {
  if (MaxLength >= 0 && TextLength() >= MaxLength) return;
  if (key > 0xFF) return;  // no 8-bit code, so no glyph either
  const std::optional<unsigned char> c = FilterCharacter(CharFilter, static_cast<unsigned char>(key));
  if (!c) return;
  key = *c;
  // Without a font there is no character set to hold the character against.
  if (Font != nullptr && Font->Characters().find(static_cast<char>(*c)) == std::string::npos) return;
  const size_t at = static_cast<size_t>(std::clamp(CaretPos, 0, TextLength()));
  Text.insert(at, 1, static_cast<char>(*c));
  ++CaretPos;
}

void TNkEdit::Draw() {
  TNkGUIComponent::Draw();
  if (Font != nullptr) {
    const int y = Y + Height / 2 - static_cast<int>(static_cast<float>(Font->CharHeight()) * ScaleY) / 2;
    if (CharRotation == 0 && Rotation != 0) {
      Font->SetRotationCenter(static_cast<float>(static_cast<int>(static_cast<float>(Width) * ScaleX) / 2),
                              static_cast<float>(static_cast<int>(static_cast<float>(Height) * ScaleY) / 2));
    }
    drawText(y);
    if (ShowCaret && Focused()) drawCaret(y);
    Font->SetRotationCenter(0, 0);
  }
  drawOverlay(Selected || Focused(), Rotation);
}

void TNkEdit::drawText(int y) {
  if (CharRotation == 0) {
    Font->TextOutColor(X + TextMargin, y, Rotation, ScaleX, ScaleY, FontColor, Text, TextBlendMode);
    return;
  }
  for (size_t i = 0; i < Text.size(); ++i) {
    const std::string one(1, Text[i]);
    const float width = static_cast<float>(Font->TextWidth(one));
    const int x = X + TextMargin + roundToInt(width * ScaleX * static_cast<float>(i));
    Font->TextOutColor(x, y, CharRotation, ScaleX, ScaleY, FontColor, one, TextBlendMode);
  }
}

void TNkEdit::drawCaret(int y) {
  const std::string before = Text.substr(0, static_cast<size_t>(std::clamp(CaretPos, 0, TextLength())));
  const float width = static_cast<float>(Font->TextWidth(before));
  if (Rotation == 0) {
    Font->TextOutColor(X + TextMargin + roundToInt(width * ScaleX), y, CharRotation, ScaleX, ScaleY,
                       FontColor, CaretText, TextBlendMode);
    return;
  }
  const float d = static_cast<float>(roundToInt(width));
  const float theta = Rotation * std::numbers::pi_v<float> / 180.0f;
  Font->TextOutColor(roundToInt(std::cos(theta) * d + static_cast<float>(X + TextMargin)),
                     y + roundToInt(std::sin(theta) * d), Rotation, ScaleX, ScaleY, FontColor, CaretText,
                     TextBlendMode);
}

}  // namespace nk
