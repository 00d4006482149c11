#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/audio_output.h"
#include "platform/files.h"

namespace nk {
namespace {

class DeviceAudio final : public AudioOutput {
 public:
  ~DeviceAudio() override {
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    for (auto& [id, chunk] : chunks_) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  WaveId loadWave(const std::string& gamePath) override {
    Mix_Chunk* chunk = Mix_LoadWAV(nativePath(gamePath).c_str());
    if (chunk == nullptr) return 0;
    chunks_[nextWave_] = chunk;
    return nextWave_++;
  }
  void freeWave(WaveId wave) override {
    const auto it = chunks_.find(wave);
    if (it == chunks_.end()) return;
    for (int c = 0; c < channels_; ++c) {
      if (Mix_GetChunk(c) == it->second) Mix_HaltChannel(c);
    }
    Mix_FreeChunk(it->second);
    chunks_.erase(it);
  }
  double waveSeconds(WaveId wave) const override {
    const auto it = chunks_.find(wave);
    if (it == chunks_.end()) return 0.0;
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const double bytesPerSecond = static_cast<double>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    return bytesPerSecond > 0 ? it->second->alen / bytesPerSecond : 0.0;
  }
  int addChannel() override {
    if (Mix_AllocateChannels(channels_ + 1) != channels_ + 1) return -1;
    return channels_++;
  }
  bool startWave(int channel, WaveId wave) override {
    const auto it = chunks_.find(wave);
    return it != chunks_.end() && Mix_PlayChannel(channel, it->second, 0) == channel;
  }
  void haltChannel(int channel) override { Mix_HaltChannel(channel); }
  bool setGains(int channel, double left, double right) override {
    auto level = [](double g) { return static_cast<Uint8>(std::lround(std::clamp(g, 0.0, 1.0) * 255)); };
    return Mix_SetPanning(channel, level(left), level(right)) != 0;
  }
  double seconds() const override {
    return static_cast<double>(SDL_GetPerformanceCounter()) /
           static_cast<double>(SDL_GetPerformanceFrequency());
  }
  void setStreamHook(StreamHook hook) override {
    Mix_HookMusic(nullptr, nullptr);  // waits for a running hook to return
    hook_ = std::move(hook);
    if (hook_) Mix_HookMusic(&DeviceAudio::mixStream, this);
  }

 private:
  static void mixStream(void* self, Uint8* stream, int bytes) {
    static_cast<DeviceAudio*>(self)->hook_(reinterpret_cast<int16_t*>(stream),
                                           static_cast<size_t>(bytes) / 4);
  }

  std::map<WaveId, Mix_Chunk*> chunks_;
  WaveId nextWave_ = 1;
  int channels_ = 0;
  StreamHook hook_;
};

}  // namespace

std::unique_ptr<AudioOutput> openDeviceAudio(std::string& error) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error = std::string("no sound (") + SDL_GetError() + ")";
    return nullptr;
  }
  // Exactly the tunes' stream format, so the stream hook needs no conversion.
  if (Mix_OpenAudioDevice(AudioOutput::kSampleRate, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
    error = std::string("no sound (") + Mix_GetError() + ")";
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  Mix_AllocateChannels(0);
  return std::make_unique<DeviceAudio>();
}

}  // namespace nk
