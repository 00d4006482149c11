// The ways between rooms: the right-wall doors of each house, the stairs, and the two lifts.
#include <cmath>
#include <string>

#include "tools/artgen/building.h"
#include "tools/artgen/families.h"

namespace nk::art {
namespace {

constexpr int kStairsW = 100, kStairsH = 200;
constexpr Rgb kStairWood = hex(0x8A5A35), kRunner = hex(0x9C2F3A);

void baluster(cairo_t* cr, double x, double top, double bottom) {
  limb(cr, {{x, top}, {x, bottom}}, 2.6, lighter(kStairWood, 0.15), 1.0);
}

void newel(cairo_t* cr, double x, double top, double bottom) {
  cairo_rectangle(cr, x - 4, top, 8, bottom - top);
  shaded(cr, kStairWood, {x - 4, 0}, {x + 4, 0});
  ellipse(cr, x, top - 3, 5, 5);
  shaded(cr, lighter(kStairWood, 0.2), {x - 5, top - 8}, {x + 5, top + 2});
}

// Rising from the floor at the left to the ceiling at the right, boxed in underneath.
void stairsUp(cairo_t* cr) {
  const int steps = 10;
  const double run = kStairsW / static_cast<double>(steps), rise = kFloorY / static_cast<double>(steps);
  cairo_move_to(cr, 0, kFloorY);
  for (int i = 0; i < steps; ++i) {
    cairo_line_to(cr, i * run, kFloorY - (i + 1) * rise);
    cairo_line_to(cr, (i + 1) * run, kFloorY - (i + 1) * rise);
  }
  cairo_line_to(cr, kStairsW, kFloorY);
  cairo_close_path(cr);
  shaded(cr, darker(kStairWood, 0.1), {0, kFloorY}, {kStairsW, 0});
  // the side of the flight: panels under the stringer
  for (int i = 2; i < steps; i += 3) {
    const double x = i * run + 4;
    polygon(cr, {{x, kFloorY - 6},
                 {x, kFloorY - (i + 1) * rise + 14},
                 {x + run * 2.2, kFloorY - (i + 3.2) * rise + 14},
                 {x + run * 2.2, kFloorY - 6}});
    shaded(cr, darker(kStairWood, 0.2), {x, kFloorY}, {x + run * 2, 0}, 1.0, 0.2);
  }
  // treads with their nosing and the red runner, so every step reads
  for (int i = 0; i < steps; ++i) {
    const double y = kFloorY - (i + 1) * rise;
    cairo_rectangle(cr, i * run - 1, y, run + 2, 4);
    shaded(cr, lighter(kStairWood, 0.25), {0, y}, {0, y + 4}, 1.0);
    cairo_rectangle(cr, i * run + 1, y - 1.5, run - 1, 2.5);
    setColor(cr, kRunner);
    cairo_fill(cr);
    cairo_rectangle(cr, i * run, y + 4, 2, rise - 4);  // the riser's shadow
    setColor(cr, darker(kStairWood, 0.45), 0.8);
    cairo_fill(cr);
  }
  // the stringer runs under the inner corners of the steps; balusters and the handrail above
  limb(cr, {{0, kFloorY + 8}, {kStairsW, kFloorY - steps * rise + 8}}, 6, darker(kStairWood, 0.05), 1.2);
  for (int i = 1; i < steps; ++i)
    baluster(cr, i * run + run / 2, kFloorY - (i + 1) * rise - 34, kFloorY - (i + 1) * rise);
  limb(cr, {{0, kFloorY - rise - 40}, {kStairsW, kFloorY - (steps + 1) * rise - 40}}, 4,
       lighter(kStairWood, 0.1), 1.2);
  newel(cr, 5, kFloorY - rise - 44, kFloorY);
}

// The top of a flight going down: a railed opening in the floor with the first steps below it.
void stairsDown(cairo_t* cr) {
  const double floorLine = kFloorY - 30;  // the picture is drawn 30 pixels lower
  cairo_rectangle(cr, 0, floorLine, kStairsW, 10);
  gradientFill(cr, {0, floorLine}, hex(0x150F18), {0, floorLine + 10}, hex(0x05030A));
  cairo_new_path(cr);
  for (int i = 0; i < 4; ++i) {
    cairo_rectangle(cr, kStairsW - 24 - i * 20, floorLine + 2 + i * 3, 22, 2);
    setColor(cr, lighter(kStairWood, 0.1), 0.8);
    cairo_fill(cr);
  }
  const double rail = floorLine - 52;
  cairo_rectangle(cr, 0, floorLine - 3, kStairsW, 4);
  shaded(cr, kStairWood, {0, floorLine - 3}, {0, floorLine + 1}, 1.0);
  for (double x = 14; x < kStairsW - 8; x += 9) baluster(cr, x, rail, floorLine - 2);
  limb(cr, {{4, rail}, {kStairsW - 4, rail}}, 5, lighter(kStairWood, 0.1), 1.2);
  newel(cr, 5, rail - 4, floorLine + 10);
  newel(cr, kStairsW - 5, rail - 4, floorLine + 10);
  // a small brass arrow on the newel post says which way
  polygon(cr, {{kStairsW - 5, rail + 40}, {kStairsW - 10, rail + 32}, {kStairsW, rail + 32}});
  flat(cr, hex(0xE0B85A), 1.0);
}

struct LiftLook {
  Rgb frame, door, cabin;
  bool cage;  // an old cage lift with folding grilles instead of sliding doors
};

constexpr int kLiftW = 110, kLiftH = 187;  // from room y 3 (2..10 by level) to the floor line

void liftCabin(cairo_t* cr, const LiftLook& look, Rect r) {
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  gradientFill(cr, {0, r.y}, lighter(look.cabin, 0.35), {0, r.y + r.h}, darker(look.cabin, 0.3));
  cairo_new_path(cr);
  glow(cr, r.x + r.w / 2, r.y + 6, r.w * 0.8, hex(0xFFE7B0), 0.55);
  for (double x = r.x + 8; x < r.x + r.w - 6; x += 16) {
    cairo_rectangle(cr, x, r.y + 14, 12, r.h - 40);
    setColor(cr, darker(look.cabin, 0.15), 0.5);
    cairo_fill(cr);
  }
  limb(cr, {{r.x + 4, r.y + r.h * 0.55}, {r.x + r.w - 4, r.y + r.h * 0.55}}, 3, look.frame, 1.0);
  cairo_rectangle(cr, r.x, r.y + r.h - 6, r.w, 6);
  setColor(cr, darker(look.cabin, 0.5));
  cairo_fill(cr);
}

void lift(cairo_t* cr, const LiftLook& look, int frame) {
  const int h = kLiftH;
  // surround and the floor dial above the doors
  roundedRect(cr, 1, 22, kLiftW - 2, h - 22, 3);
  shaded(cr, look.frame, {0, 22}, {kLiftW, h});
  cairo_move_to(cr, kLiftW / 2.0 - 22, 24);
  cairo_arc(cr, kLiftW / 2.0, 24, 22, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  shaded(cr, look.frame, {0, 2}, {0, 24});
  cairo_move_to(cr, kLiftW / 2.0 - 15, 22);
  cairo_arc(cr, kLiftW / 2.0, 22, 15, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  flat(cr, hex(0xF3EAD0), 1.0);
  const double needle = M_PI + M_PI * (0.2 + 0.2 * frame);
  limb(cr, {{kLiftW / 2.0, 22}, {kLiftW / 2.0 + 12 * std::cos(needle), 22 + 12 * std::sin(needle)}}, 1.5,
       hex(0xB0302A), 0);
  glow(cr, kLiftW / 2.0, 10, 10, hex(0xFFD27A), frame > 0 ? 0.8 : 0.3);

  const Rect opening{9, 32, kLiftW - 18.0, h - 34.0};
  liftCabin(cr, look, opening);
  const double open = frame / 3.0;  // 0 closed .. 1 open
  if (look.cage) {
    // a folding brass grille pushed to the sides
    for (int side = 0; side < 2; ++side) {
      const double w = opening.w / 2 * (1 - open * 0.8);
      const double x0 = side == 0 ? opening.x : opening.x + opening.w - w;
      cairo_save(cr);
      cairo_rectangle(cr, x0, opening.y, w, opening.h);
      cairo_clip(cr);
      setColor(cr, kInk);
      cairo_set_line_width(cr, 3.2);
      const double step = std::max(4.0, 9 * (1 - open * 0.6));
      for (double d = -opening.h; d < w + opening.h; d += step) {
        cairo_move_to(cr, x0 + d, opening.y);
        cairo_line_to(cr, x0 + d + opening.h * 0.35, opening.y + opening.h);
        cairo_move_to(cr, x0 + d, opening.y);
        cairo_line_to(cr, x0 + d - opening.h * 0.35, opening.y + opening.h);
      }
      cairo_stroke_preserve(cr);
      setColor(cr, look.door);
      cairo_set_line_width(cr, 1.6);
      cairo_stroke(cr);
      cairo_restore(cr);
      limb(cr, {{side == 0 ? x0 + w : x0, opening.y}, {side == 0 ? x0 + w : x0, opening.y + opening.h}}, 3,
           look.door, 1.0);
    }
  } else {
    for (int side = 0; side < 2; ++side) {
      const double w = opening.w / 2 * (1 - open);
      if (w < 1) continue;
      const double x0 = side == 0 ? opening.x : opening.x + opening.w - w;
      cairo_rectangle(cr, x0, opening.y, w, opening.h);
      shaded(cr, look.door, {x0, opening.y}, {x0 + w, opening.y + opening.h}, 1.2, 0.22);
      cairo_rectangle(cr, x0 + 3, opening.y + 3, std::max(0.0, w - 6), opening.h * 0.4);
      setColor(cr, {1, 1, 1}, 0.12);
      cairo_fill(cr);
    }
  }
  roundedRect(cr, opening.x, opening.y, opening.w, opening.h, 1);
  setColor(cr, kInk);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // the call button
  ellipse(cr, kLiftW - 5, 110, 2.6, 2.6);
  flat(cr, frame > 0 ? hex(0xFF8A4A) : hex(0x7A3A2A), 0.8);
}

}  // namespace

void addPassages(Catalog& c, const Houses& houses) {
  for (int level = 1; level <= 6; ++level) {
    const House& h = houses.level(level);
    const LevelGeometry& g = geometryOf(level);
    const int w = kRoom - g.doorX, height = kFloorY - g.doorY + g.contentShift;
    c.add("level" + std::to_string(level) + "doors", w, height, 2, [&h, w, height](cairo_t* cr, int f) {
      door(cr, h, {0, 0, static_cast<double>(w), static_cast<double>(height)}, f == 1);
    });
  }
  static const LiftLook steel{hex(0x8E98A8), hex(0xB8C2CF), hex(0xC9A77A), false};
  static const LiftLook brass{hex(0xB8893E), hex(0xD9AE55), hex(0x8B5A3A), true};
  c.add("level1lift", kLiftW, kLiftH, 4, [](cairo_t* cr, int f) { lift(cr, steel, f); });
  c.add("level2lift", kLiftW, kLiftH, 4, [](cairo_t* cr, int f) { lift(cr, brass, f); });
  c.add("level1stairs", kStairsW, kStairsH, 2,
        [](cairo_t* cr, int f) { f == 0 ? stairsUp(cr) : stairsDown(cr); });
}

}  // namespace nk::art
