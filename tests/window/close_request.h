#pragma once
#include <cstdint>
#include <string>

namespace nk::window {

// Sends the window what a window manager sends when its close box is clicked: a WM_DELETE_WINDOW
// client message. False when the display cannot be reached. (Xlib's macros stay in its own file.)
bool sendCloseRequest(const std::string& display, uint64_t window);

}  // namespace nk::window
