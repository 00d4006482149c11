// Menu backgrounds, the logo strip, every button, the on/off switches and the name fields.
#include <algorithm>
#include <cmath>

#include "tools/artgen/families.h"
#include "tools/artgen/night.h"
#include "tools/artgen/ui.h"

namespace nk::art {
namespace {

constexpr int kScreenW = 800, kScreenH = 600;

void roofRidge(cairo_t* cr, double y, double width, uint64_t seed) {
  Rng rng(seed);
  cairo_move_to(cr, 0, kScreenH);
  cairo_line_to(cr, 0, y);
  for (double x = 0; x < width; x += 40) {
    const double dy = rng.range(-3, 3);
    if (rng.next() < 0.2) {  // a chimney
      cairo_line_to(cr, x + 10, y + dy);
      cairo_line_to(cr, x + 10, y + dy - 34);
      cairo_line_to(cr, x + 30, y + dy - 34);
      cairo_line_to(cr, x + 30, y + dy);
    }
    cairo_line_to(cr, x + 40, y + dy);
  }
  cairo_line_to(cr, width, kScreenH);
  cairo_close_path(cr);
  gradientFill(cr, {0, y - 30}, hex(0x1E2044), {0, kScreenH}, hex(0x07081A));
  setColor(cr, hex(0x8FA0E0), 0.5);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void menuBackground(cairo_t* cr, int frame) {
  const Rect screen{0, 0, kScreenW, kScreenH};
  if (frame == 0) {
    nightSky(cr, screen, hex(0x0B0D2E), hex(0x3A2D6A));
    stars(cr, screen, 120, 21);
    moon(cr, 690, 120, 62);
    skyline(cr, kScreenW, 560, 130, 3, hex(0x151636));  // the logo strip's roof stands in front
    // a darker hollow behind the buttons so the captions stand out
    glow(cr, 450, 300, 260, hex(0x05061A), 0.55);
  } else {
    nightSky(cr, screen, hex(0x090A26), hex(0x23204E));
    stars(cr, screen, 90, 22);
    moon(cr, 110, 80, 40);
    skyline(cr, kScreenW, kScreenH, 110, 6, hex(0x101230));
  }
}

void logoStrip(cairo_t* cr) {
  roofRidge(cr, 34, kScreenW, 8);
  for (double x = 8; x < kScreenW; x += 16) {  // slates on the roof
    for (double y = 44; y < 80; y += 12) {
      cairo_move_to(cr, x + (static_cast<int>(y) / 12 % 2) * 8, y);
      cairo_line_to(cr, x + (static_cast<int>(y) / 12 % 2) * 8, y + 10);
    }
  }
  setColor(cr, hex(0x30335E), 0.7);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  caption(cr, kGameTitle, 400, 30, titleLook(40));
}

struct Named {
  const char* name;
  const char* text;
};

void onOff(cairo_t* cr, bool on, bool lit) {
  const Rect track{4, 10, 102, 40};
  roundedRect(cr, track.x, track.y, track.w, track.h, 20);
  const Rgb c = on ? hex(0x3FA65A) : hex(0xA6403F);
  gradientFill(cr, {0, track.y}, lit ? darker(c, 0.2) : darker(c, 0.65), {0, track.y + track.h},
               lit ? darker(c, 0.55) : darker(c, 0.8));
  setColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  if (lit) glow(cr, on ? 80 : 30, 30, 40, c, 0.4);
  const double knob = on ? track.x + track.w - 20 : track.x + 20;
  ellipse(cr, knob, 30, 15, 15);
  shaded(cr, lit ? hex(0xF4F0E0) : hex(0x8A8AA0), {knob - 15, 15}, {knob + 15, 45}, 2);
  const Caption look =
      lit ? labelLook(18) : Caption{{kDisplayFace, 18}, hex(0x9A9AB8), hex(0x6A6A88), 1.5, 0};
  caption(cr, on ? "Вкл" : "Выкл", on ? 38 : 70, 19, look);
}

}  // namespace

void addMenus(Catalog& c, const Houses&) {
  c.add("mainback", kScreenW, kScreenH, 2, menuBackground);
  c.add("b_logo", kScreenW, 80, 1, [](cairo_t* cr, int) { logoStrip(cr); });
  // Main-menu captions are large; the game puts each button at its own x, so widths follow the words.
  for (const Named& b : {Named{"b_stgame", "Начать игру"},
                         {"b_opt", "Настройки"},
                         {"b_hiscr", "Рекорды"},
                         {"b_help", "Помощь"},
                         {"b_visit", "Другие игры"},
                         {"b_exit", "Выход"}}) {
    const int w = static_cast<int>(buttonWidth(b.text, 32));
    c.add(b.name, w, 58, 1, [b, w](cairo_t* cr, int) {
      button(cr, {0, 0, static_cast<double>(w), 58}, b.text, false, 32);
    });
  }
  for (const Named& b : {Named{"b_back", "В меню"},
                         {"b_next", "Далее"},
                         {"b_prev", "Назад"},
                         {"b_clrhiscr", "Очистить"},
                         {"b_viewwhiscr", "Онлайн"}}) {
    const int w = std::max(170, static_cast<int>(buttonWidth(b.text, 28)));
    c.add(b.name, w, 54, 1, [b, w](cairo_t* cr, int) {
      button(cr, {0, 0, static_cast<double>(w), 54}, b.text, false, 28);
    });
  }
  // Pattern 0 is the button, pattern 1 the same button highlighted (drawn over it when selected).
  for (const Named& b : {Named{"b_apply", "Применить"}, {"b_cancel", "Отмена"}}) {
    c.add(b.name, 210, 54, 2, [b](cairo_t* cr, int f) { button(cr, {0, 0, 210, 54}, b.text, f == 1, 28); });
  }
  for (const Named& b : {Named{"b_yes", "Да"}, {"b_no", "Нет"}}) {
    c.add(b.name, 104, 46, 2, [b](cairo_t* cr, int f) { button(cr, {0, 0, 104, 46}, b.text, f == 1, 26); });
  }
  c.add("b_on", 110, 60, 2, [](cairo_t* cr, int f) { onOff(cr, true, f == 1); });
  c.add("b_off", 110, 60, 2, [](cairo_t* cr, int f) { onOff(cr, false, f == 1); });
  c.add("Edit", 180, 40, 1, [](cairo_t* cr, int) { plate(cr, {1, 1, 178, 38}, false); });
  c.add("editname", 204, 40, 1, [](cairo_t* cr, int) { plate(cr, {1, 1, 202, 38}, true); });
}

}  // namespace nk::art
