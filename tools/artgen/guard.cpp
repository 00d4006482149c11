// The guard: a stout night watchman who turns, draws his pistol and fires.
#include <cmath>

#include "tools/artgen/characters.h"
#include "tools/artgen/families.h"
#include "tools/artgen/figure.h"

namespace nk::art {
namespace {

constexpr int kW = 80, kH = 115;
constexpr Rgb kUniform = hex(0x2C3E6E), kGun = hex(0x2A2C33);

struct GuardFrame {
  Pose pose;
  bool gunOut = false;
  double flash = 0;  // muzzle flash size, 0 for none
  double smoke = 0;
};

void gunAndFlash(cairo_t* cr, const Joints& j, const GuardFrame& f) {
  if (!f.gunOut) return;
  const double a = (90 - j.frontForearm) * M_PI / 180;  // barrel direction on screen
  cairo_save(cr);
  cairo_translate(cr, j.frontHand.x, j.frontHand.y);
  cairo_rotate(cr, a);
  polygon(cr, {{-3, -3}, {12, -3}, {12, 1}, {2, 1}, {1, 7}, {-3, 7}});
  shaded(cr, kGun, {-3, -3}, {12, 7}, 1.2, 0.3);
  if (f.flash > 0) {
    const double r = f.flash;
    glow(cr, 13 + r, -1, r * 1.8, hex(0xFFB030), 0.9);
    star(cr, 13 + r, -1, r, r * 0.45, 8, 0.2);
    flat(cr, hex(0xFFE680), 1.0);
    star(cr, 13 + r, -1, r * 0.55, r * 0.25, 8);
    flat(cr, {1, 1, 1}, 0);
  }
  if (f.smoke > 0) {
    for (int i = 0; i < 3; ++i) {
      ellipse(cr, 14 + i * 3, -4 - i * 4 * f.smoke, 2.5 + i, 2.5 + i);
    }
    setColor(cr, hex(0xD8D8E0), 0.55);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  ellipse(cr, j.frontHand.x, j.frontHand.y, 4, 4);  // the fist over the grip
  shaded(cr, hex(0xF0C8A0), {j.frontHand.x - 4, j.frontHand.y - 4}, {j.frontHand.x + 4, j.frontHand.y + 4},
         1.2);
}

Build guardBuild(const GuardFrame& frame) {
  Build b;
  b.body = {kH, 32, 20, 19, 32, 15, 14, 12.5, 9, 26, 9};
  b.skin = hex(0xF0C8A0);
  b.top = kUniform;
  b.trousers = darker(kUniform, 0.25);
  b.shoes = hex(0x15131A);
  b.gloves = hex(0xF0C8A0);
  b.torsoDetail = [](cairo_t* cr, const Joints& j, const Pose&) {
    cairo_rectangle(cr, j.hip.x - 30, j.hip.y - 9, 60, 5);  // belt
    setColor(cr, hex(0x1A1410));
    cairo_fill(cr);
    cairo_rectangle(cr, j.hip.x - 2, j.hip.y - 10, 5, 7);
    setColor(cr, hex(0xE0C060));
    cairo_fill(cr);
    polygon(cr, {{j.neck.x + 3, j.neck.y + 10},
                 {j.neck.x + 8, j.neck.y + 8},
                 {j.neck.x + 9, j.neck.y + 14},
                 {j.neck.x + 5.5, j.neck.y + 17},
                 {j.neck.x + 2, j.neck.y + 14}});  // badge
    flat(cr, hex(0xF2D060), 0.8);
    for (double y = j.neck.y + 8; y < j.hip.y - 10; y += 8) {
      ellipse(cr, j.neck.x + 10, y, 1.2, 1.2);
    }
    setColor(cr, hex(0xE0C060));
    cairo_fill(cr);
  };
  b.behind = [](cairo_t* cr, const Joints& j, const Pose&) {
    roundedRect(cr, j.hip.x - 16, j.hip.y - 12, 9, 13, 2);  // the holster
    shaded(cr, hex(0x4A3020), {j.hip.x - 16, 0}, {j.hip.x - 7, 0}, 1.2);
  };
  b.face = [](cairo_t* cr, Point h, double r, const Pose& p) {
    const double x = h.x + r * 0.45 * p.turn;
    cairo_move_to(cr, x - r * 0.55, h.y + r * 0.5);
    cairo_curve_to(cr, x - r * 0.3, h.y + r * 0.15, x + r * 0.3, h.y + r * 0.15, x + r * 0.55, h.y + r * 0.5);
    cairo_curve_to(cr, x + r * 0.2, h.y + r * 0.38, x - r * 0.2, h.y + r * 0.38, x - r * 0.55, h.y + r * 0.5);
    flat(cr, hex(0x4A2E20), 1.0);  // the moustache
  };
  b.hat = [](cairo_t* cr, Point h, double r, const Pose& p) {
    polygon(cr, {{h.x - r * 1.05, h.y - r * 0.35},
                 {h.x - r * 1.2, h.y - r * 1.25},
                 {h.x + r * 1.2, h.y - r * 1.25},
                 {h.x + r * 1.05, h.y - r * 0.35}});
    shaded(cr, kUniform, {h.x, h.y - r * 1.3}, {h.x, h.y - r * 0.3});
    cairo_rectangle(cr, h.x - r * 1.05, h.y - r * 0.62, r * 2.1, r * 0.28);
    setColor(cr, hex(0x1A1A24));
    cairo_fill(cr);
    ellipse(cr, h.x + r * 0.3 * p.turn, h.y - r * 0.95, r * 0.22, r * 0.22);
    flat(cr, hex(0xF2D060), 0.8);
    const double peak = p.turn * r * 0.8;
    ellipse(cr, h.x + peak, h.y - r * 0.32, r * (0.35 + 0.55 * std::abs(p.turn)), r * 0.2);
    flat(cr, hex(0x111018), 1.2);
  };
  b.inHand = [frame](cairo_t* cr, const Joints& j, const Pose&) { gunAndFlash(cr, j, frame); };
  return b;
}

GuardFrame guardFrame(int frame) {
  GuardFrame g;
  Pose& p = g.pose;
  p.frontLeg = {8, 6};
  p.backLeg = {-8, 6};
  p.backArm = {-10, 20};
  p.mouth = Mouth::Flat;
  // the gun arm's angle from straight down, frame by frame
  static const double arm[10] = {10, -25, -30, 45, 85, 92, 100, 90, 55, 20};
  static const double bend[10] = {15, 40, 60, 20, 5, 0, -5, 0, 10, 15};
  p.frontArm = {arm[frame], bend[frame]};
  p.turn = frame == 0 ? 0.2 : frame == 1 ? 0.7 : 1;
  p.look = {frame == 0 ? 0.0 : 1.0, 0};
  p.wideEyes = frame == 1 || frame == 2;
  g.gunOut = frame >= 2;
  p.lean = frame >= 4 && frame <= 7 ? -4 : 0;
  if (frame >= 4 && frame <= 7) {
    p.frontLeg = {22, 10};
    p.backLeg = {-14, 6};
    p.mouth = frame == 4 ? Mouth::Flat : Mouth::Open;
    p.blink = frame == 4;  // one eye shut to aim
  }
  g.flash = frame == 5 ? 8 : frame == 7 ? 10 : 0;
  g.smoke = frame == 6 ? 0.6 : frame >= 8 ? 1.0 : 0;
  if (frame == 0) p.mouth = Mouth::Smile;
  return g;
}

}  // namespace

void drawGuard(cairo_t* cr, int frame) {
  const GuardFrame g = guardFrame(frame);
  drawFigure(cr, guardBuild(g), g.pose);
}

void addGuard(Catalog& c, const Houses&) { c.add("guy", kW, kH, 10, drawGuard); }

}  // namespace nk::art
