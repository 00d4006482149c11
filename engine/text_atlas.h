#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/device_texture.h"
#include "platform/font_rasterizer.h"

namespace nk {

// Every Windows-1251 character of one face, size and style, rasterised once and packed into one
// texture: the text font measures and draws with it, so drawing never rasterises.
class TextAtlas {
 public:
  struct Glyph {
    int advance = 0;
    int left = 0;               // the bitmap's offset from the pen
    int x = 0, y = 0;           // the bitmap's place in the atlas
    int width = 0, height = 0;  // 0 for blanks and for glyphs that did not fit
  };

  // Nothing when the face cannot be made at that size.
  static std::unique_ptr<TextAtlas> build(std::string_view faceName, int pixelHeight, const FontStyle& style);

  int lineHeight() const { return lineHeight_; }
  int side() const { return side_; }
  const Glyph& glyph(unsigned char c) const { return glyphs_[c]; }
  // The texture on device, uploaded the first time it is asked for there; 0 when the device
  // refuses it.
  TextureId texture(RenderDevice& device);
  // The device lost the texture; the next texture() uploads the glyphs again.
  void releaseTexture() { texture_.reset(); }

 private:
  TextAtlas() = default;
  std::array<Glyph, 256> glyphs_{};
  int lineHeight_ = 0;
  int side_ = 0;
  std::vector<uint32_t> pixels_;
  RenderDevice* device_ = nullptr;
  std::unique_ptr<DeviceTexture> texture_;
};

// Calls line(text of the line, index) for each line; CR LF, LF and CR each end one.
template <typename LineFn>
void ForEachLine(std::string_view text, LineFn line) {
  size_t start = 0;
  int index = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    line(text.substr(start, i - start), index++);
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
}

}  // namespace nk
