#include "platform/sdl_device.h"

#include <SDL.h>

#include "platform/geometry_device.h"
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

}  // namespace

std::unique_ptr<RenderDevice> createWindowDevice(SDL_Window* window, int width, int height,
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

}  // namespace nk
