#include <gtest/gtest.h>

#include "play_game.h"

namespace nk {
namespace {

using test::PlayGame;

// Level 1 with an open door into a guard's room.
void guardNextDoor(LevelFile& f) {
  f.cell(1, 2).hasDoor = f.cell(1, 2).doorOpen = 1;
  f.cell(2, 2).hasGuard = 1;
}

TEST(Caught, TheGuardShootsAndWithLivesLeftTheLevelStartsAgainWithoutItsMoney) {
  PlayGame g(1, guardNextDoor);
  g.walk(150);
  g.player().Money = 100;
  g.press(vk::Control);
  g.finishAction();
  ASSERT_EQ(g.state(), Screen::Shot);
  EXPECT_FALSE(g.view().Timer1.Enabled());
  EXPECT_EQ(g.player().Image->Name, "vor_scare");
  EXPECT_EQ(g.sounds().back(), "ahhh");
  EXPECT_EQ(g.view().Play.stateCounter, 1);

  g.frames(130);  // counted to 131: "argh"
  EXPECT_EQ(g.sounds().back(), "argh");
  g.frames(50);  // 181: he fires, facing the burglar
  EXPECT_EQ(g.sounds().back(), "shot");
  EXPECT_EQ(g.view().Play.grid.cell(2, 2).guard->PatternIndex, 7);
  g.frames(71);  // 252: the soul rises
  EXPECT_EQ(g.player().Image->Name, "vor_lookup");
  EXPECT_EQ(g.spritesNamed("heart"), 1);
  g.frames(241);  // 493: the screen starts to fade to white from the next frame
  EXPECT_EQ(g.view().NkFader1.CurrentColor().r, 0);
  g.frames(11);
  EXPECT_EQ(g.view().NkFader1.CurrentColor().r, 255);
  EXPECT_GT(g.view().NkFader1.CurrentColor().a, 0);
  EXPECT_EQ(g.state(), Screen::Shot);
  g.frames(115);  // 619
  EXPECT_EQ(g.state(), Screen::Shot);
  g.frames(1);  // 620
  EXPECT_EQ(g.state(), Screen::Play);
  EXPECT_EQ(g.view().GameState.Lives, 2);
  EXPECT_EQ(g.view().GameState.Score, 0);
  EXPECT_EQ(g.player().Money, 0);
  EXPECT_EQ(g.player().Column, 1);
  EXPECT_EQ(g.spritesNamed("heart"), 0);
  EXPECT_TRUE(g.view().Timer1.Enabled());
  EXPECT_EQ(g.view().NkFader1.CurrentColor().a, 0);
}

TEST(Caught, TimeUpWaitsForAKeyThenCostsALifeAFewSecondsLater) {
  PlayGame g(1, {});
  g.probe().Play.timeMinutes = 0;
  g.probe().Play.timeSeconds = 1;
  ASSERT_GE(g.until([&] { return g.state() == Screen::TimeUp; }, 130), 0);
  EXPECT_EQ(g.spritesNamed("timesup"), 1);
  g.frames(1000);
  EXPECT_EQ(g.state(), Screen::TimeUp);
  EXPECT_FALSE(g.view().Timer1.Enabled());
  EXPECT_TRUE(g.played("sirena"));
  g.press('Q');  // the key is taken and the fade starts: 173 .. 175 in that tick
  EXPECT_EQ(g.view().Play.stateCounter, 175);
  g.frames(124);
  EXPECT_EQ(g.state(), Screen::TimeUp);
  g.frames(1);
  EXPECT_EQ(g.state(), Screen::Play);
  EXPECT_EQ(g.view().GameState.Lives, 2);
  EXPECT_EQ(g.spritesNamed("timesup"), 0);
  EXPECT_EQ(g.view().Play.timeMinutes, 5);
  EXPECT_TRUE(g.view().Timer1.Enabled());
}

TEST(Caught, TheLaserWithTheLastLifeLosesTheGameAndTheMoneyStillCounts) {
  PlayGame g(1, [](LevelFile& f) { f.cell(1, 2).hasLaser = 1; });
  g.probe().GameState.Lives = 1;
  g.probe().GameState.Score = 500;
  g.player().Money = 70;
  g.form->keyDown(vk::Right);
  ASSERT_GE(g.until([&] { return g.state() == Screen::Laser; }, 400), 0);
  g.form->keyUp(vk::Right);
  EXPECT_FALSE(g.view().Timer1.Enabled());
  g.frames(1);  // tick 0
  EXPECT_EQ(g.player().Image->Name, "vor_scare");
  const TLevelCell& room = g.view().Play.grid.cell(1, 2);
  EXPECT_TRUE(room.siren->AnimActive);
  EXPECT_FALSE(room.laser->Moving);
  EXPECT_EQ(g.sounds().back(), "sirena");
  g.frames(398);  // ticks 1 .. 398
  EXPECT_EQ(g.state(), Screen::Laser);
  g.frames(1);  // counted to 400
  EXPECT_EQ(g.view().GameState.Lives, 0);
  EXPECT_EQ(g.view().GameState.Score, 570);
  EXPECT_TRUE(g.view().Play.gameOverShown);
  EXPECT_EQ(g.spritesNamed("lose"), 1);
  EXPECT_NE(g.view().Play.player, nullptr);  // the house stays under the picture
  EXPECT_EQ(g.view().Play.stateCounter, 1);
}

}  // namespace
}  // namespace nk
