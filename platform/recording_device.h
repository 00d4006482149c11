#pragma once
#include <string>
#include <vector>

#include "platform/render_device.h"

namespace nk {

// A device that only writes down what it is asked to do, for unit tests of the drawing code.
class RecordingDevice final : public RenderDevice {
 public:
  struct Draw {
    TextureId texture;
    BlendFactor src, dst;
    QuadVertices quad;
  };

  explicit RecordingDevice(int width = 800, int height = 600) : width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void clear(uint32_t argb) override { log("clear"), clears.push_back(argb); }
  void beginScene() override { log("begin"); }
  void endScene() override { log("end"); }
  void present() override { log("present"), ++presented; }
  uint64_t presentedFrames() const override { return presented; }
  void setBlend(BlendFactor src, BlendFactor dst) override;
  void bindTexture(TextureId id) override { bound = id; }
  void drawFan(const QuadVertices& quad) override;
  int maxTextureSize() const override { return maxTexture; }
  TextureId createTexture(int width, int height) override;
  void updateTexture(TextureId id, const uint32_t* argb) override;
  void destroyTexture(TextureId id) override;
  DeviceStatus status() override { return statusToReport; }
  bool reset() override;
  std::vector<uint32_t> readFrame() override { return {}; }
  // Drops what was written down so far: long runs only look at the latest frame.
  void forget() {
    calls.clear();
    clears.clear();
    draws.clear();
  }

  // What happened, in order: "clear", "begin", "draw", "end", "present", "blend", "reset", ...
  std::vector<std::string> calls;
  std::vector<uint32_t> clears;
  std::vector<Draw> draws;
  int blendChanges = 0;
  BlendFactor src = BlendFactor::SrcAlpha, dst = BlendFactor::InvSrcAlpha;
  TextureId bound = 0;
  int liveTextures = 0;
  uint64_t presented = 0;
  DeviceStatus statusToReport = DeviceStatus::Ready;
  bool resetSucceeds = true;
  bool createSucceeds = true;  // false: createTexture fails (returns 0)
  int maxTexture = 4096;

 private:
  void log(const char* what) { calls.emplace_back(what); }
  int width_, height_;
  TextureId nextTexture_ = 1;
};

}  // namespace nk
