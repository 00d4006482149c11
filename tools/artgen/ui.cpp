#include "tools/artgen/ui.h"

#include "tools/artgen/canvas.h"

namespace nk::art {

void panel(cairo_t* cr, Rect r, double radius) {
  // a soft shadow, the glass, then a double rim: ink outside, gold inside
  roundedRect(cr, r.x + 4, r.y + 6, r.w - 4, r.h - 6, radius);
  setColor(cr, {0, 0, 0}, 0.35);
  cairo_fill(cr);
  roundedRect(cr, r.x + 1, r.y + 1, r.w - 6, r.h - 8, radius);
  gradientFill(cr, {0, r.y}, hex(0x2A2F6A), {0, r.y + r.h}, hex(0x101233), 0.93);
  setColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  roundedRect(cr, r.x + 6, r.y + 6, r.w - 16, r.h - 18, radius - 4);
  gradientFill(cr, {0, r.y}, lighter(kGold, 0.3), {0, r.y + r.h}, darker(kGold, 0.35));
  cairo_new_path(cr);
  roundedRect(cr, r.x + 9, r.y + 9, r.w - 22, r.h - 24, radius - 6);
  gradientFill(cr, {0, r.y}, hex(0x2C3272), {0, r.y + r.h}, hex(0x12143A));
  cairo_new_path(cr);
  // moonlight catching the top of the glass
  cairo_save(cr);
  roundedRect(cr, r.x + 9, r.y + 9, r.w - 22, r.h - 24, radius - 6);
  cairo_clip(cr);
  glow(cr, r.x + r.w * 0.25, r.y, r.w * 0.6, hex(0x8FA0FF), 0.18);
  cairo_restore(cr);
}

void plate(cairo_t* cr, Rect r, bool light) {
  roundedRect(cr, r.x, r.y, r.w, r.h, r.h * 0.3);
  if (light) {
    shaded(cr, hex(0xF4EAD0), {0, r.y}, {0, r.y + r.h}, 2, 0.12);
  } else {
    gradientFill(cr, {0, r.y}, hex(0x070818), {0, r.y + r.h}, hex(0x1A1D44));
    setColor(cr, darker(kGold, 0.3));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
}

Caption titleLook(double px) { return {{kDisplayFace, px}, hex(0xFFF3C4), hex(0xE9A23A), px / 12, px / 14}; }
Caption labelLook(double px) { return {{kDisplayFace, px}, kMoonWhite, hex(0xB9C2F0), px / 12, px / 16}; }

double buttonWidth(std::string_view text, double px) {
  const Canvas scratch(1, 1);
  return measure(scratch.cr(), text, {kDisplayFace, px}).w + px * 1.6;
}

void button(cairo_t* cr, Rect r, std::string_view text, bool selected, double px) {
  const double radius = r.h / 2 - 2;
  if (selected) {  // a halo that fades out inside the tile
    cairo_save(cr);
    cairo_translate(cr, r.x + r.w / 2, r.y + r.h / 2);
    cairo_scale(cr, r.w / 2, r.h / 2);
    glow(cr, 0, 0, 1, kGold, 0.6);
    cairo_restore(cr);
  }
  roundedRect(cr, r.x + 2, r.y + 2, r.w - 4, r.h - 4, radius);
  if (selected) {
    gradientFill(cr, {0, r.y}, hex(0x6A5A9A), {0, r.y + r.h}, hex(0x2A2258));
  } else {
    gradientFill(cr, {0, r.y}, hex(0x3A4080), {0, r.y + r.h}, hex(0x181A44));
  }
  setColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  roundedRect(cr, r.x + 4.5, r.y + 4.5, r.w - 9, r.h - 9, radius - 2.5);
  setColor(cr, selected ? lighter(kGold, 0.3) : darker(kGold, 0.2));
  cairo_set_line_width(cr, selected ? 2.4 : 1.6);
  cairo_stroke(cr);
  const Canvas scratch(1, 1);
  Caption look = selected ? titleLook(px) : labelLook(px);
  look.font = fitted(scratch.cr(), text, look.font, r.w - 24);
  const double h = measure(scratch.cr(), text, look.font).h;
  caption(cr, text, r.x + r.w / 2, r.y + (r.h - h) / 2, look);
}

}  // namespace nk::art
