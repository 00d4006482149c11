#include "game/rank_score.h"

#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(RankScore, TheScoreTakesTheFirstRowItReaches) {
  const struct {
    int32_t score;
    int hitRow;  // 0: none
  } cases[] = {{8100, 2}, {8099, 3}, {100000, 1}, {100, 10}, {50, 0}, {0, 0}};
  for (const auto& c : cases) {
    TGameState g;
    g.Score = c.score;
    g.HiscoreName = "Vor";
    RankScore(g);
    const THiScoreTable defaults = DefaultHiScores();
    EXPECT_EQ(g.NewHiScore, c.hitRow != 0) << c.score;
    for (size_t i = 1; i <= 10; ++i) {
      const bool hit = static_cast<int>(i) == c.hitRow;
      EXPECT_EQ(g.HiScores[i].Name, hit ? "Vor" : "Anonymous") << c.score << " row " << i;
      EXPECT_EQ(g.HiScores[i].Score, hit ? std::to_string(c.score) : defaults[i].Score)
          << c.score << " row " << i;
      EXPECT_EQ(g.HiScores[i].Place, std::to_string(i));
    }
  }
}

TEST(RankScore, ADamagedRowCountsAsZeroAndIsTakenByAnyScore) {
  TGameState g;
  for (size_t i = 1; i <= 10; ++i) g.HiScores[i].Score = "999999";
  g.HiScores[4].Score = "12abc";
  g.Score = 0;
  RankScore(g);
  EXPECT_TRUE(g.NewHiScore);
  EXPECT_EQ(g.HiScores[4].Score, "0");
}

}  // namespace
}  // namespace nk
