// Furniture shared by every house, the wall safe and the key board.
#include <cmath>

#include "tools/artgen/families.h"

namespace nk::art {
namespace {

constexpr int kWideW = 120, kWideH = 120, kThinW = 50, kThinH = 180;
constexpr Rgb kOak = hex(0x9A6238), kWalnut = hex(0x6B3F26), kBrass = hex(0xD8B25A), kVelvet = hex(0x2F7A78),
              kLeather = hex(0x8E2E34), kCream = hex(0xEFE3C4), kLeaf = hex(0x3F8A4A);

void shadowOnFloor(cairo_t* cr, double cx, double y, double rx) {
  ellipse(cr, cx, y, rx, 3);
  setColor(cr, {0, 0, 0}, 0.3);
  cairo_fill(cr);
}

void leg(cairo_t* cr, double x, double top, double bottom) {
  limb(cr, {{x, top}, {x, bottom}}, 3.5, kWalnut, 1.0);
}

// A sofa standing on tile row floor; plump cushions, rolled arms.
void sofa(cairo_t* cr, Rgb cloth, double floor, bool buttoned) {
  shadowOnFloor(cr, 68, floor, 50);
  leg(cr, 28, floor - 8, floor);
  leg(cr, 108, floor - 8, floor);
  roundedRect(cr, 24, floor - 72, 88, 48, 14);  // back
  shaded(cr, cloth, {24, floor - 72}, {112, floor - 24});
  if (buttoned) {
    for (int i = 0; i < 4; ++i) {
      ellipse(cr, 40 + i * 19, floor - 52, 1.8, 1.8);
    }
    setColor(cr, darker(cloth, 0.5));
    cairo_fill(cr);
  }
  for (int i = 0; i < 2; ++i) {  // seat cushions
    roundedRect(cr, 30 + i * 38, floor - 34, 40, 18, 7);
    shaded(cr, lighter(cloth, 0.08), {0, floor - 34}, {0, floor - 16});
  }
  roundedRect(cr, 22, floor - 20, 94, 13, 5);
  shaded(cr, darker(cloth, 0.1), {0, floor - 20}, {0, floor - 7});
  for (double x : {18.0, 104.0}) {  // rolled arms
    roundedRect(cr, x, floor - 46, 16, 40, 8);
    shaded(cr, cloth, {x, floor - 46}, {x + 16, floor - 6});
  }
}

void piano(cairo_t* cr, double floor) {
  shadowOnFloor(cr, 62, floor, 48);
  roundedRect(cr, 16, floor - 92, 96, 84, 4);
  shaded(cr, hex(0x2A2230), {16, floor - 92}, {112, floor});
  cairo_rectangle(cr, 12, floor - 50, 104, 10);
  shaded(cr, hex(0x3A3040), {0, floor - 50}, {0, floor - 40});
  cairo_rectangle(cr, 16, floor - 49, 96, 5);
  setColor(cr, hex(0xF4F0E4));
  cairo_fill(cr);
  setColor(cr, kInk);
  for (double x = 20; x < 110; x += 7) cairo_rectangle(cr, x, floor - 49, 3.5, 3);
  cairo_fill(cr);
  for (double x : {28.0, 100.0}) leg(cr, x, floor - 40, floor);
  glow(cr, 40, floor - 98, 10, hex(0xFFD27A), 0.8);  // a candle on top
  limb(cr, {{40, floor - 92}, {40, floor - 100}}, 3, kCream, 0.8);
}

void chestOfDrawers(cairo_t* cr, double floor) {
  shadowOnFloor(cr, 62, floor, 44);
  for (double x : {26.0, 98.0}) leg(cr, x, floor - 12, floor);
  roundedRect(cr, 18, floor - 64, 88, 54, 3);
  shaded(cr, kOak, {18, floor - 64}, {106, floor - 10});
  cairo_rectangle(cr, 14, floor - 68, 96, 6);
  shaded(cr, lighter(kOak, 0.1), {0, floor - 68}, {0, floor - 62});
  for (int i = 0; i < 3; ++i) {
    roundedRect(cr, 24, floor - 58 + i * 16, 76, 13, 2);
    shaded(cr, darker(kOak, 0.08), {0, floor - 58 + i * 16}, {0, floor - 45 + i * 16}, 1.0, 0.18);
    ellipse(cr, 62, floor - 51.5 + i * 16, 3, 2);
    flat(cr, kBrass, 0.8);
  }
  // a table lamp and a vase on top
  polygon(cr, {{32, floor - 100}, {54, floor - 100}, {58, floor - 84}, {28, floor - 84}});
  shaded(cr, kCream, {28, floor - 100}, {58, floor - 84});
  limb(cr, {{43, floor - 84}, {43, floor - 70}}, 3, kBrass, 1.0);
  glow(cr, 43, floor - 86, 26, hex(0xFFD88A), 0.5);
  ellipse(cr, 84, floor - 78, 8, 10);
  shaded(cr, hex(0x4A78B0), {76, floor - 88}, {92, floor - 68});
  for (int i = 0; i < 3; ++i) {
    ellipse(cr, 78 + i * 6, floor - 94 + (i % 2) * 4, 4, 4);
    flat(cr, i == 1 ? hex(0xF2C14E) : hex(0xE06A6A), 1.0);
  }
}

void painting(cairo_t* cr) {
  roundedRect(cr, 8, 4, 104, 70, 3);
  shaded(cr, kBrass, {8, 4}, {112, 74});
  cairo_rectangle(cr, 16, 12, 88, 54);
  gradientFill(cr, {0, 12}, hex(0x2C3E7A), {0, 66}, hex(0x8A6AA0));
  cairo_new_path(cr);
  ellipse(cr, 82, 26, 7, 7);
  setColor(cr, hex(0xFFF3C8));
  cairo_fill(cr);
  cairo_move_to(cr, 16, 66);
  cairo_curve_to(cr, 36, 40, 56, 46, 70, 54);
  cairo_curve_to(cr, 84, 44, 96, 48, 104, 52);
  cairo_line_to(cr, 104, 66);
  cairo_close_path(cr);
  setColor(cr, hex(0x243A2E));
  cairo_fill(cr);
  cairo_rectangle(cr, 16, 12, 88, 54);
  setColor(cr, kInk);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  limb(cr, {{60, 4}, {40, -10}}, 1, kInk, 0);  // the cord to its nail
  limb(cr, {{60, 4}, {80, -10}}, 1, kInk, 0);
}

void armchair(cairo_t* cr, double floor) {
  shadowOnFloor(cr, 66, floor, 36);
  for (double x : {40.0, 92.0}) leg(cr, x, floor - 10, floor);
  roundedRect(cr, 36, floor - 80, 58, 60, 16);
  shaded(cr, kLeather, {36, floor - 80}, {94, floor - 20});
  for (int i = 0; i < 3; ++i) {
    ellipse(cr, 52 + i * 13, floor - 60, 1.6, 1.6);
  }
  setColor(cr, darker(kLeather, 0.5));
  cairo_fill(cr);
  roundedRect(cr, 40, floor - 34, 50, 22, 8);
  shaded(cr, lighter(kLeather, 0.1), {0, floor - 34}, {0, floor - 12});
  for (double x : {28.0, 88.0}) {
    roundedRect(cr, x, floor - 50, 16, 42, 8);
    shaded(cr, kLeather, {x, floor - 50}, {x + 16, floor - 8});
  }
}

void wide(cairo_t* cr, int piece) {
  constexpr double floor = 115, tableFloor = 110;
  switch (piece) {
    case 0: sofa(cr, kVelvet, floor, false); break;
    case 1: sofa(cr, kLeather, floor, true); break;
    case 2: piano(cr, floor); break;
    case 3: chestOfDrawers(cr, tableFloor); break;
    case 4: painting(cr); break;
    default: armchair(cr, tableFloor); break;
  }
}

void grandfatherClock(cairo_t* cr) {
  roundedRect(cr, 9, 6, 32, 172, 5);
  shaded(cr, kWalnut, {9, 6}, {41, 178});
  ellipse(cr, 25, 28, 12, 12);
  flat(cr, kCream, 1.2);
  limb(cr, {{25, 28}, {25, 20}}, 1.4, kInk, 0);
  limb(cr, {{25, 28}, {31, 30}}, 1.4, kInk, 0);
  roundedRect(cr, 15, 50, 20, 90, 3);
  gradientFill(cr, {0, 50}, hex(0x2A1A14), {0, 140}, hex(0x120A08));
  cairo_new_path(cr);
  limb(cr, {{25, 52}, {22, 118}}, 1.2, kBrass, 0);
  ellipse(cr, 22, 122, 6, 6);
  flat(cr, kBrass, 1.0);
}

void curtainedWindow(cairo_t* cr) {
  cairo_rectangle(cr, 8, 14, 34, 110);
  gradientFill(cr, {0, 14}, hex(0x233872), {0, 124}, hex(0x101838));
  cairo_new_path(cr);
  glow(cr, 30, 36, 14, hex(0xDDE6FF), 0.8);
  cairo_rectangle(cr, 8, 14, 34, 110);
  setColor(cr, kCream);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  limb(cr, {{2, 8}, {48, 8}}, 3, kBrass, 1.0);
  for (int side = 0; side < 2; ++side) {
    const double x = side == 0 ? 2 : 34;
    cairo_move_to(cr, x, 8);
    cairo_line_to(cr, x + 14, 8);
    cairo_curve_to(cr, x + 10 + (side ? -6 : 6), 80, x + 16, 140, x + 14, 178);
    cairo_line_to(cr, x, 178);
    cairo_close_path(cr);
    shaded(cr, hex(0xA83A4A), {x, 0}, {x + 14, 0});
  }
}

void pottedPlant(cairo_t* cr, double floor) {
  shadowOnFloor(cr, 25, floor, 16);
  polygon(cr, {{12, floor - 28}, {38, floor - 28}, {34, floor}, {16, floor}});
  shaded(cr, hex(0xC0653A), {12, floor - 28}, {38, floor});
  Rng rng(5);
  for (int i = 0; i < 14; ++i) {
    const double a = -M_PI / 2 + rng.range(-1.3, 1.3), len = rng.range(30, 70);
    const Point tip{25 + std::cos(a) * len * 0.6, floor - 28 + std::sin(a) * len};
    cairo_move_to(cr, 25, floor - 28);
    cairo_curve_to(cr, 25, floor - 40, tip.x - 6, tip.y + 10, tip.x, tip.y);
    cairo_curve_to(cr, tip.x + 6, tip.y + 12, 28, floor - 40, 25, floor - 28);
    shaded(cr, mix(kLeaf, hex(0x2A5A30), rng.next()), {tip.x - 6, tip.y}, {25, floor - 28}, 1.0);
  }
}

void bookcase(cairo_t* cr) {
  roundedRect(cr, 3, 4, 44, 176, 2);
  shaded(cr, kWalnut, {3, 4}, {47, 180});
  Rng rng(11);
  for (int shelf = 0; shelf < 5; ++shelf) {
    const double y = 10 + shelf * 33;
    cairo_rectangle(cr, 7, y, 36, 28);
    setColor(cr, hex(0x24140C));
    cairo_fill(cr);
    for (double x = 8; x < 41;) {
      const double w = rng.range(3, 6), h = rng.range(18, 27);
      cairo_rectangle(cr, x, y + 28 - h, w, h);
      static constexpr Rgb spines[] = {hex(0x9C2F3A), hex(0x2F5FA8), hex(0x3F8A4A), hex(0xD9A23B),
                                       hex(0x6A4A8A)};
      shaded(cr, spines[rng.below(5)], {x, 0}, {x + w, 0}, 0.8);
      x += w + 0.5;
    }
    cairo_rectangle(cr, 5, y + 28, 40, 4);
    shaded(cr, kOak, {0, y + 28}, {0, y + 32}, 0.8);
  }
}

void floorLamp(cairo_t* cr, double floor) {
  shadowOnFloor(cr, 25, floor, 12);
  limb(cr, {{25, 30}, {25, floor - 4}}, 2.5, kBrass, 1.0);
  ellipse(cr, 25, floor - 3, 10, 3);
  flat(cr, kBrass, 1.0);
  glow(cr, 25, 26, 40, hex(0xFFD88A), 0.45);
  polygon(cr, {{14, 4}, {36, 4}, {44, 30}, {6, 30}});
  shaded(cr, hex(0xF4D9A0), {6, 4}, {44, 30});
}

void coatStand(cairo_t* cr) {
  limb(cr, {{25, 14}, {25, 176}}, 3, kWalnut, 1.0);
  limb(cr, {{12, 180}, {25, 166}, {38, 180}}, 3, kWalnut, 1.0);
  cairo_move_to(cr, 25, 18);
  cairo_curve_to(cr, 6, 30, 8, 80, 14, 110);
  cairo_line_to(cr, 30, 110);
  cairo_curve_to(cr, 30, 70, 34, 30, 25, 18);
  shaded(cr, hex(0x5A4A3A), {10, 18}, {30, 110});
  ellipse(cr, 25, 12, 11, 4);
  flat(cr, hex(0x3A3040), 1.2);
  roundedRect(cr, 18, 2, 14, 10, 4);
  flat(cr, hex(0x3A3040), 1.2);
}

void tallVase(cairo_t* cr) {
  shadowOnFloor(cr, 25, 178, 14);
  cairo_move_to(cr, 18, 100);
  cairo_curve_to(cr, 2, 130, 10, 170, 16, 178);
  cairo_line_to(cr, 34, 178);
  cairo_curve_to(cr, 40, 170, 48, 130, 32, 100);
  cairo_close_path(cr);
  shaded(cr, hex(0x2F5FA8), {10, 100}, {40, 178});
  for (int i = 0; i < 5; ++i) {
    const double x = 10 + i * 7.5, y = 40 + (i % 2) * 14;
    limb(cr, {{25, 100}, {x, y + 10}}, 1.4, kLeaf, 0.6);
    ellipse(cr, x, y + 6, 6, 8);
    flat(cr, i % 2 ? hex(0xF2E6A0) : hex(0xE87A8A), 1.0);
  }
}

void thin(cairo_t* cr, int piece) {
  switch (piece) {
    case 0: grandfatherClock(cr); break;
    case 1: coatStand(cr); break;
    case 2: curtainedWindow(cr); break;
    case 3: pottedPlant(cr, 110); break;  // stands at room y 80
    case 4: bookcase(cr); break;
    case 5: tallVase(cr); break;
    default: floorLamp(cr, 150); break;  // stands at room y 40
  }
}

constexpr int kSafeW = 60, kSafeH = 70;

void safe(cairo_t* cr) {
  roundedRect(cr, 1, 1, kSafeW - 2, kSafeH - 2, 4);
  shaded(cr, hex(0x5E6672), {0, 0}, {kSafeW, kSafeH});
  roundedRect(cr, 6, 6, kSafeW - 12, kSafeH - 12, 3);
  shaded(cr, hex(0x7D8796), {6, 6}, {kSafeW - 6, kSafeH - 6}, 1.2, 0.3);
  for (double x : {9.0, kSafeW - 9.0}) {
    for (double y : {9.0, kSafeH - 9.0}) {
      ellipse(cr, x, y, 1.5, 1.5);
      flat(cr, hex(0xC8D0DA), 0.6);
    }
  }
  ellipse(cr, 30, 30, 13, 13);
  shaded(cr, hex(0xC9CFD8), {18, 18}, {42, 42});
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    limb(cr, {{30 + 9 * std::cos(a), 30 + 9 * std::sin(a)}, {30 + 12 * std::cos(a), 30 + 12 * std::sin(a)}},
         0.8, kInk, 0);
  }
  ellipse(cr, 30, 30, 5, 5);
  shaded(cr, hex(0xB0303A), {26, 26}, {34, 34}, 1.0);
  limb(cr, {{22, 52}, {38, 52}}, 4, hex(0xD8DEE6), 1.2);
  glow(cr, 20, 18, 10, {1, 1, 1}, 0.35);
}

constexpr int kBoardW = 72, kBoardH = 62;
// Hooks where the keys hang: the game places them at these points relative to the board.
constexpr Point kHooks[4] = {{18, 16}, {30, 31}, {43, 16}, {56, 31}};

void keysBoard(cairo_t* cr) {
  roundedRect(cr, 1, 1, kBoardW - 2, kBoardH - 2, 5);
  shaded(cr, kOak, {0, 0}, {kBoardW, kBoardH});
  roundedRect(cr, 6, 6, kBoardW - 12, kBoardH - 12, 3);
  shaded(cr, hex(0x3A6A4A), {6, 6}, {kBoardW - 6, kBoardH - 6}, 1.0, 0.2);
  for (const Point& p : kHooks) {
    limb(cr, {{p.x, p.y - 2}, {p.x, p.y + 3}}, 2, kBrass, 0.8);
  }
  ellipse(cr, kBoardW / 2.0, 3, 2, 2);
  flat(cr, kBrass, 0.8);
}

}  // namespace

void addFurniture(Catalog& c, const Houses&) {
  c.add("wideinterior", kWideW, kWideH, 6, wide);
  c.add("thininterior", kThinW, kThinH, 7, thin);
  c.add("seif", kSafeW, kSafeH, 1, [](cairo_t* cr, int) { safe(cr); });
  c.add("keysboard", kBoardW, kBoardH, 1, [](cairo_t* cr, int) { keysBoard(cr); });
}

}  // namespace nk::art
