// The house cat: a black cat with moon-yellow eyes, sitting, tail swaying, ears twitching, blinking.
#include <cmath>

#include "tools/artgen/characters.h"
#include "tools/artgen/families.h"

namespace nk::art {
namespace {

constexpr int kW = 64, kH = 110, kFrames = 21;
constexpr Rgb kFur = hex(0x2E2A38), kChest = hex(0x5A5466), kEye = hex(0xF4D24A);

void ear(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  polygon(cr, {{-6, 2}, {0, -12}, {6, 2}});
  shaded(cr, kFur, {0, -12}, {0, 2}, 1.4);
  polygon(cr, {{-3, 0}, {0, -8}, {3, 0}});
  setColor(cr, hex(0xC07A8A));
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

void drawCat(cairo_t* cr, int frame) {
  const double phase = frame * 2 * M_PI / kFrames;
  const double sway = std::sin(phase);
  const bool blink = frame == 13 || frame == 14;
  const double twitch = frame == 6 || frame == 7 ? -0.45 : 0;
  const double headTilt = 0.06 * std::sin(phase * 2);
  const double floor = kH;

  ellipse(cr, 30, floor - 1, 20, 3);
  setColor(cr, {0, 0, 0}, 0.3);
  cairo_fill(cr);
  // the tail curls out behind and sways
  const Point base{40, floor - 6};
  const Point mid{54 + 4 * sway, floor - 16};
  const Point tip{50 + 10 * sway, floor - 34 - 4 * std::cos(phase)};
  cairo_move_to(cr, base.x, base.y);
  cairo_curve_to(cr, mid.x + 6, base.y, mid.x + 4, mid.y, tip.x, tip.y);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  setColor(cr, kInk);
  cairo_set_line_width(cr, 8.5);
  cairo_stroke(cr);
  cairo_move_to(cr, base.x, base.y);
  cairo_curve_to(cr, mid.x + 6, base.y, mid.x + 4, mid.y, tip.x, tip.y);
  setColor(cr, kFur);
  cairo_set_line_width(cr, 5.5);
  cairo_stroke(cr);
  // body, haunch and chest
  cairo_move_to(cr, 18, floor - 2);
  cairo_curve_to(cr, 10, floor - 30, 20, floor - 48, 30, floor - 48);
  cairo_curve_to(cr, 42, floor - 48, 50, floor - 24, 46, floor - 2);
  cairo_close_path(cr);
  shaded(cr, kFur, {16, floor - 48}, {46, floor});
  ellipse(cr, 27, floor - 28, 7, 12);
  shaded(cr, kChest, {20, floor - 40}, {34, floor - 16}, 0);
  for (double x : {22.0, 32.0}) {  // front paws
    roundedRect(cr, x - 3.5, floor - 22, 7, 22, 3.5);
    shaded(cr, kFur, {x - 3, 0}, {x + 3, 0}, 1.2);
  }
  // head
  cairo_save(cr);
  cairo_translate(cr, 28, floor - 54);
  cairo_rotate(cr, headTilt);
  ear(cr, -8, -8, -0.25 + twitch);
  ear(cr, 8, -8, 0.25);
  ellipse(cr, 0, 0, 13, 11.5);
  shaded(cr, kFur, {-12, -12}, {12, 12});
  for (double x : {-5.0, 5.0}) {
    if (blink) {
      limb(cr, {{x - 3, 0}, {x + 3, 0}}, 1.2, kEye, 0);
      continue;
    }
    ellipse(cr, x, -1, 3.6, 3.8);
    flat(cr, kEye, 1.0);
    ellipse(cr, x + 0.4 * sway, -1, 1.1, 3.2);
    setColor(cr, kInk);
    cairo_fill(cr);
    glow(cr, x - 1, -2.5, 1.5, {1, 1, 1}, 0.9);
  }
  polygon(cr, {{-2, 4}, {2, 4}, {0, 6.5}});
  flat(cr, hex(0xE08A9A), 0.8);
  setColor(cr, hex(0xD8D8E8), 0.7);
  cairo_set_line_width(cr, 0.7);
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 2; ++i) {
      cairo_move_to(cr, side * 4, 6 + i * 1.5);
      cairo_line_to(cr, side * 17, 4 + i * 4);
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void addCat(Catalog& c, const Houses&) { c.add("cat", kW, kH, kFrames, drawCat); }

}  // namespace nk::art
