#pragma once
#include <memory>

#include <nlohmann/json_fwd.hpp>

#include "audio/nk_music.h"
#include "audio/nk_sound3d.h"

namespace nk {

// NkMusic1 as the window is built with it: the game's thirteen effects.
std::unique_ptr<TNkMusic> MakeGameEffects(AudioOutput& output);

// Sound3D as the window is built with it: "menumusic" and "gamemusic", both looping.
std::unique_ptr<TNkSound3D> MakeGameTunes(AudioOutput& output);

// Each tune by name: "playing" or "stopped".
nlohmann::json DescribeTunes(const TNkSound3D& tunes);

}  // namespace nk
