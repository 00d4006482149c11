#pragma once
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/clock.h"
#include "platform/frame_commands.h"

namespace nk {

// The window's device as the display sees it. The game draws a whole frame on every tick, 120 a
// second; a frame reaches the display only when the display can show it (at most once a refresh)
// and only when it would change what is on screen. A frame is kept as its commands until its
// present decides; texture changes pass straight through, and a texture changed while the frame
// still uses it makes the rest of that frame go through as it comes.
class PacedDevice final : public RenderDevice {
 public:
  PacedDevice(std::unique_ptr<RenderDevice> display, const Clock& clock, int refreshHz);

  // The display's refresh rate changed (the window moved to another screen, say); 0: not known.
  void setRefreshRate(int hz);
  RenderDevice& display() { return *display_; }

  int width() const override { return display_->width(); }
  int height() const override { return display_->height(); }
  void clear(uint32_t argb) override;
  void beginScene() override { display_->beginScene(); }
  void endScene() override { display_->endScene(); }
  void present() override;
  // Frames that reached the display.
  uint64_t presentedFrames() const override { return presented_; }
  void setBlend(BlendFactor src, BlendFactor dst) override;
  void bindTexture(TextureId id) override;
  void drawFan(const QuadVertices& quad) override;
  int maxTextureSize() const override { return display_->maxTextureSize(); }
  TextureId createTexture(int width, int height) override;
  void updateTexture(TextureId id, const uint32_t* argb) override;
  void destroyTexture(TextureId id) override;
  DeviceStatus status() override { return display_->status(); }
  bool reset() override;
  bool texturesSurviveReset() const override { return display_->texturesSurviveReset(); }
  std::vector<uint32_t> readFrame() override { return display_->readFrame(); }

 private:
  int64_t now() const;
  void show();
  // Draws what this frame recorded so far; the rest of it goes straight to the display.
  void drawThrough();
  bool boundThisFrame(TextureId id) const;
  uint64_t version(TextureId id) const;

  std::unique_ptr<RenderDevice> display_;
  const Clock& clock_;
  int64_t frequency_ = 1000;
  bool highRes_ = false;
  int64_t refreshTicks_ = 0;
  int64_t nextShowAt_ = INT64_MIN;
  FrameCommands current_, shown_;
  bool cleared_ = false, direct_ = false, shownKnown_ = false;
  FrameCommands::Blend blend_{BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha};
  TextureId bound_ = 0;
  // Each texture's contents carry a number of their own, never reused, so that an equal frame
  // means equal pixels.
  std::unordered_map<TextureId, uint64_t> versions_;
  uint64_t lastVersion_ = 0;
  uint64_t presented_ = 0;
};

}  // namespace nk
