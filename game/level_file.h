#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// The level file: a header block and one block per room, each 128 bytes, little-endian.
inline constexpr size_t kLevelBlockSize = 128;
inline constexpr int32_t kMaxLevelRows = 9;
inline constexpr int32_t kMaxLevelColumns = 9;  // including column 0, the outer wall
inline constexpr int32_t kKeyKinds = 4;
inline constexpr int32_t kMoneySlots = 3;
inline constexpr int32_t kInteriorKinds = 17;  // 0 .. 16; any other kind builds nothing
inline constexpr int32_t kNoDoorKey = -1;

// One room as its block stores it. Flags keep their stored value; the game reads any non-zero as
// yes. Lift targets are playable columns and rows.
struct LevelCellRecord {
  int32_t interiorKind = 0;
  uint8_t hasDoor = 0;  // in the room's right wall
  uint8_t hasStairsUp = 0;
  uint8_t hasStairsDown = 0;
  uint8_t hasLift = 0;
  int32_t liftTargetColumn = 0;
  int32_t liftTargetRow = 0;
  uint8_t doorOpen = 0;
  int32_t doorKey = kNoDoorKey;
  uint8_t lit = 0;
  std::array<int32_t, kKeyKinds> hasKey{};
  int32_t hasKeyBoard = 0;
  int32_t hasGuard = 0;
  int32_t hasCat = 0;
  std::array<int32_t, kMoneySlots> hasMoney{};
  int32_t hasSafe = 0;
  uint8_t hasTimePrize = 0;
  uint8_t hasLifePrize = 0;
  uint8_t hasLaser = 0;

  bool operator==(const LevelCellRecord&) const = default;
};

// A whole level file. Stored column c is playable column c + 1; the blocks run row by row.
struct LevelFile {
  int32_t lastColumnIndex = 0;  // the header's A: stored columns 0 .. A
  int32_t lastRow = 0;          // the header's B: rows 0 .. B
  std::vector<LevelCellRecord> cells;

  int32_t columnCount() const { return lastColumnIndex + 1; }
  // The room at (playable column, row); both must lie inside the file.
  const LevelCellRecord& cell(int32_t column, int32_t row) const;
  LevelCellRecord& cell(int32_t column, int32_t row);
  bool contains(int32_t column, int32_t row) const {
    return column >= 1 && column <= columnCount() && row >= 0 && row <= lastRow;
  }

  bool operator==(const LevelFile&) const = default;
};

// An empty level of the given size: every room plain, dark, without a door.
LevelFile makeEmptyLevel(int32_t columnCount, int32_t lastRow);

class LevelFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a level from its bytes. A header whose size does not fit the 9 x 9 grid, or fewer bytes
// than its blocks need, throws LevelFileError; bytes after the last block are ignored.
LevelFile parseLevelFile(std::string_view bytes);

// The file's bytes; every byte the game ignores is 0.
std::string levelFileBytes(const LevelFile& level);

// Throw LevelFileError naming the file when it cannot be read, is damaged or cannot be written.
LevelFile readLevelFile(const std::string& path);
void writeLevelFile(const std::string& path, const LevelFile& level);

}  // namespace nk
