// Things to take and things to fear: keys, money and its rising value, the prizes, the laser and the siren.
#include "tools/artgen/pickups.h"

#include <cmath>
#include <string>

#include "tools/artgen/families.h"
#include "tools/artgen/text.h"

namespace nk::art {

Rgb keyColour(int kind) {
  static constexpr Rgb colours[4] = {hex(0xF2C230), hex(0xE8463C), hex(0x3D86F0), hex(0x3FC45E)};
  return colours[kind];
}

void drawKey(cairo_t* cr, Rgb c, double s) {
  cairo_save(cr);
  cairo_scale(cr, s, s);
  ellipse(cr, 0, 0, 6, 6);
  ellipse(cr, 0, 0, 2.6, 2.6);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  shaded(cr, c, {-6, -6}, {6, 6}, 1.6, 0.35);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  polygon(cr, {{-1.8, 5.5}, {1.8, 5.5}, {1.8, 24}, {-1.8, 24}});
  shaded(cr, c, {-2, 0}, {2, 0}, 1.4, 0.35);
  polygon(cr, {{1.5, 16}, {6, 16}, {6, 19}, {4, 19}, {4, 21}, {6, 21}, {6, 24}, {1.5, 24}});
  shaded(cr, c, {1.5, 16}, {6, 24}, 1.4, 0.35);
  limb(cr, {{-0.6, 8}, {-0.6, 20}}, 0.8, lighter(c, 0.6), 0);
  cairo_restore(cr);
}

void drawBanknote(cairo_t* cr, double s) {
  cairo_save(cr);
  cairo_scale(cr, s, s);
  roundedRect(cr, 1, 1, 54, 28, 3);
  shaded(cr, hex(0x7CC48A), {0, 0}, {56, 30});
  roundedRect(cr, 5, 5, 46, 20, 2);
  setColor(cr, hex(0x2E6A3E), 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  ellipse(cr, 28, 15, 7, 7);
  flat(cr, hex(0xCFEBC8), 1.0);
  caption(cr, "$", 28, 7.5, {{kDisplayFace, 12}, hex(0x2E6A3E), hex(0x1E4A2A), 0, 0});
  cairo_restore(cr);
}

namespace {

constexpr int kKeyW = 16, kKeyH = 30, kIconSize = 28, kMoneyW = 80, kMoneyH = 60;

void sparkle(cairo_t* cr, double x, double y, double r, double alpha) {
  star(cr, x, y, r, r * 0.22, 4);
  setColor(cr, {1, 1, 0.9}, alpha);
  cairo_fill(cr);
}

void coins(cairo_t* cr) {
  for (int i = 0; i < 4; ++i) {
    const double y = 46 - i * 7;
    ellipse(cr, 40, y, 20, 7);
    cairo_rectangle(cr, 20, y, 40, 6);
    ellipse(cr, 40, y + 6, 20, 7);
    shaded(cr, hex(0xE0A838), {20, y}, {60, y + 12}, 1.2);
    ellipse(cr, 40, y, 20, 7);
    shaded(cr, hex(0xF6CF5A), {20, y - 7}, {60, y + 7}, 1.2);
  }
  caption(cr, "₽", 40, 18, {{kDisplayFace, 11}, hex(0xB07A20), hex(0x8A5A10), 0, 0});
}

void bundle(cairo_t* cr) {
  for (int i = 3; i >= 0; --i) {
    cairo_save(cr);
    cairo_translate(cr, 10 + i * 2, 14 + i * 4);
    drawBanknote(cr, 1.0);
    cairo_restore(cr);
  }
  cairo_rectangle(cr, 32, 12, 10, 44);
  shaded(cr, hex(0xE8D8A8), {32, 0}, {42, 0}, 1.2);
}

void goldBar(cairo_t* cr) {
  polygon(cr, {{14, 50}, {66, 50}, {58, 22}, {22, 22}});
  shaded(cr, hex(0xF0B83A), {14, 22}, {66, 50}, 1.6, 0.35);
  polygon(cr, {{22, 22}, {58, 22}, {54, 14}, {26, 14}});
  shaded(cr, hex(0xFFE08A), {26, 14}, {58, 22}, 1.6, 0.2);
  caption(cr, "999", 40, 29, {{kDisplayFace, 10}, hex(0xA06A10), hex(0x804A08), 0, 0});
}

void money(cairo_t* cr, int kind) {
  glow(cr, 40, 34, 38, hex(0xFFE9A0), 0.4);
  switch (kind) {
    case 0: coins(cr); break;
    case 1:
      cairo_save(cr);
      cairo_translate(cr, 40, 30);
      cairo_rotate(cr, -0.2);
      cairo_translate(cr, -28, -15);
      drawBanknote(cr, 1.0);
      cairo_restore(cr);
      break;
    case 2: bundle(cr); break;
    default: goldBar(cr); break;
  }
  sparkle(cr, 64, 14, 7, 0.9);
  sparkle(cr, 14, 40, 4, 0.7);
}

void keyPicture(cairo_t* cr, int kind) {
  cairo_save(cr);
  cairo_translate(cr, kKeyW / 2.0, 6.5);
  drawKey(cr, keyColour(kind), 0.95);
  cairo_restore(cr);
}

void keyIcon(cairo_t* cr, int kind) {
  roundedRect(cr, 1, 1, kIconSize - 2, kIconSize - 2, 7);
  shaded(cr, darker(keyColour(kind), 0.55), {0, 0}, {kIconSize, kIconSize}, 1.4, 0.2);
  cairo_save(cr);
  cairo_translate(cr, 9.5, 8);
  cairo_rotate(cr, -0.75);
  drawKey(cr, keyColour(kind), 0.75);
  cairo_restore(cr);
}

void value(cairo_t* cr, int kind) {
  static const char* texts[4] = {"+10", "+30", "+70", "+100"};
  caption(cr, texts[kind], 40, 1, {{kDisplayFace, 24}, hex(0xFFF6C0), hex(0xF0A020), 2.5, 2});
}

void lifePrize(cairo_t* cr, int frame) {
  const double beat = 1 + 0.08 * std::sin(frame * 2 * M_PI / 5);
  glow(cr, 40, 40, 40 * beat, hex(0xFF7A8A), 0.55);
  cairo_save(cr);
  cairo_translate(cr, 40, 42);
  cairo_scale(cr, beat, beat);
  cairo_move_to(cr, 0, 24);
  cairo_curve_to(cr, -34, 2, -22, -26, 0, -10);
  cairo_curve_to(cr, 22, -26, 34, 2, 0, 24);
  cairo_close_path(cr);
  shaded(cr, hex(0xE8364A), {-20, -20}, {20, 24}, 2);
  ellipse(cr, -11, -8, 5, 3.5);
  setColor(cr, {1, 1, 1}, 0.7);
  cairo_fill(cr);
  cairo_restore(cr);
  caption(cr, "+1", 40, 30, {{kDisplayFace, 18}, hex(0xFFFFFF), hex(0xFFD0D8), 2, 0});
  sparkle(cr, 66 - frame * 3, 12 + frame * 2, 5, 0.9);
}

void timePrize(cairo_t* cr, int frame) {
  const double pulse = 0.5 + 0.25 * std::sin(frame * 2 * M_PI / 5);
  glow(cr, 35, 38, 36, hex(0x8AD8FF), pulse);
  for (double side : {-1.0, 1.0}) {  // the bells
    ellipse(cr, 35 + side * 15, 16, 8, 7);
    shaded(cr, hex(0xF0C040), {35 + side * 15 - 8, 9}, {35 + side * 15 + 8, 23}, 1.4);
  }
  ellipse(cr, 35, 40, 23, 23);
  shaded(cr, hex(0xF0C040), {12, 17}, {58, 63}, 1.8);
  ellipse(cr, 35, 40, 18, 18);
  flat(cr, hex(0xFFFBEA), 1.2);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    limb(cr, {{35 + 14 * std::cos(a), 40 + 14 * std::sin(a)}, {35 + 16 * std::cos(a), 40 + 16 * std::sin(a)}},
         1, kInk, 0);
  }
  const double hand = -M_PI / 2 + frame * 2 * M_PI / 5;
  limb(cr, {{35, 40}, {35 + 13 * std::cos(hand), 40 + 13 * std::sin(hand)}}, 1.6, hex(0xC0202A), 0);
  limb(cr, {{35, 40}, {35 + 8, 40 - 4}}, 2, kInk, 0);
  caption(cr, "+1:00", 35, 52, {{kDisplayFace, 9}, hex(0x2060B0), hex(0x104080), 0, 0});
}

constexpr int kLaserW = 104, kLaserH = 9;

void laser(cairo_t* cr, int frame) {
  const double a = frame == 0 ? 1.0 : 0.7;  // the flicker
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const auto& [width, alpha] : {std::pair{8.0, 0.2}, {4.5, 0.4}, {2.4, 0.95}}) {
    cairo_move_to(cr, 4, kLaserH / 2.0);
    cairo_line_to(cr, kLaserW - 4, kLaserH / 2.0);
    setColor(cr, hex(0xFF2030), alpha * a);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 4, kLaserH / 2.0);
  cairo_line_to(cr, kLaserW - 4, kLaserH / 2.0);
  setColor(cr, hex(0xFFE0E0), a);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (double x : {4.0, kLaserW - 4.0}) glow(cr, x, kLaserH / 2.0, 4.5, hex(0xFFF0F0), a);
}

void siren(cairo_t* cr, int frame) {
  static const double light[4] = {0.15, 0.7, 1.0, 0.55};
  const double l = light[frame];
  glow(cr, 16, 15, 16, hex(0xFF3030), 0.8 * l);
  cairo_move_to(cr, 6, 22);
  cairo_curve_to(cr, 6, 6, 26, 6, 26, 22);
  cairo_close_path(cr);
  shaded(cr, mix(hex(0x7A1010), hex(0xFF4A3A), l), {8, 6}, {24, 22}, 1.5);
  ellipse(cr, 13, 12, 3, 2);
  setColor(cr, {1, 1, 1}, 0.4 + 0.5 * l);
  cairo_fill(cr);
  roundedRect(cr, 3, 22, 26, 7, 2);
  shaded(cr, hex(0x50545E), {3, 22}, {29, 29}, 1.5);
  if (l > 0.5) {  // rays
    for (int i = 0; i < 3; ++i) {
      const double a = -M_PI / 2 + (i - 1) * 0.9 + frame * 0.3;
      limb(cr,
           {{16 + 12 * std::cos(a), 14 + 12 * std::sin(a)}, {16 + 15 * std::cos(a), 14 + 15 * std::sin(a)}},
           1.5, hex(0xFFD0C0), 0);
    }
  }
}

}  // namespace

void addPickups(Catalog& c, const Houses&) {
  c.add("keys", kKeyW, kKeyH, 4, keyPicture);
  c.add("playerkeys", kIconSize, kIconSize, 4, keyIcon);
  c.add("money", kMoneyW, kMoneyH, 4, money);
  c.add("values", 80, 32, 4, value);
  c.add("prizlife", 80, 80, 5, lifePrize);
  c.add("priztime", 70, 70, 5, timePrize);
  c.add("laser", kLaserW, kLaserH, 2, laser);
  c.add("siren", 32, 32, 4, siren);
}

}  // namespace nk::art
