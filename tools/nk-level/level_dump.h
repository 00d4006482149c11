#pragma once
#include <nlohmann/json.hpp>

#include "game/level_file.h"

namespace nk {

// The stored values of a level file as JSON: its header and every cell in file order, with the
// playable column.
nlohmann::ordered_json dumpLevel(const LevelFile& level);

}  // namespace nk
