#include "tools/artgen/paint.h"

#include <cmath>

namespace nk::art {

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void setColor(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

static void pathThrough(cairo_t* cr, std::initializer_list<Point> points) {
  bool first = true;
  for (const Point& p : points) {
    if (first) {
      cairo_move_to(cr, p.x, p.y);
    } else {
      cairo_line_to(cr, p.x, p.y);
    }
    first = false;
  }
}

void polygon(cairo_t* cr, std::initializer_list<Point> points) {
  pathThrough(cr, points);
  cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, double outer, double inner, int n, double rotation) {
  for (int i = 0; i < 2 * n; ++i) {
    const double a = rotation - M_PI / 2 + i * M_PI / n, r = i % 2 ? inner : outer;
    if (i == 0) {
      cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    } else {
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
  }
  cairo_close_path(cr);
}

static void stroke(cairo_t* cr, double width) {
  if (width <= 0) {
    cairo_new_path(cr);
    return;
  }
  setColor(cr, kInk);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

static void fillWith(cairo_t* cr, cairo_pattern_t* p, std::initializer_list<Stop> stops, bool keepPath) {
  for (const Stop& s : stops) {
    cairo_pattern_add_color_stop_rgba(p, s.offset, s.colour.r, s.colour.g, s.colour.b, s.alpha);
  }
  cairo_set_source(cr, p);
  if (keepPath) {
    cairo_fill_preserve(cr);
  } else {
    cairo_fill(cr);
  }
  cairo_pattern_destroy(p);
}

void gradientFill(cairo_t* cr, Point from, Rgb c0, Point to, Rgb c1, double alpha) {
  fillWith(cr, cairo_pattern_create_linear(from.x, from.y, to.x, to.y), {{0, c0, alpha}, {1, c1, alpha}},
           true);
}

void linearFill(cairo_t* cr, Point from, Point to, std::initializer_list<Stop> stops) {
  fillWith(cr, cairo_pattern_create_linear(from.x, from.y, to.x, to.y), stops, false);
}

void radialFill(cairo_t* cr, Point centre, double r0, double r1, std::initializer_list<Stop> stops) {
  fillWith(cr, cairo_pattern_create_radial(centre.x, centre.y, r0, centre.x, centre.y, r1), stops, false);
}

void shaded(cairo_t* cr, Rgb base, Point from, Point to, double width, double contrast) {
  gradientFill(cr, from, lighter(base, contrast), to, darker(base, contrast));
  stroke(cr, width);
}

void flat(cairo_t* cr, Rgb c, double width, double alpha) {
  setColor(cr, c, alpha);
  cairo_fill_preserve(cr);
  stroke(cr, width);
}

void glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha) {
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  radialFill(cr, {cx, cy}, 0, radius, {{0, c, alpha}, {0.45, c, alpha * 0.45}, {1, c, 0}});
}

void limb(cairo_t* cr, std::initializer_list<Point> points, double width, Rgb c, double outline) {
  const auto path = [&] { pathThrough(cr, points); };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (outline > 0) {
    path();
    setColor(cr, kInk);
    cairo_set_line_width(cr, width + 2 * outline);
    cairo_stroke(cr);
  }
  path();
  setColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

double Rng::next() {
  // splitmix64
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) / 9007199254740992.0;
}

}  // namespace nk::art
