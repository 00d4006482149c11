// The play screen's side panel and the two pointers: the menu torch and the mouse pointer.
#include <cmath>

#include "tools/artgen/families.h"
#include "tools/artgen/night.h"
#include "tools/artgen/pickups.h"
#include "tools/artgen/ui.h"

namespace nk::art {
namespace {

constexpr int kPanelW = 150, kPanelH = 600;

// The game writes its numbers at fixed rows: lives at y 180, money 264, level 350 (white, centred
// on x 70 of the panel), the time at (40, 510) in dark grey; key icons sit at y 390.
void sidePanel(cairo_t* cr) {
  nightSky(cr, {0, 0, kPanelW, kPanelH}, hex(0x202458), hex(0x0C0D26));
  stars(cr, {0, 0, kPanelW, 130}, 14, 99);
  moon(cr, 108, 44, 18);
  caption(cr, kGameTitle, 75, 88, titleLook(22));
  struct Row {
    const char* label;
    double labelY, plateY;
  };
  for (const Row& row : {Row{"Жизни", 140, 174}, Row{"Деньги", 226, 258}, Row{"Уровень", 312, 344}}) {
    caption(cr, row.label, 75, row.labelY, labelLook(21));
    plate(cr, {20, row.plateY, 110, 42}, false);
  }
  plate(cr, {8, 385, 134, 38}, false);
  for (int k = 0; k < 4; ++k) {
    roundedRect(cr, 14 + 32 * k + 1, 391, 26, 26, 6);
    setColor(cr, hex(0x3A3F7A), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 14 + 32 * k + 10, 398);
    cairo_rotate(cr, -0.75);
    drawKey(cr, keyColour(k), 0.6);
    cairo_restore(cr);
    roundedRect(cr, 14 + 32 * k + 1, 391, 26, 26, 6);
    setColor(cr, hex(0x0A0B20), 0.72);  // the key is not yet carried: a faint hint of its colour
    cairo_fill(cr);
  }
  caption(cr, "Время", 75, 466, labelLook(21));
  plate(cr, {28, 502, 104, 44}, true);
  skyline(cr, kPanelW, kPanelH, 26, 5, hex(0x07081A));
  // the rim between the play area and the panel
  cairo_rectangle(cr, 0, 0, 4, kPanelH);
  gradientFill(cr, {0, 0}, lighter(kGold, 0.2), {0, kPanelH}, darker(kGold, 0.4));
  cairo_new_path(cr);
  cairo_rectangle(cr, 4, 0, 2, kPanelH);
  setColor(cr, kInk);
  cairo_fill(cr);
}

constexpr int kCursorW = 180, kCursorH = 90;

// The menu cursor: a burglar's torch shining right at the chosen line.
void torch(cairo_t* cr) {
  const double cy = kCursorH / 2.0;
  polygon(cr, {{62, cy - 9}, {kCursorW, cy - 36}, {kCursorW, cy + 36}, {62, cy + 9}});
  linearFill(cr, {62, 0}, {kCursorW, 0}, {{0, hex(0xFFF2B3), 0.85}, {1, hex(0xFFE68C), 0.05}});
  roundedRect(cr, 4, cy - 8, 46, 16, 6);
  shaded(cr, hex(0x3A3F5A), {4, cy - 8}, {4, cy + 8}, 2);
  for (double x : {12.0, 20.0, 28.0}) {
    cairo_rectangle(cr, x, cy - 8, 3, 16);
  }
  setColor(cr, hex(0x22253A));
  cairo_fill(cr);
  polygon(cr, {{46, cy - 9}, {62, cy - 13}, {62, cy + 13}, {46, cy + 9}});
  shaded(cr, hex(0xC9CED8), {46, cy - 13}, {46, cy + 13}, 2);
  ellipse(cr, 63, cy, 3, 12);
  flat(cr, hex(0xFFF8D8), 1.4);
  glow(cr, 64, cy, 16, hex(0xFFF4C0), 0.8);
  roundedRect(cr, 30, cy - 12, 8, 5, 2);  // the switch
  flat(cr, hex(0xD8342E), 1.2);
}

void mousePointer(cairo_t* cr) {
  polygon(cr, {{2, 2}, {2, 26}, {8, 20}, {13, 30}, {18, 28}, {13, 18}, {22, 18}});
  shaded(cr, kGold, {2, 2}, {20, 28}, 2);
  polygon(cr, {{5, 7}, {5, 17}, {11, 14}});
  setColor(cr, {1, 1, 1}, 0.45);
  cairo_fill(cr);
}

}  // namespace

void addHud(Catalog& c, const Houses&) {
  c.add("panel", kPanelW, kPanelH, 1, [](cairo_t* cr, int) { sidePanel(cr); });
  c.add("cursor", kCursorW, kCursorH, 1, [](cairo_t* cr, int) { torch(cr); });
  c.add("cursor_mouse", 32, 32, 1, [](cairo_t* cr, int) { mousePointer(cr); });
}

}  // namespace nk::art
