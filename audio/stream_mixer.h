#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "audio/stream_buffer.h"

namespace nk {

// Mixes every attached tune buffer into the output's stream (the tunes' sound device).
class StreamMixer {
 public:
  void Attach(StreamBuffer& buffer);
  void Detach(StreamBuffer& buffer);
  // Audio thread: adds every playing buffer's next frames to mix.
  void Mix(int16_t* mix, size_t frames);

 private:
  std::mutex mutex_;
  std::vector<StreamBuffer*> buffers_;
};

}  // namespace nk
