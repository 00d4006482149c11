#pragma once
#include <ostream>

#include "game/level_constants.h"
#include "game/level_file.h"

namespace nk {

// The share of the time limit the best route may use.
inline constexpr double kRouteTimeShare = 0.6;

// Validates the level against its constants and proves it can be won; writes the problems or the
// best route to out. True when the level passes.
bool checkLevel(const LevelFile& level, const LevelConstants& constants, std::ostream& out);

}  // namespace nk
