#pragma once
#include <cairo.h>

#include <cstdint>

#include "tools/artgen/building.h"
#include "tools/artgen/houses.h"

namespace nk::art {

// The moonlit night shared by the title, the menus and the intro street.
void nightSky(cairo_t* cr, Rect r, Rgb top, Rgb bottom);
void stars(cairo_t* cr, Rect r, int count, uint64_t seed);
void moon(cairo_t* cr, double x, double y, double radius);
// Far roofs and chimneys against the sky, standing on baseY.
void skyline(cairo_t* cr, double width, double baseY, double height, uint64_t seed, Rgb colour);
void streetLamp(cairo_t* cr, double x, double groundY, double height);

// A house seen from the street: its wall, a gabled roof with a chimney, dark windows, a front door.
struct Facade {
  Rect wall;        // from the eaves to the pavement
  double roofRise;  // how high the gable rises above the wall
  double doorX;     // left edge of the front door
};
void facade(cairo_t* cr, const House& house, const Facade& f, uint64_t seed);
// A window of a house on the street, dark or lit from inside; w x h.
void streetWindow(cairo_t* cr, const House& house, double x, double y, double w, double h, bool lit);

}  // namespace nk::art
