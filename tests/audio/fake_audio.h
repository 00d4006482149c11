#pragma once
// An audio output that plays nothing and remembers what it was asked, with a clock the test sets.
#include <map>
#include <string>
#include <vector>

#include "platform/audio_output.h"

namespace nk::test {

class FakeAudio final : public AudioOutput {
 public:
  std::map<std::string, double> files;  // game path -> seconds; others cannot be opened
  double now = 0;
  bool gainsFail = false;
  std::vector<std::string> calls;  // "start 0", "halt 0"
  std::map<int, std::pair<double, double>> gains;
  StreamHook hook;

  WaveId loadWave(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) return 0;
    waves_.push_back(it->second);
    return static_cast<WaveId>(waves_.size());
  }
  void freeWave(WaveId) override {}
  double waveSeconds(WaveId wave) const override {
    return wave > 0 ? waves_.at(static_cast<size_t>(wave - 1)) : 0.0;
  }
  int addChannel() override { return channels_++; }
  bool startWave(int channel, WaveId) override {
    calls.push_back("start " + std::to_string(channel));
    return true;
  }
  void haltChannel(int channel) override { calls.push_back("halt " + std::to_string(channel)); }
  bool setGains(int channel, double left, double right) override {
    gains[channel] = {left, right};
    return !gainsFail;
  }
  double seconds() const override { return now; }
  void setStreamHook(StreamHook h) override { hook = std::move(h); }

 private:
  std::vector<double> waves_;
  int channels_ = 0;
};

}  // namespace nk::test
