#include "tools/nk-level/burglar_moves.h"

#include <algorithm>

namespace nk {
namespace {

// The burglar stands at screen x 300 in a picture about 60 wide; sizes of the level pictures.
constexpr int32_t kBurglarX = 300, kBurglarWidth = 60;
constexpr int32_t kStairsX = 60, kStairsWidth = 100;
constexpr int32_t kLiftX = 15, kLiftWidth = 110;
constexpr int32_t kLaserX = 45, kLaserWidth = 100;
constexpr int32_t kSafeX = 20, kSafeWidth = 60;
constexpr std::array<int32_t, kKeyKinds> kKeyX{20, 32, 45, 58};
constexpr int32_t kKeyWidth = 20;
// A hand must really overlap a thing to take it.
constexpr int32_t kReach = 10;

Span clamped(int32_t lo, int32_t hi) { return {std::max(lo, 0), std::min(hi, kLastRoomPosition)}; }

// Positions at which the burglar's picture overlaps [left, left + width) by at least kReach.
Span touching(int32_t offset, int32_t left, int32_t width) {
  return clamped(left + kReach - kBurglarWidth + offset + 1, left + width - kReach + offset - 1);
}

}  // namespace

RoomGeometry roomGeometry(int32_t roomLeft) {
  // The burglar's left edge is at room x (position - offset).
  const int32_t offset = roomLeft - kBurglarX;
  RoomGeometry g{};
  g.door = {145, kLastRoomPosition};
  g.backDoor = {0, 5};
  g.stairs = clamped(kStairsX - 20 + offset + 1, kStairsX + kStairsWidth - 50 + offset - 1);
  g.lift = clamped(kLiftX - 20 + offset + 1, kLiftX + kLiftWidth - 60 + offset - 1);
  g.safe = touching(offset, kSafeX, kSafeWidth);
  for (size_t k = 0; k < g.keys.size(); ++k) g.keys[k] = touching(offset, kKeyX[k], kKeyWidth);
  const int32_t beamMiddle = kLaserX + kLaserWidth / 2 + offset;
  g.laserZone = {beamMiddle - kBurglarWidth + 1, beamMiddle - 1};
  // Climbing lines him up with the stairs, a little further right when he came from the left.
  g.landingFacingRight = offset + kStairsX + 15;
  g.landingFacingLeft = offset + kStairsX - 5;
  return g;
}

RouteSetup routeSetupFor(const LevelConstants& c) {
  const int32_t roomTop = c.originY + 200 * c.startRow;
  const int32_t beamDrop = (c.level == 2 || c.level == 3) ? 8 : 15;
  const int32_t contentShift = c.level == 5 ? -4 : 0;
  return {c.startColumn, c.startRow, c.originX + 200 * c.startColumn, double(roomTop + contentShift + beamDrop)};
}

}  // namespace nk
