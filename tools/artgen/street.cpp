// The showcase pictures: the title, and the level-intro street with its six houses and their windows.
#include <algorithm>
#include <cmath>

#include "tools/artgen/characters.h"
#include "tools/artgen/families.h"
#include "tools/artgen/night.h"
#include "tools/artgen/ui.h"

namespace nk::art {
namespace {

constexpr int kScreenW = 800, kScreenH = 600;
constexpr double kWindowW = 46, kWindowH = 54, kGroundY = 495;

// Each house of the street: its span, the height of its eaves and gable, where its lit window is
// (the game lights it there) and where the burglar stands at its door.
struct StreetHouse {
  double x0, x1, eaves, rise;
  Point window;
  double burglarX;
};
constexpr StreetHouse kStreet[6] = {
    {0, 170, 186, 50, {33, 207}, 80},     {170, 300, 108, 56, {198, 132}, 243},
    {300, 412, 236, 44, {308, 259}, 339}, {412, 526, 100, 52, {419, 121}, 427},
    {526, 648, 220, 46, {535, 241}, 571}, {648, 800, 110, 56, {659, 135}, 680},
};

bool overlaps(Rect a, Rect b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

void houseOnStreet(cairo_t* cr, const House& h, const StreetHouse& s) {
  const double doorX = s.burglarX + 10;
  facade(cr, h, {{s.x0 + 4, s.eaves, s.x1 - s.x0 - 8, kGroundY - s.eaves}, s.rise, doorX}, h.level);
  const Rect door{doorX - 8, kGroundY - 90, 70, 90};
  const Rect lit{s.window.x, s.window.y, kWindowW, kWindowH};
  // dark windows in rows under the eaves; the lit one's place stays dark here, the game lights it
  for (double y = s.eaves + 18; y + kWindowH < kGroundY - 10; y += 86) {
    for (double x = s.x0 + 14; x + kWindowW < s.x1 - 10; x += 62) {
      const Rect w{x, y, kWindowW, kWindowH};
      if (overlaps(w, door) || overlaps(w, {lit.x - 8, lit.y - 8, lit.w + 16, lit.h + 16})) continue;
      streetWindow(cr, h, x, y, kWindowW, kWindowH, false);
    }
  }
  streetWindow(cr, h, lit.x, lit.y, kWindowW, kWindowH, false);
}

void pavement(cairo_t* cr) {
  cairo_rectangle(cr, 0, kGroundY, kScreenW, 34);
  shaded(cr, hex(0x5A5C78), {0, kGroundY}, {0, kGroundY + 34}, 0, 0.2);
  setColor(cr, hex(0x3A3C58));
  cairo_set_line_width(cr, 1);
  for (double x = 0; x < kScreenW; x += 40) {
    cairo_move_to(cr, x + 0.5, kGroundY);
    cairo_line_to(cr, x - 8.5, kGroundY + 30);
  }
  cairo_stroke(cr);
  cairo_rectangle(cr, 0, kGroundY + 30, kScreenW, 6);
  shaded(cr, hex(0x8A8CA8), {0, kGroundY + 30}, {0, kGroundY + 36}, 1.2);
  cairo_rectangle(cr, 0, kGroundY + 36, kScreenW, kScreenH - kGroundY - 36);
  gradientFill(cr, {0, kGroundY + 36}, hex(0x1A1B30), {0, kScreenH}, hex(0x0A0A16));
  cairo_new_path(cr);
}

void streetPicture(cairo_t* cr, const Houses& houses) {
  const Rect screen{0, 0, kScreenW, kScreenH};
  nightSky(cr, screen, hex(0x070A26), hex(0x3B2C66));
  stars(cr, {0, 0, kScreenW, 300}, 90, 31);
  moon(cr, 588, 92, 40);
  skyline(cr, kScreenW, 330, 80, 12, hex(0x191A3C));
  for (int i = 0; i < 6; ++i) houseOnStreet(cr, houses.level(i + 1), kStreet[i]);
  pavement(cr);
  for (double x : {168.0, 526.0}) streetLamp(cr, x, kGroundY + 26, 150);
}

void houseWindow(cairo_t* cr, const House& h) { streetWindow(cr, h, 0, 0, kWindowW, kWindowH, true); }

// The title: the burglar crossing a moonlit roof, the cat watching from the chimney.
void titlePicture(cairo_t* cr, const Houses& houses) {
  const Rect screen{0, 0, kScreenW, kScreenH};
  nightSky(cr, screen, hex(0x060824), hex(0x5A2F6E));
  glow(cr, 400, 640, 520, hex(0xE07A9A), 0.35);
  stars(cr, {0, 0, kScreenW, 420}, 160, 41);
  moon(cr, 585, 250, 135);
  skyline(cr, kScreenW, 500, 120, 17, hex(0x1E1A44));
  // the roof in the foreground: slates, a ridge, a chimney
  const double ridge = 470;
  polygon(cr, {{-20, kScreenH}, {-20, ridge + 10}, {kScreenW + 20, ridge - 10}, {kScreenW + 20, kScreenH}});
  gradientFill(cr, {0, ridge}, hex(0x2A2A52), {0, kScreenH}, hex(0x0C0C20));
  cairo_new_path(cr);
  setColor(cr, hex(0x3C3C6E), 0.8);
  cairo_set_line_width(cr, 1.2);
  for (double y = ridge + 22; y < kScreenH; y += 18) {
    cairo_move_to(cr, 0, y + 10 - y * 0.0);
    cairo_line_to(cr, kScreenW, y - 10);
    for (double x = std::fmod(y, 36.0); x < kScreenW; x += 36) {
      cairo_move_to(cr, x, y + 10 - 20 * x / kScreenW);
      cairo_line_to(cr, x, y + 28 - 20 * x / kScreenW);
    }
  }
  cairo_stroke(cr);
  limb(cr, {{-20, ridge + 10}, {kScreenW + 20, ridge - 10}}, 7, hex(0x44447A), 1.6);
  const House& h = houses.level(1);
  cairo_rectangle(cr, 120, ridge - 70, 54, 80);
  shaded(cr, darker(h.outer, 0.35), {120, 0}, {174, 0});
  cairo_rectangle(cr, 114, ridge - 80, 66, 12);
  shaded(cr, darker(h.outer, 0.2), {0, ridge - 80}, {0, ridge - 68});
  placed(cr, 112, ridge - 80 - 110 * 0.9 + 2, 0.9, [&] { drawCat(cr, 3); });
  // the burglar against the moon, larger than life
  placed(cr, 520, ridge - 3 - 240, 2, [&] { drawBurglarWalking(cr, 2); });
  caption(cr, kGameTitle, 270, 48, titleLook(92));
  caption(cr, "ночной взломщик", 270, 160, labelLook(30));
  caption(cr, "Нажмите любую клавишу", 400, 552, labelLook(22));
}

}  // namespace

void addStreet(Catalog& c, const Houses& houses) {
  c.add("back_first", kScreenW, kScreenH, 1, [&houses](cairo_t* cr, int) { titlePicture(cr, houses); });
  c.add("scr_choose", kScreenW, kScreenH, 1, [&houses](cairo_t* cr, int) { streetPicture(cr, houses); });
  c.add("okna", static_cast<int>(kWindowW), static_cast<int>(kWindowH) + 4, 6,
        [&houses](cairo_t* cr, int f) { houseWindow(cr, houses.level(f + 1)); });
}

}  // namespace nk::art
