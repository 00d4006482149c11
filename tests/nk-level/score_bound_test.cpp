#include "tools/nk-level/score_bound.h"

#include <gtest/gtest.h>

#include "tools/nk-level/level_source.h"

namespace nk {
namespace {

int64_t boundOf(const char* rooms, int level = 1) {
  const std::string source = "level " + std::to_string(level) + "\nroom 1 2: lit\n" + rooms;
  return levelScoreBound(parseLevelSource(source).file, *findLevelConstants(level));
}

TEST(ScoreBound, CountsMoneyTheSafeAndTheWholeClock) {
  // Level 1 gives 5:00, worth 300 x 5; level 3 gives 6:00 and a safe worth 3000.
  const struct {
    const char* name;
    const char* rooms;
    int level;
    int64_t bound;
  } cases[] = {
      {"only the clock", "", 1, 1500},
      {"a safe", "room 4 0: safe\n", 1, 2500},
      {"two safes pay once", "room 4 0: safe\nroom 3 0: safe\n", 1, 2500},
      {"the safe is worth the level", "room 4 0: safe\n", 3, 3000 + 1800},
      {"every money slot at its dearest", "room 2 2: money=0,1,2\n", 1, 1500 + 10 + 30 + 100},
      {"money in two rooms", "room 2 2: money=2\nroom 3 2: money=2\n", 1, 1500 + 200},
      {"a time prize is a minute more", "room 2 2: time-prize\n", 1, 1500 + 300},
      {"a life prize earns nothing", "room 2 2: life-prize\n", 1, 1500},
  };
  for (const auto& c : cases) EXPECT_EQ(boundOf(c.rooms, c.level), c.bound) << c.name;
}

}  // namespace
}  // namespace nk
