// The real game starts the menu tune at start-up, with the built effects and tunes in Sounds/.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include "game_run.h"

namespace {

TEST(SoundE2e, TheMenuTunePlaysFromTheStartAndNoEffectHasSounded) {
  const auto dir = nk::e2e::freshDir("sound");
  std::filesystem::create_directory_symlink(std::filesystem::path(NK_GAME_DIR) / "Sounds", dir / "Sounds");
  const auto run = nk::e2e::runGame({"--headless", "--frames", "30", "--dump", "s.json"}, dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const nlohmann::json s = nk::e2e::readJson(dir / "s.json");
  EXPECT_EQ(s["music"], (nlohmann::json{{"menumusic", "playing"}, {"gamemusic", "stopped"}}));
  EXPECT_EQ(s["sounds"], nlohmann::json::array());
  EXPECT_TRUE(s["messages"].empty());
}

}  // namespace
