#include <gtest/gtest.h>

#include "play_game.h"

namespace nk {
namespace {

using test::PlayGame;

TEST(PlayRules, AnActionTakesTheFramesFromTheGameTimerAndGivesThemBackForgettingKeys) {
  PlayGame g(1, [](LevelFile& f) { f.cell(1, 2).hasKey[1] = 1; });
  g.walk(30);
  g.press(vk::Space);
  EXPECT_FALSE(g.view().GameTimer.Enabled());
  EXPECT_TRUE(g.view().AnimTimer.Enabled());
  EXPECT_EQ(g.view().Play.action(Action::TakeKey), 1);
  g.tap(vk::Control);  // let go during the action: forgotten
  g.frames(333);       // ticks 0 .. 332
  EXPECT_TRUE(g.view().AnimTimer.Enabled());
  g.frames(1);  // tick 333
  EXPECT_TRUE(g.view().GameTimer.Enabled());
  EXPECT_FALSE(g.view().AnimTimer.Enabled());
  EXPECT_FALSE(g.view().GameState.KeyReleased[vk::Control]);
  EXPECT_EQ(g.player().CarriedKeys[1], 1);
  EXPECT_TRUE(g.played("takekey"));
  g.frames(1);
  EXPECT_TRUE(g.view().Play.playerKeys[1]->Visible);
  EXPECT_FALSE(g.view().Play.playerKeys[0]->Visible);
}

TEST(PlayRules, HeldArrowsWinOverReleasesAndOnlyOneReleaseActsATick) {
  PlayGame g(1, [](LevelFile& f) { f.cell(1, 2).hasSafe = f.cell(1, 2).hasStairsUp = 1; });
  g.walk(90);  // at the safe and at the stairs
  g.form->keyDown(vk::Right);
  g.tap(vk::Space);
  g.tap(vk::Up);
  g.frames(1);
  EXPECT_EQ(g.player().RoomPosition, 91);
  EXPECT_TRUE(g.view().GameTimer.Enabled());
  g.form->keyUp(vk::Right);
  g.frames(1);  // stands
  g.frames(1);  // Space before Up
  EXPECT_EQ(g.view().Play.action(Action::CrackSafe), 1);
  EXPECT_TRUE(g.view().GameState.KeyReleased[vk::Up]);
}

TEST(PlayRules, CommandsTakeTheThoughtAwayAndEscapeAndPauseStopTheClock) {
  for (const int key : {vk::Escape, static_cast<int>('P'), vk::F1}) {
    PlayGame g(1, [](LevelFile& f) { f.cell(1, 2).hasDoor = 1, f.cell(1, 2).doorKey = 2; });
    g.walk(150);
    g.press(vk::Control);
    g.finishAction();
    EXPECT_TRUE(g.view().Play.thinkShown);
    EXPECT_EQ(g.view().Play.action(Action::MissingKey), 0);
    g.press(vk::Right);  // standing still keeps the thought
    EXPECT_TRUE(g.view().Play.thinkShown);
    EXPECT_TRUE(g.view().Timer1.Enabled());
    g.press(key);
    EXPECT_FALSE(g.view().Play.thinkShown);
    EXPECT_EQ(g.view().Play.think, nullptr);
    EXPECT_FALSE(g.view().Timer1.Enabled());
    EXPECT_FALSE(g.view().GameState.KeyReleased[static_cast<size_t>(key)]);
  }
}

TEST(PlayRules, TheClockWaitsForABusyBurglarAndEndsTheLevelOnTheFirstSecondAfter) {
  PlayGame g(1, [](LevelFile& f) { f.cell(1, 2).hasDoor = 1; });
  g.walk(150);
  g.press(vk::Control);  // opening the door: 233 ticks, about two seconds
  g.probe().Play.timeMinutes = 0;
  g.probe().Play.timeSeconds = 1;
  g.frames(233);
  EXPECT_EQ(g.state(), Screen::Play);
  EXPECT_EQ(g.view().Play.timeSeconds, 0);
  EXPECT_TRUE(g.view().AnimTimer.Enabled());
  g.frames(1);
  EXPECT_FALSE(g.view().AnimTimer.Enabled());
  const int wait = g.until([&] { return g.state() == Screen::TimeUp; }, 200);
  EXPECT_GE(wait, 1);
  EXPECT_LE(wait, 120);
}

TEST(PlayRules, AfterTheSafeIsCrackedTheTimeCannotRunOut) {
  PlayGame g(1, [](LevelFile& f) { f.cell(1, 2).hasSafe = 1; });
  g.walk(50);
  g.press(vk::Space);
  g.probe().Play.timeMinutes = 0;
  g.probe().Play.timeSeconds = 1;
  g.finishAction();
  EXPECT_EQ(g.state(), Screen::LevelComplete);
  EXPECT_FALSE(g.view().Timer1.Enabled());
  g.frames(600);
  EXPECT_EQ(g.state(), Screen::LevelComplete);
}

}  // namespace
}  // namespace nk
