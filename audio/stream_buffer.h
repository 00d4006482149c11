#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace nk {

// A tune's looping sound buffer of two halves (22050 Hz, 16-bit stereo): the audio thread plays
// it round and round and reports when the play position reaches the start of either half; the
// tune's worker writes the half that is not playing.
class StreamBuffer {
 public:
  static constexpr size_t kBytes = 176400;
  static constexpr size_t kHalf = 88200;
  // Notification i: the play position reached offset i * kHalf. Called on the audio thread.
  using Notify = std::function<void(int)>;

  explicit StreamBuffer(Notify notify);

  // Copies bytes in at offset (wrapping past the end).
  void Write(size_t offset, const uint8_t* data, size_t bytes);
  void FillSilence();
  void Play();  // looping, from where it stopped
  void Stop();
  bool Playing() const;

  // Audio thread: adds the next frames (saturating) to mix and moves the play position on.
  void MixInto(int16_t* mix, size_t frames);

 private:
  mutable std::mutex mutex_;
  std::vector<int16_t> samples_;
  size_t position_ = 0;  // in samples
  bool playing_ = false;
  Notify notify_;
};

}  // namespace nk
