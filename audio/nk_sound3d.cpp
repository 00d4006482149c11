#include "audio/nk_sound3d.h"

#include <stdexcept>

namespace nk {

TNkSound3D::TNkSound3D(AudioOutput& output, PlayerSource players)
    : output_(output), players_(std::move(players)) {
  output_.setStreamHook([this](int16_t* mix, size_t frames) { device_.Mix(mix, frames); });
}

TNkSound3D::~TNkSound3D() { output_.setStreamHook({}); }

std::unique_ptr<ModPlayer> TNkSound3D::NewPlayer() const {
  auto player = players_ ? players_() : nullptr;
  if (!player) {
    throw std::runtime_error(
        "Error initializing ModPlug library, please make sure that mppsdk.dll is somewhere in your path!");
  }
  return player;
}

}  // namespace nk
