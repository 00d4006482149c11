#include <gtest/gtest.h>

#include "game/world_objects.h"
#include "world_fixture.h"

namespace nk {
namespace {

using test::WorldFixture;

LevelFile houseFor(const LevelConstants& c) {
  LevelFile file = makeEmptyLevel(c.columnCount, c.lastRow);
  file.cell(c.startColumn, c.startRow).lit = 1;
  return file;
}

TEST(LevelBuild, WallsAndSceneryFitEachHouse) {
  const struct {
    int level, walls, fon;
  } cases[] = {{1, 15, 36}, {2, 20, 40}, {3, 25, 44}, {4, 30, 47}, {5, 36, 51}, {6, 49, 58}};
  for (const auto& c : cases) {
    WorldFixture f(c.level);
    const LevelConstants& k = *findLevelConstants(c.level);
    f.builder.Build(houseFor(k), k);
    auto counts = f.countByClass();
    EXPECT_EQ(counts["Tmapsurf"], c.walls) << c.level;
    EXPECT_EQ(counts["TFonCell"], c.fon) << c.level;
    EXPECT_EQ(counts["TBackDoor"], 1);
    for (Tmapsurf* wall : f.all<Tmapsurf>()) {
      const int column = (static_cast<int>(wall->X) - k.originX) / 200,
                row = (static_cast<int>(wall->Y) - k.originY) / 200;
      const int frame = wall->PatternIndex;
      if (column == 0) {
        EXPECT_EQ(frame, row == k.lastRow ? 1 : 0);
      } else if (column == k.startColumn && row == k.startRow) {
        EXPECT_EQ(frame, 2);
      } else {
        EXPECT_TRUE(frame >= 3 && frame <= 7) << frame;
      }
    }
  }
}

TEST(LevelBuild, ObjectsTakeTheirPlacesInTheRoom) {
  const struct {
    int level, doorX, doorY, liftY, laserY, shift;
  } cases[] = {
      {1, 145, 60, 5, 15, 0}, {2, 145, 37, 3, 8, 0}, {5, 152, 42, 10, 15, -4}, {6, 142, 61, 2, 15, 0}};
  for (const auto& c : cases) {
    WorldFixture f(c.level);
    const LevelConstants& k = *findLevelConstants(c.level);
    LevelFile file = houseFor(k);
    LevelCellRecord& room = file.cell(k.startColumn, k.startRow);
    room.hasDoor = room.hasLift = room.hasLaser = room.hasStairsDown = 1;
    room.hasKey = {1, 0, 0, 1};
    room.hasSafe = 1;
    f.builder.Build(file, k);
    const int x = k.originX + 200 * k.startColumn, y = k.originY + 200 * k.startRow + c.shift;
    const TLevelCell& cell = f.play.grid.cell(k.startColumn, k.startRow);
    ASSERT_NE(cell.door, nullptr);
    EXPECT_EQ(cell.door->X, x + c.doorX);
    EXPECT_EQ(cell.door->Y, y + c.doorY);
    EXPECT_EQ(cell.lift->Y, y + c.liftY);
    EXPECT_EQ(cell.lift->Image->Name, c.level == 2 || c.level == 3 ? "level2lift" : "level1lift");
    EXPECT_EQ(cell.laser->Y, y + c.laserY);
    EXPECT_EQ(cell.siren->X, x + 10);
    EXPECT_EQ(cell.stairsDown->Y, y + 30);
    EXPECT_EQ(cell.stairsDown->Name, "stairsdown");
    EXPECT_EQ(cell.keys[0]->X, x + 20);
    EXPECT_EQ(cell.keys[3]->Y, y + 75);
    EXPECT_EQ(cell.keys[3]->Name, "key3");
    EXPECT_EQ(cell.keys[1], nullptr);
    EXPECT_EQ(cell.safe->X, x + 20);
  }
}

TEST(LevelBuild, InteriorKindsPlaceTheirPieces) {
  WorldFixture f(1);
  const LevelConstants& k = *findLevelConstants(1);
  LevelFile file = houseFor(k);
  for (int kind : {7, 12, 17, -1}) {
    file.cell(k.startColumn, k.startRow).interiorKind = kind;
    WorldFixture g(1);
    g.builder.Build(file, k);
    const auto pieces = g.all<TInterior>();
    const size_t expected = kind == 7 ? 1 : kind == 12 ? 2 : 0;
    ASSERT_EQ(pieces.size(), expected) << kind;
    if (expected > 0) {
      const bool thinFour = std::any_of(pieces.begin(), pieces.end(), [](TInterior* p) {
        return p->Image->Name == "thininterior" && p->PatternIndex == 4 && p->Z == 15;
      });
      EXPECT_TRUE(thinFour) << kind;
    }
  }
}

TEST(LevelBuild, MoneySlotTwoIsMostlyGold) {
  const LevelConstants& k = *findLevelConstants(1);
  LevelFile file = houseFor(k);
  file.cell(k.startColumn, k.startRow).hasMoney = {1, 1, 1};
  int gold = 0;
  constexpr int kRuns = 500;
  WorldFixture f(1);
  for (int i = 0; i < kRuns; ++i) {
    f.builder.Build(file, k);
    const TLevelCell& cell = f.play.grid.cell(k.startColumn, k.startRow);
    EXPECT_EQ(cell.money[0]->Name, "mon0");
    EXPECT_EQ(cell.money[1]->Name, "mon1");
    if (cell.money[2]->Name == "mon3") ++gold;
    f.builder.TearDown();
  }
  EXPECT_GT(gold, kRuns * 50 / 100);
  EXPECT_LT(gold, kRuns * 70 / 100);
}

TEST(LevelRooms, RevealBuildsConcealFreesAndTheBackDoorFollows) {
  WorldFixture f(1);
  const LevelConstants& k = *findLevelConstants(1);
  LevelFile file = houseFor(k);
  LevelCellRecord& next = file.cell(2, 2);
  next.hasGuard = 1;
  next.hasCat = 1;
  file.cell(1, 2).hasDoor = 1;
  file.cell(1, 2).doorOpen = 1;
  f.builder.Build(file, k);
  f.play.player = new TPlayer(f.world, 1, 2);
  const int before = f.sprites.Count();

  f.builder.Reveal(2, 2);
  const TLevelCell& cell = f.play.grid.cell(2, 2);
  ASSERT_NE(cell.guard, nullptr);
  EXPECT_TRUE(cell.guard->FlipH);  // the burglar at x 300 stands left of the guard: he faces him
  EXPECT_TRUE(f.play.guardFacesPlayer);
  EXPECT_EQ(f.play.grid.walls[2][2]->PatternIndex, 2);
  EXPECT_EQ(f.play.backDoor->PatternIndex, 2);  // the open door of the room to the left
  EXPECT_EQ(f.sprites.Count(), before + 2);

  f.builder.Conceal(2, 2);
  EXPECT_EQ(f.sprites.Count(), before);
  EXPECT_EQ(cell.guard, nullptr);
  EXPECT_EQ(f.play.grid.walls[2][2]->PatternIndex, cell.darkFrame);

  f.builder.Reveal(1, 1);
  EXPECT_EQ(f.play.backDoor->PatternIndex, 4);  // outer wall of an upper floor
  f.builder.Reveal(1, 2);
  EXPECT_EQ(f.play.backDoor->PatternIndex, 3);  // the house entrance
}

TEST(LevelRooms, ScrollMovesTheWholeHouseAndTearDownLeavesNothing) {
  WorldFixture f(3);
  const LevelConstants& k = *findLevelConstants(3);
  LevelFile file = houseFor(k);
  file.cell(k.startColumn, k.startRow).hasSafe = 1;
  f.builder.Build(file, k);
  f.play.player = new TPlayer(f.world, k.startColumn, k.startRow);
  std::vector<std::pair<TSprite*, float>> xs;
  for (int i = 0; i < f.sprites.Count(); ++i) xs.emplace_back(f.sprites.Items(i), f.sprites.Items(i)->X);
  f.builder.ScrollWorld(-7, 3);
  for (const auto& [s, x] : xs) {
    const float expected = dynamic_cast<TPlayer*>(s) != nullptr ? x : x - 7;  // the burglar stays put
    EXPECT_EQ(s->X, expected) << s->ClassName();
  }
  EXPECT_EQ(f.play.grid.originX, k.originX - 7);
  EXPECT_EQ(f.play.grid.originY, k.originY + 3);

  f.builder.TearDown();
  EXPECT_EQ(f.sprites.Count(), 0);
  EXPECT_EQ(f.play.player, nullptr);
}

}  // namespace
}  // namespace nk
