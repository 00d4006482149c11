#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "game/level_constants.h"
#include "game/level_file.h"
#include "tools/nk-level/route_search.h"

namespace nk {

// A route that play would not follow as the search planned it.
class RouteScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct RouteScript {
  std::string text;   // harness script lines
  int32_t crackPass;  // the pass the safe is cracked and the level-complete screen comes
  int32_t enterPass;  // the last line's Enter: the first tap the level-complete screen takes
};

// The headless harness script that plays the route: Enter on the level intro, whose first pass is
// introPass (and a key for the quick help on level 1), every arrow held and let go, every action
// key, the waits for the laser beams, and last Enter on the level-complete screen once its time
// bonus is counted. The pass after that Enter's release is the next level intro's first.
RouteScript writeRouteScript(const Route& route, const LevelFile& level, const LevelConstants& constants,
                             int32_t introPass);

}  // namespace nk
