#pragma once
#include <cairo.h>

#include "tools/artgen/paint.h"

namespace nk::art {

// Small things that also appear in other pictures (his hands, the thought bubble, the HUD, help).
// Each is drawn around the origin: the key hangs from its ring at (0, 0) and is about 26 long at
// scale 1; the banknote's top-left corner is at (0, 0), 56 x 30 at scale 1.
void drawKey(cairo_t* cr, Rgb colour, double scale);
void drawBanknote(cairo_t* cr, double scale);

// The four key colours, by key kind.
Rgb keyColour(int kind);

}  // namespace nk::art
