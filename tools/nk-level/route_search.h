#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/level_file.h"
#include "tools/nk-level/burglar_moves.h"

namespace nk {

// What he does at the end of a step, and so which key he presses.
enum class Deed {
  Start,
  OpenDoor,
  OpenDoorWithKey,
  WalkThrough,
  ClimbUp,
  ClimbDown,
  RideLift,
  TakeKey,
  CrackSafe
};

// One press of an arrow: he walks until he stands at `to` (at a wall the press only turns him);
// letting go costs a pass of its own.
struct Leg {
  int32_t to;
  bool right;
};

// One thing the burglar does on the way: walk (waiting for lasers included) and then act.
struct RouteStep {
  int32_t column;
  int32_t row;
  std::vector<Leg> legs;
  int32_t walkTicks;
  Deed deed;
  int32_t actionTicks;
  std::string action;
  int32_t endTick;
  // After the deed: the room he is in, where he gets control (-1 until the search fills it in) and
  // the walk out of a laser's way when that place is in it.
  int32_t endColumn = 0, endRow = 0, landing = -1;
  std::vector<Leg> outLegs;
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
