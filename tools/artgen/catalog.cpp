#include "tools/artgen/catalog.h"

#include <algorithm>
#include <stdexcept>

#include "tools/artgen/families.h"

namespace nk::art {

void Catalog::add(std::string name, int tileW, int tileH, int frames, DrawFrame draw) {
  pictures_.push_back({std::move(name), tileW, tileH, frames, std::move(draw)});
}

const Picture& Catalog::find(const std::string& name) const {
  for (const Picture& p : pictures_) {
    if (p.name == name) return p;
  }
  throw std::runtime_error("no picture named " + name);
}

Catalog buildCatalog(const Houses& houses) {
  Catalog catalog;
  for (auto family : {addRooms, addPassages, addFurniture, addBurglar, addGuard, addCat, addPickups, addHud,
                      addMenus, addDialogs, addStreet}) {
    family(catalog, houses);
  }
  return catalog;
}

int columnsOf(const Picture& picture) { return std::clamp(2048 / picture.tileW, 1, picture.frames); }

Canvas render(const Picture& picture) {
  const int columns = columnsOf(picture);
  const int rows = (picture.frames + columns - 1) / columns;
  Canvas canvas(columns * picture.tileW, rows * picture.tileH);
  for (int f = 0; f < picture.frames; ++f) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, (f % columns) * picture.tileW, (f / columns) * picture.tileH);
    cairo_rectangle(cr, 0, 0, picture.tileW, picture.tileH);
    cairo_clip(cr);
    picture.draw(cr, f);
    cairo_restore(cr);
  }
  return canvas;
}

}  // namespace nk::art

namespace nk::art {

void blit(cairo_t* cr, const Picture& picture, const Canvas& rendered, int frame, const Placement& at) {
  const int columns = columnsOf(picture);
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_scale(cr, at.scale, at.scale);
  if (at.mirrored) {
    cairo_translate(cr, picture.tileW, 0);
    cairo_scale(cr, -1, 1);
  }
  cairo_rectangle(cr, 0, 0, picture.tileW, picture.tileH);
  cairo_clip(cr);
  cairo_set_source_surface(cr, rendered.surface(), -(frame % columns) * picture.tileW,
                           -(frame / columns) * picture.tileH);
  cairo_paint_with_alpha(cr, at.alpha);
  cairo_restore(cr);
}

}  // namespace nk::art
