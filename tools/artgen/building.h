#pragma once
#include <cairo.h>

#include "tools/artgen/houses.h"
#include "tools/artgen/paint.h"

namespace nk::art {

// Surfaces of a house shared by the rooms, the doors and the street. Each fills the rectangle
// (x, y, w, h) and draws nothing outside it.
struct Rect {
  double x, y, w, h;
};

void wallpaper(cairo_t* cr, const House& house, Rect r);
void outerWall(cairo_t* cr, const House& house, Rect r);
// The thick wall between two rooms, seen edge-on.
void innerWall(cairo_t* cr, const House& house, Rect r);
// The floor's top surface and the slab under it.
void floorBand(cairo_t* cr, const House& house, Rect r);
// A panelled door in its frame: closed, or swung open onto a dark doorway.
void door(cairo_t* cr, const House& house, Rect r, bool open);
// The house's front door, with a fanlight and a lamp beside it.
void entranceDoor(cairo_t* cr, const House& house, Rect r);
// Night over everything drawn so far in r: a moonlit blue veil.
void nightVeil(cairo_t* cr, Rect r, double strength);

}  // namespace nk::art
