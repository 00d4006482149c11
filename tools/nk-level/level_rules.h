#pragma once
#include <string>
#include <vector>

#include "game/level_constants.h"
#include "game/level_file.h"

namespace nk {

// Everything in the level that the game cannot build or play as its level constants say; empty
// when the level is sound.
std::vector<std::string> levelProblems(const LevelFile& level, const LevelConstants& constants);

}  // namespace nk
