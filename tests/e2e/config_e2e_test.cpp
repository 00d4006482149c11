// The real game reads Config.cfg at start-up and shows what it read in its snapshot.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "config_letters.h"
#include "support/screen_print.h"

namespace {

namespace fs = std::filesystem;

using nk::e2e::configLetters;

class ConfigE2e : public ::testing::Test {
 protected:
  ConfigE2e() {
    std::random_device seed;
    dir_ = fs::temp_directory_path() / ("nk-config-e2e-" + std::to_string(seed()) + std::to_string(seed()));
    fs::create_directories(dir_);
  }
  ~ConfigE2e() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  void writeConfig(const std::vector<std::string>& texts) {
    std::ofstream out(dir_ / "Config.cfg", std::ios::binary);
    for (const auto& t : texts) out << configLetters(t) << "\r\n";
  }

  // Runs the game headless for 10 passes and returns its snapshot.
  nlohmann::json run(const std::string& extra = "") {
    const fs::path dump = dir_ / "s.json";
    const std::string command = std::string("'") + NK_GAME_BINARY +
                                "' --headless --frames 10 --seed 1 --workdir '" + dir_.string() +
                                "' --dump '" + dump.string() + "' " + extra + " 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    std::ifstream in(dump);
    return nlohmann::json::parse(in);
  }

  fs::path dir_;
};

TEST_F(ConfigE2e, SnapshotShowsTheStoredValues) {
  std::vector<std::string> lines(25);
  lines[0] = "false";
  lines[1] = "false";
  lines[2] = "true";
  lines[3] = "\xC2\xEE\xF0%%";  // "Вор" in Windows-1251
  lines[4] = "Alice";
  lines[5] = "Eve%%";
  lines[6] = "9999%";
  lines[23] = "1234567890";
  lines[24] = "55%%%";
  writeConfig(lines);
  const nlohmann::json s = run();
  EXPECT_EQ(s["FullScreen"], false);
  EXPECT_EQ(s["AppliedFullScreen"], false);
  EXPECT_EQ(s["MusicOn"], false);
  EXPECT_EQ(s["SoundOn"], true);
  EXPECT_EQ(s["PlayerName"], "Вор");
  EXPECT_EQ(s["HiscoreName"], "Alice");
  const nlohmann::json& table = s["HiScores"];
  ASSERT_EQ(table.size(), 10u);
  EXPECT_EQ(table[0], (nlohmann::json{{"Place", "1"}, {"Name", "Eve"}, {"Score", "9999"}}));
  EXPECT_EQ(table[1], (nlohmann::json{{"Place", "2"}, {"Name", "Anonymous"}, {"Score", "8100"}}));
  EXPECT_EQ(table[9], (nlohmann::json{{"Place", "10"}, {"Name", "1234567890"}, {"Score", "55"}}));
  for (const auto& m : s["messages"])
    EXPECT_EQ(m.get<std::string>().find("Config.cfg"), std::string::npos) << m;
}

TEST_F(ConfigE2e, FullScreenFromLineOneUnlessTheCommandLineSaysOtherwise) {
  writeConfig({"true"});
  const nlohmann::json stored = run();
  EXPECT_EQ(stored["FullScreen"], true);
  EXPECT_EQ(stored["AppliedFullScreen"], true);
  const nlohmann::json windowed = run("--windowed");
  EXPECT_EQ(windowed["FullScreen"], false);
  EXPECT_EQ(windowed["AppliedFullScreen"], false);
}

TEST_F(ConfigE2e, UnreadableConfigStartsWithDefaults) {
  fs::create_directory(dir_ / "Config.cfg");
  const nlohmann::json s = run();
  const auto& m = s["messages"];
  EXPECT_EQ(std::count(m.begin(), m.end(), "Cannot read Config.cfg; the default settings are used."), 1);
  EXPECT_EQ(s["FullScreen"], false);
  EXPECT_EQ(s["MusicOn"], true);
  EXPECT_EQ(s["HiScores"][0]["Name"], "Anonymous");
  EXPECT_EQ(s["ScreenState"], nk::Screen::Title);
}

}  // namespace
