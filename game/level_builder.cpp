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
  for (uint8_t a : actions) {
    if (a != 0) return true;
  }
  return SafeTaken;
}

void LevelBuilder::Build(const LevelFile& file, const LevelConstants& c) {
  TLevelGrid& g = play_.grid;
  g = TLevelGrid{};
  for (int32_t row = 0; row <= file.lastRow; ++row) {
    for (int32_t column = 1; column <= file.columnCount(); ++column)
      g.cell(column, row).stored = file.cell(column, row);
  }
  g.lastRow = c.lastRow;
  g.columnCount = c.columnCount;
  play_.backDoor = new TBackDoor(world_, c.backDoorX, c.backDoorY, c.backDoorFrame);

  const int32_t shift = world_.level == 5 ? -4 : 0;
  for (int32_t row = 0; row <= g.lastRow; ++row) {
    for (int32_t column = 0; column <= g.columnCount; ++column) {
      TLevelCell& cell = g.cell(column, row);
      cell.yOffset = row * 200 + shift;
      cell.xOffset = column * 200;
      cell.walkLimit = 150;
    }
  }
  g.originX = c.originX;
  g.originY = c.originY;
  for (int32_t row = 0; row <= g.lastRow; ++row) {
    for (int32_t column = 1; column <= g.columnCount; ++column) {
      TLevelCell& cell = g.cell(column, row);
      cell.darkFrame = randomDarkFrame();
      const int frame = cell.stored.lit != 0 ? 2 : randomDarkFrame();
      g.walls[row][column] = new Tmapsurf(world_, g.originX + column * 200, g.originY + row * 200, frame);
    }
    g.walls[row][0] = new Tmapsurf(world_, g.originX, g.originY + row * 200, row < g.lastRow ? 0 : 1);
  }
  for (int32_t row = 0; row <= g.lastRow; ++row) {
    for (int32_t column = 0; column <= g.columnCount; ++column) {
      if (g.cell(column, row).stored.lit != 0) BuildCell(column, row);
    }
  }
  buildBackground();
}

void LevelBuilder::buildInterior(TLevelCell& cell, int x, int y) {
  const int kind = cell.stored.interiorKind;
  if (kind < 0 || kind >= kInteriorKinds) return;
  const Furnishing& f = kInteriors[kind];
  cell.interiorCount = f.count - 1;
  for (int i = 0; i < f.count; ++i) {
    const Piece& p = f.pieces[i];
    const int piece = p.piece >= 0 ? p.piece : random_.random(2);
    const int dy = p.y + (p.ySpread > 0 ? random_.random(p.ySpread) : 0);
    cell.interior[static_cast<size_t>(i)] = new TInterior(world_, x + p.x, y + dy, p.wide, piece);
  }
}

void LevelBuilder::BuildCell(int32_t column, int32_t row) {
  TLevelGrid& g = play_.grid;
  TLevelCell& cell = g.cell(column, row);
  const LevelCellRecord& s = cell.stored;
  const int x = g.originX + cell.xOffset, y = g.originY + cell.yOffset;
  const LevelOffsets o = offsetsFor(world_.level);

  buildInterior(cell, x, y);
  if (s.hasDoor != 0) cell.door = new TDoor(world_, x + o.doorX, y + o.doorY, s.doorOpen != 0 ? 1 : 0);
  if (s.hasStairsUp != 0) cell.stairsUp = new TStairs(world_, x + 60, y, true);
  if (s.hasStairsDown != 0) cell.stairsDown = new TStairs(world_, x + 60, y + 30, false);
  if (s.hasLift != 0) cell.lift = new TLift(world_, x + 15, y + o.liftY);
  if (s.hasKeyBoard != 0) cell.keyBoard = new TKeysBoard(world_, x + 10, y + 45);
  if (s.hasLaser != 0) {
    cell.laser = new TLaser(world_, x + 45, y + o.laserY);
    cell.siren = new TSiren(world_, x + 10, y + o.laserY);
  }
  static constexpr int kKeyPlaces[kKeyKinds][2] = {{5, 10}, {17, 25}, {30, 10}, {43, 25}};
  for (int k = 0; k < kKeyKinds; ++k) {
    if (s.hasKey[static_cast<size_t>(k)] != 0) {
      cell.keys[static_cast<size_t>(k)] =
          new TKey(world_, x + 15 + kKeyPlaces[k][0], y + 50 + kKeyPlaces[k][1], k);
    }
  }
  if (s.hasGuard != 0) cell.guard = new TGuy(world_, x + 10, y + 75);
  if (s.hasCat != 0) cell.cat = new TCat(world_, x + 15, y + 80);
  if (s.hasSafe != 0) cell.safe = new TSeif(world_, x + 20, y + 40);
  if (s.hasTimePrize != 0) cell.timePrize = new TPrizTime(world_, x + 60, y + 120);
  if (s.hasLifePrize != 0) cell.lifePrize = new TPrizLife(world_, x + 10, y + 100);
  for (int slot = 0; slot < kMoneySlots; ++slot) {
    if (s.hasMoney[static_cast<size_t>(slot)] == 0) continue;
    static constexpr int kSlotX[kMoneySlots][2] = {{30, 30}, {45, 20}, {75, 10}};  // base, spread
    const int mx = x + kSlotX[slot][0] + random_.random(kSlotX[slot][1]);
    const int my = y + 100 + random_.random(40);
    const int kind = slot < 2 ? slot : (random_.random(5) < 3 ? 3 : 2);
    cell.money[static_cast<size_t>(slot)] = new TMoney(world_, mx, my, kind);
  }
  ForEachObject(cell, [&](TSprite& sprite) { sprite.Visible = s.lit != 0; });
}

void LevelBuilder::buildBackground() {
  const TLevelGrid& g = play_.grid;
  play_.fonCells.clear();
  const int e = world_.level == 2 ? 1 : 0;
  auto add = [&](int x, int y) { play_.fonCells.push_back(new TFonCell(world_, x, y)); };
  for (int32_t i = 0; i <= g.lastRow; ++i) {
    const int y = g.originY + 200 * i;
    add(g.originX - 50 + e, y);
    add(g.originX - 250 + e, y);
    add(g.originX + 200 * g.columnCount + 200, y);
    add(g.originX + 200 * g.columnCount + 400, y);
  }
  for (const int y :
       {g.originY - 200, g.originY + 200 * g.lastRow + 200, g.originY + 200 * g.lastRow + 400}) {
    for (int32_t i = 0; i <= g.columnCount + 3; ++i) add(g.originX - 200 + 200 * i, y);
  }
}

void LevelBuilder::ForEachObject(const TLevelCell& c, const std::function<void(TSprite&)>& visit) {
  auto maybe = [&](TSprite* s) {
    if (s != nullptr) visit(*s);
  };
  for (TInterior* s : c.interior) maybe(s);
  for (TSprite* s :
       {static_cast<TSprite*>(c.door), static_cast<TSprite*>(c.stairsUp), static_cast<TSprite*>(c.stairsDown),
        static_cast<TSprite*>(c.lift), static_cast<TSprite*>(c.keyBoard), static_cast<TSprite*>(c.guard),
        static_cast<TSprite*>(c.cat), static_cast<TSprite*>(c.timePrize), static_cast<TSprite*>(c.lifePrize),
        static_cast<TSprite*>(c.laser), static_cast<TSprite*>(c.siren), static_cast<TSprite*>(c.safe)}) {
    maybe(s);
  }
  for (TKey* s : c.keys) maybe(s);
  for (TMoney* s : c.money) maybe(s);
}

void LevelBuilder::ForgetObjects(TLevelCell& c) {
  c.interior = {};
  c.door = nullptr, c.stairsUp = c.stairsDown = nullptr, c.lift = nullptr, c.keyBoard = nullptr;
  c.guard = nullptr, c.cat = nullptr, c.timePrize = nullptr, c.lifePrize = nullptr;
  c.laser = nullptr, c.siren = nullptr, c.safe = nullptr;
  c.keys = {};
  c.money = {};
  c.interiorCount = -1;
}

void LevelBuilder::markCellDead(TLevelCell& cell) {
  ForEachObject(cell, [](TSprite& s) { s.Dead(); });
  ForgetObjects(cell);
}

void LevelBuilder::setBackDoorFrame(int32_t column, int32_t row) {
  if (play_.backDoor == nullptr) return;
  TLevelGrid& g = play_.grid;
  int frame = 0;
  if (column < 2) {
    frame = row == g.lastRow ? 3 : 4;
  } else if (g.cell(column - 1, row).stored.hasDoor != 0) {
    frame = g.cell(column - 1, row).stored.doorOpen != 0 ? 2 : 1;
  }
  play_.backDoor->SetPatternIndex(frame);
}

void LevelBuilder::Reveal(int32_t column, int32_t row) {
  TLevelGrid& g = play_.grid;
  if (!g.contains(column, row)) return;
  TLevelCell& cell = g.cell(column, row);
  cell.stored.lit = 1;
  markCellDead(cell);  // a room is never built twice
  world_.sprites.Dead();
  BuildCell(column, row);
  if (Tmapsurf* wall = g.walls[row][column]) wall->SetPatternIndex(2);
  if (cell.guard != nullptr && play_.player != nullptr) {
    cell.guard->Visible = true;
    cell.guard->FlipH = !(play_.player->X > cell.guard->X);
    play_.guardFacesPlayer = cell.guard->FlipH;
  }
  setBackDoorFrame(column, row);
}

void LevelBuilder::Conceal(int32_t column, int32_t row) {
  TLevelGrid& g = play_.grid;
  if (!g.contains(column, row)) return;
  TLevelCell& cell = g.cell(column, row);
  cell.stored.lit = 0;
  if (Tmapsurf* wall = g.walls[row][column]) wall->SetPatternIndex(cell.darkFrame);
  markCellDead(cell);
  world_.sprites.Dead();
}

void LevelBuilder::ScrollWorld(int32_t dx, int32_t dy) {
  TLevelGrid& g = play_.grid;
  g.originX += dx;
  g.originY += dy;
  auto move = [dx, dy](TSprite& s) {
    s.SetX(s.X + static_cast<float>(dx));
    s.SetY(s.Y + static_cast<float>(dy));
  };
  if (play_.backDoor != nullptr) move(*play_.backDoor);
  for (TFonCell* f : play_.fonCells) move(*f);
  for (int32_t row = 0; row <= g.lastRow; ++row) {
    for (int32_t column = 0; column <= g.columnCount; ++column) {
      if (Tmapsurf* wall = g.walls[row][column]) move(*wall);
      if (g.cell(column, row).stored.lit != 0) ForEachObject(g.cell(column, row), move);
    }
  }
}

void LevelBuilder::TearDown() {
  TLevelGrid& g = play_.grid;
  for (TFonCell* f : play_.fonCells) f->Dead();
  play_.fonCells.clear();
  for (int32_t row = 0; row <= g.lastRow; ++row) {
    for (int32_t column = 0; column <= g.columnCount; ++column) {
      markCellDead(g.cell(column, row));
      if (Tmapsurf*& wall = g.walls[row][column]) {
        wall->Dead();
        wall = nullptr;
      }
    }
  }
  world_.sprites.Dead();
  // The panel, the key icons, the burglar and the back door are freed directly.
  for (int i = world_.sprites.Count() - 1; i >= 0; --i) {
    TSprite* s = world_.sprites.Items(i);
    if (s->Name == "panel" || s->Name == "playerkeys") delete s;
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
