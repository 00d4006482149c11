// Every shipped house played from its intro to the level-complete screen along the route
// `nk-level route` plans, whatever the seed; and the whole game from the title to the high scores.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>

#include "planned_route.h"

namespace nk::e2e {
namespace {

constexpr int kLevels = 6;

class LevelPlaythrough : public testing::TestWithParam<int> {};

TEST_P(LevelPlaythrough, ReachesTheLevelCompleteScreenWithEveryLifeWhateverTheSeed) {
  const int level = GetParam();
  const auto dir = gameDir("playthrough" + std::to_string(level));
  // The game starts the intro of --level on its second pass.
  const PlannedRoute route = planRoute(dir, level, 1);
  ASSERT_GT(route.enterPass, 0) << "nk-level route failed for level " << level;
  std::vector<nlohmann::json> ends;
  for (const char* seed : {"1", "90210"}) {
    // The run stops on the pass the time bonus is counted in, before the Enter that leaves.
    const auto run = runGame({"--headless", "--level", std::to_string(level), "--seed", seed, "--script",
                              "route" + std::to_string(level) + ".txt", "--frames",
                              std::to_string(route.enterPass + 1), "--dump", "end.json"},
                             dir);
    ASSERT_EQ(run.status, 0) << run.stderrText;
    ends.push_back(readJson(dir / "end.json"));
    const auto& s = ends.back();
    EXPECT_EQ(s["ScreenState"], Screen::LevelComplete) << "seed " << seed;
    EXPECT_EQ(s["Lives"], 3) << "seed " << seed;
    EXPECT_EQ(s["Level"], level);
    EXPECT_EQ(s["time"], (nlohmann::json{{"minutes", 0}, {"seconds", 0}})) << "the bonus is counted";
    EXPECT_GE(s["Score"], 1000 * level);
  }
  // He takes no money on the way, so the seed that places it changes nothing.
  EXPECT_EQ(ends[0]["Score"], ends[1]["Score"]);
  EXPECT_EQ(ends[0]["player"], ends[1]["player"]);
}

INSTANTIATE_TEST_SUITE_P(ShippedHouses, LevelPlaythrough, testing::Range(1, kLevels + 1));

TEST(GamePlaythrough, FromTheTitleThroughEveryHouseToTheHighScores) {
  const auto dir = gameDir("playthrough-game");
  // Any key leaves the title, Enter chooses Start; the first intro pass follows Enter's release.
  std::string script = "0 tap Space\n5 tap Enter\n";
  int from = 6;
  for (int level = 1; level <= kLevels; ++level) {
    const PlannedRoute route = planRoute(dir, level, from);
    ASSERT_GT(route.enterPass, 0) << "nk-level route failed for level " << level;
    script += route.script;
    // Enter is taken on the pass after the tap; the next intro starts a pass later.
    from = route.enterPass + 2;
  }
  // The game-complete picture's score dialog: a name in the game's letters, Enter, and Enter on
  // "No" (the online report is not asked for), then the table.
  const int name = from + 10;
  script += std::to_string(name) + " type Вор\n" + std::to_string(name + 10) + " tap Enter\n" +
            std::to_string(name + 20) + " tap Enter\n";
  { std::ofstream(dir / "game.txt") << script; }
  const auto run = runGame({"--headless", "--seed", "7", "--script", "game.txt", "--frames",
                            std::to_string(name + 30), "--dump", "end.json"},
                           dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const auto s = readJson(dir / "end.json");
  EXPECT_EQ(s["ScreenState"], Screen::HiScores);
  EXPECT_EQ(s["Lives"], 3);
  EXPECT_EQ(s["HiscoreName"], "Вор");
  ASSERT_FALSE(s["HiScores"].empty());
  EXPECT_EQ(s["HiScores"][0]["Name"], "Вор");
  // The table keeps its scores as the text it shows.
  EXPECT_EQ(s["HiScores"][0]["Score"], std::to_string(s["Score"].get<int>()));
  EXPECT_GT(s["Score"], 21000);  // the six safes alone are worth 1000 to 6000
}

}  // namespace
}  // namespace nk::e2e
