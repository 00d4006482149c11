#pragma once
#include "tools/artgen/catalog.h"
#include "tools/artgen/houses.h"

namespace nk::art {

// Each family of pictures adds its names to the catalogue.
void addRooms(Catalog& c, const Houses& h);      // walls, back doors, scenery
void addPassages(Catalog& c, const Houses& h);   // doors, stairs, lifts
void addFurniture(Catalog& c, const Houses& h);  // interiors, safe, key board
void addBurglar(Catalog& c, const Houses& h);    // every vor_ picture, his soul, the thought bubble
void addGuard(Catalog& c, const Houses& h);
void addCat(Catalog& c, const Houses& h);
void addPickups(Catalog& c, const Houses& h);  // keys, money, prizes, laser, siren
void addHud(Catalog& c, const Houses& h);      // panel, key icons, cursors
void addMenus(Catalog& c, const Houses& h);    // menu backgrounds and buttons
void addDialogs(Catalog& c, const Houses& h);  // panels, dialogs, full-screen overlays
void addStreet(Catalog& c, const Houses& h);   // title, intro street, house windows

}  // namespace nk::art
