#pragma once
#include <array>
#include <cstdint>

#include "game/level_constants.h"
#include "game/level_file.h"

namespace nk {

// How long each burglar action keeps the clock running, in game ticks.
inline constexpr int32_t kTicksPerSecond = 120;
inline constexpr int32_t kOpenDoorTicks = 233;
inline constexpr int32_t kOpenDoorWithKeyTicks = 473;
inline constexpr int32_t kWalkThroughTicks = 259;
inline constexpr int32_t kClimbTicks = 358;
inline constexpr int32_t kLiftTicks = 520 + 300;
inline constexpr int32_t kTakeKeyTicks = 333;
inline constexpr int32_t kCrackSafeTicks = 550;

// Sprite moves between a room's reveal and the first play tick in it, for each way in; a laser
// beam built at the reveal has swept that far when the burglar can move again.
inline constexpr int32_t kMovesAfterWalkThrough = 131;
inline constexpr int32_t kMovesAfterClimb = 161;
inline constexpr int32_t kMovesAfterLift = 301;

inline constexpr int32_t kLastRoomPosition = 151;
inline constexpr int32_t kWalkBackLanding = 129;

// Room positions, both ends included.
struct Span {
  int32_t lo;
  int32_t hi;
  bool contains(int32_t pos) const { return pos >= lo && pos <= hi; }
};

// Where in a room (in room positions) the burglar can use each thing, for pictures of the sizes
// the art is drawn to. The room's left end is on screen at roomLeft when he stands at position 0.
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

RoomGeometry roomGeometry(int32_t roomLeft);

// What a level's constants fix for the search: where the burglar starts, where rooms are drawn.
struct RouteSetup {
  int32_t startColumn;
  int32_t startRow;
  int32_t roomLeft;
  double beamTopY;  // screen y of a laser beam when it is built
};

RouteSetup routeSetupFor(const LevelConstants& constants);

}  // namespace nk
