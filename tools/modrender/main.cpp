// modrender MODULE OUT.wav [SECONDS]: renders a tune the way the game does (22050 Hz, 16-bit
// stereo) into a wave file, to listen to and to measure. Without SECONDS the module plays once
// to its end; with it, the module loops for that long.
#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "audio/mod_player.h"
#include "platform/audio_output.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fputs("usage: modrender MODULE OUT.wav [SECONDS]\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream data;
  if (!in || !(data << in.rdbuf())) {
    std::fprintf(stderr, "modrender: cannot read %s\n", argv[1]);
    return 1;
  }
  auto player = nk::makeOpenMptPlayer();
  if (!player->LoadModule(data.str())) {
    std::fprintf(stderr, "modrender: %s is no module\n", argv[1]);
    return 1;
  }
  const int rate = nk::AudioOutput::kSampleRate;
  const long limit = argc == 4 ? std::atol(argv[3]) * rate : -1;
  player->SetSampleRate(rate);
  player->SetOptions(limit > 0 ? nk::ModPlayer::kLoopOption : 0);

  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* out = sf_open(argv[2], SFM_WRITE, &info);
  if (out == nullptr) {
    std::fprintf(stderr, "modrender: cannot write %s: %s\n", argv[2], sf_strerror(nullptr));
    return 1;
  }
  std::vector<int16_t> block(2 * 4096);
  long frames = 0;
  while (limit < 0 || frames < limit) {
    const size_t bytes = player->Render(reinterpret_cast<uint8_t*>(block.data()), block.size() * 2);
    if (bytes == 0) break;
    long n = static_cast<long>(bytes / 4);
    if (limit > 0 && frames + n > limit) n = limit - frames;
    sf_writef_short(out, block.data(), n);
    frames += n;
  }
  sf_close(out);
  std::printf("%s: %.2f s\n", argv[2], static_cast<double>(frames) / rate);
  return 0;
}
