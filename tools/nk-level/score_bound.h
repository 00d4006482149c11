#pragma once
#include <cstdint>

#include "game/level_constants.h"
#include "game/level_file.h"

namespace nk {

// The most one house can add to a score: all of its money at the dearest kind each slot can
// hold, its safe, and the time bonus of a clock that never ran down with every time prize
// taken. A lost life forfeits the money of that attempt, so no house pays twice. The score
// server refuses a report above the sum over the shipped houses.
int64_t levelScoreBound(const LevelFile& level, const LevelConstants& constants);

}  // namespace nk
