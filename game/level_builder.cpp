#include "game/level_builder.h"

#include "engine/nk_sprite.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {
namespace {

// Furniture of each interior kind: up to two pieces, wide or thin, at an offset in the room.
// A piece of -1 picks one of the two sofas at random; a y spread adds random(spread).
struct Piece {
  bool wide;
  int piece, x, y, ySpread;
};
struct Furnishing {
  int count;
  Piece pieces[2];
};
constexpr Furnishing kInteriors[kInteriorKinds] = {
    {0, {}},
    {1, {{true, -1, -10, 75, 0}}},
    {1, {{true, 3, 20, 80, 0}}},
    {1, {{true, 5, 40, 70, 20}}},
    {1, {{true, 4, 10, 15, 0}}},
    {2, {{true, 4, 10, 20, 0}, {false, 3, 10, 80, 0}}},
    {1, {{false, 2, 20, 10, 0}}},
    {1, {{false, 4, 70, 10, 0}}},
    {2, {{true, 3, 40, 90, 0}, {false, 0, 10, 10, 0}}},
    {2, {{true, -1, -20, 75, 0}, {true, 5, 45, 100, 0}}},
    {2, {{true, 4, 10, 20, 0}, {true, -1, -10, 75, 0}}},
    {2, {{true, 5, 40, 70, 20}, {false, 6, 60, 40, 0}}},
    {2, {{false, 4, 70, 10, 0}, {true, -1, -10, 75, 0}}},
    {2, {{true, 4, 10, 20, 0}, {true, 3, 20, 80, 0}}},
    {2, {{true, 5, 45, 70, 0}, {false, 3, 70, 80, 0}}},
    {2, {{false, 2, 20, 10, 0}, {true, -1, -10, 75, 0}}},
    {2, {{true, 3, 20, 80, 0}, {false, 3, 70, 80, 0}}},
};

struct LevelOffsets {
  int doorX, doorY, liftY, laserY;
};
LevelOffsets offsetsFor(int level) {
  const int doorX = level <= 3 ? 145 : level <= 5 ? 152 : 142;
  const int doorY = level == 1 ? 60 : level <= 3 ? 37 : level <= 5 ? 42 : 61;
  const int liftY = (level == 1 || level == 4) ? 5 : level <= 3 ? 3 : level == 5 ? 10 : 2;
  const int laserY = (level == 2 || level == 3) ? 8 : 15;
  return {doorX, doorY, liftY, laserY};
}

}  // namespace

bool TPlayState::busy() const {
  for (uint8_t running : actions) {
    if (running != 0) return true;
  }
  return SafeTaken;
}

void LevelBuilder::Build(const LevelFile& file, const LevelConstants& constants) {
  TLevelGrid& grid = play_.grid;
  grid = TLevelGrid{};
  for (int32_t row = 0; row <= file.lastRow; ++row) {
    for (int32_t column = 1; column <= file.columnCount(); ++column)
      grid.cell(column, row).stored = file.cell(column, row);
  }
  grid.lastRow = constants.lastRow;
  grid.columnCount = constants.columnCount;
  play_.backDoor = new TBackDoor(world_, constants.backDoorX, constants.backDoorY, constants.backDoorFrame);

  const int32_t shift = world_.level == 5 ? -4 : 0;
  for (int32_t row = 0; row <= grid.lastRow; ++row) {
    for (int32_t column = 0; column <= grid.columnCount; ++column) {
      TLevelCell& cell = grid.cell(column, row);
      cell.yOffset = row * 200 + shift;
      cell.xOffset = column * 200;
      cell.walkLimit = 150;
    }
  }
  grid.originX = constants.originX;
  grid.originY = constants.originY;
  for (int32_t row = 0; row <= grid.lastRow; ++row) {
    for (int32_t column = 1; column <= grid.columnCount; ++column) {
      TLevelCell& cell = grid.cell(column, row);
      cell.darkFrame = randomDarkFrame();
      const int frame = cell.stored.lit != 0 ? 2 : randomDarkFrame();
      grid.walls[row][column] =
          new Tmapsurf(world_, grid.originX + column * 200, grid.originY + row * 200, frame);
    }
    grid.walls[row][0] =
        new Tmapsurf(world_, grid.originX, grid.originY + row * 200, row < grid.lastRow ? 0 : 1);
  }
  for (int32_t row = 0; row <= grid.lastRow; ++row) {
    for (int32_t column = 0; column <= grid.columnCount; ++column) {
      if (grid.cell(column, row).stored.lit != 0) BuildCell(column, row);
    }
  }
  buildBackground();
}

void LevelBuilder::buildInterior(TLevelCell& cell, int x, int y) {
  const int kind = cell.stored.interiorKind;
  if (kind < 0 || kind >= kInteriorKinds) return;
  const Furnishing& furnishing = kInteriors[kind];
  cell.interiorCount = furnishing.count - 1;
  for (int i = 0; i < furnishing.count; ++i) {
    const Piece& item = furnishing.pieces[i];
    const int piece = item.piece >= 0 ? item.piece : random_.random(2);
    const int dy = item.y + (item.ySpread > 0 ? random_.random(item.ySpread) : 0);
    cell.interior[static_cast<size_t>(i)] = new TInterior(world_, x + item.x, y + dy, item.wide, piece);
  }
}

void LevelBuilder::BuildCell(int32_t column, int32_t row) {
  TLevelGrid& grid = play_.grid;
  TLevelCell& cell = grid.cell(column, row);
  const LevelCellRecord& stored = cell.stored;
  const int x = grid.originX + cell.xOffset, y = grid.originY + cell.yOffset;
  const LevelOffsets offsets = offsetsFor(world_.level);

  buildInterior(cell, x, y);
  if (stored.hasDoor != 0)
    cell.door = new TDoor(world_, x + offsets.doorX, y + offsets.doorY, stored.doorOpen != 0 ? 1 : 0);
  if (stored.hasStairsUp != 0) cell.stairsUp = new TStairs(world_, x + 60, y, true);
  if (stored.hasStairsDown != 0) cell.stairsDown = new TStairs(world_, x + 60, y + 30, false);
  if (stored.hasLift != 0) cell.lift = new TLift(world_, x + 15, y + offsets.liftY);
  if (stored.hasKeyBoard != 0) cell.keyBoard = new TKeysBoard(world_, x + 10, y + 45);
  if (stored.hasLaser != 0) {
    cell.laser = new TLaser(world_, x + 45, y + offsets.laserY);
    cell.siren = new TSiren(world_, x + 10, y + offsets.laserY);
  }
  static constexpr int kKeyPlaces[kKeyKinds][2] = {{5, 10}, {17, 25}, {30, 10}, {43, 25}};
  for (int kind = 0; kind < kKeyKinds; ++kind) {
    if (stored.hasKey[static_cast<size_t>(kind)] != 0) {
      cell.keys[static_cast<size_t>(kind)] =
          new TKey(world_, x + 15 + kKeyPlaces[kind][0], y + 50 + kKeyPlaces[kind][1], kind);
    }
  }
  if (stored.hasGuard != 0) cell.guard = new TGuy(world_, x + 10, y + 75);
  if (stored.hasCat != 0) cell.cat = new TCat(world_, x + 15, y + 80);
  if (stored.hasSafe != 0) cell.safe = new TSeif(world_, x + 20, y + 40);
  if (stored.hasTimePrize != 0) cell.timePrize = new TPrizTime(world_, x + 60, y + 120);
  if (stored.hasLifePrize != 0) cell.lifePrize = new TPrizLife(world_, x + 10, y + 100);
  for (int slot = 0; slot < kMoneySlots; ++slot) {
    if (stored.hasMoney[static_cast<size_t>(slot)] == 0) continue;
    static constexpr int kSlotX[kMoneySlots][2] = {{30, 30}, {45, 20}, {75, 10}};  // base, spread
    const int mx = x + kSlotX[slot][0] + random_.random(kSlotX[slot][1]);
    const int my = y + 100 + random_.random(40);
    const int kind = slot < 2 ? slot : (random_.random(5) < 3 ? 3 : 2);
    cell.money[static_cast<size_t>(slot)] = new TMoney(world_, mx, my, kind);
  }
  ForEachObject(cell, [&](TSprite& sprite) { sprite.Visible = stored.lit != 0; });
}

void LevelBuilder::buildBackground() {
  const TLevelGrid& grid = play_.grid;
  play_.fonCells.clear();
  const int edge = world_.level == 2 ? 1 : 0;
  auto add = [&](int x, int y) { play_.fonCells.push_back(new TFonCell(world_, x, y)); };
  for (int32_t i = 0; i <= grid.lastRow; ++i) {
    const int y = grid.originY + 200 * i;
    add(grid.originX - 50 + edge, y);
    add(grid.originX - 250 + edge, y);
    add(grid.originX + 200 * grid.columnCount + 200, y);
    add(grid.originX + 200 * grid.columnCount + 400, y);
  }
  for (const int y : {grid.originY - 200, grid.originY + 200 * grid.lastRow + 200,
                      grid.originY + 200 * grid.lastRow + 400}) {
    for (int32_t i = 0; i <= grid.columnCount + 3; ++i) add(grid.originX - 200 + 200 * i, y);
  }
}

void LevelBuilder::ForEachObject(const TLevelCell& cell, const std::function<void(TSprite&)>& visit) {
  auto maybe = [&](TSprite* sprite) {
    if (sprite != nullptr) visit(*sprite);
  };
  for (TInterior* piece : cell.interior) maybe(piece);
  for (TSprite* sprite : {static_cast<TSprite*>(cell.door), static_cast<TSprite*>(cell.stairsUp),
                          static_cast<TSprite*>(cell.stairsDown), static_cast<TSprite*>(cell.lift),
                          static_cast<TSprite*>(cell.keyBoard), static_cast<TSprite*>(cell.guard),
                          static_cast<TSprite*>(cell.cat), static_cast<TSprite*>(cell.timePrize),
                          static_cast<TSprite*>(cell.lifePrize), static_cast<TSprite*>(cell.laser),
                          static_cast<TSprite*>(cell.siren), static_cast<TSprite*>(cell.safe)}) {
    maybe(sprite);
  }
  for (TKey* key : cell.keys) maybe(key);
  for (TMoney* money : cell.money) maybe(money);
}

void LevelBuilder::ForgetObjects(TLevelCell& cell) {
  cell.interior = {};
  cell.door = nullptr, cell.stairsUp = cell.stairsDown = nullptr, cell.lift = nullptr,
  cell.keyBoard = nullptr;
  cell.guard = nullptr, cell.cat = nullptr, cell.timePrize = nullptr, cell.lifePrize = nullptr;
  cell.laser = nullptr, cell.siren = nullptr, cell.safe = nullptr;
  cell.keys = {};
  cell.money = {};
  cell.interiorCount = -1;
}

void LevelBuilder::markCellDead(TLevelCell& cell) {
  ForEachObject(cell, [](TSprite& sprite) { sprite.Dead(); });
  ForgetObjects(cell);
}

void LevelBuilder::setBackDoorFrame(int32_t column, int32_t row) {
  if (play_.backDoor == nullptr) return;
  TLevelGrid& grid = play_.grid;
  int frame = 0;
  if (column < 2) {
    frame = row == grid.lastRow ? 3 : 4;
  } else if (grid.cell(column - 1, row).stored.hasDoor != 0) {
    frame = grid.cell(column - 1, row).stored.doorOpen != 0 ? 2 : 1;
  }
  play_.backDoor->SetPatternIndex(frame);
}

void LevelBuilder::Reveal(int32_t column, int32_t row) {
  TLevelGrid& grid = play_.grid;
  if (!grid.contains(column, row)) return;
  TLevelCell& cell = grid.cell(column, row);
  cell.stored.lit = 1;
  markCellDead(cell);  // a room is never built twice
  world_.sprites.Dead();
  BuildCell(column, row);
  if (Tmapsurf* wall = grid.walls[row][column]) wall->SetPatternIndex(2);
  if (cell.guard != nullptr && play_.player != nullptr) {
    cell.guard->Visible = true;
    cell.guard->FlipH = !(play_.player->X > cell.guard->X);
    play_.guardFacesPlayer = cell.guard->FlipH;
  }
  setBackDoorFrame(column, row);
}

void LevelBuilder::Conceal(int32_t column, int32_t row) {
  TLevelGrid& grid = play_.grid;
  if (!grid.contains(column, row)) return;
  TLevelCell& cell = grid.cell(column, row);
  cell.stored.lit = 0;
  if (Tmapsurf* wall = grid.walls[row][column]) wall->SetPatternIndex(cell.darkFrame);
  markCellDead(cell);
  world_.sprites.Dead();
}

void LevelBuilder::ScrollWorld(int32_t dx, int32_t dy) {
  TLevelGrid& grid = play_.grid;
  grid.originX += dx;
  grid.originY += dy;
  auto move = [dx, dy](TSprite& sprite) {
    sprite.SetX(sprite.X + static_cast<float>(dx));
    sprite.SetY(sprite.Y + static_cast<float>(dy));
  };
  if (play_.backDoor != nullptr) move(*play_.backDoor);
  for (TFonCell* fon : play_.fonCells) move(*fon);
  for (int32_t row = 0; row <= grid.lastRow; ++row) {
    for (int32_t column = 0; column <= grid.columnCount; ++column) {
      if (Tmapsurf* wall = grid.walls[row][column]) move(*wall);
      if (grid.cell(column, row).stored.lit != 0) ForEachObject(grid.cell(column, row), move);
    }
  }
}

void LevelBuilder::TearDown() {
  TLevelGrid& grid = play_.grid;
  for (TFonCell* fon : play_.fonCells) fon->Dead();
  play_.fonCells.clear();
  for (int32_t row = 0; row <= grid.lastRow; ++row) {
    for (int32_t column = 0; column <= grid.columnCount; ++column) {
      markCellDead(grid.cell(column, row));
      if (Tmapsurf*& wall = grid.walls[row][column]) {
        wall->Dead();
        wall = nullptr;
      }
    }
  }
  world_.sprites.Dead();
  // The panel, the key icons, the burglar and the back door are freed directly.
  for (int i = world_.sprites.Count() - 1; i >= 0; --i) {
    TSprite* sprite = world_.sprites.Items(i);
    if (sprite->Name == "panel" || sprite->Name == "playerkeys") delete sprite;
  }
  play_.playerKeys = {};
  // A thought bubble still up when the level ends would outlive its burglar.
  delete play_.think;
  play_.think = nullptr;
  play_.thinkShown = false;
  delete play_.player;
  play_.player = nullptr;
  delete play_.backDoor;
  play_.backDoor = nullptr;
  world_.sprites.Dead();
}

}  // namespace nk
