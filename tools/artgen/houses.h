#pragma once
#include <array>
#include <string>

#include "tools/artgen/paint.h"

namespace nk::art {

// One level's house: its palette and materials, read from content/art/houses.txt.
struct House {
  int level = 0;
  Rgb wallpaper, wallpaperInk, wainscot, floor, trim, wood, fabric, outer, mortar, metal, leaves, sky, lamp;
  std::string wallpaperKind;  // stripes, damask, dots, diamonds, floral, checks
  std::string floorKind;      // planks, parquet, tiles, carpet
  std::string outerKind;      // brick, boards, stone, stucco
  std::string leavesKind;     // leafy, pine, autumn, ivy, palm, vine
};

class Houses {
 public:
  const House& level(int n) const { return houses_.at(static_cast<size_t>(n - 1)); }
  std::array<House, 6>& all() { return houses_; }

 private:
  std::array<House, 6> houses_;
};

// Throws std::runtime_error naming the file and line when something is missing or malformed.
Houses loadHouses(const std::string& path);

// Where the game puts things in a room of each level (room pixels; see docs/art.md).
struct LevelGeometry {
  int doorX, doorY;  // right-wall door; the wall itself starts at doorX
  int backdoorX;     // left edge of the back-door picture in room pixels
  int liftY;
  int contentShift;  // contents sit this much higher than the wall picture (level 5)
};
const LevelGeometry& geometryOf(int level);

inline constexpr int kRoom = 200;
inline constexpr int kFloorY = 190;
inline constexpr int kOuterWallX = 150;  // column 0 shows its wall picture from here on

}  // namespace nk::art
