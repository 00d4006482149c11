// The burglar: mask, striped jumper, flat cap and his sack; every action he plays, his soul
// rising after a shot, and the thought bubble of a missing key.
#include <cmath>

#include "tools/artgen/characters.h"
#include "tools/artgen/families.h"
#include "tools/artgen/figure.h"
#include "tools/artgen/pickups.h"
#include "tools/artgen/text.h"

namespace nk::art {
namespace {

constexpr int kW = 60, kH = 120;
constexpr Rgb kJumper = hex(0x2B2F4A), kStripe = hex(0xE9E4D4), kSack = hex(0xB08A5A), kCap = hex(0x25232E);

enum class Held { Nothing, Key, Dial, Loot };

// keyTurn: how far the key in his hand is turned in the lock, 0 .. 1 (a quarter turn).
Build burglarBuild(Held held, double keyTurn) {
  Build b;
  b.body = {kH, 30, 22, 21, 31, 16, 15, 11.5, 7.5, 21, 3};
  b.skin = hex(0xF2C9A0);
  b.top = kJumper;
  b.trousers = hex(0x2A2A33);
  b.shoes = hex(0x1C1A22);
  b.gloves = hex(0x3A3A46);
  b.torsoDetail = [](cairo_t* cr, const Joints& j, const Pose&) {
    for (double y = j.neck.y + 4; y < j.hip.y + 4; y += 7) {
      cairo_rectangle(cr, j.hip.x - 30, y, 60, 3.2);
    }
    setColor(cr, kStripe);
    cairo_fill(cr);
  };
  b.behind = [](cairo_t* cr, const Joints& j, const Pose& p) {
    // the sack hangs on his back from a strap across the chest
    const double lean = p.lean * M_PI / 180;
    const Point c{j.neck.x - 12 * std::cos(lean) - 3, j.neck.y + 16 + 6 * std::sin(lean)};
    cairo_move_to(cr, c.x + 4, c.y - 14);
    cairo_curve_to(cr, c.x + 14, c.y - 8, c.x + 12, c.y + 16, c.x + 2, c.y + 18);
    cairo_curve_to(cr, c.x - 10, c.y + 20, c.x - 14, c.y + 4, c.x - 8, c.y - 10);
    cairo_close_path(cr);
    shaded(cr, kSack, {c.x - 10, c.y - 10}, {c.x + 10, c.y + 18});
    limb(cr, {{c.x - 2, c.y - 12}, {c.x + 5, c.y - 16}}, 3, darker(kSack, 0.2), 1.0);
    // a patch sewn on the sack
    cairo_rectangle(cr, c.x - 5, c.y + 2, 7, 6);
    flat(cr, darker(kSack, 0.25), 0.8);
  };
  b.face = [](cairo_t* cr, Point h, double r, const Pose& p) {
    // stubble, then the black mask band across the eyes
    ellipse(cr, h.x + r * 0.35 * p.turn, h.y + r * 0.55, r * 0.55, r * 0.35);
    setColor(cr, hex(0x6A5A6A), 0.35);
    cairo_fill(cr);
    cairo_save(cr);
    ellipse(cr, h.x, h.y, r + 0.5, r + 0.5);
    cairo_clip(cr);
    cairo_rectangle(cr, h.x - r - 2, h.y - r * 0.45, 2 * r + 4, r * 0.62);
    setColor(cr, hex(0x111018));
    cairo_fill(cr);
    cairo_restore(cr);
    // the mask's knot flutters behind his head
    const double back = -p.turn;
    if (std::abs(back) > 0.3) {
      limb(cr, {{h.x + back * r * 0.9, h.y - r * 0.15}, {h.x + back * (r + 6), h.y - r * 0.05 + 3}}, 2.2,
           hex(0x111018), 0.6);
    }
  };
  b.hat = [](cairo_t* cr, Point h, double r, const Pose& p) {
    cairo_move_to(cr, h.x - r * 1.02, h.y - r * 0.3);
    cairo_curve_to(cr, h.x - r * 1.05, h.y - r * 1.35, h.x + r * 1.05, h.y - r * 1.35, h.x + r * 1.02,
                   h.y - r * 0.3);
    cairo_close_path(cr);
    shaded(cr, kCap, {h.x - r, h.y - r}, {h.x + r, h.y});
    // the peak points the way he looks
    const double peak = p.turn * r * 0.9;
    if (std::abs(p.turn) > 0.15) {
      ellipse(cr, h.x + peak, h.y - r * 0.38, r * 0.75 * std::abs(p.turn), r * 0.2);
    } else {
      ellipse(cr, h.x, h.y - r * 0.3, r * 0.9, r * 0.18);
    }
    flat(cr, darker(kCap, 0.2), 1.2);
  };
  b.inHand = [held, keyTurn](cairo_t* cr, const Joints& j, const Pose&) {
    const Point hand = j.frontHand;
    switch (held) {
      case Held::Key:
        // held by the bow, pointing into the lock; turning it narrows the bow we see
        cairo_save(cr);
        cairo_translate(cr, hand.x - 2, hand.y);
        cairo_rotate(cr, -M_PI / 2);
        cairo_scale(cr, std::cos(keyTurn * M_PI / 2) * 0.75 + 0.25, 1);
        drawKey(cr, hex(0xE8C14A), 0.7);
        cairo_restore(cr);
        break;
      case Held::Dial:  // the clicks he listens for
        for (int i = 0; i < 3; ++i) {
          const double a = (-60 + i * 45) * M_PI / 180;
          limb(cr,
               {{hand.x + 6 * std::cos(a), hand.y - 4 + 6 * std::sin(a)},
                {hand.x + 10 * std::cos(a), hand.y - 4 + 10 * std::sin(a)}},
               1.2, hex(0xFFF0A0), 0);
        }
        break;
      case Held::Loot:
        cairo_save(cr);
        cairo_translate(cr, hand.x - 8, hand.y - 10);
        drawBanknote(cr, 0.3);
        cairo_restore(cr);
        glow(cr, hand.x, hand.y - 6, 12, hex(0xFFF0A0), 0.6);
        break;
      case Held::Nothing: break;
    }
  };
  return b;
}

// His sneaking walk: bent knees, leaning into each step.
Pose walk(int frame) {
  const double phase = frame * 2 * M_PI / 8;
  Pose p;
  p.lean = 9;
  p.frontLeg = {26 * std::sin(phase) + 4, 14 + 26 * std::max(0.0, std::sin(phase + 1.8))};
  p.backLeg = {-26 * std::sin(phase) + 4, 14 + 26 * std::max(0.0, std::sin(phase + 1.8 + M_PI))};
  p.frontArm = {-26 * std::sin(phase) + 10, 40};
  p.backArm = {26 * std::sin(phase) + 10, 40};
  p.mouth = Mouth::Smile;
  return p;
}

Pose standing() {
  Pose p;
  p.lean = 4;
  p.frontLeg = {6, 8};
  p.backLeg = {-6, 8};
  p.frontArm = {10, 25};
  p.backArm = {-6, 25};
  return p;
}

// Head turning from the way he faces, to us, over his shoulder and back.
Pose lookingRound(int frame) {
  Pose p = standing();
  const double t = std::cos(frame * 2 * M_PI / 14);
  p.turn = t;
  p.look = {t >= 0 ? 1.0 : -1.0, -0.2};
  p.frontArm = {40 - 20 * t, 70};  // a hand raised to his chin while he thinks
  p.lean = 2 + 4 * t;
  p.mouth = Mouth::Flat;
  return p;
}

Pose taking(int frame) {
  static const double reach[5] = {0, 0.45, 1, 1, 0.4};
  const double r = reach[frame];
  Pose p = standing();
  p.shift = -8 * r;
  p.lean = 6 + 18 * r;
  p.frontLeg = {14 + 18 * r, 12 + 30 * r};
  p.backLeg = {-10 - 6 * r, 10 + 10 * r};
  p.frontArm = {20 + 45 * r, 30 - 20 * r};
  p.backArm = {-20 - 10 * r, 30};
  p.look = {1, 0.5};
  p.mouth = frame == 3 ? Mouth::Grin : Mouth::Flat;
  return p;
}

Pose keyWork(int frame) {
  Pose p = standing();
  p.lean = 4;
  p.shift = -9;
  const double inserted = std::min(1.0, frame / 2.0);
  p.frontArm = {50 + 25 * inserted, 40 - 20 * inserted};
  p.backArm = {-4, 30};
  p.frontLeg = {14, 16};
  p.backLeg = {-10, 10};
  p.look = {1, 0.1};
  p.mouth = frame >= 3 && frame <= 7 ? Mouth::Flat : Mouth::Smile;
  return p;
}

Pose safeWork(int frame) {
  Pose p = standing();
  p.lean = 12;
  p.shift = -8;
  p.frontLeg = {18, 24};
  p.backLeg = {-12, 18};
  if (frame == 0) {
    p.frontArm = {50, 30};
  } else if (frame < 9) {
    // ear to the door, one hand on the dial, twiddling
    p.tilt = -8;
    p.frontArm = {62 + 6 * std::sin(frame * 1.7), 16};
    p.backArm = {30, 95};
    p.blink = frame % 3 == 1;
    p.mouth = Mouth::Flat;
  } else if (frame == 9) {
    p.lean = -6;
    p.frontArm = {70, 10};
    p.backArm = {55, 20};
    p.mouth = Mouth::Open;
  } else {
    p.lean = 0;
    p.shift = 0;
    p.frontArm = {165, 10};
    p.backArm = {150, 20};
    p.turn = 0.4;
    p.mouth = Mouth::Grin;
  }
  return p;
}

Pose climbing(int frame) {
  Pose p;
  const bool left = frame == 0;
  p.lean = 6;
  p.frontLeg = left ? Joint{70, 95} : Joint{2, 4};
  p.backLeg = left ? Joint{-2, 4} : Joint{70, 95};
  p.frontArm = left ? Joint{150, 10} : Joint{110, 40};
  p.backArm = left ? Joint{110, 40} : Joint{150, 10};
  p.tilt = 12;
  p.look = {0.6, -0.8};
  p.mouth = Mouth::Flat;
  return p;
}

Pose frightened() {
  Pose p;
  p.lean = -8;
  p.turn = 0.25;
  p.frontLeg = {12, 26};
  p.backLeg = {-12, 26};
  p.frontArm = {150, -30};
  p.backArm = {-150, 30};
  p.wideEyes = true;
  p.look = {0, 0};
  p.mouth = Mouth::Open;
  return p;
}

Pose lookingUp() {
  Pose p = standing();
  p.turn = 0.6;
  p.tilt = 30;
  p.look = {0.3, -1};
  p.mouth = Mouth::Open;
  p.frontArm = {30, 80};
  p.backArm = {20, 90};
  return p;
}

Pose atEase() {
  Pose p = standing();
  p.turn = 0.35;
  p.look = {0.4, 0};
  p.frontArm = {6, 10};
  p.backArm = {-4, 10};
  return p;
}

void drawBurglar(cairo_t* cr, const Pose& pose, Held held = Held::Nothing, double keyTurn = 0) {
  drawFigure(cr, burglarBuild(held, keyTurn), pose);
}

// His soul: a little masked ghost flapping upwards.
void soul(cairo_t* cr, int frame) {
  const double flap = std::sin(frame * 2 * M_PI / 6);
  for (int side = -1; side <= 1; side += 2) {
    cairo_save(cr);
    cairo_translate(cr, 20 + side * 8, 20);
    cairo_scale(cr, side, 1);
    cairo_rotate(cr, -0.5 + flap * 0.45);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 6, -14, 16, -10, 16, -4);
    cairo_curve_to(cr, 12, -2, 14, 2, 8, 4);
    cairo_close_path(cr);
    shaded(cr, hex(0xF4F8FF), {0, -12}, {16, 4}, 1.2);
    cairo_restore(cr);
  }
  cairo_move_to(cr, 10, 46);
  cairo_curve_to(cr, 6, 30, 6, 8, 20, 8);
  cairo_curve_to(cr, 34, 8, 34, 30, 30, 46);
  cairo_line_to(cr, 26, 42);
  cairo_line_to(cr, 20, 47);
  cairo_line_to(cr, 14, 42);
  cairo_close_path(cr);
  shaded(cr, hex(0xE8F0FF), {8, 8}, {32, 46}, 1.4, 0.15);
  cairo_rectangle(cr, 8, 16, 24, 6);
  setColor(cr, hex(0x111018), 0.85);
  cairo_fill(cr);
  for (double x : {16.0, 24.0}) {
    ellipse(cr, x, 19, 2, 2);
    setColor(cr, {1, 1, 1});
    cairo_fill(cr);
  }
  ellipse(cr, 20, 2, 7, 2);
  setColor(cr, hex(0xFFE680));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

void thoughtBubble(cairo_t* cr) {
  const auto cloud = [&] {
    const Point puffs[] = {{30, 40}, {55, 24}, {88, 22}, {118, 34}, {130, 56}, {108, 72}, {74, 76}, {40, 68}};
    for (const Point& p : puffs) ellipse(cr, p.x, p.y, 26, 22);
  };
  cloud();
  setColor(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cloud();
  gradientFill(cr, {0, 0}, hex(0xFFFFFF), {0, 96}, hex(0xD8E0F0));
  cairo_new_path(cr);
  // little puffs lead to his head, just right of the bubble
  for (const auto& [x, y, r] : {std::tuple{153.0, 66.0, 6.5}, {163.0, 52.0, 4.0}}) {
    ellipse(cr, x, y, r, r);
    flat(cr, hex(0xEEF2FA), 1.6);
  }
  cairo_save(cr);
  cairo_translate(cr, 52, 24);
  cairo_rotate(cr, -0.5);
  drawKey(cr, hex(0xC9CED8), 1.2);
  cairo_restore(cr);
  caption(cr, "?", 100, 22, {{kDisplayFace, 46}, hex(0xFF6A5A), hex(0xC0202A), 2, 0});
}

}  // namespace

void drawBurglarWalking(cairo_t* cr, int frame) { drawBurglar(cr, walk(frame)); }
void drawBurglarCheering(cairo_t* cr) { drawBurglar(cr, safeWork(10)); }
void drawBurglarFrightened(cairo_t* cr) { drawBurglar(cr, frightened()); }

void addBurglar(Catalog& c, const Houses&) {
  c.add("vor_idet", kW, kH, 8, [](cairo_t* cr, int f) { drawBurglar(cr, walk(f)); });
  c.add("vor_oglyad", kW, kH, 14, [](cairo_t* cr, int f) { drawBurglar(cr, lookingRound(f)); });
  c.add("vor_stoit", kW, kH, 1, [](cairo_t* cr, int) { drawBurglar(cr, atEase()); });
  c.add("vor_take", kW, kH, 5,
        [](cairo_t* cr, int f) { drawBurglar(cr, taking(f), f >= 3 ? Held::Loot : Held::Nothing); });
  c.add("vor_openwithkey", kW, kH, 9, [](cairo_t* cr, int f) {
    static const double turn[9] = {0, 0, 0, 0.35, 0.7, 1, 0.7, 1, 0.3};
    drawBurglar(cr, keyWork(f), Held::Key, turn[f]);
  });
  c.add("vor_crush", kW, kH, 11, [](cairo_t* cr, int f) {
    drawBurglar(cr, safeWork(f), f >= 1 && f < 9 ? Held::Dial : Held::Nothing);
  });
  c.add("vor_onstairs", kW, kH, 2, [](cairo_t* cr, int f) { drawBurglar(cr, climbing(f)); });
  c.add("vor_scare", kW, kH, 1, [](cairo_t* cr, int) { drawBurglar(cr, frightened()); });
  c.add("vor_lookup", kW, kH, 1, [](cairo_t* cr, int) { drawBurglar(cr, lookingUp()); });
  c.add("heart", 40, 50, 6, soul);
  c.add("think", 170, 100, 1, [](cairo_t* cr, int) { thoughtBubble(cr); });
}

}  // namespace nk::art
