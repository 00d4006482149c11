#include "tools/artgen/icon.h"

#include <cairo-svg.h>

#include <filesystem>

#include "tools/artgen/canvas.h"
#include "tools/artgen/characters.h"
#include "tools/artgen/night.h"

namespace nk::art {
namespace {

namespace fs = std::filesystem;

// The icon is drawn on a grid of this many units, whatever size it is written at.
constexpr double kUnits = 256;
constexpr int kPngSizes[] = {48, 128, 256};

void drawIcon(cairo_t* cr) {
  // Themes expect a little air around an icon's square.
  roundedRect(cr, 8, 8, kUnits - 16, kUnits - 16, 44);
  cairo_save(cr);
  cairo_clip(cr);
  nightSky(cr, {0, 0, kUnits, kUnits}, hex(0x060824), hex(0x5A2F6E));
  glow(cr, 128, 300, 190, hex(0xE07A9A), 0.35);
  stars(cr, {8, 8, 240, 150}, 22, 41);
  moon(cr, 164, 88, 58);
  // the roof he crosses, as on the title
  constexpr double kRidgeLeft = 236, kRidgeRight = 226;
  polygon(cr, {{0, kUnits}, {0, kRidgeLeft}, {kUnits, kRidgeRight}, {kUnits, kUnits}});
  gradientFill(cr, {0, kRidgeRight}, hex(0x2A2A52), {0, kUnits}, hex(0x0C0C20));
  limb(cr, {{0, kRidgeLeft}, {kUnits, kRidgeRight}}, 6, hex(0x44447A), 1.6);
  // the title's burglar, his feet on the ridge and his cap against the moon
  constexpr double kScale = 1.9;
  placed(cr, 64, 232 - 120 * kScale, kScale, [&] { drawBurglarWalking(cr, 2); });
  cairo_restore(cr);
  // the rim keeps the square apart from a dark panel
  roundedRect(cr, 8, 8, kUnits - 16, kUnits - 16, 44);
  setColor(cr, hex(0x8E7CC3), 0.9);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

bool writeSvg(const fs::path& file) {
  cairo_surface_t* surface = cairo_svg_surface_create(file.c_str(), kUnits, kUnits);
  cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
  cairo_t* cr = cairo_create(surface);
  drawIcon(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return written;
}

}  // namespace

bool writeIcons(const std::string& dir) {
  const fs::path root = dir;
  fs::create_directories(root / "scalable/apps");
  if (!writeSvg(root / "scalable/apps/nokturo.svg")) return false;
  for (int size : kPngSizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    fs::create_directories(root / name / "apps");
    Canvas canvas(size, size);
    cairo_scale(canvas.cr(), size / kUnits, size / kUnits);
    drawIcon(canvas.cr());
    if (!canvas.writePng((root / name / "apps/nokturo.png").string())) return false;
  }
  return true;
}

}  // namespace nk::art
