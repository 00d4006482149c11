#pragma once
#include <array>
#include <cstdint>

#include "game/level_constants.h"
#include "game/level_file.h"

namespace nk {

// Play passes (120 a second) each thing costs, counted from the pass that takes the key's release
// to the first pass he obeys the keys again: the action's own ticks, the pass that starts it and
// the pass that hands play back.
inline constexpr int32_t kTicksPerSecond = 120;
inline constexpr int32_t kOpenDoorTicks = 233 + 2;
inline constexpr int32_t kOpenDoorWithKeyTicks = 473 + 2;
inline constexpr int32_t kWalkThroughTicks = 259 + 2;
inline constexpr int32_t kClimbTicks = 358 + 2;
// The ride's 521 ticks, then the arrival's 300 (its count starts at 1).
inline constexpr int32_t kLiftTicks = 1 + 521 + 300;
inline constexpr int32_t kTakeKeyTicks = 333 + 2;
// Up to the pass that puts the money into the score and shows the level-complete screen.
inline constexpr int32_t kCrackSafeTicks = 1 + 550;
// Letting go of an arrow is a pass of its own: the rules spend it on making him stand.
inline constexpr int32_t kStandTicks = 1;

// Sprite moves between a room's reveal and the first pass he obeys the keys in it, for each way
// in; a laser beam built at the reveal has swept that far when he can move again.
inline constexpr int32_t kMovesAfterWalkThrough = 131;
inline constexpr int32_t kMovesAfterClimbUp = 161;
inline constexpr int32_t kMovesAfterClimbDown = 201;
inline constexpr int32_t kMovesAfterLift = 301;

inline constexpr int32_t kLastRoomPosition = 151;
// He walks right only up to here; one more step takes him to the last position.
inline constexpr int32_t kWalkLimit = 150;
inline constexpr int32_t kWalkBackLanding = 129;

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
