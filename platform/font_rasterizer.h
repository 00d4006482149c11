#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/font_lookup.h"

namespace nk {

struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool antialiased = true;  // false: every pixel is fully covered or not at all
  bool operator==(const FontStyle&) const = default;
};

// One glyph as coverage: the pen stands at (0, 0), the top of the line; the bitmap's top-left
// lies at (left, 0) from there, left being negative for glyphs that reach back over the pen.
struct GlyphImage {
  int advance = 0;  // how far the pen moves
  int left = 0;
  int width = 0, height = 0;
  std::vector<uint8_t> coverage;  // width x height intensities, 0 nothing .. 255 full, row by row
};

// One face at one size, ready to measure and rasterise glyphs.
class FontRasterizer {
 public:
  // pixelHeight is the character height (the em), as a negative Windows font height gives it.
  // Nothing when the size is not positive or no font file can be opened.
  static std::unique_ptr<FontRasterizer> open(std::string_view family, int pixelHeight,
                                              const FontStyle& style);
  ~FontRasterizer();
  FontRasterizer(const FontRasterizer&) = delete;
  FontRasterizer& operator=(const FontRasterizer&) = delete;

  const FontFile& file() const { return file_; }
  // The height of a line: ascent plus descent.
  int height() const;
  bool provides(char32_t codePoint) const;
  // The pen advance; what measuring needs, without rasterising.
  int advance(char32_t codePoint) const;
  // A glyph the face lacks comes out as the face's missing-glyph box.
  GlyphImage rasterize(char32_t codePoint) const;

  // Glyphs rasterised by this process so far: the proof that drawing reuses atlases.
  static uint64_t rasterizedGlyphs();

 private:
  struct Face;
  FontRasterizer(std::unique_ptr<Face> face, FontFile file, bool antialiased);
  std::unique_ptr<Face> face_;
  FontFile file_;
  bool antialiased_;
};

}  // namespace nk
