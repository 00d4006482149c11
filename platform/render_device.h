#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace nk {

// Blend factors of the alpha-blending equation: result = source * src + destination * dst.
enum class BlendFactor : uint8_t {
  Zero,
  One,
  SrcColor,
  InvSrcColor,
  SrcAlpha,
  InvSrcAlpha,
  DestColor,
  InvDestColor
};

// A pre-transformed vertex: screen pixels with pixel centres on whole numbers, ARGB colour,
// texture coordinates 0..1.
struct DeviceVertex {
  float x, y;
  uint32_t color;
  float u, v;
  bool operator==(const DeviceVertex&) const = default;
};
using QuadVertices = std::array<DeviceVertex, 4>;

using TextureId = uint32_t;  // 0 is "no texture"

enum class DeviceStatus { Ready, Lost, NeedsReset };

// What the engine needs of a 3D device: textured, coloured triangle fans with point sampling,
// texture x diffuse modulation, free choice of blend factors, and a lost/reset cycle.
class RenderDevice {
 public:
  virtual ~RenderDevice() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;

  virtual void clear(uint32_t argb) = 0;
  virtual void beginScene() = 0;
  virtual void endScene() = 0;
  virtual void present() = 0;
  // How many frames were presented since the device was made.
  virtual uint64_t presentedFrames() const = 0;

  virtual void setBlend(BlendFactor src, BlendFactor dst) = 0;
  virtual void bindTexture(TextureId id) = 0;
  // Two triangles: (0, 1, 2) and (0, 2, 3).
  virtual void drawFan(const QuadVertices& quad) = 0;

  // The largest texture side the device accepts.
  virtual int maxTextureSize() const = 0;
  // Textures hold ARGB pixels, row by row; the device keeps its own copy.
  virtual TextureId createTexture(int width, int height) = 0;
  virtual void updateTexture(TextureId id, const uint32_t* argb) = 0;
  virtual void destroyTexture(TextureId id) = 0;

  virtual DeviceStatus status() = 0;
  // Recovers a device whose status is NeedsReset; false when it cannot yet.
  virtual bool reset() = 0;
  // Whether textures come through a reset with their pixels; a device that keeps no copy loses
  // them, and their owners make them again.
  virtual bool texturesSurviveReset() const { return true; }

  // The last presented frame as ARGB (alpha 255); empty when the device cannot read back.
  virtual std::vector<uint32_t> readFrame() = 0;
};

}  // namespace nk
