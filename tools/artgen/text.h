#pragma once
#include <cairo.h>

#include <string>
#include <string_view>

#include "tools/artgen/paint.h"

namespace nk::art {

// The game's two faces: the display face of captions and the plain face of running text.
inline constexpr const char* kDisplayFace = "Comfortaa Bold";
inline constexpr const char* kPlainFace = "DejaVu Sans";

enum class Align { Left, Center, Right };

struct Font {
  const char* family = kDisplayFace;
  double px = 24;  // em size in pixels
};

struct TextSize {
  double w = 0, h = 0;
};

// The caption look of buttons and panels: a top-to-bottom gradient, an ink outline, a drop shadow.
struct Caption {
  Font font;
  Rgb top = hex(0xFFF4D6), bottom = hex(0xF2B64C);
  double outline = 3;
  double shadow = 3;  // offset of the soft shadow, 0 for none
};

TextSize measure(cairo_t* cr, std::string_view text, const Font& font);
// x is the anchor given by align, y the top of the text's box.
void caption(cairo_t* cr, std::string_view text, double x, double y, const Caption& look,
             Align align = Align::Center);
void plain(cairo_t* cr, std::string_view text, double x, double y, const Font& font, Rgb colour,
           Align align = Align::Left, double alpha = 1.0);
// Running text wrapped to width; returns the height used. Lines may use Pango markup (<b>..</b>).
double paragraph(cairo_t* cr, std::string_view markup, double x, double y, double width, const Font& font,
                 Rgb colour, double lineSpacing = 1.15, bool centred = false);
// Throws std::runtime_error unless both faces are installed: a fallback font would change every
// caption and every byte of the art.
void requireFonts();

// The largest size (at most font.px) at which text fits width.
Font fitted(cairo_t* cr, std::string_view text, Font font, double width);

}  // namespace nk::art
