#pragma once
#include "engine/nk_bitmap_font.h"
#include "ui/gui_font.h"

namespace nk {

// Lets the widgets write with an engine bitmap font, which must outlive this adapter.
class TGuiBitmapFont final : public TGuiFont {
 public:
  explicit TGuiBitmapFont(TNkBitmapFont& font) : font_(font) {}

  const std::string& Characters() const override { return font_.Characters(); }
  uint32_t Color() const override { return font_.Color(); }
  float ScaleX() const override { return font_.ScaleX; }
  float ScaleY() const override { return font_.ScaleY; }
  int CharHeight() const override { return font_.CharHeight(); }
  int TextWidth(const std::string& text) const override { return font_.TextWidth(text); }
  int TextHeight() const override { return font_.TextHeight(); }
  void SetRotationCenter(float x, float y) override {
    font_.CenterX = x;
    font_.CenterY = y;
  }
  void TextOutColor(int x, int y, float angle, float scaleX, float scaleY, uint32_t color,
                    const std::string& text, int blendMode) override {
    font_.TextOutColor(x, y, angle, scaleX, scaleY, color, text, blendMode);
  }

 private:
  TNkBitmapFont& font_;
};

}  // namespace nk
