#include "window_picture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace nk::window {

std::vector<uint32_t> windowPicture(const std::string& display, uint64_t window) {
  Display* x = XOpenDisplay(display.c_str());
  if (x == nullptr) return {};
  std::vector<uint32_t> pixels;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(x, window, &attributes) != 0) {
    if (XImage* image = XGetImage(x, window, 0, 0, static_cast<unsigned>(attributes.width),
                                  static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap)) {
      for (int row = 0; row < image->height; ++row) {
        for (int column = 0; column < image->width; ++column) {
          pixels.push_back(static_cast<uint32_t>(XGetPixel(image, column, row)) & 0xFFFFFFu);
        }
      }
      XDestroyImage(image);
    }
  }
  XCloseDisplay(x);
  return pixels;
}

}  // namespace nk::window
