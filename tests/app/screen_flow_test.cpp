#include <gtest/gtest.h>

#include "game/player.h"
#include "game_fixture.h"
#include "platform/keys.h"

namespace nk {
namespace {

using test::Game;
using test::LevelGame;

TEST(ScreenFlow, AnyKeyOnTheTitleOpensTheMainMenuButAClickDoesNot) {
  Game g;
  g.frames(5);
  g.form->mouseDown(MouseButton::Left, 400, 300);
  g.frames(5);
  EXPECT_EQ(g.state(), Screen::Title);
  g.tap('Q');
  g.frames(1);
  EXPECT_EQ(g.state(), Screen::MainMenu);
  EXPECT_EQ(g.view().GameState.Lives, 3);
  EXPECT_EQ(g.view().GameState.Level, 1);
  EXPECT_TRUE(g.view().GameState.FirstGame);
  EXPECT_NE(g.view().Menu.KeyCursor, nullptr);
  EXPECT_TRUE(g.view().NkTimer1.Enabled());
}

TEST(ScreenFlow, MainMenuFocusWrapsBothWays) {
  Game g;
  g.tap(vk::Space);
  g.frames(2);
  const struct { int key, index; } steps[] = {{vk::Up, 5}, {vk::Down, 0}, {vk::Down, 1}, {vk::Up, 0}};
  for (const auto& s : steps) {
    g.tap(s.key);
    g.frames(1);
    EXPECT_EQ(g.view().GameState.MenuIndex, s.index);
  }
  EXPECT_EQ(g.view().Menu.KeyCursor->Y, 80);
}

TEST(ScreenFlow, StartLevelGoesThroughTheIntroIntoPlayWithHelpOnlyOnLevelOne) {
  for (int level : {1, 4}) {
    LevelGame g(level);
    EXPECT_EQ(g.state(), Screen::LevelIntro);
    EXPECT_TRUE(g.view().GameTimer.Enabled());
    EXPECT_FALSE(g.view().NkTimer1.Enabled());
    g.frames(600);
    EXPECT_EQ(g.state(), Screen::LevelIntro);  // the intro waits for Enter
    g.tap(vk::Return);
    g.frames(820);
    EXPECT_EQ(g.state(), Screen::LevelIntro);
    g.frames(2);
    ASSERT_NE(g.view().Play.player, nullptr);
    EXPECT_EQ(g.state(), level == 1 ? Screen::QuickHelp : Screen::Play);
    EXPECT_EQ(g.view().Timer1.Enabled(), level != 1);
    if (level == 1) {
      g.frames(130);
      g.tap(vk::Space);
      g.frames(125);
      EXPECT_EQ(g.state(), Screen::Play);
      EXPECT_TRUE(g.view().Timer1.Enabled());
    }
  }
}

TEST(ScreenFlow, WalkingScrollsAPixelATickUpToTheRoomsEnd) {
  LevelGame g(4);
  g.tap(vk::Return);
  g.frames(830);
  ASSERT_EQ(g.state(), Screen::Play);
  const int originX = g.view().Play.grid.originX;
  g.form->keyDown(vk::Right);
  g.frames(100);
  EXPECT_EQ(g.view().Play.player->RoomPosition, 100);
  EXPECT_EQ(g.view().Play.grid.originX, originX - 100);
  g.frames(100);
  g.form->keyUp(vk::Right);
  g.frames(1);
  EXPECT_EQ(g.view().Play.player->RoomPosition, 151);
  EXPECT_EQ(g.view().Play.player->PatternIndex, 0);
}

TEST(ScreenFlow, TheLevelClockCountsDownOncePerSecond) {
  LevelGame g(2);
  g.tap(vk::Return);
  g.frames(830);
  ASSERT_EQ(g.state(), Screen::Play);
  EXPECT_EQ(g.view().Play.timeMinutes * 60 + g.view().Play.timeSeconds, 5 * 60 + 30);
  g.frames(120 * 31);
  EXPECT_EQ(g.view().Play.timeMinutes * 60 + g.view().Play.timeSeconds, 4 * 60 + 59);
}

TEST(ScreenFlow, AMissingLevelFileIsNamedAndLeadsBackToTheMenu) {
  Game g(2);
  g.tap(vk::Return);
  g.frames(830);
  EXPECT_EQ(g.state(), Screen::MainMenu);
  ASSERT_FALSE(g.host.journal().messages.empty());
  EXPECT_NE(g.host.journal().messages.back().find("level2.vmap"), std::string::npos);
  EXPECT_TRUE(g.view().NkTimer1.Enabled());
  EXPECT_FALSE(g.view().GameTimer.Enabled());
}

}  // namespace
}  // namespace nk
