#pragma once
#include <cairo.h>

#include <cstdint>
#include <initializer_list>

namespace nk::art {

// Colours are plain doubles so shading maths stays readable.
struct Rgb {
  double r = 0, g = 0, b = 0;
};
struct Point {
  double x = 0, y = 0;
};

constexpr Rgb hex(uint32_t rrggbb) {
  return {((rrggbb >> 16) & 0xFF) / 255.0, ((rrggbb >> 8) & 0xFF) / 255.0, (rrggbb & 0xFF) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t);
inline Rgb lighter(Rgb c, double t) { return mix(c, {1, 1, 1}, t); }
inline Rgb darker(Rgb c, double t) { return mix(c, {0, 0, 0}, t); }

// The one outline colour of the whole game: a deep violet-black, softer than pure black at night.
inline constexpr Rgb kInk = hex(0x17111F);
inline constexpr double kLine = 1.6;

void setColor(cairo_t* cr, Rgb c, double alpha = 1.0);

// Paths (added to the current path).
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void polygon(cairo_t* cr, std::initializer_list<Point> points);
// A star of n points around (cx, cy), its tips at outer and its notches at inner.
void star(cairo_t* cr, double cx, double cy, double outer, double inner, int n, double rotation = 0);

// Cartoon fills of the current path; each consumes the path. shaded: light at (x0, y0) going
// darker towards (x1, y1), then the ink outline (none when width is 0).
void shaded(cairo_t* cr, Rgb base, Point from, Point to, double width = kLine, double contrast = 0.28);
void flat(cairo_t* cr, Rgb c, double width = kLine, double alpha = 1.0);
void gradientFill(cairo_t* cr, Point from, Rgb c0, Point to, Rgb c1, double alpha = 1.0);
// Fills the current path (consuming it) with a gradient of several stops.
struct Stop {
  double offset;
  Rgb colour;
  double alpha;
};
void linearFill(cairo_t* cr, Point from, Point to, std::initializer_list<Stop> stops);
void radialFill(cairo_t* cr, Point centre, double r0, double r1, std::initializer_list<Stop> stops);
// A soft round light, transparent at its rim.
void glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha);
// A thick line with round caps in the ink outline, then the colour over it: limbs, rails, cables.
void limb(cairo_t* cr, std::initializer_list<Point> points, double width, Rgb c, double outline = kLine);

// Repeats draw at (dx, dy) offsets of one tile so tiles wrap without seams.
template <typename Draw>
void wrapped(cairo_t* cr, double w, double h, Draw draw) {
  for (double dy : {-h, 0.0, h}) {
    for (double dx : {-w, 0.0, w}) {
      cairo_save(cr);
      cairo_translate(cr, dx, dy);
      draw();
      cairo_restore(cr);
    }
  }
}

// Draws with the origin moved to (x, y) and everything scaled by s: a sprite drawing placed in a
// larger picture.
template <typename Draw>
void placed(cairo_t* cr, double x, double y, double s, Draw draw) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  draw();
  cairo_restore(cr);
}

// A small repeatable generator: the art must come out the same on every run.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  double next();  // [0, 1)
  double range(double lo, double hi) { return lo + (hi - lo) * next(); }
  int below(int n) { return static_cast<int>(next() * n); }

 private:
  uint64_t state_;
};

}  // namespace nk::art
