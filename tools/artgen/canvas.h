#pragma once
#include <cairo.h>

#include <string>

namespace nk::art {

// An ARGB drawing surface with its Cairo context; owns both.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(Canvas&& other) noexcept;
  Canvas& operator=(Canvas&&) = delete;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // False when the file cannot be written.
  bool writePng(const std::string& path) const;

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace nk::art
