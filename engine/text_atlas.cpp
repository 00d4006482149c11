#include "engine/text_atlas.h"

#include <algorithm>

#include "codec/cp1251.h"

namespace nk {
namespace {

constexpr int kFirstSide = 256, kLargestSide = 4096;
constexpr int kGap = 1;  // keeps neighbours out of a glyph's edge texels

bool drawable(unsigned char c) { return c >= 32 && c != 127 && cp1251ToCodePoint(c) != 0; }

// Shelf packing in code order; false when a glyph falls off the bottom. With drop, such glyphs
// lose their bitmap (they are still measured) and packing goes on.
bool pack(std::array<TextAtlas::Glyph, 256>& glyphs, int side, bool drop) {
  int x = 0, y = 0, shelf = 0;
  for (auto& g : glyphs) {
    if (g.width == 0) continue;
    if (x + g.width > side) {
      x = 0;
      y += shelf + kGap;
      shelf = 0;
    }
    if (g.width > side || y + g.height > side) {
      if (!drop) return false;
      g.width = g.height = 0;
      continue;
    }
    g.x = x;
    g.y = y;
    x += g.width + kGap;
    shelf = std::max(shelf, g.height);
  }
  return true;
}

}  // namespace

std::unique_ptr<TextAtlas> TextAtlas::build(std::string_view faceName, int pixelHeight,
                                            const FontStyle& style) {
  const std::unique_ptr<FontRasterizer> face = FontRasterizer::open(faceName, pixelHeight, style);
  if (!face) return nullptr;
  std::unique_ptr<TextAtlas> atlas(new TextAtlas());
  atlas->lineHeight_ = face->height();
  std::array<GlyphImage, 256> images;
  for (int c = 0; c < 256; ++c) {
    const auto code = static_cast<unsigned char>(c);
    if (!drawable(code)) continue;
    images[code] = face->rasterize(cp1251ToCodePoint(code));
    Glyph& g = atlas->glyphs_[code];
    g.advance = images[code].advance;
    g.left = images[code].left;
    g.width = images[code].width;
    g.height = images[code].height;
  }
  int side = kFirstSide;
  while (!pack(atlas->glyphs_, side, side == kLargestSide)) side *= 2;
  atlas->side_ = side;
  atlas->pixels_.assign(static_cast<size_t>(side) * static_cast<size_t>(side), 0u);
  for (int c = 0; c < 256; ++c) {
    const Glyph& g = atlas->glyphs_[static_cast<size_t>(c)];
    const GlyphImage& image = images[static_cast<size_t>(c)];
    for (int row = 0; row < g.height; ++row) {
      for (int col = 0; col < g.width; ++col) {
        const uint32_t coverage = image.coverage[static_cast<size_t>(row * image.width + col)];
        if (coverage != 0) {
          atlas->pixels_[static_cast<size_t>(g.y + row) * static_cast<size_t>(side) +
                         static_cast<size_t>(g.x + col)] = (coverage << 24) | 0x00FFFFFFu;
        }
      }
    }
  }
  return atlas;
}

TextureId TextAtlas::texture(RenderDevice& device) {
  if (device_ != &device || !texture_) {
    texture_.reset();
    device_ = &device;
    const TextureId id = device.createTexture(side_, side_);
    if (id == 0) return 0;
    texture_ = std::make_unique<DeviceTexture>(device, id);
    device.updateTexture(id, pixels_.data());
  }
  return texture_->id();
}

}  // namespace nk
