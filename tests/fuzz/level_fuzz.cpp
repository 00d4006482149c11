// Any bytes as a level file: either a level that fits the grid or a clean error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/level_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const nk::LevelFile level =
        nk::parseLevelFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (level.columnCount() > nk::kMaxLevelColumns - 1 || level.lastRow >= nk::kMaxLevelRows)
      __builtin_trap();
  } catch (const nk::LevelFileError&) {}
  return 0;
}
