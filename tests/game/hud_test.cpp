#include "game/hud.h"

#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(Hud, TimeReadsMinutesColonTwoDigitSecondsAndTurnsRedForTheLastTen) {
  const struct {
    int minutes, seconds;
    const char* text;
    uint32_t color;
  } cases[] = {{3, 5, "3:05", 0xFF323232u}, {0, 11, "0:11", 0xFF323232u}, {0, 10, "0:10", 0xFFFF1414u},
               {0, 0, "0:00", 0xFFFF1414u}, {5, 0, "5:00", 0xFF323232u},  {1, 59, "1:59", 0xFF323232u}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTime(c.minutes, c.seconds), c.text);
    EXPECT_EQ(TimeColor(c.minutes, c.seconds), c.color) << c.text;
  }
}

TEST(Hud, SideNumbersAreCentredOnThePanel) {
  EXPECT_EQ(SideNumberX(0), 720);
  EXPECT_EQ(SideNumberX(15), 713);
  EXPECT_EQ(SideNumberX(40), 700);
}

}  // namespace
}  // namespace nk
