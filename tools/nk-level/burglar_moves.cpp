#include "tools/nk-level/burglar_moves.h"

namespace nk {

RoomGeometry roomGeometry(int32_t level) {
  // Measured with the game's pixel collisions on his standing picture: a hand must really touch
  // a key, so the keys hung high (kinds 0 and 2) are in reach over a shorter stretch, and out of
  // reach altogether where level 5 raises the contents. The beam's zone is where its middle lies
  // inside his picture.
  static constexpr RoomGeometry kUsual{{145, kLastRoomPosition},
                                       {0, 5},
                                       {81, 149},
                                       {36, 104},
                                       {4, 101},
                                       {{{19, 47}, {21, 69}, {44, 72}, {47, 95}}},
                                       {78, 136},
                                       115,
                                       95};
  static constexpr RoomGeometry kLevel5{{145, kLastRoomPosition},
                                        {0, 5},
                                        {77, 145},
                                        {32, 100},
                                        {0, 97},
                                        {{{1, 0}, {17, 64}, {1, 0}, {43, 90}}},
                                        {74, 132},
                                        111,
                                        91};
  return level == 5 ? kLevel5 : kUsual;
}

RouteSetup routeSetupFor(const LevelConstants& c) {
  const int32_t roomTop = c.originY + 200 * c.startRow;
  const int32_t beamDrop = (c.level == 2 || c.level == 3) ? 8 : 15;
  const int32_t contentShift = c.level == 5 ? -4 : 0;
  return {c.startColumn, c.startRow, roomGeometry(c.level), double(roomTop + contentShift + beamDrop)};
}

}  // namespace nk
