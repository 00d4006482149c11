#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/font_rasterizer.h"

namespace nk {

// The flags of a bitmap font built from a system font.
enum BitmapFontFlag : int {
  bfBold = 1,
  bfItalic = 2,
  bfUnderline = 4,
  bfStrikeOut = 8,
  bfNoAntialias = 16,
  bfFixedCells = 32,
};

FontStyle BitmapFontStyle(int flags);

// The side of the square atlas for count characters: with fixed cells the smallest power of two
// that holds them all; otherwise by size, 256, 512 or 1024.
int AtlasSide(int flags, int count, int pointSize);

// One character's place in the atlas: its glyph size and its cell's top-left, in texels; inside
// when the glyph and the texels its rectangle reaches into lie within the atlas.
struct AtlasGlyph {
  unsigned char code;
  int width, height;
  int x, y;
  bool inside;
};

// The glyphs of characters (at most 255 of them) laid out row by row in a side x side atlas.
struct AtlasLayout {
  int cellWidth = 0, cellHeight = 0;  // the extent of "W" with fixed cells, of "a" otherwise
  std::vector<AtlasGlyph> glyphs;
  bool fits = true;  // every glyph is inside
};
AtlasLayout LayoutAtlas(const FontRasterizer& face, std::string_view characters, int flags, int side);

// The atlas texels: white, the glyph's intensity cut to four bits as alpha; nothing drawn is
// transparent black. Each cell is cleared before its glyph is drawn, as an opaque text background.
std::vector<uint32_t> PaintAtlas(const FontRasterizer& face, const AtlasLayout& layout, int side);

}  // namespace nk
