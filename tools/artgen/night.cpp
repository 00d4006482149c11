#include "tools/artgen/night.h"

#include <cmath>

namespace nk::art {

void nightSky(cairo_t* cr, Rect r, Rgb top, Rgb bottom) {
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  gradientFill(cr, {0, r.y}, top, {0, r.y + r.h}, bottom);
  cairo_new_path(cr);
}

void stars(cairo_t* cr, Rect r, int count, uint64_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const double x = rng.range(r.x, r.x + r.w), y = rng.range(r.y, r.y + r.h), s = rng.range(0.5, 1.6);
    glow(cr, x, y, s * 3.5, hex(0xDDE6FF), rng.range(0.5, 1.0));
    if (s > 1.4) {
      star(cr, x, y, s * 4, s * 0.5, 4);
      setColor(cr, hex(0xF4F7FF), 0.8);
      cairo_fill(cr);
    }
  }
}

void moon(cairo_t* cr, double x, double y, double r) {
  glow(cr, x, y, r * 3.2, hex(0x9FB4F0), 0.35);
  glow(cr, x, y, r * 1.6, hex(0xF2F0D8), 0.4);
  ellipse(cr, x, y, r, r);
  gradientFill(cr, {x - r, y - r}, hex(0xFFFCEB), {x + r, y + r}, hex(0xE6DDB8));
  cairo_new_path(cr);
  Rng rng(7);
  for (int i = 0; i < 7; ++i) {
    const double a = rng.range(0, 2 * M_PI), d = rng.range(0, r * 0.65), s = rng.range(r * 0.06, r * 0.17);
    ellipse(cr, x + std::cos(a) * d, y + std::sin(a) * d, s, s);
    setColor(cr, hex(0xCFC49E), 0.55);
    cairo_fill(cr);
  }
}

void skyline(cairo_t* cr, double width, double baseY, double height, uint64_t seed, Rgb colour) {
  Rng rng(seed);
  cairo_move_to(cr, 0, baseY);
  for (double x = 0; x < width;) {
    const double w = rng.range(40, 90), h = rng.range(0.45, 1.0) * height, roof = rng.range(8, 26);
    cairo_line_to(cr, x, baseY - h);
    cairo_line_to(cr, x + w / 2, baseY - h - roof);
    if (rng.next() < 0.5) {  // a chimney on the slope
      cairo_line_to(cr, x + w * 0.7, baseY - h - roof * 0.6);
      cairo_line_to(cr, x + w * 0.7, baseY - h - roof - 10);
      cairo_line_to(cr, x + w * 0.78, baseY - h - roof - 10);
      cairo_line_to(cr, x + w * 0.78, baseY - h - roof * 0.44);
    }
    cairo_line_to(cr, x + w, baseY - h);
    x += w;
  }
  cairo_line_to(cr, width, baseY);
  cairo_close_path(cr);
  setColor(cr, colour);
  cairo_fill(cr);
  Rng windows(seed + 1);
  for (int i = 0; i < static_cast<int>(width / 30); ++i) {
    cairo_rectangle(cr, windows.range(0, width), baseY - windows.range(6, height * 0.5), 3, 4);
  }
  setColor(cr, hex(0xFFD27A), 0.55);
  cairo_fill(cr);
}

void streetLamp(cairo_t* cr, double x, double groundY, double height) {
  glow(cr, x, groundY - height + 6, 70, hex(0xFFD88A), 0.35);
  limb(cr, {{x, groundY}, {x, groundY - height + 10}}, 4, hex(0x2A2C38), 1.2);
  polygon(cr, {{x - 8, groundY - height + 14},
               {x + 8, groundY - height + 14},
               {x + 5, groundY - height},
               {x - 5, groundY - height}});
  shaded(cr, hex(0xFFE6A0), {x, groundY - height}, {x, groundY - height + 14}, 1.4, 0.2);
  polygon(cr, {{x - 9, groundY - height}, {x + 9, groundY - height}, {x, groundY - height - 7}});
  flat(cr, hex(0x2A2C38), 1.2);
  ellipse(cr, x, groundY, 10, 3);
  flat(cr, hex(0x2A2C38), 1.0);
}

void streetWindow(cairo_t* cr, const House& h, double x, double y, double w, double ht, bool lit) {
  roundedRect(cr, x, y, w, ht, 3);
  shaded(cr, h.trim, {x, y}, {x + w, y + ht});
  const double in = 5;
  cairo_rectangle(cr, x + in, y + in, w - 2 * in, ht - 2 * in);
  if (lit) {
    gradientFill(cr, {0, y}, lighter(h.lamp, 0.5), {0, y + ht}, h.lamp);
    cairo_new_path(cr);
    glow(cr, x + w / 2, y + ht * 0.45, w * 0.6, {1, 1, 0.9}, 0.6);
    // curtains drawn aside, lit from behind
    for (int side = 0; side < 2; ++side) {
      const double cx = side == 0 ? x + in : x + w - in - w * 0.22;
      cairo_rectangle(cr, cx, y + in, w * 0.22, ht - 2 * in);
      setColor(cr, mix(h.fabric, h.lamp, 0.35));
      cairo_fill(cr);
    }
  } else {
    gradientFill(cr, {0, y}, hex(0x24305A), {0, y + ht}, hex(0x0E1226));
    cairo_new_path(cr);
    polygon(cr, {{x + in, y + in}, {x + in + w * 0.3, y + in}, {x + in, y + in + ht * 0.35}});
    setColor(cr, hex(0xBFD2FF), 0.25);
    cairo_fill(cr);
  }
  setColor(cr, h.trim);
  cairo_rectangle(cr, x + w / 2 - 1.5, y + in, 3, ht - 2 * in);
  cairo_rectangle(cr, x + in, y + ht * 0.45 - 1.5, w - 2 * in, 3);
  cairo_fill(cr);
  cairo_rectangle(cr, x - 3, y + ht - 2, w + 6, 5);  // the sill
  shaded(cr, h.trim, {0, y + ht - 2}, {0, y + ht + 3}, 1.2);
}

void facade(cairo_t* cr, const House& h, const Facade& f, uint64_t seed) {
  const Rect& w = f.wall;
  const Rgb roof = darker(mix(h.mortar, h.wood, 0.4), 0.25);
  // chimney, roof, wall
  const double chimneyX = w.x + w.w * (seed % 2 ? 0.72 : 0.22);
  cairo_rectangle(cr, chimneyX, w.y - f.roofRise * 0.85, 14, f.roofRise * 0.7);
  shaded(cr, h.outer, {chimneyX, 0}, {chimneyX + 14, 0});
  polygon(cr, {{w.x - 10, w.y + 2}, {w.x + w.w / 2, w.y - f.roofRise}, {w.x + w.w + 10, w.y + 2}});
  shaded(cr, roof, {w.x, w.y - f.roofRise}, {w.x + w.w, w.y});
  cairo_save(cr);
  polygon(cr, {{w.x - 10, w.y + 2}, {w.x + w.w / 2, w.y - f.roofRise}, {w.x + w.w + 10, w.y + 2}});
  cairo_clip(cr);
  setColor(cr, darker(roof, 0.35), 0.7);
  cairo_set_line_width(cr, 1);
  for (double y = w.y - f.roofRise + 8; y < w.y; y += 8) {
    cairo_move_to(cr, w.x - 10, y);
    cairo_line_to(cr, w.x + w.w + 10, y);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  outerWall(cr, h, w);
  cairo_rectangle(cr, w.x, w.y, w.w, w.h);
  setColor(cr, kInk);
  cairo_set_line_width(cr, kLine);
  cairo_stroke(cr);
  nightVeil(cr, w, 0.3);
  // the front door with its step and a lamp
  const double doorW = 40, doorH = 76, groundY = w.y + w.h;
  entranceDoor(cr, h, {f.doorX, groundY - doorH, doorW, doorH});
  cairo_rectangle(cr, f.doorX - 6, groundY - 4, doorW + 12, 4);
  shaded(cr, hex(0x8A8A96), {0, groundY - 4}, {0, groundY}, 1.0);
  glow(cr, f.doorX + doorW + 8, groundY - doorH + 6, 18, h.lamp, 0.8);
  ellipse(cr, f.doorX + doorW + 8, groundY - doorH + 6, 3.5, 4.5);
  flat(cr, lighter(h.lamp, 0.4), 1.0);
}

}  // namespace nk::art
