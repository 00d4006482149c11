#include "platform/font_rasterizer.h"

#include <SDL_ttf.h>

#include <algorithm>

namespace nk {
namespace {

uint64_t gRasterized = 0;

// SDL_ttf is started once, on the first font, and stopped when the program ends.
bool ttfReady() {
  struct Library {
    bool ok = TTF_Init() == 0;
    ~Library() {
      if (ok) TTF_Quit();
    }
  };
  static Library library;
  return library.ok;
}

}  // namespace

struct FontRasterizer::Face {
  TTF_Font* font;
  explicit Face(TTF_Font* f) : font(f) {}
  ~Face() { TTF_CloseFont(font); }
};

FontRasterizer::FontRasterizer(std::unique_ptr<Face> face, FontFile file, bool antialiased)
    : face_(std::move(face)), file_(std::move(file)), antialiased_(antialiased) {}

FontRasterizer::~FontRasterizer() = default;

std::unique_ptr<FontRasterizer> FontRasterizer::open(std::string_view family, int pixelHeight,
                                                     const FontStyle& style) {
  if (pixelHeight <= 0 || !ttfReady()) return nullptr;
  std::optional<FontFile> file = findFontFile(family, style.bold, style.italic);
  if (!file) return nullptr;
  // At 72 dots per inch a point is a pixel, so the size is the em in pixels.
  TTF_Font* font = TTF_OpenFont(file->path.c_str(), pixelHeight);
  if (font == nullptr) return nullptr;
  int ttfStyle = TTF_STYLE_NORMAL;
  if (style.bold && !file->bold) ttfStyle |= TTF_STYLE_BOLD;  // synthesised only when the file lacks it
  if (style.italic && !file->italic) ttfStyle |= TTF_STYLE_ITALIC;
  if (style.underline) ttfStyle |= TTF_STYLE_UNDERLINE;
  if (style.strikeOut) ttfStyle |= TTF_STYLE_STRIKETHROUGH;
  TTF_SetFontStyle(font, ttfStyle);
  return std::unique_ptr<FontRasterizer>(
      new FontRasterizer(std::make_unique<Face>(font), std::move(*file), style.antialiased));
}

int FontRasterizer::height() const { return TTF_FontHeight(face_->font); }

bool FontRasterizer::provides(char32_t codePoint) const {
  return TTF_GlyphIsProvided32(face_->font, static_cast<Uint32>(codePoint)) != 0;
}

int FontRasterizer::advance(char32_t codePoint) const {
  int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
  if (TTF_GlyphMetrics32(face_->font, static_cast<Uint32>(codePoint), &minx, &maxx, &miny, &maxy, &advance) !=
      0) {
    return 0;
  }
  return advance;
}

GlyphImage FontRasterizer::rasterize(char32_t codePoint) const {
  ++gRasterized;
  GlyphImage glyph;
  int minx = 0, maxx = 0, miny = 0, maxy = 0;
  const auto cp = static_cast<Uint32>(codePoint);
  if (TTF_GlyphMetrics32(face_->font, cp, &minx, &maxx, &miny, &maxy, &glyph.advance) != 0) return glyph;
  // SDL_ttf renders onto a line-high surface whose top is the ascent line; a glyph reaching back
  // over the pen shifts the pen right by that much.
  glyph.left = std::min(minx, 0);
  const SDL_Color white{255, 255, 255, 255}, black{0, 0, 0, 255};
  SDL_Surface* surface = antialiased_ ? TTF_RenderGlyph32_Shaded(face_->font, cp, white, black)
                                      : TTF_RenderGlyph32_Solid(face_->font, cp, white);
  if (surface == nullptr) return glyph;
  // Both are 8-bit palette surfaces: shaded indices are coverage levels, solid ones 0 or 1.
  glyph.width = surface->w;
  glyph.height = surface->h;
  glyph.coverage.resize(static_cast<size_t>(surface->w) * static_cast<size_t>(surface->h));
  const auto* pixels = static_cast<const uint8_t*>(surface->pixels);
  for (int y = 0; y < surface->h; ++y) {
    for (int x = 0; x < surface->w; ++x) {
      const uint8_t index =
          pixels[static_cast<size_t>(y) * static_cast<size_t>(surface->pitch) + static_cast<size_t>(x)];
      glyph.coverage[static_cast<size_t>(y) * static_cast<size_t>(surface->w) + static_cast<size_t>(x)] =
          antialiased_ ? index : (index != 0 ? 255 : 0);
    }
  }
  SDL_FreeSurface(surface);
  return glyph;
}

uint64_t FontRasterizer::rasterizedGlyphs() { return gRasterized; }

}  // namespace nk
