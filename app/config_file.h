#pragma once
#include <string>
#include <string_view>

#include "game/game_state.h"

namespace nk {

// Config.cfg: the switches, the two names and the high-score table as 25 letter-coded lines
// (docs/config.md).

inline constexpr std::string_view kConfigFile = "Config.cfg";

// Applies a Config.cfg text to the state as start-up does. A missing line reads as empty, so a
// short file keeps the defaults of its table rows. Any line 1 but "false" sets FullScreen; putting
// the screen into that mode is the caller's job.
void ReadConfig(std::string_view text, TGameState& state);

// The Config.cfg text of the state: 25 lines, each ended by CR LF.
std::string WriteConfig(const TGameState& state);

enum class ConfigLoad { Missing, Loaded, Unreadable };

// Reads the file at gamePath into the state. An unreadable file (no permission, a folder of that
// name) leaves the state untouched.
ConfigLoad LoadConfigFile(std::string_view gamePath, TGameState& state);

// Replaces the file at gamePath by way of a temporary file beside it and a rename, so a crash or a
// full disk leaves the old table whole. Throws std::runtime_error when the file cannot be written.
void SaveConfigFile(std::string_view gamePath, const TGameState& state);

}  // namespace nk
