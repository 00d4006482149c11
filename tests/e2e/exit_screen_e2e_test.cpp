// The exit promotion screen of the real game, headless, driven by the pointer.
#include <gtest/gtest.h>

#include "game_run.h"
#include "support/bmp_file.h"

namespace nk::e2e {
namespace {

void writeBmp(const std::filesystem::path& file, int w, int h, uint32_t argb) {
  std::ofstream(file, std::ios::binary)
      << test::makeBmp(w, h, 24, std::vector<uint32_t>(size_t(w) * size_t(h), argb));
}

// A game folder whose way out shows a shop button at (50, 60) 100 x 30 and the exit button at
// (510, 420) 120 x 50, with a countdown of three seconds; background as named.
std::filesystem::path promotingGame(const std::string& name, const std::string& background) {
  auto dir = gameDir(name);
  std::filesystem::create_directory(dir / "wdata");
  writeBmp(dir / "wdata/back.bmp", 800, 600, 0xFF203040u);
  writeBmp(dir / "wdata/shop.bmp", 100, 30, 0xFF2080F0u);
  writeBmp(dir / "wdata/shop_lit.bmp", 120, 50, 0xFF60C0FFu);
  writeBmp(dir / "wdata/exit.bmp", 120, 50, 0xFFE04040u);
  writeBmp(dir / "wdata/exit_lit.bmp", 140, 70, 0xFFFF8080u);
  writeBmp(dir / "wdata/wait.bmp", 120, 50, 0xFF808080u);
  std::ofstream(dir / "wdata/shop.url") << "[InternetShortcut]\r\nURL=https://example.org/\r\n";
  std::ofstream(dir / "wdata/config.ini")
      << "2\r\n"
      << background << "\r\n"
      << "40 50 0 0\r\n50 60 100 30\r\nwdata\\shop.bmp\r\nwdata\\shop_lit.bmp\r\nwdata\\shop.url\r\n"
      << "500 410 0 0\r\n510 420 120 50\r\n510 420 0 "
         "0\r\nwdata\\exit.bmp\r\nwdata\\exit_lit.bmp\r\nwdata\\wait.bmp\r\n"
      << "400 100\r\n3\r\n255 255 0\r\nTRUE\r\n40\r\n";
  return dir;
}

GameRun leaveWith(const std::filesystem::path& dir, const std::string& moreScript) {
  std::ofstream(dir / "input.txt") << "0 tap Space\n5 tap Escape\n10 tap Up\n15 tap Enter\n" << moreScript;
  return runGame({"--headless", "--script", "input.txt", "--frames", "600", "--dump", "end.json"}, dir);
}

TEST(ExitScreenE2e, ButtonsOpenAtOnceAndTheExitWaitsForTheCountdown) {
  const auto dir = promotingGame("exit-screen", "wdata\\back.bmp");
  const auto run = leaveWith(dir,
                             "30 mouse 60 70\n31 dump lit.json\n40 click 60 70\n50 click 520 430\n"
                             "60 dump waiting.json\n300 click 520 430\n");
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const auto lit = readJson(dir / "lit.json");
  EXPECT_EQ(lit["ScreenState"], Screen::ExitScreen);
  EXPECT_EQ(lit["share"]["valid"], true);
  EXPECT_EQ(lit["share"]["number"], 2);
  EXPECT_EQ(lit["share"]["buttons"][0]["hover"], true);
  EXPECT_EQ(lit["share"]["buttons"][1]["active"], false);
  const auto waiting = readJson(dir / "waiting.json");
  EXPECT_EQ(waiting["ScreenState"], Screen::ExitScreen);
  EXPECT_EQ(waiting["opened"], nlohmann::json::array({"wdata\\shop.url"}));
  const auto end = readJson(dir / "end.json");
  EXPECT_EQ(end["frame"], 300);  // closed by the second exit click
  EXPECT_EQ(end["share"]["countdown"], 0);
  EXPECT_EQ(end["share"]["buttons"][1]["active"], true);
  EXPECT_TRUE(std::filesystem::exists(dir / "Config.cfg"));
}

TEST(ExitScreenE2e, AMissingPictureSkipsTheScreen) {
  const auto dir = promotingGame("exit-screen-missing", "wdata\\gone.bmp");
  const auto run = leaveWith(dir, "");
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const auto end = readJson(dir / "end.json");
  EXPECT_LT(end["frame"], 20);
  EXPECT_EQ(end["share"]["valid"], false);
  EXPECT_EQ(end["share"]["problem"],
            "wdata\\config.ini line 2: the background picture: \"wdata\\gone.bmp\" does not exist");
}

}  // namespace
}  // namespace nk::e2e
