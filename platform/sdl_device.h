#pragma once
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/render_device.h"

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;

namespace nk {

// Creates the window's device: SDL's accelerated renderer when it offers custom blend factors,
// otherwise our software rasteriser presented through a streaming texture.
std::unique_ptr<RenderDevice> createWindowDevice(SDL_Window* window, int width, int height);

// Tells the window's device that SDL lost its textures (a render-device reset event).
void markWindowDeviceLost(RenderDevice& device);

}  // namespace nk
