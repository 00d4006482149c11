#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/level_file.h"
#include "tools/nk-level/burglar_moves.h"

namespace nk {

// One thing the burglar does on the way: walk (waiting for lasers included) and then act.
struct RouteStep {
  int32_t column;
  int32_t row;
  int32_t walkTicks;
  int32_t actionTicks;
  std::string action;
  int32_t endTick;
};

struct Route {
  bool won = false;
  int32_t ticks = 0;
  std::vector<RouteStep> steps;
};

// The quickest way from the start to a cracked safe that takes at most tickLimit ticks, over the
// rooms, the carried keys and the opened doors. Walking into a guard's room through a door kills,
// and so does standing in a laser's way while its beam is low.
Route findBestRoute(const LevelFile& level, const RouteSetup& setup, int32_t tickLimit);

}  // namespace nk
