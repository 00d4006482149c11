#include "tools/nk-level/route_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "tools/nk-level/level_source.h"

namespace nk {
namespace {

struct Line {
  int32_t pass;
  std::string command;
};

struct Planned {
  LevelFile file;
  Route route;
};

Planned plan(int level, const std::string& rooms) {
  const LevelSource source = parseLevelSource("level " + std::to_string(level) + "\n" + rooms);
  return {source.file, findBestRoute(source.file, routeSetupFor(*findLevelConstants(level)), 100000)};
}

RouteScript script(int level, const std::string& rooms, int32_t from = 1) {
  const Planned p = plan(level, rooms);
  return writeRouteScript(p.route, p.file, *findLevelConstants(level), from);
}

std::vector<Line> lines(const RouteScript& s) {
  std::vector<Line> out;
  std::istringstream in(s.text);
  for (std::string text; std::getline(in, text);) {
    std::istringstream words(text);
    Line line;
    std::string verb, key;
    words >> line.pass >> verb >> key;
    line.command = verb + " " + key;
    out.push_back(line);
  }
  return out;
}

TEST(RouteScript, EnterOnTheIntroFirstAndOnTheLevelCompleteScreenLast) {
  const auto l = lines(script(2, "room 1 1: lit door\nroom 2 1: safe\n"));
  ASSERT_GE(l.size(), 3u);
  EXPECT_EQ(l.front().pass, 1);
  EXPECT_EQ(l.front().command, "tap Enter");
  EXPECT_EQ(l.back().command, "tap Enter");
  for (size_t i = 1; i < l.size(); ++i) EXPECT_LE(l[i - 1].pass, l[i].pass) << i;
  EXPECT_EQ(l[1].command, "down Right");
  EXPECT_EQ(l[2].command, "up Right");
  EXPECT_EQ(l[2].pass - l[1].pass, 145);  // a pass a pixel to the door
}

TEST(RouteScript, OnlyTheFirstLevelHasTheQuickHelpToClose) {
  for (const int level : {1, 2}) {
    SCOPED_TRACE(level);
    const auto l = lines(script(level, "room 1 " + std::to_string(level == 1 ? 2 : 1) + ": lit safe\n"));
    // Space closes the help, and cracks the safe.
    EXPECT_EQ(std::count_if(l.begin(), l.end(), [](const Line& x) { return x.command == "tap Space"; }),
              level == 1 ? 2 : 1);
  }
}

TEST(RouteScript, ALaterIntroShiftsEveryLine) {
  const std::string rooms = "room 1 1: lit door\nroom 2 1: door laser\nroom 3 1: safe\n";
  const RouteScript early = script(2, rooms, 1), late = script(2, rooms, 5001);
  const auto a = lines(early), b = lines(late);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(b[i].pass, a[i].pass + 5000) << i;
    EXPECT_EQ(b[i].command, a[i].command) << i;
  }
  EXPECT_EQ(late.crackPass, early.crackPass + 5000);
  EXPECT_EQ(late.enterPass, early.enterPass + 5000);
}

TEST(RouteScript, TheTimeBonusIsCountedBeforeEnterIsTaken) {
  // Level 2 gives 5:30; the crack comes in the first minute, and every second left takes 5 passes.
  const RouteScript s = script(2, "room 1 1: lit safe\n");
  const int32_t start = 1 + 1 + 821;
  const int32_t secondsLeft = 330 - (s.crackPass - 1 - start) / kTicksPerSecond;
  EXPECT_EQ(s.enterPass, s.crackPass + 305 + 5 * (secondsLeft - 1));
}

TEST(RouteScript, WhatSpaceWouldTakeInsteadIsRefused) {
  const char* houses[] = {
      "room 1 1: lit safe money=0\n", "room 1 1: lit safe life-prize\n", "room 1 1: lit safe time-prize\n",
      "room 1 1: lit door=1 key=0,1 up\nroom 1 0: down\nroom 2 1: safe\n",  // keys 0 and 1 overlap
  };
  for (const char* house : houses) {
    SCOPED_TRACE(house);
    EXPECT_THROW(script(2, house), RouteScriptError);
  }
}

TEST(RouteScript, NoRouteNoScript) {
  EXPECT_THROW(script(2, "room 1 1: lit door=3\nroom 2 1: safe\n"), RouteScriptError);
}

}  // namespace
}  // namespace nk
