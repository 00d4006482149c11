#pragma once
#include <string>
#include <vector>

#include "synth.h"

namespace nk::sfx {

constexpr double kRate = 22050;  // mono, 16-bit

struct Effect {
  std::string file;  // name in Sounds/
  std::string what;
  synth::Signal (*make)();
};

// The game's thirteen effects, each finished: peak at -1 dBFS, faded in and out.
const std::vector<Effect>& Effects();
synth::Signal Render(const Effect& effect);

}  // namespace nk::sfx
