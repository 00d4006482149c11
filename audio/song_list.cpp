#include "audio/song_list.h"

#include <algorithm>
#include <stdexcept>

#include "audio/sound_levels.h"

namespace nk {

TSongListItem::~TSongListItem() { release(); }

void TSongListItem::SetVolume(int32_t volume) {
  volume_ = std::clamp(volume, 0, 100);
  applyGains(false);
}

void TSongListItem::SetPan(int32_t pan) {
  pan_ = std::clamp(pan, -100, 100);
  applyGains(true);
}

void TSongListItem::applyGains(bool reportFailure) {
  if (!playback_) return;
  const StereoGains g = GainsFor(VolumeToAttenuation(volume_), PanToBalance(pan_));
  if (!output_.setGains(channel_, g.left, g.right) && reportFailure)
    throw std::runtime_error("Error setting Pan");
}

void TSongListItem::Initialize() {
  if (!Opened()) {
    Open(FileName);
    applyGains(true);
  }
  ready_ = true;
}

void TSongListItem::Open(const std::string& fileName) {
  if (fileName.empty()) return;
  release();
  if (channel_ < 0) channel_ = output_.addChannel();
  if (channel_ < 0)
    throw std::runtime_error("Failed to initialise DirectX Audio. DirectX 8 may not be installed");
  playback_ = Playback{};
  playback_->wave = output_.loadWave(fileName);
}

void TSongListItem::release() {
  if (!playback_) return;
  output_.haltChannel(channel_);
  if (playback_->wave != 0) output_.freeWave(playback_->wave);
  playback_.reset();
}

void TSongListItem::rewindAndRun() {
  if (playback_->wave != 0 && !output_.startWave(channel_, playback_->wave)) {
    throw std::runtime_error("Error playing sound");
  }
  playback_->running = true;
  playback_->startedAt = output_.seconds();
}

void TSongListItem::Play() {
  if (!ready_ || !playback_) return;
  rewindAndRun();
}

void TSongListItem::Stop() {
  if (!playback_) return;
  output_.haltChannel(channel_);
  playback_->running = false;
}

double TSongListItem::Duration() const { return playback_ ? output_.waveSeconds(playback_->wave) : 0.0; }

double TSongListItem::Position() const {
  if (!playback_ || !playback_->running) return 0.0;
  return std::min(output_.seconds() - playback_->startedAt, Duration());
}

bool TSongListItem::IsPlaying() const { return Position() < Duration(); }

void TSongListItem::Service() {
  if (IsPlaying() || !playback_) return;
  // Rewinding a running effect sounds it again; a stopped one is already at 0 s.
  if (playback_->running) rewindAndRun();
}

}  // namespace nk
