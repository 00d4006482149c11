#pragma once
#include <cstddef>
#include <unordered_map>
#include <vector>

#include "platform/render_device.h"

namespace nk {

// A device that rasterises into memory: headless runs, screenshots, and the window's fallback
// when no accelerated renderer offers the blend factors. Pixel centres lie on whole numbers and
// edges follow the top-left fill rule, so an unscaled tile covers exactly its pixels.
class SoftwareDevice : public RenderDevice {
 public:
  SoftwareDevice(int width, int height);

  int width() const override { return width_; }
  int height() const override { return height_; }
  void clear(uint32_t argb) override;
  void beginScene() override {}
  void endScene() override {}
  void present() override;
  uint64_t presentedFrames() const override { return presentedFrames_; }
  void setBlend(BlendFactor src, BlendFactor dst) override;
  void bindTexture(TextureId id) override;
  void drawFan(const QuadVertices& quad) override;
  // Memory is the only limit; this is what any accelerated device offers at least.
  int maxTextureSize() const override { return 4096; }
  TextureId createTexture(int width, int height) override;
  void updateTexture(TextureId id, const uint32_t* argb) override;
  void destroyTexture(TextureId id) override;
  DeviceStatus status() override { return DeviceStatus::Ready; }
  bool reset() override { return true; }
  std::vector<uint32_t> readFrame() override { return presented_; }

 protected:
  const std::vector<uint32_t>& presentedFrame() const { return presented_; }

 private:
  struct Texture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
  };
  void drawTriangle(const DeviceVertex& a, const DeviceVertex& b, const DeviceVertex& c);
  // The usual quad: an upright rectangle in one colour whose texture runs along its sides.
  bool drawUprightQuad(const QuadVertices& q);
  uint32_t shade(uint32_t texel, uint32_t diffuse, uint32_t dest) const;

  int width_, height_;
  std::vector<uint32_t> back_, presented_;
  std::unordered_map<TextureId, Texture> textures_;
  TextureId nextTexture_ = 1;
  uint64_t presentedFrames_ = 0;
  std::vector<size_t> columns_;  // texel column of each pixel column of an upright quad
  const Texture* bound_ = nullptr;
  BlendFactor src_ = BlendFactor::SrcAlpha, dst_ = BlendFactor::InvSrcAlpha;
};

}  // namespace nk
