#include "audio/stream_buffer.h"

#include <algorithm>
#include <cstring>

namespace nk {
namespace {
constexpr size_t kSamples = StreamBuffer::kBytes / 2;
constexpr size_t kHalfSamples = StreamBuffer::kHalf / 2;
}  // namespace

StreamBuffer::StreamBuffer(Notify notify) : samples_(kSamples, 0), notify_(std::move(notify)) {}

void StreamBuffer::Write(size_t offset, const uint8_t* data, size_t bytes) {
  std::lock_guard lock(mutex_);
  auto* raw = reinterpret_cast<uint8_t*>(samples_.data());
  offset %= kBytes;
  const size_t first = std::min(bytes, kBytes - offset);
  std::memcpy(raw + offset, data, first);
  std::memcpy(raw, data + first, bytes - first);
}

void StreamBuffer::FillSilence() {
  std::lock_guard lock(mutex_);
  std::fill(samples_.begin(), samples_.end(), int16_t{0});
}

void StreamBuffer::Play() {
  std::lock_guard lock(mutex_);
  playing_ = true;
}

void StreamBuffer::Stop() {
  std::lock_guard lock(mutex_);
  playing_ = false;
}

bool StreamBuffer::Playing() const {
  std::lock_guard lock(mutex_);
  return playing_;
}

void StreamBuffer::MixInto(int16_t* mix, size_t frames) {
  std::lock_guard lock(mutex_);
  if (!playing_) return;
  size_t todo = frames * 2;
  while (todo > 0) {
    // Up to the next half boundary, where a notification is due.
    const size_t boundary = position_ < kHalfSamples ? kHalfSamples : kSamples;
    const size_t n = std::min(todo, boundary - position_);
    for (size_t i = 0; i < n; ++i) {
      const int sum = *mix + samples_[position_ + i];
      *mix++ = static_cast<int16_t>(std::clamp(sum, -32768, 32767));
    }
    position_ += n;
    todo -= n;
    if (position_ == boundary) {
      position_ %= kSamples;
      notify_(position_ == 0 ? 0 : 1);
    }
  }
}

}  // namespace nk
