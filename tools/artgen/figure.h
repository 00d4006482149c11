#pragma once
#include <cairo.h>

#include <functional>

#include "tools/artgen/paint.h"

namespace nk::art {

// A two-part limb: the upper part's angle from straight down (degrees, positive towards the way
// the figure faces) and the bend of the lower part (arms bend forward, legs backward).
struct Joint {
  double upper = 0, bend = 0;
};

enum class Mouth { Smile, Flat, Open, Grin, Frown };

// How a figure stands in one frame. Figures face right.
struct Pose {
  double lean = 0;   // torso from vertical, degrees, positive forward
  double shift = 0;  // the hip's offset from the build's place: reaching poses step back to keep the hands in
  Joint frontArm{8, 20}, backArm{-8, 20};
  Joint frontLeg, backLeg;
  double turn = 1;   // head: 1 profile facing right, 0 facing us, -1 looking back over the shoulder
  double tilt = 0;   // head, degrees, positive chin up
  Point look{1, 0};  // where the pupils point
  Mouth mouth = Mouth::Smile;
  bool blink = false;
  bool wideEyes = false;
};

// Where the limbs ended up, for things held in the hands.
struct Joints {
  Point hip, neck, head, frontHand, backHand, frontElbow;
  double frontForearm = 0;  // angle of the forearm from straight down, degrees
};

// Body and costume of a figure; the hooks draw what only this figure has.
struct Body {
  double floorY;  // the bottom row of the tile: the soles touch it
  double hipX;
  double thigh, shin, torso, upperArm, forearm, headR;
  double limbW, torsoW, bellyW;
};
struct Build {
  Body body;
  Rgb skin, top, trousers, shoes, gloves;
  std::function<void(cairo_t*, const Joints&, const Pose&)> torsoDetail;  // stripes, belt, badge
  std::function<void(cairo_t*, const Joints&, const Pose&)> behind;       // a sack on the back
  std::function<void(cairo_t*, Point head, double r, const Pose&)> hat;
  std::function<void(cairo_t*, Point head, double r, const Pose&)> face;  // mask, moustache
  std::function<void(cairo_t*, const Joints&, const Pose&)> inHand;       // key, gun, stethoscope
};

Joints drawFigure(cairo_t* cr, const Build& build, const Pose& pose);

// Eyes, nose and mouth of a round head, shared by every figure.
void drawFace(cairo_t* cr, Point c, double r, const Pose& pose, Rgb skin);

}  // namespace nk::art
