// The rooms of each house (lit and dark), the translucent left wall, and the garden around the house.
#include <cmath>
#include <string>

#include "tools/artgen/building.h"
#include "tools/artgen/families.h"

namespace nk::art {
namespace {

constexpr int kWainscotTop = 134, kSkirtingTop = 182;

void interior(cairo_t* cr, const House& h, int wallX) {
  wallpaper(cr, h, {0, 9, static_cast<double>(wallX), kWainscotTop - 9.0});
  cairo_rectangle(cr, 0, kWainscotTop, wallX, kSkirtingTop - kWainscotTop);
  shaded(cr, h.wainscot, {0, kWainscotTop}, {0, kSkirtingTop}, 0, 0.18);
  for (double x = 6; x + 30 < wallX; x += 36) {
    roundedRect(cr, x, kWainscotTop + 9, 28, kSkirtingTop - kWainscotTop - 16, 2);
    shaded(cr, darker(h.wainscot, 0.08), {0, kSkirtingTop}, {0, kWainscotTop}, 1.0, 0.22);
  }
  // chair rail, skirting board and cornice in the trim colour
  for (const Rect& r : {Rect{0, kWainscotTop - 3.0, static_cast<double>(wallX), 5},
                        Rect{0, static_cast<double>(kSkirtingTop), static_cast<double>(wallX), 8},
                        Rect{0, 0, static_cast<double>(wallX), 9}}) {
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    shaded(cr, h.trim, {0, r.y}, {0, r.y + r.h}, 0, 0.25);
    cairo_rectangle(cr, r.x, r.y + r.h - 1, r.w, 1);
    setColor(cr, darker(h.trim, 0.55));
    cairo_fill(cr);
  }
  innerWall(cr, h, {static_cast<double>(wallX), 0, kRoom - static_cast<double>(wallX), kFloorY});
  floorBand(cr, h, {0, kFloorY, kRoom, kRoom - kFloorY});
}

// The warm light of a lit room: a ceiling lamp's glow, darker corners.
void lamplight(cairo_t* cr, const House& h, int wallX) {
  const double cx = wallX * 0.5;
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, wallX, kFloorY);
  cairo_clip(cr);
  glow(cr, cx, 20, 150, h.lamp, 0.32);
  cairo_rectangle(cr, 0, 0, wallX, kFloorY);
  const Rgb shadow{0.08, 0.04, 0.02};
  linearFill(cr, {0, 0}, {static_cast<double>(wallX), 0},
             {{0, shadow, 0.35}, {0.18, shadow, 0}, {0.85, shadow, 0}, {1, shadow, 0.3}});
  cairo_restore(cr);
  // the lamp itself, flush with the ceiling
  cairo_move_to(cr, cx - 11, 9);
  cairo_curve_to(cr, cx - 11, 17, cx + 11, 17, cx + 11, 9);
  cairo_close_path(cr);
  shaded(cr, lighter(h.lamp, 0.5), {cx, 9}, {cx, 17}, 1.2, 0.1);
  glow(cr, cx, 16, 22, lighter(h.lamp, 0.4), 0.7);
}

// A window in the back wall looking at the night sky.
void nightWindow(cairo_t* cr, const House& h, Rect r) {
  roundedRect(cr, r.x - 3, r.y - 3, r.w + 6, r.h + 6, 2);
  shaded(cr, h.trim, {r.x, r.y}, {r.x + r.w, r.y + r.h});
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  gradientFill(cr, {0, r.y}, hex(0x2B3F7A), {0, r.y + r.h}, hex(0x121A3D));
  cairo_new_path(cr);
  glow(cr, r.x + r.w * 0.7, r.y + r.h * 0.3, r.w * 0.5, hex(0xCFE0FF), 0.6);
  ellipse(cr, r.x + r.w * 0.7, r.y + r.h * 0.3, 5, 5);
  setColor(cr, hex(0xF4F1DC));
  cairo_fill(cr);
  setColor(cr, h.trim);
  cairo_rectangle(cr, r.x + r.w / 2 - 1.5, r.y, 3, r.h);
  cairo_rectangle(cr, r.x, r.y + r.h / 2 - 1.5, r.w, 3);
  cairo_fill(cr);
}

// Five unvisited rooms, each dark in its own way.
void darkRoom(cairo_t* cr, const House& h, int wallX, int variant) {
  interior(cr, h, wallX);
  switch (variant) {
    case 0: nightWindow(cr, h, {34, 36, 46, 58}); break;
    case 1:  // furniture under a dust sheet
      cairo_move_to(cr, 18, 190);
      cairo_curve_to(cr, 18, 140, 36, 128, 62, 132);
      cairo_curve_to(cr, 90, 120, 112, 140, 114, 190);
      cairo_close_path(cr);
      shaded(cr, hex(0xD8D8E4), {40, 125}, {100, 190});
      for (const double x : {44.0, 66.0, 90.0}) {  // the folds of the sheet
        cairo_move_to(cr, x, 140);
        cairo_curve_to(cr, x - 4, 160, x + 4, 172, x - 2, 189);
      }
      setColor(cr, hex(0x9A9AB0));
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      break;
    case 2:  // a picture frame and a cobweb
      roundedRect(cr, 38, 34, 56, 42, 2);
      shaded(cr, h.metal, {38, 34}, {94, 76});
      cairo_rectangle(cr, 44, 40, 44, 30);
      flat(cr, darker(h.fabric, 0.4), 1.0);
      setColor(cr, hex(0xE0E0F0), 0.7);
      cairo_set_line_width(cr, 0.7);
      for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, 0, 9);
        cairo_line_to(cr, 34 * std::cos(i * M_PI / 8), 9 + 34 * std::sin(i * M_PI / 8));
      }
      for (double rr = 8; rr < 34; rr += 8) cairo_arc(cr, 0, 9, rr, 0, M_PI / 2);
      cairo_stroke(cr);
      break;
    case 3:  // drawn curtains
      nightWindow(cr, h, {40, 30, 50, 66});
      for (int side = 0; side < 2; ++side) {
        const double x = side == 0 ? 32 : 66;
        cairo_rectangle(cr, x, 26, 32, 78);
        shaded(cr, h.fabric, {x, 0}, {x + 32, 0}, kLine, 0.3);
      }
      break;
    default:  // a tall clock in the corner
      roundedRect(cr, 96, 60, 26, 130, 4);
      shaded(cr, h.wood, {96, 60}, {122, 190});
      ellipse(cr, 109, 78, 9, 9);
      flat(cr, hex(0xEDE6CF), 1.0);
      break;
  }
  nightVeil(cr, {0, 0, kRoom, kRoom}, 0.8);
  if (variant == 0 || variant == 3) {  // moonlight falling in
    const double x = variant == 0 ? 57 : 65;
    polygon(cr, {{x - 6, 50}, {x + 6, 50}, {x + 50, 190}, {x + 10, 190}});
    gradientFill(cr, {0, 50}, hex(0xBFD2FF), {0, 190}, hex(0xBFD2FF), 0.1);
    cairo_new_path(cr);
  }
}

void outerColumn(cairo_t* cr, const House& h, bool groundFloor) {
  outerWall(cr, h, {0, 0, kRoom, kRoom});
  if (groundFloor) {
    cairo_rectangle(cr, 0, 168, kRoom, 32);
    shaded(cr, darker(h.mortar, 0.1), {0, 168}, {0, 200}, 0, 0.2);
    for (double x = 152; x < kRoom; x += 16) {
      roundedRect(cr, x, 172, 14, 12, 3);
      shaded(cr, mix(h.mortar, hex(0x888898), 0.5), {x, 172}, {x + 14, 184}, 0.8);
    }
    cairo_rectangle(cr, 0, 167, kRoom, 3);
    setColor(cr, lighter(h.outer, 0.2));
    cairo_fill(cr);
  }
  nightVeil(cr, {0, 0, kRoom, kRoom}, 0.45);
  // the corner of the house catches the moon; the inner edge falls into shadow
  cairo_rectangle(cr, kOuterWallX, 0, 3, kRoom);
  setColor(cr, hex(0xBCC8F0), 0.25);
  cairo_fill(cr);
  cairo_rectangle(cr, kRoom - 4, 0, 4, kRoom);
  setColor(cr, kInk, 0.6);
  cairo_fill(cr);
}

void walls(cairo_t* cr, const House& h, int frame) {
  const int wallX = geometryOf(h.level).doorX;
  if (frame < 2) {
    outerColumn(cr, h, frame == 1);
  } else if (frame == 2) {
    interior(cr, h, wallX);
    lamplight(cr, h, wallX);
  } else {
    darkRoom(cr, h, wallX, frame - 3);
  }
}

constexpr int kBackdoorW = 101;

void backdoor(cairo_t* cr, const House& h, int frame) {
  const LevelGeometry& g = geometryOf(h.level);
  const double wallLeft = g.doorX - kRoom - g.backdoorX, wallW = kRoom - g.doorX;
  const double doorTop = g.doorY - g.contentShift;
  if (frame <= 2) {
    innerWall(cr, h, {wallLeft, 0, wallW, kFloorY});
    floorBand(cr, h, {wallLeft, kFloorY, wallW, kRoom - kFloorY});
    if (frame > 0) door(cr, h, {wallLeft, doorTop, wallW, kFloorY - doorTop}, frame == 2);
    return;
  }
  const double outerLeft = kOuterWallX - kRoom - g.backdoorX, outerW = kRoom - kOuterWallX;
  outerWall(cr, h, {outerLeft, 0, outerW, kRoom});
  nightVeil(cr, {outerLeft, 0, outerW, kRoom}, 0.35);
  if (frame == 3) {
    entranceDoor(cr, h, {outerLeft + 4, 84, outerW - 8, kFloorY - 84});
    cairo_rectangle(cr, outerLeft - 2, kFloorY, outerW + 4, 4);
    shaded(cr, hex(0x9A9AA6), {0, kFloorY}, {0, kFloorY + 4}, 1.0);
  }
}

// The garden around the house: a seamless tile of night foliage with glimpses of sky.
void leaf(cairo_t* cr, const House& h, Rng& rng, double x, double y, double size) {
  const std::string& kind = h.leavesKind;
  Rgb c = h.leaves;
  if (kind == "autumn") c = mix(c, rng.next() < 0.5 ? hex(0xD9A03A) : hex(0x8E2A1E), rng.range(0, 0.7));
  c = mix(c, darker(c, 0.4), rng.next() * 0.6);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, rng.range(0, 2 * M_PI));
  if (kind == "pine") {
    limb(cr, {{-size, 0}, {size, 0}}, 2, darker(c, 0.2), 0.8);
    for (double t = -size; t < size; t += 3) {
      limb(cr, {{t, 0}, {t + 3, -5}}, 1.4, c, 0);
      limb(cr, {{t, 0}, {t + 3, 5}}, 1.4, c, 0);
    }
    ellipse(cr, 0, -3, size * 0.6, 2.2);
    setColor(cr, hex(0xE8EEFF), 0.85);
    cairo_fill(cr);
  } else if (kind == "ivy" || kind == "vine") {
    for (int i = -1; i <= 1; ++i)
      ellipse(cr, i * size * 0.45, -std::abs(i) * size * 0.1, size * 0.5, size * 0.5);
    cairo_move_to(cr, -size * 0.5, size * 0.2);
    cairo_line_to(cr, 0, size * 0.9);
    cairo_line_to(cr, size * 0.5, size * 0.2);
    shaded(cr, c, {-size, -size}, {size, size}, 1.0, 0.3);
    if (kind == "vine" && rng.next() < 0.25) {
      for (int i = 0; i < 6; ++i)
        ellipse(cr, size + (i % 3) * 2.6 - (i / 3) * 1.3, size + (i / 3) * 2.6, 1.8, 1.8);
      shaded(cr, hex(0x5A3A7A), {size, size}, {size + 6, size + 6}, 0.6);
    }
  } else {
    const double len = kind == "palm" ? size * 1.8 : size, wid = kind == "palm" ? size * 0.22 : size * 0.5;
    ellipse(cr, 0, 0, len, wid);
    shaded(cr, c, {-len, -wid}, {len, wid}, 1.0, 0.3);
    limb(cr, {{-len * 0.8, 0}, {len * 0.8, 0}}, 0.6, darker(c, 0.3), 0);
  }
  cairo_restore(cr);
}

void garden(cairo_t* cr, const House& h) {
  setColor(cr, h.sky);
  cairo_paint(cr);
  Rng stars(h.level * 7919);
  for (int i = 0; i < 22; ++i) {
    const double x = stars.range(0, kRoom), y = stars.range(0, kRoom), r = stars.range(0.5, 1.4);
    wrapped(cr, kRoom, kRoom, [&] { glow(cr, x, y, r * 3, hex(0xDDE6FF), 0.8); });
  }
  Rng rng(h.level * 104729);
  for (int cluster = 0; cluster < 30; ++cluster) {
    const double cx = rng.range(0, kRoom), cy = rng.range(0, kRoom);
    const int leaves = 7 + rng.below(6);
    const uint64_t seed = static_cast<uint64_t>(cluster) * 31 + static_cast<uint64_t>(h.level);
    wrapped(cr, kRoom, kRoom, [&] {
      Rng local(seed);
      glow(cr, cx, cy, 30, darker(h.leaves, 0.7), 0.8);
      for (int i = 0; i < leaves; ++i) {
        const double a = local.range(0, 2 * M_PI), d = local.range(0, 18);
        leaf(cr, h, local, cx + std::cos(a) * d, cy + std::sin(a) * d, local.range(6, 11));
      }
    });
  }
  nightVeil(cr, {0, 0, kRoom, kRoom}, 0.35);
}

}  // namespace

void addRooms(Catalog& c, const Houses& houses) {
  for (int level = 1; level <= 6; ++level) {
    const House& h = houses.level(level);
    const std::string n = std::to_string(level);
    c.add("level" + n + "walls", kRoom, kRoom, 8, [&h](cairo_t* cr, int f) { walls(cr, h, f); });
    c.add("level" + n + "backdoors", kBackdoorW, kRoom, 5, [&h](cairo_t* cr, int f) { backdoor(cr, h, f); });
  }
  c.add("fon", kRoom, kRoom, 6, [&houses](cairo_t* cr, int f) { garden(cr, houses.level(f + 1)); });
}

}  // namespace nk::art
