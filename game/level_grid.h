#pragma once
#include <array>
#include <cstdint>

#include "game/level_file.h"

namespace nk {

class Tmapsurf;
class TInterior;
class TDoor;
class TLift;
class TStairs;
class TKey;
class TKeysBoard;
class TMoney;
class TGuy;
class TCat;
class TSeif;
class TPrizTime;
class TPrizLife;
class TLaser;
class TSiren;

// One room: what its level file says, and the sprites it has while it is lit. The sprites
// belong to the sprite engine; these pointers are cleared whenever the engine frees them.
struct TLevelCell {
  LevelCellRecord stored;  // the file's values, changed by play (doors opened, things taken, lit)
  int32_t walkLimit = 150;
  int32_t interiorCount = -1;
  std::array<TInterior*, 2> interior{};
  TDoor* door = nullptr;
  TLift* lift = nullptr;
  TStairs* stairsUp = nullptr;
  TStairs* stairsDown = nullptr;
  std::array<TKey*, kKeyKinds> keys{};
  TKeysBoard* keyBoard = nullptr;
  std::array<TMoney*, kMoneySlots> money{};
  TGuy* guard = nullptr;
  TCat* cat = nullptr;
  int32_t yOffset = 0;
  int32_t xOffset = 0;
  int32_t darkFrame = 3;
  TSeif* safe = nullptr;
  TPrizTime* timePrize = nullptr;
  TPrizLife* lifePrize = nullptr;
  TLaser* laser = nullptr;
  TSiren* siren = nullptr;
};

// The house: at most 9 floors of 9 rooms, row 0 the top floor, column 0 the outer wall.
struct TLevelGrid {
  int32_t originX = 0;
  int32_t originY = 0;
  std::array<std::array<Tmapsurf*, kMaxLevelColumns>, kMaxLevelRows> walls{};
  std::array<std::array<TLevelCell, kMaxLevelColumns>, kMaxLevelRows> cells{};
  int32_t lastRow = 0;
  int32_t columnCount = 0;

  TLevelCell& cell(int32_t column, int32_t row) {
    return cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
  }
  const TLevelCell& cell(int32_t column, int32_t row) const {
    return cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
  }
  bool contains(int32_t column, int32_t row) const {
    return column >= 0 && column <= columnCount && row >= 0 && row <= lastRow;
  }
  // A room the burglar can be in: the outer wall of column 0 is not one.
  bool isRoom(int32_t column, int32_t row) const { return column >= 1 && contains(column, row); }
};

}  // namespace nk
