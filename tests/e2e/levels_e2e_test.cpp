// Every built house starts from --level, through the intro, with its walls and scenery.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "game_run.h"

namespace nk::e2e {
namespace {

TEST(LevelsE2e, EachHouseIsBuiltAfterTheIntro) {
  const struct {
    int level, walls, fon;
    Screen state;
  } cases[] = {{1, 15, 36, Screen::QuickHelp}, {2, 20, 40, Screen::Play}, {3, 25, 44, Screen::Play},
               {4, 30, 47, Screen::Play},      {5, 36, 51, Screen::Play}, {6, 49, 58, Screen::Play}};
  const auto dir = gameDir("levels");
  {
    std::ofstream script(dir / "intro.txt");
    script << "5 tap Enter\n840 dump play.json\n";
  }
  for (const auto& c : cases) {
    const auto run = runGame({"--headless", "--seed", "1", "--level", std::to_string(c.level), "--script",
                              "intro.txt", "--frames", "841"},
                             dir);
    ASSERT_EQ(run.status, 0) << run.stderrText;
    const auto s = readJson(dir / "play.json");
    EXPECT_EQ(s["ScreenState"], c.state) << c.level;
    EXPECT_EQ(s["Level"], c.level);
    int walls = 0, fon = 0, players = 0;
    for (const auto& sprite : s["sprites"]) {
      walls += sprite["class"] == "Tmapsurf";
      fon += sprite["class"] == "TFonCell";
      players += sprite["class"] == "TPlayer";
    }
    EXPECT_EQ(walls, c.walls) << c.level;
    EXPECT_EQ(fon, c.fon) << c.level;
    EXPECT_EQ(players, 1);
    EXPECT_EQ(s["timers"]["game"], true);
  }
}

}  // namespace
}  // namespace nk::e2e
