#pragma once
#include <cstdint>
#include <vector>

#include "platform/frame_commands.h"
#include "platform/software_device.h"

namespace nk {

// A software device that rasterises a frame only when someone looks at it. Headless runs present
// thousands of frames and read back a handful, so each frame is kept as a list of commands and
// drawn when it is read back, or when a texture it uses is about to change. The pixels read back
// are exactly those of a software device that drew every frame.
class DeferredDevice final : public RenderDevice {
 public:
  DeferredDevice(int width, int height) : soft_(width, height) {}

  int width() const override { return soft_.width(); }
  int height() const override { return soft_.height(); }
  void clear(uint32_t argb) override;
  void beginScene() override {}
  void endScene() override {}
  void present() override;
  uint64_t presentedFrames() const override { return presentedFrames_; }
  void setBlend(BlendFactor src, BlendFactor dst) override;
  void bindTexture(TextureId id) override;
  void drawFan(const QuadVertices& quad) override;
  int maxTextureSize() const override { return soft_.maxTextureSize(); }
  TextureId createTexture(int width, int height) override { return soft_.createTexture(width, height); }
  void updateTexture(TextureId id, const uint32_t* argb) override;
  void destroyTexture(TextureId id) override;
  DeviceStatus status() override { return DeviceStatus::Ready; }
  bool reset() override { return true; }
  std::vector<uint32_t> readFrame() override;

 private:
  using Blend = FrameCommands::Blend;
  using Bind = FrameCommands::Bind;
  using Clear = FrameCommands::Clear;

  void drawKeptFrames();
  // Draws every kept frame and the current one; the rest of this frame goes straight through.
  void catchUp();

  SoftwareDevice soft_;
  // Presented frames not drawn yet, oldest first. Each begins with a clear, so only the last
  // two matter: they are the contents of the two swapped buffers.
  std::vector<FrameCommands> kept_;
  FrameCommands current_;
  bool currentCleared_ = false;
  bool direct_ = false;  // this frame is drawn as it comes
  Blend blend_{BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha};
  TextureId bound_ = 0;
  uint64_t presentedFrames_ = 0;
};

}  // namespace nk
