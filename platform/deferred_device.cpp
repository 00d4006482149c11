#include "platform/deferred_device.h"

namespace nk {

void DeferredDevice::clear(uint32_t argb) {
  if (direct_) return soft_.clear(argb);
  // Whatever this frame drew before is gone; the state it set is not.
  current_.commands = {blend_, Bind{bound_, 0}, Clear{argb}};
  currentCleared_ = true;
}

void DeferredDevice::setBlend(BlendFactor src, BlendFactor dst) {
  blend_ = {src, dst};
  if (direct_) return soft_.setBlend(src, dst);
  current_.commands.emplace_back(blend_);
}

void DeferredDevice::bindTexture(TextureId id) {
  bound_ = id;
  if (direct_) return soft_.bindTexture(id);
  current_.commands.emplace_back(Bind{id, 0});
}

void DeferredDevice::drawFan(const QuadVertices& quad) {
  if (direct_) return soft_.drawFan(quad);
  current_.commands.emplace_back(quad);
}

void DeferredDevice::present() {
  ++presentedFrames_;
  if (direct_) {
    soft_.present();
    direct_ = false;
  } else if (currentCleared_) {
    if (kept_.size() == 2) kept_.erase(kept_.begin());
    kept_.push_back(std::move(current_));
  } else {
    // A frame without a clear draws over what the back buffer held.
    catchUp();
    soft_.present();
    direct_ = false;
  }
  current_.commands.clear();
  currentCleared_ = false;
}

void DeferredDevice::updateTexture(TextureId id, const uint32_t* argb) {
  catchUp();
  soft_.updateTexture(id, argb);
}

void DeferredDevice::destroyTexture(TextureId id) {
  catchUp();
  soft_.destroyTexture(id);
}

std::vector<uint32_t> DeferredDevice::readFrame() {
  drawKeptFrames();
  return soft_.readFrame();
}

void DeferredDevice::drawKeptFrames() {
  for (const FrameCommands& frame : kept_) {
    frame.replay(soft_);
    soft_.present();
  }
  kept_.clear();
}

void DeferredDevice::catchUp() {
  if (direct_) return;
  drawKeptFrames();
  current_.replay(soft_);
  current_.commands.clear();
  soft_.setBlend(blend_.src, blend_.dst);
  soft_.bindTexture(bound_);
  direct_ = true;
}

}  // namespace nk
