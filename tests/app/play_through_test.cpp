#include <gtest/gtest.h>

#include "play_game.h"

namespace nk {
namespace {

using test::PlayGame;

// Level 2 (four rooms a floor, four floors, starting in room 1 of floor 1): the key and some
// money by a locked door, a lift in the next room down to the ground floor, stairs up from
// there, and the safe on the floor above.
void house(LevelFile& f) {
  LevelCellRecord& start = f.cell(1, 1);
  start.hasKey[1] = 1;
  start.hasMoney[0] = 1;
  start.hasDoor = 1;
  start.doorKey = 1;
  f.cell(2, 1).hasLift = 1;
  f.cell(2, 1).liftTargetColumn = 2;
  f.cell(2, 1).liftTargetRow = 3;
  f.cell(2, 3).hasLift = 1;
  f.cell(2, 3).hasStairsUp = 1;
  f.cell(2, 2).hasStairsDown = 1;
  f.cell(2, 2).hasSafe = 1;
}

TEST(PlayThrough, KeyDoorLiftStairsSafeTallyAndTheNextHouse) {
  PlayGame g(2, house);
  auto where = [&] { return std::make_pair(g.player().Column, g.player().Row); };

  g.walk(40);
  g.press(vk::Space);
  g.finishAction();
  EXPECT_EQ(g.player().CarriedKeys[1], 1);
  g.press(vk::Space);
  g.finishAction();
  EXPECT_EQ(g.player().Money, 10);

  g.walk(110);
  g.press(vk::Control);
  EXPECT_EQ(g.view().Play.action(Action::OpenDoorWithKey), 1);
  g.finishAction();
  g.press(vk::Control);
  EXPECT_EQ(g.view().Play.action(Action::WalkThroughDoor), 1);
  g.finishAction();
  EXPECT_EQ(where(), std::make_pair(2, 1));

  g.walk(60);
  g.press(vk::Control);
  EXPECT_EQ(g.view().Play.action(Action::RideLift), 1);
  g.finishAction();
  EXPECT_EQ(where(), std::make_pair(2, 3));

  g.walk(40);
  g.press(vk::Up);
  EXPECT_EQ(g.view().Play.action(Action::ClimbUp), 1);
  g.finishAction();
  EXPECT_EQ(where(), std::make_pair(2, 2));

  g.press(vk::Space);
  EXPECT_EQ(g.view().Play.action(Action::CrackSafe), 1);
  g.finishAction();
  ASSERT_EQ(g.state(), Screen::LevelComplete);
  const int secondsLeft = g.view().Play.timeMinutes * 60 + g.view().Play.timeSeconds;
  EXPECT_EQ(g.view().GameState.Score, 2010);
  ASSERT_GE(g.until([&] { return !g.view().Play.SafeTaken; }, 300 + 5 * secondsLeft + 5), 0);
  EXPECT_EQ(g.view().GameState.Score, 2010 + 5 * secondsLeft);
  // The start button's click, then the level's own sounds.
  EXPECT_EQ(g.sounds(), (std::vector<std::string>{"check", "takekey", "takemoney", "openwithkey"}));

  test::writeHouse(3, {});
  g.press(vk::Return);
  EXPECT_EQ(g.state(), Screen::LevelIntro);
  g.press(vk::Return);
  ASSERT_GE(g.until([&] { return g.state() == Screen::Play; }, 1000), 0);
  EXPECT_EQ(g.view().GameState.Level, 3);
  EXPECT_EQ(where(), std::make_pair(3, 4));
  EXPECT_EQ(g.player().Money, 0);
  EXPECT_EQ(g.player().CarriedKeys[1], 0);
  EXPECT_EQ(g.view().GameState.Score, 2010 + 5 * secondsLeft);
}

}  // namespace
}  // namespace nk
