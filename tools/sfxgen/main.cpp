// sfxgen DIR: synthesises the game's sound effects into DIR as 22050 Hz 16-bit mono wave files.
#include <sndfile.h>

#include <cstdio>
#include <string>

#include "effects.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: sfxgen DIR\n", stderr);
    return 2;
  }
  for (const nk::sfx::Effect& e : nk::sfx::Effects()) {
    const std::vector<int16_t> pcm = nk::synth::toPcm16(nk::sfx::Render(e));
    const std::string path = std::string(argv[1]) + "/" + e.file;
    SF_INFO info{};
    info.samplerate = static_cast<int>(nk::sfx::kRate);
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(path.c_str(), SFM_WRITE, &info);
    if (out == nullptr) {
      std::fprintf(stderr, "sfxgen: cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
      return 1;
    }
    const auto written = sf_write_short(out, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    sf_close(out);
    if (written != static_cast<sf_count_t>(pcm.size())) {
      std::fprintf(stderr, "sfxgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
