#pragma once
#include <memory>

#include "platform/render_device.h"

struct SDL_Renderer;

namespace nk {

// SDL's renderer with per-vertex coloured geometry and custom blend factors, taking the renderer
// over. It keeps no copy of a texture's pixels: a reset loses every texture, and their owners make
// them again. A texture SDL cannot make is no texture (id 0), never a blank that draws white.
std::unique_ptr<RenderDevice> makeGeometryDevice(SDL_Renderer* renderer, int width, int height);

// Whether the renderer offers the blend factors the game draws with.
bool offersCustomBlending(SDL_Renderer* renderer);

// Tells a geometry device that SDL lost its textures (a render-device reset event); other
// devices are left alone.
void markGeometryDeviceLost(RenderDevice& device);

}  // namespace nk
