#pragma once
#include "app/menu_text.h"
#include "engine/color.h"
#include "engine/nk_font.h"

namespace nk {

// The screens write with the window's first text font through this.
class NkFontText final : public MenuTextFont {
 public:
  explicit NkFontText(TNkFont& font) : font_(font) {}
  void SetFont(const std::string& faceName, int size) override { font_.SetFont(faceName, size, FontStyle{}); }
  void SetColor(uint8_t r, uint8_t g, uint8_t b) override { font_.SetColor(MakeColor(r, g, b, 255)); }
  int TextWidth(const std::string& text) override { return font_.TextWidth(text); }
  void TextOut(int x, int y, const std::string& text) override { font_.TextOut(x, y, text); }

 private:
  TNkFont& font_;
};

}  // namespace nk
