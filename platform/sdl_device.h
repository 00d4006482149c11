#pragma once
#include <memory>
#include <string>

#include "platform/render_device.h"

struct SDL_Window;

namespace nk {

// Creates the window's device: SDL's accelerated renderer when it offers custom blend factors,
// otherwise our software rasteriser presented through a streaming texture. Nothing, with the
// message that says which renderer failed in failure, when neither can be had.
std::unique_ptr<RenderDevice> createWindowDevice(SDL_Window* window, int width, int height,
                                                 std::string& failure);

}  // namespace nk
