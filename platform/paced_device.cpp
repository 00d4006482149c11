#include "platform/paced_device.h"

#include <algorithm>

namespace nk {
namespace {

constexpr int kAssumedRefreshHz = 60;  // what a display that does not say most likely runs at

}  // namespace

PacedDevice::PacedDevice(std::unique_ptr<RenderDevice> display, const Clock& clock, int refreshHz)
    : display_(std::move(display)), clock_(clock) {
  highRes_ = clock_.queryFrequency(frequency_);
  if (!highRes_) frequency_ = 1000;
  setRefreshRate(refreshHz);
}

void PacedDevice::setRefreshRate(int hz) {
  if (hz <= 0) hz = kAssumedRefreshHz;
  // A frame timer's firings jitter by a fraction of a millisecond: a tick that comes a little
  // before the refresh is due still gets shown, or a 60 Hz display would get only 40 frames.
  const int64_t period = frequency_ / hz;
  refreshTicks_ = period - std::min(period / 8, frequency_ / 1000);
}

int64_t PacedDevice::now() const { return highRes_ ? clock_.counter() : clock_.milliseconds(); }

uint64_t PacedDevice::version(TextureId id) const {
  auto it = versions_.find(id);
  return it == versions_.end() ? 0 : it->second;
}

bool PacedDevice::boundThisFrame(TextureId id) const {
  return std::any_of(current_.commands.begin(), current_.commands.end(), [id](const auto& command) {
    const auto* bind = std::get_if<FrameCommands::Bind>(&command);
    return bind != nullptr && bind->id == id;
  });
}

void PacedDevice::clear(uint32_t argb) {
  if (direct_) return display_->clear(argb);
  // Whatever the frame drew before is gone; the state it set is not.
  current_.commands = {blend_, FrameCommands::Bind{bound_, version(bound_)}, FrameCommands::Clear{argb}};
  cleared_ = true;
}

void PacedDevice::setBlend(BlendFactor src, BlendFactor dst) {
  blend_ = {src, dst};
  if (direct_) return display_->setBlend(src, dst);
  current_.commands.emplace_back(blend_);
}

void PacedDevice::bindTexture(TextureId id) {
  bound_ = id;
  if (direct_) return display_->bindTexture(id);
  current_.commands.emplace_back(FrameCommands::Bind{id, version(id)});
}

void PacedDevice::drawFan(const QuadVertices& quad) {
  if (direct_) return display_->drawFan(quad);
  current_.commands.emplace_back(quad);
}

void PacedDevice::drawThrough() {
  if (direct_) return;
  current_.replay(*display_);
  current_.commands.clear();
  display_->setBlend(blend_.src, blend_.dst);
  display_->bindTexture(bound_);
  direct_ = true;
}

void PacedDevice::show() {
  display_->present();
  ++presented_;
  nextShowAt_ = now() + refreshTicks_;
}

void PacedDevice::present() {
  // A frame that did not start with a clear draws over whatever the display holds: its
  // commands alone do not say what it looks like.
  if (!cleared_) drawThrough();
  if (direct_) {
    show();
    shownKnown_ = false;
  } else if (!(shownKnown_ && current_ == shown_) && now() >= nextShowAt_) {
    current_.replay(*display_);
    show();
    std::swap(shown_, current_);
    shownKnown_ = true;
  }
  // Otherwise the screen already shows this frame, or cannot show a new one yet; a later tick's
  // frame will be shown in its place.
  current_.commands.clear();
  cleared_ = direct_ = false;
}

TextureId PacedDevice::createTexture(int width, int height) {
  const TextureId id = display_->createTexture(width, height);
  if (id != 0) versions_[id] = ++lastVersion_;
  return id;
}

void PacedDevice::updateTexture(TextureId id, const uint32_t* argb) {
  if (boundThisFrame(id)) drawThrough();
  if (auto it = versions_.find(id); it != versions_.end()) it->second = ++lastVersion_;
  display_->updateTexture(id, argb);
}

void PacedDevice::destroyTexture(TextureId id) {
  if (boundThisFrame(id)) drawThrough();
  versions_.erase(id);
  display_->destroyTexture(id);
}

bool PacedDevice::reset() {
  // Whatever was on screen is gone with the old device.
  shownKnown_ = false;
  return display_->reset();
}

}  // namespace nk
