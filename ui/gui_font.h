#pragma once
#include <cstdint>
#include <string>

namespace nk {

// What the widgets need of a bitmap font: the characters it can draw, the colour and scale a new
// widget starts with, measuring and writing. The engine's TNkBitmapFont is connected through it.
class TGuiFont {
 public:
  virtual ~TGuiFont() = default;

  virtual const std::string& Characters() const = 0;
  // The font's Red, Green, Blue and Alpha as one ARGB colour.
  virtual uint32_t Color() const = 0;
  virtual float ScaleX() const = 0;
  virtual float ScaleY() const = 0;
  // The height of a glyph cell in pixels, unscaled.
  virtual int CharHeight() const = 0;
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int TextHeight() const = 0;
  // The pivot of rotation, in pixels from the text position.
  virtual void SetRotationCenter(float x, float y) = 0;
  virtual void TextOutColor(int x, int y, float angle, float scaleX, float scaleY, uint32_t color,
                            const std::string& text, int blendMode) = 0;
};

}  // namespace nk
