#pragma once
#include <cairo.h>

namespace nk::art {

// The characters as the title, the street and the help pages show them; each draws one frame of
// its sprite into the sprite's tile at the origin (burglar 60 x 120, guard 80 x 115, cat 64 x 110).
void drawBurglarWalking(cairo_t* cr, int frame);
void drawBurglarCheering(cairo_t* cr);
void drawBurglarFrightened(cairo_t* cr);
void drawGuard(cairo_t* cr, int frame);
void drawCat(cairo_t* cr, int frame);

}  // namespace nk::art
