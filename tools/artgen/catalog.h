#pragma once
#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/artgen/canvas.h"
#include "tools/artgen/houses.h"

namespace nk::art {

// Draws one frame of a picture into a tile whose top-left corner is the origin.
using DrawFrame = std::function<void(cairo_t* cr, int frame)>;

// A named picture of the game: frames of one tile size, laid out row by row.
struct Picture {
  std::string name;
  int tileW = 0, tileH = 0, frames = 1;
  DrawFrame draw;
};

class Catalog {
 public:
  void add(std::string name, int tileW, int tileH, int frames, DrawFrame draw);
  const std::vector<Picture>& pictures() const { return pictures_; }
  const Picture& find(const std::string& name) const;

 private:
  std::vector<Picture> pictures_;
};

// Every picture of the game, in library order.
Catalog buildCatalog(const Houses& houses);

// Frames per row of the picture file, keeping files at most about 2048 pixels wide.
int columnsOf(const Picture& picture);
Canvas render(const Picture& picture);

}  // namespace nk::art

namespace nk::art {

// How a sprite is put on screen: scaled towards its top-left corner, optionally mirrored.
struct Placement {
  double x = 0, y = 0;
  double scale = 1.0;
  double alpha = 1.0;
  bool mirrored = false;
};

// Draws one frame of a rendered picture.
void blit(cairo_t* cr, const Picture& picture, const Canvas& rendered, int frame, const Placement& at);

}  // namespace nk::art
