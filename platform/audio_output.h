#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/clock.h"

namespace nk {

// The sound device as the game's audio components need it: decoded wave files played on
// channels of their own, and one stream hook through which the tracker tunes are mixed.
// The device runs at the tunes' stream format: 22050 Hz, 16-bit, stereo.
class AudioOutput {
 public:
  static constexpr int kSampleRate = 22050;
  using WaveId = int;  // 0: no wave
  // Mixes `frames` stereo frames into `mix`; called on the audio thread.
  using StreamHook = std::function<void(int16_t* mix, size_t frames)>;

  virtual ~AudioOutput() = default;

  // Decodes a wave file (game path) and keeps it ready; 0 when it cannot be opened.
  virtual WaveId loadWave(const std::string& gamePath) = 0;
  virtual void freeWave(WaveId wave) = 0;
  virtual double waveSeconds(WaveId wave) const = 0;

  // A new channel for one effect; -1 when the device has no more.
  virtual int addChannel() = 0;
  // Plays the wave on the channel from its start, cutting what the channel played; false on failure.
  virtual bool startWave(int channel, WaveId wave) = 0;
  virtual void haltChannel(int channel) = 0;
  // Linear gains 0..1 for the channel's left and right side; false on failure.
  virtual bool setGains(int channel, double left, double right) = 0;

  // Seconds on the clock that effect positions are measured with.
  virtual double seconds() const = 0;

  // Replaces the stream hook (an empty hook removes it); the old one is not called afterwards.
  virtual void setStreamHook(StreamHook hook) = 0;
};

// The machine's sound card through SDL2_mixer; nullptr with the reason in error when it cannot open.
std::unique_ptr<AudioOutput> openDeviceAudio(std::string& error);

// No sound at all (headless runs, machines without a sound card): waves are measured but never
// heard, the stream hook is never called, positions follow the given clock.
std::unique_ptr<AudioOutput> makeSilentAudio(const Clock& clock);

}  // namespace nk
