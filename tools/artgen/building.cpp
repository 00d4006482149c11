#include "tools/artgen/building.h"

#include <cmath>
#include <string>

namespace nk::art {
namespace {

void clipTo(cairo_t* cr, Rect r) {
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  cairo_clip(cr);
}

void flower(cairo_t* cr, double x, double y, double size, Rgb c) {
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * M_PI / 5;
    ellipse(cr, x + std::cos(a) * size, y + std::sin(a) * size, size * 0.7, size * 0.7);
  }
  setColor(cr, c, 0.8);
  cairo_fill(cr);
  ellipse(cr, x, y, size * 0.5, size * 0.5);
  setColor(cr, lighter(c, 0.6));
  cairo_fill(cr);
}

void wallpaperPattern(cairo_t* cr, const House& h, Rect r) {
  const Rgb ink = h.wallpaperInk;
  const std::string& kind = h.wallpaperKind;
  if (kind == "stripes") {
    for (double x = r.x; x < r.x + r.w; x += 18) {
      cairo_rectangle(cr, x, r.y, 7, r.h);
      setColor(cr, ink, 0.45);
      cairo_fill(cr);
      cairo_rectangle(cr, x + 11, r.y, 1.2, r.h);
      setColor(cr, ink, 0.6);
      cairo_fill(cr);
    }
  } else if (kind == "damask") {
    for (int row = 0; r.y + row * 26 < r.y + r.h + 26; ++row) {
      for (double x = r.x + (row % 2) * 14; x < r.x + r.w + 14; x += 28) {
        const double y = r.y + row * 26;
        for (int i = 0; i < 4; ++i) {
          cairo_save(cr);
          cairo_translate(cr, x, y);
          cairo_rotate(cr, i * M_PI / 2);
          ellipse(cr, 0, -5, 2.6, 5);
          cairo_restore(cr);
        }
        ellipse(cr, x, y, 1.8, 1.8);
        setColor(cr, ink, 0.5);
        cairo_fill(cr);
      }
    }
  } else if (kind == "dots") {
    for (int row = 0; r.y + row * 13 < r.y + r.h + 13; ++row) {
      for (double x = r.x + (row % 2) * 7; x < r.x + r.w + 7; x += 14) {
        ellipse(cr, x, r.y + row * 13, 2.4, 2.4);
      }
    }
    setColor(cr, ink, 0.55);
    cairo_fill(cr);
  } else if (kind == "diamonds") {
    setColor(cr, ink, 0.4);
    cairo_set_line_width(cr, 1.2);
    for (double d = -r.h; d < r.w + r.h; d += 20) {
      cairo_move_to(cr, r.x + d, r.y);
      cairo_line_to(cr, r.x + d + r.h, r.y + r.h);
      cairo_move_to(cr, r.x + d, r.y);
      cairo_line_to(cr, r.x + d - r.h, r.y + r.h);
    }
    cairo_stroke(cr);
    for (int row = 0; row * 10 < r.h + 10; ++row) {
      for (double x = r.x + (row % 2) * 10; x < r.x + r.w + 10; x += 20) {
        ellipse(cr, x, r.y + row * 10, 1.6, 1.6);
      }
    }
    setColor(cr, ink, 0.7);
    cairo_fill(cr);
  } else if (kind == "floral") {
    for (int row = 0; r.y + row * 24 < r.y + r.h + 24; ++row) {
      for (double x = r.x + (row % 2) * 16; x < r.x + r.w + 16; x += 32) {
        flower(cr, x, r.y + row * 24, 2.6, ink);
        ellipse(cr, x + 8, r.y + row * 24 + 6, 3, 1.4);
        setColor(cr, hex(0x7FA36B), 0.55);
        cairo_fill(cr);
      }
    }
  } else {  // checks
    for (double x = r.x; x < r.x + r.w; x += 24) {
      cairo_rectangle(cr, x, r.y, 12, r.h);
    }
    setColor(cr, ink, 0.22);
    cairo_fill(cr);
    for (double y = r.y; y < r.y + r.h; y += 24) {
      cairo_rectangle(cr, r.x, y, r.w, 12);
    }
    setColor(cr, ink, 0.22);
    cairo_fill(cr);
  }
}

}  // namespace

void wallpaper(cairo_t* cr, const House& h, Rect r) {
  cairo_save(cr);
  clipTo(cr, r);
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  gradientFill(cr, {0, r.y}, lighter(h.wallpaper, 0.08), {0, r.y + r.h}, darker(h.wallpaper, 0.12));
  cairo_new_path(cr);
  wallpaperPattern(cr, h, r);
  cairo_restore(cr);
}

void outerWall(cairo_t* cr, const House& h, Rect r) {
  cairo_save(cr);
  clipTo(cr, r);
  setColor(cr, h.mortar);
  cairo_paint(cr);
  Rng rng(static_cast<uint64_t>(h.level) * 977 + static_cast<uint64_t>(r.w * 31 + r.h));
  const std::string& kind = h.outerKind;
  auto varied = [&](Rgb c) {
    return mix(c, rng.next() < 0.5 ? darker(c, 0.25) : lighter(c, 0.12), rng.next());
  };
  if (kind == "brick" || kind == "stone") {
    const double rowH = kind == "brick" ? 10 : 17;
    for (int row = 0; row * rowH < r.h + rowH; ++row) {
      double x = r.x - (row % 2) * (kind == "brick" ? 11 : 9) - rng.range(0, 6);
      while (x < r.x + r.w) {
        const double w = kind == "brick" ? 22 : rng.range(16, 30);
        roundedRect(cr, x + 1, r.y + row * rowH + 1, w - 2, rowH - 2, kind == "brick" ? 1.5 : 4);
        shaded(cr, varied(h.outer), {0, r.y + row * rowH}, {0, r.y + (row + 1) * rowH}, 0, 0.15);
        x += w;
      }
    }
  } else if (kind == "boards") {
    for (double y = r.y; y < r.y + r.h; y += 12) {
      cairo_rectangle(cr, r.x, y, r.w, 11);
      shaded(cr, h.outer, {0, y}, {0, y + 11}, 0, 0.18);
      cairo_rectangle(cr, r.x, y + 10, r.w, 2);
      setColor(cr, darker(h.mortar, 0.2), 0.8);
      cairo_fill(cr);
    }
  } else {  // stucco
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    gradientFill(cr, {r.x, r.y}, lighter(h.outer, 0.06), {r.x + r.w, r.y + r.h}, darker(h.outer, 0.1));
    cairo_new_path(cr);
    for (int i = 0; i < static_cast<int>(r.w * r.h / 40); ++i) {
      ellipse(cr, rng.range(r.x, r.x + r.w), rng.range(r.y, r.y + r.h), 0.8, 0.8);
    }
    setColor(cr, darker(h.outer, 0.25), 0.35);
    cairo_fill(cr);
    for (double y = r.y + 48; y < r.y + r.h; y += 64) {
      cairo_rectangle(cr, r.x, y, r.w, 3);
    }
    setColor(cr, h.mortar, 0.5);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void innerWall(cairo_t* cr, const House& h, Rect r) {
  const Rgb plaster = darker(mix(h.trim, h.wallpaper, 0.55), 0.18);
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  gradientFill(cr, {r.x, 0}, lighter(plaster, 0.12), {r.x + r.w, 0}, darker(plaster, 0.3));
  cairo_new_path(cr);
  cairo_rectangle(cr, r.x, r.y, 3, r.h);
  setColor(cr, darker(plaster, 0.45));
  cairo_fill(cr);
  cairo_rectangle(cr, r.x + r.w - 2, r.y, 2, r.h);
  setColor(cr, darker(plaster, 0.55));
  cairo_fill(cr);
}

void floorBand(cairo_t* cr, const House& h, Rect r) {
  cairo_save(cr);
  clipTo(cr, r);
  const double top = std::min(5.0, r.h);
  cairo_rectangle(cr, r.x, r.y, r.w, top);
  shaded(cr, h.floor, {0, r.y}, {0, r.y + top}, 0, 0.2);
  const std::string& kind = h.floorKind;
  setColor(cr, darker(h.floor, 0.45), 0.8);
  cairo_set_line_width(cr, 1);
  const double step = kind == "planks" ? 26 : kind == "parquet" ? 8 : kind == "tiles" ? 16 : 0;
  if (step > 0) {
    for (double x = r.x + 3; x < r.x + r.w; x += step) {
      cairo_move_to(cr, x + 0.5, r.y);
      cairo_line_to(cr, x + 0.5 + (kind == "parquet" ? 3 : 0), r.y + top);
    }
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, r.x, r.y + top, r.w, r.h - top);
  gradientFill(cr, {0, r.y + top}, darker(h.trim, 0.55), {0, r.y + r.h}, darker(h.trim, 0.75));
  cairo_new_path(cr);
  cairo_rectangle(cr, r.x, r.y, r.w, 1);
  setColor(cr, lighter(h.floor, 0.35));
  cairo_fill(cr);
  cairo_restore(cr);
}

void door(cairo_t* cr, const House& h, Rect r, bool open) {
  const double f = 4;  // the architrave
  roundedRect(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h + 4, 2);
  shaded(cr, h.trim, {r.x, r.y}, {r.x + r.w, r.y + r.h});
  const Rect leaf{r.x + f, r.y + f, r.w - 2 * f, r.h - f};
  if (!open) {
    cairo_rectangle(cr, leaf.x, leaf.y, leaf.w, leaf.h);
    shaded(cr, h.wood, {leaf.x, leaf.y}, {leaf.x + leaf.w, leaf.y + leaf.h}, 1.2, 0.22);
    const double pw = leaf.w - 10, ph = (leaf.h - 18) / 2;
    for (int i = 0; i < 2; ++i) {
      roundedRect(cr, leaf.x + 5, leaf.y + 6 + i * (ph + 6), pw, ph, 2);
      shaded(cr, darker(h.wood, 0.12), {0, leaf.y + 6 + i * (ph + 6) + ph}, {0, leaf.y + 6 + i * (ph + 6)},
             1.0, 0.25);
    }
    ellipse(cr, leaf.x + 5, leaf.y + leaf.h * 0.55, 2.8, 2.8);
    shaded(cr, h.metal, {leaf.x + 3, leaf.y + leaf.h * 0.55 - 3}, {leaf.x + 8, leaf.y + leaf.h * 0.55 + 3},
           1.0);
    return;
  }
  // The dark doorway with the next room's warm spill at its foot, and the leaf swung towards us.
  cairo_rectangle(cr, leaf.x, leaf.y, leaf.w, leaf.h);
  gradientFill(cr, {0, leaf.y}, hex(0x0B0A14), {0, leaf.y + leaf.h}, hex(0x2A2238));
  cairo_new_path(cr);
  cairo_rectangle(cr, leaf.x, leaf.y + leaf.h - 6, leaf.w, 6);
  setColor(cr, h.lamp, 0.25);
  cairo_fill(cr);
  const double lw = std::max(8.0, leaf.w * 0.32);
  polygon(cr, {{leaf.x + leaf.w - lw, leaf.y - 3},
               {leaf.x + leaf.w + 1, leaf.y + 3},
               {leaf.x + leaf.w + 1, leaf.y + leaf.h},
               {leaf.x + leaf.w - lw, leaf.y + leaf.h + 3}});
  shaded(cr, h.wood, {leaf.x + leaf.w - lw, 0}, {leaf.x + leaf.w, 0}, 1.2, 0.3);
  ellipse(cr, leaf.x + leaf.w - lw + 3, leaf.y + leaf.h * 0.55, 1.8, 2.6);
  flat(cr, h.metal, 0.8);
}

void entranceDoor(cairo_t* cr, const House& h, Rect r) {
  const Rgb paint = mix(h.fabric, h.wood, 0.35);
  roundedRect(cr, r.x, r.y, r.w, r.h + 4, r.w / 2);
  shaded(cr, darker(h.trim, 0.1), {r.x, r.y}, {r.x + r.w, r.y + r.h});
  const Rect leaf{r.x + 5, r.y + 5, r.w - 10, r.h - 5};
  roundedRect(cr, leaf.x, leaf.y, leaf.w, leaf.h + 4, leaf.w / 2);
  shaded(cr, paint, {leaf.x, leaf.y}, {leaf.x + leaf.w, leaf.y + leaf.h}, 1.2);
  // fanlight glowing from the hall
  cairo_save(cr);
  roundedRect(cr, leaf.x + 4, leaf.y + 4, leaf.w - 8, leaf.w / 2, leaf.w / 2 - 4);
  cairo_clip_preserve(cr);
  gradientFill(cr, {0, leaf.y}, lighter(h.lamp, 0.3), {0, leaf.y + leaf.w / 2}, h.lamp);
  cairo_new_path(cr);
  setColor(cr, kInk, 0.6);
  cairo_set_line_width(cr, 1);
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, leaf.x + leaf.w / 2, leaf.y + leaf.w / 2 + 4);
    cairo_line_to(cr, leaf.x + i * leaf.w / 4, leaf.y);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  for (int i = 0; i < 2; ++i) {
    roundedRect(cr, leaf.x + 5, leaf.y + leaf.w / 2 + 8 + i * (leaf.h - leaf.w / 2 - 12) / 2, leaf.w - 10,
                (leaf.h - leaf.w / 2 - 24) / 2, 2);
    shaded(cr, darker(paint, 0.1), {0, leaf.y + leaf.h}, {0, leaf.y}, 1.0, 0.2);
  }
  ellipse(cr, leaf.x + leaf.w - 6, leaf.y + leaf.h * 0.6, 2.6, 2.6);
  shaded(cr, h.metal, {leaf.x + leaf.w - 9, 0}, {leaf.x + leaf.w - 3, 0}, 1.0);
}

void nightVeil(cairo_t* cr, Rect r, double strength) {
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  gradientFill(cr, {0, r.y}, hex(0x0D1030), {0, r.y + r.h}, hex(0x05060F), strength);
  cairo_new_path(cr);
}

}  // namespace nk::art
