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

// What the screens write with: NkFont1 through NkFontText, or a font plugged in in its place
// (a test's, which writes down what is written).
class MenuFontSlot final : public MenuTextFont {
 public:
  explicit MenuFontSlot(MenuTextFont& plugged) : font(&plugged) {}
  void SetFont(const std::string& faceName, int size) override { font->SetFont(faceName, size); }
  void SetColor(uint8_t r, uint8_t g, uint8_t b) override { font->SetColor(r, g, b); }
  int TextWidth(const std::string& text) override { return font->TextWidth(text); }
  void TextOut(int x, int y, const std::string& text) override { font->TextOut(x, y, text); }

  MenuTextFont* font;
};

}  // namespace nk
