#pragma once
#include <cairo.h>

#include <string_view>

#include "tools/artgen/building.h"
#include "tools/artgen/text.h"

namespace nk::art {

// The look of every menu, panel and button: deep night-blue glass, a gold rim, warm captions.
inline constexpr const char* kGameTitle = "НОКТУРО";
inline constexpr Rgb kGold = hex(0xF2C14E), kMoonWhite = hex(0xEEF0FF), kNightBlue = hex(0x1B1E48);

// A framed panel; its glass lets a little of the night through.
void panel(cairo_t* cr, Rect r, double radius = 18);
// An inset plate behind a number the game writes: dark for white text, paper-light for grey text.
void plate(cairo_t* cr, Rect r, bool light);

Caption titleLook(double px);  // big gold headings
Caption labelLook(double px);  // moon-white labels

// A pill button with its caption centred; selected glows gold.
void button(cairo_t* cr, Rect r, std::string_view text, bool selected, double px = 30);
// The width a button needs for its caption.
double buttonWidth(std::string_view text, double px);

}  // namespace nk::art
