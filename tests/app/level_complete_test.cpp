#include <gtest/gtest.h>

#include "play_game.h"

namespace nk {
namespace {

using test::PlayGame;

// Cracks the safe of the starting room; the level-complete screen is up afterwards.
void crackTheSafe(PlayGame& g) {
  g.walk(50);
  g.press(vk::Space);
  g.finishAction();
}

TEST(LevelComplete, TheBonusCountsFivePointsASecondEveryFifthTickFromTick300ThenEnterGoesOn) {
  PlayGame g(2, [](LevelFile& f) { f.cell(1, 1).hasSafe = 1; });
  crackTheSafe(g);
  ASSERT_EQ(g.state(), Screen::LevelComplete);
  EXPECT_EQ(g.spritesNamed("menulevelcompl"), 1);
  EXPECT_EQ(g.view().GameState.Score, 2000);
  g.probe().Play.timeMinutes = 1;
  g.probe().Play.timeSeconds = 0;
  const struct {
    int tick;  // the counter the tick ran with
    int score, minutes, seconds;
  } pace[] = {{304, 2000, 1, 0},  {305, 2005, 0, 59}, {309, 2005, 0, 59},
              {310, 2010, 0, 58}, {599, 2295, 0, 1},  {600, 2300, 0, 0}};
  g.tap(vk::Return);
  int ran = 0;  // the first tick ran with 1
  for (const auto& p : pace) {
    g.frames(p.tick - ran);
    ran = p.tick;
    EXPECT_EQ(g.view().GameState.Score, p.score) << p.tick;
    EXPECT_EQ(g.view().Play.timeMinutes * 60 + g.view().Play.timeSeconds, p.minutes * 60 + p.seconds)
        << p.tick;
    EXPECT_EQ(g.view().Play.SafeTaken, p.tick < 600) << p.tick;
  }
  g.frames(50);
  EXPECT_EQ(g.state(), Screen::LevelComplete);  // Enter let go during the count is forgotten
  test::writeHouse(3, {});
  g.press(vk::Return);
  EXPECT_EQ(g.state(), Screen::LevelIntro);
  EXPECT_EQ(g.view().GameState.Level, 3);
  EXPECT_EQ(g.view().Play.player, nullptr);
  EXPECT_EQ(g.spritesNamed("menulevelcompl"), 0);
  EXPECT_EQ(g.spritesNamed("seiftake"), 0);
}

TEST(LevelComplete, EnterIsIgnoredUntilTheBonusIsCounted) {
  PlayGame g(2, [](LevelFile& f) { f.cell(1, 1).hasSafe = 1; });
  crackTheSafe(g);
  g.probe().Play.timeMinutes = g.probe().Play.timeSeconds = 0;
  g.frames(299);        // ticks 1 .. 299
  g.press(vk::Return);  // 300: the count has not begun
  EXPECT_EQ(g.state(), Screen::LevelComplete);
  EXPECT_TRUE(g.view().GameState.KeyReleased[vk::Return]);
  g.frames(1);  // 301: nothing left to count
  EXPECT_FALSE(g.view().Play.SafeTaken);
  EXPECT_FALSE(g.view().GameState.KeyReleased[vk::Return]);
}

TEST(LevelComplete, AfterTheSixthHouseTheGameIsComplete) {
  PlayGame g(6, [](LevelFile& f) { f.cell(5, 4).hasSafe = 1; });
  crackTheSafe(g);
  EXPECT_EQ(g.view().GameState.Score, 6000);
  g.probe().Play.timeMinutes = g.probe().Play.timeSeconds = 0;
  g.frames(301);
  g.press(vk::Return);
  EXPECT_EQ(g.view().GameState.Level, 7);
  EXPECT_EQ(g.spritesNamed("backcomplete"), 1);
  EXPECT_TRUE(g.view().Play.gameOverShown);
  EXPECT_EQ(g.sounds().back(), "findseif");
  EXPECT_EQ(g.view().Play.player, nullptr);
}

}  // namespace
}  // namespace nk
