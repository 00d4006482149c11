#include "tools/artgen/figure.h"

#include <algorithm>
#include <cmath>

namespace nk::art {
namespace {

double rad(double deg) { return deg * M_PI / 180; }
Point along(Point from, double deg, double len) {
  return {from.x + std::sin(rad(deg)) * len, from.y + std::cos(rad(deg)) * len};
}

struct Leg {
  Point knee, ankle;
};
Leg legOf(Point hip, Joint j, const Build& b) {
  const Point knee = along(hip, j.upper, b.body.thigh);
  return {knee, along(knee, j.upper - j.bend, b.body.shin)};
}

void drawLeg(cairo_t* cr, const Build& b, Point hip, const Leg& leg, double footAngle, double shade) {
  limb(cr, {hip, leg.knee, leg.ankle}, b.body.limbW, darker(b.trousers, shade));
  cairo_save(cr);
  cairo_translate(cr, leg.ankle.x, leg.ankle.y);
  cairo_rotate(cr, rad(footAngle));
  roundedRect(cr, -b.body.limbW * 0.5, -1, b.body.limbW * 1.6, b.body.limbW * 0.7, b.body.limbW * 0.3);
  shaded(cr, darker(b.shoes, shade), {0, -2}, {0, b.body.limbW * 0.7});
  cairo_restore(cr);
}

void drawArm(cairo_t* cr, const Build& b, Point shoulder, Point elbow, Point hand, double shade) {
  limb(cr, {shoulder, elbow, hand}, b.body.limbW * 0.85, darker(b.top, shade));
  ellipse(cr, hand.x, hand.y, b.body.limbW * 0.55, b.body.limbW * 0.55);
  shaded(cr, darker(b.gloves, shade), {hand.x - 3, hand.y - 3}, {hand.x + 3, hand.y + 3}, 1.2);
}

}  // namespace

void drawFace(cairo_t* cr, Point c, double r, const Pose& pose, Rgb skin) {
  const double t = pose.turn;
  c.y -= pose.tilt / 90 * r * 0.4;  // chin up: the face slides up the round head, below the cap
  const double eyeY = c.y - r * 0.1;
  const double eyeGap = r * 0.38 * (1 - std::abs(t) * 0.55);
  const double eyeX = c.x + r * 0.42 * t;
  const double eyeR = pose.wideEyes ? r * 0.28 : r * 0.22;
  for (int side = -1; side <= 1; side += 2) {
    if (std::abs(t) > 0.8 && side == (t > 0 ? -1 : 1)) continue;  // the far eye hides in profile
    const double x = eyeX + side * eyeGap;
    if (pose.blink) {
      limb(cr, {{x - eyeR, eyeY}, {x + eyeR, eyeY}}, 1.2, kInk, 0);
      continue;
    }
    ellipse(cr, x, eyeY, eyeR, eyeR * 1.15);
    flat(cr, {1, 1, 1}, 0.7);
    ellipse(cr, x + pose.look.x * eyeR * 0.45, eyeY + pose.look.y * eyeR * 0.45, eyeR * 0.55, eyeR * 0.6);
    setColor(cr, kInk);
    cairo_fill(cr);
  }
  // nose at the front of the face
  const double noseX = c.x + r * (std::abs(t) > 0.1 ? 0.85 * t : 0);
  ellipse(cr, noseX, c.y + r * 0.22, r * 0.22, r * 0.18);
  shaded(cr, darker(skin, 0.08), {noseX - 2, c.y}, {noseX + 2, c.y + r * 0.4}, 1.0, 0.2);
  const double mx = c.x + r * 0.5 * t, my = c.y + r * 0.55;
  switch (pose.mouth) {
    case Mouth::Open:
      ellipse(cr, mx, my + 1, r * 0.17, r * 0.24);
      flat(cr, hex(0x5A1A1E), 1.0);
      break;
    case Mouth::Grin:
      cairo_move_to(cr, mx - r * 0.3, my - 1);
      cairo_curve_to(cr, mx - r * 0.2, my + r * 0.35, mx + r * 0.2, my + r * 0.35, mx + r * 0.3, my - 1);
      cairo_close_path(cr);
      flat(cr, {1, 1, 1}, 1.0);
      break;
    default: {
      const double bend = pose.mouth == Mouth::Smile ? 2 : pose.mouth == Mouth::Frown ? -2 : 0;
      cairo_move_to(cr, mx - r * 0.25, my);
      cairo_curve_to(cr, mx - r * 0.1, my + bend, mx + r * 0.1, my + bend, mx + r * 0.25, my - bend * 0.3);
      setColor(cr, kInk);
      cairo_set_line_width(cr, 1.2);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
    }
  }
}

Joints drawFigure(cairo_t* cr, const Build& b, const Pose& pose) {
  // Stand the lower foot on the floor row.
  Point hip{b.body.hipX + pose.shift, 0};
  const Leg f0 = legOf(hip, pose.frontLeg, b), b0 = legOf(hip, pose.backLeg, b);
  hip.y = b.body.floorY - b.body.limbW * 0.7 - std::max(f0.ankle.y, b0.ankle.y);
  const Leg front = legOf(hip, pose.frontLeg, b), back = legOf(hip, pose.backLeg, b);
  const auto footAngle = [](Joint j) { return std::clamp(-(j.upper - j.bend) * 0.5, -30.0, 30.0); };

  Joints j;
  j.hip = hip;
  j.neck = along(hip, 180 - pose.lean, b.body.torso);
  const Point shoulder = along(j.neck, -pose.lean, 3);
  j.head = along(j.neck, 180 - pose.lean - pose.tilt * 0.2, b.body.headR + 1);
  const Point backElbow = along(shoulder, pose.backArm.upper, b.body.upperArm);
  j.backHand = along(backElbow, pose.backArm.upper + pose.backArm.bend, b.body.forearm);
  j.frontElbow = along(shoulder, pose.frontArm.upper, b.body.upperArm);
  j.frontForearm = pose.frontArm.upper + pose.frontArm.bend;
  j.frontHand = along(j.frontElbow, j.frontForearm, b.body.forearm);

  drawArm(cr, b, shoulder, backElbow, j.backHand, 0.25);
  drawLeg(cr, b, hip, back, footAngle(pose.backLeg), 0.25);
  if (b.behind) b.behind(cr, j, pose);
  // torso: a soft bean from the hips to the shoulders, the belly forward
  const double top = -b.body.torso - 4, hw = b.body.torsoW / 2;
  const auto torsoPath = [&] {
    cairo_save(cr);
    cairo_translate(cr, hip.x, hip.y);
    cairo_rotate(cr, rad(pose.lean));
    cairo_move_to(cr, -hw, 2);
    cairo_curve_to(cr, -hw - 2, top * 0.5, -hw, top + 2, -hw * 0.4, top);
    cairo_line_to(cr, hw * 0.4, top);
    cairo_curve_to(cr, hw + b.body.bellyW * 0.3, top + 4, hw + b.body.bellyW, top * 0.45, hw * 0.9, 2);
    cairo_close_path(cr);
    cairo_restore(cr);
  };
  torsoPath();
  cairo_save(cr);
  cairo_clip_preserve(cr);
  shaded(cr, b.top, {hip.x - hw, j.neck.y}, {hip.x + hw, hip.y}, 0, 0.2);
  if (b.torsoDetail) b.torsoDetail(cr, j, pose);
  cairo_restore(cr);
  torsoPath();
  setColor(cr, kInk);
  cairo_set_line_width(cr, kLine);
  cairo_stroke(cr);

  drawLeg(cr, b, hip, front, footAngle(pose.frontLeg), 0);
  // head
  ellipse(cr, j.head.x, j.head.y, b.body.headR, b.body.headR);
  shaded(cr, b.skin, {j.head.x - b.body.headR, j.head.y - b.body.headR},
         {j.head.x + b.body.headR, j.head.y + b.body.headR}, kLine, 0.18);
  const double earX = j.head.x - b.body.headR * 0.3 * pose.turn;
  if (std::abs(pose.turn) > 0.3) {
    ellipse(cr, earX, j.head.y + 1, b.body.headR * 0.2, b.body.headR * 0.28);
    shaded(cr, darker(b.skin, 0.1), {earX, j.head.y - 3}, {earX, j.head.y + 4}, 1.0);
  }
  if (b.face) b.face(cr, j.head, b.body.headR, pose);
  drawFace(cr, j.head, b.body.headR, pose, b.skin);
  if (b.hat) b.hat(cr, j.head, b.body.headR, pose);
  drawArm(cr, b, shoulder, j.frontElbow, j.frontHand, 0);
  if (b.inHand) b.inHand(cr, j, pose);
  return j;
}

}  // namespace nk::art
