#include "tools/nk-level/level_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tools/nk-level/level_source.h"

namespace nk {
namespace {

// A sound level 1: start lit, a door, stairs in a pair, two lifts and the safe.
LevelFile soundLevel() {
  return parseLevelSource(R"(level 1
room 1 2: lit door
room 2 2: up lift=4,0
room 2 1: down
room 4 0: lift=2,2 safe
)")
      .file;
}

const LevelConstants& level1() { return *findLevelConstants(1); }

TEST(LevelRules, ASoundLevelHasNoProblems) { EXPECT_TRUE(levelProblems(soundLevel(), level1()).empty()); }

TEST(LevelRules, EachBrokenRuleIsNamed) {
  struct Case {
    const char* name;
    std::function<void(LevelFile&)> breakIt;
    const char* problem;
  };
  const Case cases[] = {
      {"start dark", [](LevelFile& f) { f.cell(1, 2).lit = 0; },
       "room (1, 2) is where the burglar starts but is not lit"},
      {"another room lit", [](LevelFile& f) { f.cell(3, 0).lit = 1; }, "room (3, 0) is lit but"},
      {"guard at the start", [](LevelFile& f) { f.cell(1, 2).hasGuard = 1; },
       "room (1, 2) is where the burglar starts but holds a guard"},
      {"no safe", [](LevelFile& f) { f.cell(4, 0).hasSafe = 0; }, "holds 0 safes"},
      {"two safes", [](LevelFile& f) { f.cell(3, 1).hasSafe = 1; }, "holds 2 safes"},
      {"door out of the house", [](LevelFile& f) { f.cell(4, 1).hasDoor = 1; },
       "room (4, 1) has a door in the house's right wall"},
      {"stairs up alone", [](LevelFile& f) { f.cell(2, 1).hasStairsDown = 0; },
       "room (2, 2) has stairs up but"},
      {"stairs down alone", [](LevelFile& f) { f.cell(3, 1).hasStairsDown = 1; },
       "room (3, 1) has stairs down but"},
      {"stairs up from the top floor", [](LevelFile& f) { f.cell(1, 0).hasStairsUp = 1; },
       "room (1, 0) has stairs up"},
      {"stairs down from the ground floor", [](LevelFile& f) { f.cell(3, 2).hasStairsDown = 1; },
       "room (3, 2) has stairs down"},
      {"lift to a room without one", [](LevelFile& f) { f.cell(4, 0).liftTargetColumn = 3; },
       "has a lift to room (3, 2), which holds no lift"},
      {"lift out of the house", [](LevelFile& f) { f.cell(2, 2).liftTargetRow = 3; },
       "has a lift to room (4, 3)"},
      {"interior kind 17", [](LevelFile& f) { f.cell(1, 1).interiorKind = 17; },
       "interior kind 17, outside 0 .. 16"},
      {"interior kind -1", [](LevelFile& f) { f.cell(1, 1).interiorKind = -1; }, "interior kind -1"},
      {"door key 4", [](LevelFile& f) { f.cell(1, 2).doorKey = 4; }, "door key 4, outside -1 .. 3"},
      {"door key -2", [](LevelFile& f) { f.cell(3, 0).doorKey = -2; }, "door key -2"},
      {"too few columns", [](LevelFile& f) { f = makeEmptyLevel(3, 2); }, "the file holds 3 columns"},
      {"too many rows", [](LevelFile& f) { f = makeEmptyLevel(4, 3); },
       "rows 0 .. 3; level 1 has 4 columns and rows 0 .. 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LevelFile level = soundLevel();
    c.breakIt(level);
    const auto problems = levelProblems(level, level1());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(c.problem), std::string::npos) << problems[0];
  }
}

}  // namespace
}  // namespace nk
