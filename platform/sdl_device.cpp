#include "platform/sdl_device.h"

#include <SDL.h>

#include <string_view>

#include "platform/geometry_device.h"
#include "platform/paced_device.h"
#include "platform/software_device.h"

namespace nk {
namespace {

// Our rasteriser, each frame streamed to the window.
class PresentingSoftwareDevice final : public SoftwareDevice {
 public:
  PresentingSoftwareDevice(SDL_Renderer* renderer, int width, int height)
      : SoftwareDevice(width, height), renderer_(renderer) {
    // The picture keeps its shape in any window size: scaled, with bars.
    SDL_RenderSetLogicalSize(renderer_, width, height);
    frame_ =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
  }
  ~PresentingSoftwareDevice() override {
    if (frame_ != nullptr) SDL_DestroyTexture(frame_);
    SDL_DestroyRenderer(renderer_);
  }
  // The renderer could make the texture the frames go through.
  bool canPresent() const { return frame_ != nullptr; }
  void present() override {
    SoftwareDevice::present();
    SDL_UpdateTexture(frame_, nullptr, presentedFrame().data(), width() * 4);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, frame_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

 private:
  SDL_Renderer* renderer_;
  SDL_Texture* frame_;
};

int displayRefreshRate(SDL_Window* window) {
  SDL_DisplayMode mode;
  if (SDL_GetWindowDisplayMode(window, &mode) != 0) return 0;
  return mode.refresh_rate;
}

std::unique_ptr<RenderDevice> makeDisplayDevice(SDL_Window* window, int width, int height,
                                                std::string& failure) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (renderer != nullptr && offersCustomBlending(renderer))
    return makeGeometryDevice(renderer, width, height);
  const std::string accelerated = renderer != nullptr ? "" : SDL_GetError();
  // Our own rasteriser draws; SDL only shows the frames, through the accelerated renderer when
  // there is one.
  if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (renderer != nullptr) {
    auto device = std::make_unique<PresentingSoftwareDevice>(renderer, width, height);
    if (device->canPresent()) return device;
  }
  failure = "Could not find any compatible render\ndevices: ";
  if (!accelerated.empty()) failure += "the accelerated renderer failed (" + accelerated + "),\n";
  failure += std::string("the software renderer failed (") + SDL_GetError() + ").";
  return nullptr;
}

}  // namespace

std::unique_ptr<RenderDevice> createWindowDevice(SDL_Window* window, int width, int height,
                                                 const Clock& clock, std::string& failure) {
  std::unique_ptr<RenderDevice> device = makeDisplayDevice(window, width, height, failure);
  if (!device) return nullptr;
  // Pacing off: every tick's frame is presented as the game draws it, for comparing the two.
  const char* pacing = SDL_getenv("NOKTURO_PACING");
  if (pacing != nullptr && std::string_view(pacing) == "off") return device;
  return std::make_unique<PacedDevice>(std::move(device), clock, displayRefreshRate(window));
}

void markWindowDeviceLost(RenderDevice& device) {
  auto* paced = dynamic_cast<PacedDevice*>(&device);
  markGeometryDeviceLost(paced != nullptr ? paced->display() : device);
}

void displayChanged(RenderDevice& device, SDL_Window* window) {
  if (auto* paced = dynamic_cast<PacedDevice*>(&device)) paced->setRefreshRate(displayRefreshRate(window));
}

}  // namespace nk
