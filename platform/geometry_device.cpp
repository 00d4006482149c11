#include "platform/geometry_device.h"

#include <SDL.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace nk {
namespace {

SDL_BlendFactor toSdl(BlendFactor f) {
  switch (f) {
    case BlendFactor::Zero: return SDL_BLENDFACTOR_ZERO;
    case BlendFactor::One: return SDL_BLENDFACTOR_ONE;
    case BlendFactor::SrcColor: return SDL_BLENDFACTOR_SRC_COLOR;
    case BlendFactor::InvSrcColor: return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
    case BlendFactor::SrcAlpha: return SDL_BLENDFACTOR_SRC_ALPHA;
    case BlendFactor::InvSrcAlpha: return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case BlendFactor::DestColor: return SDL_BLENDFACTOR_DST_COLOR;
    case BlendFactor::InvDestColor: return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
  }
  return SDL_BLENDFACTOR_ONE;
}

SDL_BlendMode compose(BlendFactor src, BlendFactor dst) {
  // The target has no alpha of its own worth keeping: alpha follows the colour factors.
  return SDL_ComposeCustomBlendMode(toSdl(src), toSdl(dst), SDL_BLENDOPERATION_ADD, toSdl(src), toSdl(dst),
                                    SDL_BLENDOPERATION_ADD);
}

class GeometryDevice final : public RenderDevice {
 public:
  GeometryDevice(SDL_Renderer* renderer, int width, int height)
      : renderer_(renderer), width_(width), height_(height) {
    SDL_RenderSetLogicalSize(renderer_, width_, height_);
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer_, &info) == 0 && info.max_texture_width > 0) {
      maxTexture_ = std::min(info.max_texture_width, info.max_texture_height);
    }
  }
  ~GeometryDevice() override {
    for (auto& [id, t] : textures_) SDL_DestroyTexture(t.texture);
    SDL_DestroyRenderer(renderer_);
  }

  int width() const override { return width_; }
  int height() const override { return height_; }
  void clear(uint32_t argb) override {
    SDL_SetRenderDrawColor(renderer_, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, 255);
    SDL_RenderClear(renderer_);
  }
  void beginScene() override {}
  void endScene() override {}
  void present() override {
    SDL_RenderPresent(renderer_);
    ++presented_;
  }
  uint64_t presentedFrames() const override { return presented_; }
  void setBlend(BlendFactor src, BlendFactor dst) override { mode_ = compose(src, dst); }
  void bindTexture(TextureId id) override {
    auto it = textures_.find(id);
    bound_ = it == textures_.end() ? nullptr : it->second.texture;
  }
  void drawFan(const QuadVertices& quad) override {
    SDL_Vertex v[4];
    for (int i = 0; i < 4; ++i) {
      const auto& q = quad[static_cast<size_t>(i)];
      // Our pixel centres lie on whole numbers, SDL's at +0.5.
      v[i].position = SDL_FPoint{q.x + 0.5f, q.y + 0.5f};
      v[i].color = SDL_Color{static_cast<Uint8>(q.color >> 16), static_cast<Uint8>(q.color >> 8),
                             static_cast<Uint8>(q.color), static_cast<Uint8>(q.color >> 24)};
      v[i].tex_coord = SDL_FPoint{q.u, q.v};
    }
    static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
    if (bound_ != nullptr) {
      SDL_SetTextureBlendMode(bound_, mode_);
    } else {
      SDL_SetRenderDrawBlendMode(renderer_, mode_);
    }
    SDL_RenderGeometry(renderer_, bound_, v, 4, kIndices, 6);
  }
  int maxTextureSize() const override { return maxTexture_; }
  TextureId createTexture(int width, int height) override {
    if (width < 1 || height < 1 || width > maxTexture_ || height > maxTexture_) return 0;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
    if (texture == nullptr) return 0;
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    const TextureId id = nextTexture_++;
    textures_.emplace(id, Texture{texture, width});
    return id;
  }
  void updateTexture(TextureId id, const uint32_t* argb) override {
    auto it = textures_.find(id);
    if (it != textures_.end()) SDL_UpdateTexture(it->second.texture, nullptr, argb, it->second.width * 4);
  }
  void destroyTexture(TextureId id) override {
    auto it = textures_.find(id);
    if (it == textures_.end()) return;
    if (bound_ == it->second.texture) bound_ = nullptr;
    SDL_DestroyTexture(it->second.texture);
    textures_.erase(it);
  }
  DeviceStatus status() override { return lost_ ? DeviceStatus::NeedsReset : DeviceStatus::Ready; }
  // The textures are gone with the old device; their owners make them again from their pictures.
  bool reset() override {
    for (auto& [id, t] : textures_) SDL_DestroyTexture(t.texture);
    textures_.clear();
    bound_ = nullptr;
    SDL_RenderSetLogicalSize(renderer_, width_, height_);
    lost_ = false;
    return true;
  }
  bool texturesSurviveReset() const override { return false; }
  std::vector<uint32_t> readFrame() override { return {}; }
  void markLost() { lost_ = true; }

 private:
  struct Texture {
    SDL_Texture* texture;
    int width;
  };

  SDL_Renderer* renderer_;
  int width_, height_;
  int maxTexture_ = 4096;  // when the renderer does not say
  std::unordered_map<TextureId, Texture> textures_;
  TextureId nextTexture_ = 1;
  SDL_Texture* bound_ = nullptr;
  SDL_BlendMode mode_ = compose(BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha);
  bool lost_ = false;
  uint64_t presented_ = 0;
};

}  // namespace

std::unique_ptr<RenderDevice> makeGeometryDevice(SDL_Renderer* renderer, int width, int height) {
  return std::make_unique<GeometryDevice>(renderer, width, height);
}

bool offersCustomBlending(SDL_Renderer* renderer) {
  SDL_Texture* probe = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  if (probe == nullptr) return false;
  const bool ok = SDL_SetTextureBlendMode(probe, compose(BlendFactor::Zero, BlendFactor::SrcColor)) == 0 &&
                  SDL_SetTextureBlendMode(probe, compose(BlendFactor::InvDestColor, BlendFactor::Zero)) == 0;
  SDL_DestroyTexture(probe);
  return ok;
}

void markGeometryDeviceLost(RenderDevice& device) {
  if (auto* geometry = dynamic_cast<GeometryDevice*>(&device)) geometry->markLost();
}

}  // namespace nk
