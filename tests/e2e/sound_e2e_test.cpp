// The real game starts the menu tune at start-up, with the built effects and tunes in Sounds/.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include "game_run.h"

namespace {

TEST(SoundE2e, TheMenuTunePlaysFromTheStartAndNoEffectHasSounded) {
  const auto dir = nk::e2e::gameDir("sound");
  const auto run = nk::e2e::runGame({"--headless", "--frames", "30", "--dump", "s.json"}, dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const nlohmann::json s = nk::e2e::readJson(dir / "s.json");
  EXPECT_EQ(s["music"], (nlohmann::json{{"menumusic", "playing"}, {"gamemusic", "stopped"}}));
  EXPECT_EQ(s["sounds"], nlohmann::json::array());
  for (const auto& m : s["messages"]) {
    const std::string text = m;
    for (const char* audio : {"sound", "Sound", "ModPlug", "DirectX", "Audio"}) {
      EXPECT_EQ(text.find(audio), std::string::npos) << text;
    }
  }
}

}  // namespace
