#pragma once
#include <stdexcept>
#include <string_view>

#include "game/level_file.h"

namespace nk {

// A level as written in content/levels (docs/levels.md): "level N", then one line per room.
struct LevelSource {
  int32_t level = 0;
  LevelFile file;
};

class LevelSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws LevelSourceError naming the line at fault.
LevelSource parseLevelSource(std::string_view text);

}  // namespace nk
