#include "tools/nk-level/level_source.h"

#include <gtest/gtest.h>

#include <string>

namespace nk {
namespace {

TEST(LevelSource, RoomLinesFillTheirCellsAndOtherRoomsStayEmpty) {
  const LevelSource source = parseLevelSource(R"(
# a comment line
level 1
room 1 2: lit interior=9 door money=0,2   # the hall
room 2 2: door=3 key=1,2 keyboard up cat
room 2 1: down guard laser time-prize life-prize
room 3 2: open-door lift=4,0 safe
room 4 0: lift=3,2
)");
  EXPECT_EQ(source.level, 1);
  const LevelFile& f = source.file;
  ASSERT_EQ(f.columnCount(), 4);
  ASSERT_EQ(f.lastRow, 2);

  const LevelCellRecord& hall = f.cell(1, 2);
  EXPECT_EQ(hall.lit, 1);
  EXPECT_EQ(hall.interiorKind, 9);
  EXPECT_EQ(hall.hasDoor, 1);
  EXPECT_EQ(hall.doorKey, kNoDoorKey);
  EXPECT_EQ(hall.hasMoney, (std::array<int32_t, 3>{1, 0, 1}));

  const LevelCellRecord& locked = f.cell(2, 2);
  EXPECT_EQ(locked.doorKey, 3);
  EXPECT_EQ(locked.hasKey, (std::array<int32_t, 4>{0, 1, 1, 0}));
  EXPECT_EQ(locked.hasKeyBoard, 1);
  EXPECT_EQ(locked.hasStairsUp, 1);
  EXPECT_EQ(locked.hasCat, 1);
  EXPECT_EQ(locked.lit, 0);

  const LevelCellRecord& above = f.cell(2, 1);
  EXPECT_EQ(above.hasStairsDown, 1);
  EXPECT_EQ(above.hasGuard, 1);
  EXPECT_EQ(above.hasLaser, 1);
  EXPECT_EQ(above.hasTimePrize, 1);
  EXPECT_EQ(above.hasLifePrize, 1);

  const LevelCellRecord& open = f.cell(3, 2);
  EXPECT_EQ(open.hasDoor, 1);
  EXPECT_EQ(open.doorOpen, 1);
  EXPECT_EQ(open.hasLift, 1);
  EXPECT_EQ(open.liftTargetColumn, 4);
  EXPECT_EQ(open.liftTargetRow, 0);
  EXPECT_EQ(open.hasSafe, 1);

  EXPECT_EQ(f.cell(4, 2), LevelCellRecord{});
  EXPECT_EQ(f.cell(1, 0), LevelCellRecord{});
}

TEST(LevelSource, MistakesNameTheirLine) {
  struct Case {
    const char* source;
    const char* message;
  };
  const Case cases[] = {
      {"", "names no level"},
      {"room 1 1: lit", "line 1: a level source starts with \"level N\""},
      {"level 7", "line 1: level \"7\""},
      {"level one", "line 1: level \"one\""},
      {"level 1\nroom 5 0: lit", "line 2: column \"5\""},
      {"level 1\nroom 1 3: lit", "line 2: row \"3\""},
      {"level 1\nroom 1 0 lit", "line 2: expected \"room COLUMN ROW: ...\""},
      {"level 1\nroom 1 0: lit\n\nroom 1 0: safe", "line 4: room 1 0 again"},
      {"level 1\nroom 1 0: window", "line 2: unknown word \"window\""},
      {"level 1\nroom 1 0: interior=17", "interior \"17\" is not a number from 0 to 16"},
      {"level 1\nroom 1 0: interior", "\"interior\" needs a value"},
      {"level 1\nroom 1 0: door=4", "door key \"4\""},
      {"level 1\nroom 1 0: key=0,-1", "key \"-1\""},
      {"level 1\nroom 1 0: money=3", "money \"3\""},
      {"level 1\nroom 1 0: safe=1", "\"safe\" takes no value"},
      {"level 1\nroom 1 0: lift=2", "\"lift\" needs a target room"},
      {"level 1\nroom 1 0: lift=5,0", "lift column \"5\""},
      {"level 1\nroom 1 0: lift=1,x", "lift row \"x\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    try {
      parseLevelSource(c.source);
      ADD_FAILURE() << "accepted";
    } catch (const LevelSourceError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace nk
