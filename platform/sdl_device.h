#pragma once
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/render_device.h"

struct SDL_Window;

namespace nk {

// Creates the window's device: SDL's accelerated renderer when it offers custom blend factors,
// otherwise our software rasteriser presented through a streaming texture. Nothing, with the
// message that says which renderer failed in failure, when neither can be had. Frames reach the
// display at most once a refresh and only when they change (NOKTURO_PACING=off: every frame).
std::unique_ptr<RenderDevice> createWindowDevice(SDL_Window* window, int width, int height,
                                                 const Clock& clock, std::string& failure);

// Tells the window's device that SDL lost its textures (a render-device reset event).
void markWindowDeviceLost(RenderDevice& device);
// The window moved to a display that may refresh at another rate.
void displayChanged(RenderDevice& device, SDL_Window* window);

}  // namespace nk
