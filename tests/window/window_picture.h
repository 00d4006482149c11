#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace nk::window {

// What the window shows, as the X server holds it: 0xRRGGBB a pixel, row by row; empty when the
// display cannot be reached. (Xlib's macros stay in its own file.)
std::vector<uint32_t> windowPicture(const std::string& display, uint64_t window);

}  // namespace nk::window
