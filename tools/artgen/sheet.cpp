#include "tools/artgen/sheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/text.h"

namespace nk::art {
namespace {

constexpr double kSheetWidth = 2000, kGap = 10, kTitle = 24, kIndex = 16;

struct Block {
  const Picture* picture;
  double scale, cellW, cellH;
  int perRow;
  double x = 0, y = 0, w = 0, h = 0;
};

Block measureBlock(const Picture& p) {
  // Sprites are shown twice as large so their details can be judged.
  const double scale = p.tileW > 400 ? 0.5 : (p.tileW <= 80 && p.tileH <= 120 ? 2.0 : 1.0);
  Block b{&p, scale, p.tileW * scale + 6, p.tileH * scale + kIndex, 1};
  b.perRow = std::clamp(static_cast<int>((kSheetWidth - 2 * kGap) / b.cellW), 1, p.frames);
  const int rows = (p.frames + b.perRow - 1) / b.perRow;
  b.w = std::max(b.perRow * b.cellW, 160.0) + 2 * kGap;
  b.h = kTitle + rows * b.cellH + kGap;
  return b;
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  setColor(cr, hex(0x55555F));
  cairo_paint(cr);
  setColor(cr, hex(0x6A6A75));
  for (double cy = y; cy < y + h; cy += 8) {
    for (double cx = x + (static_cast<int>((cy - y) / 8) % 2) * 8; cx < x + w; cx += 16) {
      cairo_rectangle(cr, cx, cy, 8, 8);
    }
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

bool writeSheet(const Catalog& catalog, const std::string& path) {
  std::vector<Block> blocks;
  double x = kGap, y = kGap, shelf = 0;
  for (const Picture& p : catalog.pictures()) {
    Block b = measureBlock(p);
    if (x + b.w > kSheetWidth) {
      x = kGap;
      y += shelf + kGap;
      shelf = 0;
    }
    b.x = x;
    b.y = y;
    x += b.w + kGap;
    shelf = std::max(shelf, b.h);
    blocks.push_back(b);
  }
  Canvas sheet(static_cast<int>(kSheetWidth), static_cast<int>(std::ceil(y + shelf + kGap)));
  cairo_t* cr = sheet.cr();
  setColor(cr, hex(0x23232B));
  cairo_paint(cr);
  const Font title{kPlainFace, 13}, index{kPlainFace, 10};
  for (const Block& b : blocks) {
    const Picture& p = *b.picture;
    roundedRect(cr, b.x, b.y, b.w, b.h, 6);
    setColor(cr, hex(0x34343F));
    cairo_fill(cr);
    const std::string label = p.name + "   " + std::to_string(p.tileW) + "x" + std::to_string(p.tileH) +
                              " x" + std::to_string(p.frames);
    plain(cr, label, b.x + kGap, b.y + 4, title, hex(0xF0E6C8));
    const Canvas rendered = render(p);
    for (int f = 0; f < p.frames; ++f) {
      const double fx = b.x + kGap + (f % b.perRow) * b.cellW;
      const double fy = b.y + kTitle + (f / b.perRow) * b.cellH;
      checkerboard(cr, fx, fy, p.tileW * b.scale, p.tileH * b.scale);
      blit(cr, p, rendered, f, {fx, fy, b.scale, 1.0, false});
      plain(cr, std::to_string(f), fx + p.tileW * b.scale / 2, fy + p.tileH * b.scale + 1, index,
            hex(0xB8B8C8), Align::Center);
    }
  }
  return sheet.writePng(path);
}

}  // namespace nk::art
