#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace nk {

// What each of the six houses fixes regardless of its level file: its size, its clock, where the
// back door, the house and the burglar start.
struct LevelConstants {
  int32_t level;
  std::string_view file;  // game path, as the game opens it
  int32_t lastRow;        // rows 0 .. lastRow, row 0 the top floor
  int32_t columnCount;    // playable columns 1 .. columnCount; column 0 is the outer wall
  int32_t timeMinutes;
  int32_t timeSeconds;
  int32_t timeLimitSeconds() const { return timeMinutes * 60 + timeSeconds; }
  int32_t backDoorX;
  int32_t backDoorY;
  int32_t backDoorFrame;
  int32_t originX;
  int32_t originY;
  int32_t startColumn;
  int32_t startRow;
};

inline constexpr int32_t kLevelCount = 6;

inline constexpr std::array<LevelConstants, kLevelCount> kLevelConstants{{
    {1, "Data\\level1.vmap", 2, 4, 5, 0, 269, 190, 3, 140, -210, 1, 2},
    {2, "Data\\level2.vmap", 3, 4, 5, 30, 269, 190, 4, 140, -10, 1, 1},
    {3, "Data\\level3.vmap", 4, 4, 6, 0, 269, 190, 1, -260, -610, 3, 4},
    {4, "Data\\level4.vmap", 4, 5, 7, 0, 269, 190, 1, -60, -610, 2, 4},
    {5, "Data\\level5.vmap", 5, 5, 8, 0, 264, 190, 1, -264, -410, 3, 3},
    {6, "Data\\level6.vmap", 6, 6, 8, 20, 260, 190, 1, -660, -610, 5, 4},
}};

// The constants of level 1 .. kLevelCount; nullptr for any other number.
constexpr const LevelConstants* findLevelConstants(int level) {
  if (level < 1 || level > kLevelCount) return nullptr;
  return &kLevelConstants[static_cast<size_t>(level - 1)];
}

}  // namespace nk
