#include "platform/deferred_device.h"

namespace nk {

void DeferredDevice::clear(uint32_t argb) {
  if (direct_) return soft_.clear(argb);
  // Whatever this frame drew before is gone; the state it set is not.
  current_ = {blend_, Bind{bound_}, Clear{argb}};
  currentCleared_ = true;
}

void DeferredDevice::setBlend(BlendFactor src, BlendFactor dst) {
  blend_ = {src, dst};
  if (direct_) return soft_.setBlend(src, dst);
  current_.emplace_back(blend_);
}

void DeferredDevice::bindTexture(TextureId id) {
  bound_ = id;
  if (direct_) return soft_.bindTexture(id);
  current_.emplace_back(Bind{id});
}

void DeferredDevice::drawFan(const QuadVertices& quad) {
  if (direct_) return soft_.drawFan(quad);
  current_.emplace_back(quad);
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
  current_.clear();
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
  for (const Frame& frame : kept_) {
    replay(frame);
    soft_.present();
  }
  kept_.clear();
}

void DeferredDevice::catchUp() {
  if (direct_) return;
  drawKeptFrames();
  replay(current_);
  current_.clear();
  soft_.setBlend(blend_.src, blend_.dst);
  soft_.bindTexture(bound_);
  direct_ = true;
}

void DeferredDevice::replay(const Frame& frame) {
  for (const Command& command : frame) {
    if (const auto* b = std::get_if<Blend>(&command)) {
      soft_.setBlend(b->src, b->dst);
    } else if (const auto* t = std::get_if<Bind>(&command)) {
      soft_.bindTexture(t->id);
    } else if (const auto* c = std::get_if<Clear>(&command)) {
      soft_.clear(c->argb);
    } else {
      soft_.drawFan(std::get<QuadVertices>(command));
    }
  }
}

}  // namespace nk
