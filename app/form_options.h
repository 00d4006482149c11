#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace nk {

// What the command line may decide for a run.
struct FormOptions {
  std::optional<uint64_t> seed;       // replaces the clock seed
  std::optional<bool> fullScreen;     // overrides Config.cfg's display mode
  std::optional<int32_t> startLevel;  // go straight into a new game on this level
  std::string scoreServer;            // the score server's address; none: it counts as unreachable
};

}  // namespace nk
