// The menus of the real game, headless, from the keyboard.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "game_run.h"

namespace nk::e2e {
namespace {

// Runs the game on the script (at most 600 passes) and returns the snapshot taken when it ends.
nlohmann::json play(const std::filesystem::path& dir, const std::string& script,
                    const std::vector<std::string>& extra = {}) {
  std::ofstream(dir / "input.txt") << script;
  std::vector<std::string> args = {"--headless", "--seed", "5",      "--script", "input.txt",
                                   "--frames",   "600",    "--dump", "s.json"};
  args.insert(args.end(), extra.begin(), extra.end());
  const auto run = runGame(args, dir);
  EXPECT_EQ(run.status, 0) << run.stderrText;
  return readJson(dir / "s.json");
}

TEST(MenusE2e, ExitYesClosesTheGameAndWritesItsConfiguration) {
  const auto dir = gameDir("menus-exit");
  const auto s = play(dir, "0 tap Space\n5 tap Escape\n10 tap Up\n15 tap Enter\n");
  EXPECT_EQ(s["ScreenState"], Screen::ExitScreen);
  EXPECT_LT(s["frame"], 100);  // closed long before the last pass
  EXPECT_TRUE(std::filesystem::exists(dir / "Config.cfg"));
}

TEST(MenusE2e, ANameTypedInTheOptionsIsAppliedAndComesBackNextTime) {
  const auto dir = gameDir("menus-options");
  // Options; the name; edit; type; one Backspace; stop editing; Apply.
  const auto s = play(dir,
                      "0 tap Space\n5 tap Down\n10 tap Enter\n15 tap Up\n20 tap Enter\n25 type Васька\n"
                      "40 tap Backspace\n45 tap Enter\n50 tap Down\n55 tap Enter\n");
  EXPECT_EQ(s["ScreenState"], Screen::MainMenu);
  EXPECT_EQ(s["PlayerName"], "Васьк");
  const auto again = play(dir, "# only start up\n");
  EXPECT_EQ(again["PlayerName"], "Васьк");
}

TEST(MenusE2e, TheTableIsClearedAfterYes) {
  const auto dir = gameDir("menus-table");
  const auto s = play(dir, "0 tap Space\n5 tap Down\n6 tap Down\n10 tap Enter\n15 tap Enter\n20 tap Enter\n");
  EXPECT_EQ(s["ScreenState"], Screen::HiScores);
  EXPECT_EQ(s["HiScores"][0]["Name"], "Anonymous");
  std::vector<std::string> names;
  for (const auto& w : s["widgets"]) {
    EXPECT_EQ(w["list"], "GUI2");
    names.push_back(w["name"]);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_EQ(s["requests"], nlohmann::json::array());
}

}  // namespace
}  // namespace nk::e2e
