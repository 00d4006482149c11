#pragma once
#include <array>
#include <cstdint>

#include "game/door_actions.h"
#include "game/level_constants.h"
#include "game/level_file.h"
#include "game/move_actions.h"
#include "game/take_actions.h"

namespace nk {

// Play passes (120 a second) each thing costs, counted from the pass that takes the key's release
// to the first pass he obeys the keys again, from the game's own ticks. An action that ends on its
// tick `end` runs end + 1 passes from tick 0, after the pass that started it; the next pass is
// the rules' again.
inline constexpr int32_t kTicksPerSecond = 120;
constexpr int32_t ActionPasses(int32_t endTick) { return endTick + 2; }
inline constexpr int32_t kOpenDoorTicks = ActionPasses(kOpenDoorEnd);
inline constexpr int32_t kOpenDoorWithKeyTicks = ActionPasses(kOpenDoorWithKeyEnd);
// A walk through ends on the first tick past kWalkEndsAfter: he is fully shown by then.
inline constexpr int32_t kWalkThroughTicks = ActionPasses(kWalkEndsAfter + 1);
inline constexpr int32_t kClimbTicks = ActionPasses(kClimbEnd);
// The ride's ticks 0 .. kLiftRideEnd, then the arrival's (its count starts at 1).
inline constexpr int32_t kLiftTicks = 1 + kLiftRideEnd + 1 + kArriveEnd;
inline constexpr int32_t kTakeKeyTicks = ActionPasses(kTakeKeyEnd);
// Up to the pass that puts the money into the score and shows the level-complete screen.
inline constexpr int32_t kCrackSafeTicks = 1 + kCrackSafeEnd;
// Letting go of an arrow is a pass of its own: the rules spend it on making him stand.
inline constexpr int32_t kStandTicks = 1;

// Sprite moves between a room's reveal and the first pass he obeys the keys in it, for each way
// in; a laser beam built at the reveal has swept that far when he can move again. The pass of the
// reveal moves the sprites after it, the rules' pass tests him before it moves them.
constexpr int32_t MovesAfterReveal(int32_t passes, int32_t revealTick) { return passes - (revealTick + 1); }
inline constexpr int32_t kMovesAfterWalkThrough = MovesAfterReveal(kWalkThroughTicks, kWalkChangesRoom);
inline constexpr int32_t kMovesAfterClimbUp = MovesAfterReveal(kClimbTicks, kClimbUp.arrive);
inline constexpr int32_t kMovesAfterClimbDown = MovesAfterReveal(kClimbTicks, kClimbDown.arrive);
inline constexpr int32_t kMovesAfterLift = MovesAfterReveal(kLiftTicks, kLiftRideEnd);

inline constexpr int32_t kLastRoomPosition = 151;
// He walks right only up to here; one more step takes him to the last position.
inline constexpr int32_t kWalkLimit = 150;
inline constexpr int32_t kWalkBackLanding = kWalkBackRoomPosition;

// Room positions, both ends included; lo > hi is nowhere.
struct Span {
  int32_t lo;
  int32_t hi;
  bool contains(int32_t pos) const { return pos >= lo && pos <= hi; }
};

// Where in a room (in room positions) the burglar, standing, touches each thing.
struct RoomGeometry {
  Span door;
  Span backDoor;
  Span stairs;
  Span lift;
  Span safe;
  std::array<Span, kKeyKinds> keys;
  Span laserZone;  // standing here while the beam is low sets off the siren
  int32_t landingFacingRight;
  int32_t landingFacingLeft;
};

// The places as the game's own collisions find them with our art, on the given level (level 5
// draws a room's contents further left and higher than the others).
RoomGeometry roomGeometry(int32_t level);

// What a level's constants fix for the search: where the burglar starts, where rooms are drawn.
struct RouteSetup {
  int32_t startColumn;
  int32_t startRow;
  RoomGeometry geometry;
  double beamTopY;  // screen y of a laser beam when it is built
};

RouteSetup routeSetupFor(const LevelConstants& constants);

}  // namespace nk
