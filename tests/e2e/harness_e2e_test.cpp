#include <gtest/gtest.h>
#include <sys/wait.h>

#include "game_run.h"

namespace nk::e2e {
namespace {

TEST(Harness, TitleRunEndsInTheTitleStateWithOnlyTheMenuTimer) {
  const auto dir = freshDir("title");
  const auto run = runGame({"--headless", "--seed", "7", "--frames", "240", "--dump", "s.json"}, dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const auto s = readJson(dir / "s.json");
  EXPECT_EQ(s["frame"], 239);
  EXPECT_EQ(s["ScreenState"], Screen::Title);
  EXPECT_EQ(s["timers"],
            (nlohmann::json{{"menu", true}, {"game", false}, {"anim", false}, {"clock", false}}));
  EXPECT_FALSE(std::filesystem::exists(dir / "Config.cfg"));  // no exit path, nothing written
}

TEST(Harness, TwoRunsWithTheSameSeedAndScriptAreIdentical) {
  const auto dir = freshDir("replay");
  {
    std::ofstream script(dir / "input.txt");
    script << "10 tap Right\n20 type Вор\n60 click 400 300\n100 dump mid.json\n";
  }
  std::string first;
  for (int i = 0; i < 2; ++i) {
    const auto run = runGame(
        {"--headless", "--seed", "99", "--script", "input.txt", "--frames", "150", "--dump", "end.json"},
        dir);
    ASSERT_EQ(run.status, 0) << run.stderrText;
    const std::string both = readText(dir / "mid.json") + readText(dir / "end.json");
    if (i == 0)
      first = both;
    else
      EXPECT_EQ(both, first);
  }
}

TEST(Harness, ScreenshotIsAnEightHundredBySixHundredPng) {
  const auto dir = freshDir("screenshot");
  {
    std::ofstream script(dir / "shot.txt");
    script << "3 screenshot frame.png\n";
  }
  const auto run = runGame({"--headless", "--script", "shot.txt", "--frames", "5"}, dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const std::string png = readText(dir / "frame.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(png[at])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(png[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(png[at + 2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(png[at + 3]));
  };
  EXPECT_EQ(be32(16), 800u);
  EXPECT_EQ(be32(20), 600u);
}

TEST(Harness, BadStartsExitWithAStatusAndAMessage) {
  const auto dir = freshDir("bad");
  {
    std::ofstream script(dir / "broken.txt");
    script << "1 tap A\n2 wiggle\n";
    std::ofstream empty(dir / "empty.txt");
  }
  const struct {
    std::vector<std::string> args;
    std::string env;
    int status;
    std::string says;
  } cases[] = {
      {{"--nonsense"}, "", 2, "unknown option"},
      {{"--headless", "--script", "missing.txt"}, "", 2, "cannot read the script"},
      {{"--headless", "--script", "broken.txt"}, "", 2, "line 2"},
      {{"--headless", "--script", "empty.txt", "--frames", "1"}, "", 0, ""},
      {{"--headless", "--workdir", "no/such/folder"}, "", 1, "cannot enter"},
      {{"--frames", "1"}, "env -u DISPLAY -u WAYLAND_DISPLAY", 1, "--headless"},
  };
  for (const auto& c : cases) {
    const auto run = runGame(c.args, dir, c.env);
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_NE(run.stderrText.find(c.says), std::string::npos) << run.stderrText;
  }
}

}  // namespace
}  // namespace nk::e2e
