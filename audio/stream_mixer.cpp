#include "audio/stream_mixer.h"

#include <algorithm>

namespace nk {

void StreamMixer::Attach(StreamBuffer& buffer) {
  std::lock_guard lock(mutex_);
  buffers_.push_back(&buffer);
}

void StreamMixer::Detach(StreamBuffer& buffer) {
  std::lock_guard lock(mutex_);
  std::erase(buffers_, &buffer);
}

void StreamMixer::Mix(int16_t* mix, size_t frames) {
  std::lock_guard lock(mutex_);
  for (StreamBuffer* b : buffers_) b->MixInto(mix, frames);
}

}  // namespace nk
