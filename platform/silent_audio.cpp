#include <map>

#include "platform/audio_output.h"
#include "platform/files.h"
#include "platform/wave_length.h"

namespace nk {
namespace {

class SilentAudio final : public AudioOutput {
 public:
  explicit SilentAudio(const Clock& clock) : clock_(clock) {}

  WaveId loadWave(const std::string& gamePath) override {
    const auto length = waveFileSeconds(nativePath(gamePath));
    if (!length) return 0;
    lengths_[nextWave_] = *length;
    return nextWave_++;
  }
  void freeWave(WaveId wave) override { lengths_.erase(wave); }
  double waveSeconds(WaveId wave) const override {
    const auto it = lengths_.find(wave);
    return it == lengths_.end() ? 0.0 : it->second;
  }
  int addChannel() override { return channels_++; }
  bool startWave(int, WaveId) override { return true; }
  void haltChannel(int) override {}
  bool setGains(int, double, double) override { return true; }
  double seconds() const override {
    int64_t frequency = 0;
    if (clock_.queryFrequency(frequency) && frequency > 0)
      return static_cast<double>(clock_.counter()) / frequency;
    return clock_.milliseconds() / 1000.0;
  }
  void setStreamHook(StreamHook) override {}

 private:
  const Clock& clock_;
  std::map<WaveId, double> lengths_;
  WaveId nextWave_ = 1;
  int channels_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> makeSilentAudio(const Clock& clock) {
  return std::make_unique<SilentAudio>(clock);
}

}  // namespace nk
