#include "engine/bitmap_font_atlas.h"

#include <algorithm>
#include <cmath>

#include "codec/cp1251.h"
#include "engine/nk_round.h"

namespace nk {

FontStyle BitmapFontStyle(int flags) {
  FontStyle style;
  style.bold = (flags & bfBold) != 0;
  style.italic = (flags & bfItalic) != 0;
  style.underline = (flags & bfUnderline) != 0;
  style.strikeOut = (flags & bfStrikeOut) != 0;
  style.antialiased = (flags & bfNoAntialias) == 0;
  return style;
}

int AtlasSide(int flags, int count, int pointSize) {
  if ((flags & bfFixedCells) != 0) {
    const double cell = pointSize + 1.0;
    const int needed = NkRound(std::sqrt(count * 2.0 * cell * cell));
    int side = 1;
    while (side < needed) side *= 2;
    return side;
  }
  if (pointSize > 40) return 1024;
  if (pointSize > 20) return 512;
  return 256;
}

AtlasLayout LayoutAtlas(const FontRasterizer& face, std::string_view characters, int flags, int side) {
  const bool fixed = (flags & bfFixedCells) != 0;
  const bool italic = (flags & bfItalic) != 0;
  AtlasLayout layout;
  layout.cellWidth = face.advance(fixed ? U'W' : U'a');
  layout.cellHeight = face.height();
  int x = 0, y = 0;
  for (char c : characters.substr(0, 255)) {
    const auto code = static_cast<unsigned char>(c);
    int w = layout.cellWidth, h = layout.cellHeight;
    if (!fixed) {
      w = face.advance(cp1251ToCodePoint(code));
      if (italic) w += 1, h += 2;
    }
    if (side < x + w + 2) {
      y += h + 2;
      x = 0;
    }
    const bool inside = x + w + 1 <= side && y + h + 1 <= side;
    layout.glyphs.push_back({code, w, h, x, y, inside});
    layout.fits = layout.fits && inside;
    x += w + 2;
  }
  return layout;
}

std::vector<uint32_t> PaintAtlas(const FontRasterizer& face, const AtlasLayout& layout, int side) {
  std::vector<uint8_t> surface(static_cast<size_t>(side) * static_cast<size_t>(side), 0);
  auto at = [&](int x, int y) -> uint8_t& {
    return surface[static_cast<size_t>(y) * static_cast<size_t>(side) + static_cast<size_t>(x)];
  };
  for (const AtlasGlyph& g : layout.glyphs) {
    for (int y = std::max(0, g.y); y < std::min(side, g.y + g.height); ++y) {
      for (int x = std::max(0, g.x); x < std::min(side, g.x + g.width); ++x) at(x, y) = 0;
    }
    const GlyphImage image = face.rasterize(cp1251ToCodePoint(g.code));
    for (int row = 0; row < image.height; ++row) {
      const int y = g.y + row;
      if (y < 0 || y >= side) continue;
      for (int col = 0; col < image.width; ++col) {
        const int x = g.x + image.left + col;
        if (x < 0 || x >= side) continue;
        const uint8_t v = image.coverage[static_cast<size_t>(row) * static_cast<size_t>(image.width) +
                                         static_cast<size_t>(col)];
        at(x, y) = std::max(at(x, y), v);
      }
    }
  }
  std::vector<uint32_t> texels(surface.size());
  std::transform(surface.begin(), surface.end(), texels.begin(), [](uint8_t coverage) {
    const uint32_t alpha4 = coverage >> 4;
    return alpha4 == 0 ? 0u : ((alpha4 * 17u) << 24) | 0x00FFFFFFu;
  });
  return texels;
}

}  // namespace nk
