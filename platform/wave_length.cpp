#include "platform/wave_length.h"

#include <SDL.h>

namespace nk {

std::optional<double> waveFileSeconds(const std::string& nativeFile) {
  SDL_AudioSpec spec;
  Uint8* data = nullptr;
  Uint32 bytes = 0;
  if (SDL_LoadWAV(nativeFile.c_str(), &spec, &data, &bytes) == nullptr) return std::nullopt;
  SDL_FreeWAV(data);
  const double bytesPerSecond =
      static_cast<double>(spec.freq) * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8);
  return bytesPerSecond > 0 ? bytes / bytesPerSecond : 0.0;
}

}  // namespace nk
