// The real game, headless, played with a pad alone: from the title into the high-score table.
#include <gtest/gtest.h>

#include "config_letters.h"
#include "game_run.h"

namespace nk::e2e {
namespace {

// The title, the main menu's Start, the intro and the quick help; a walk to the hall's door, which
// X opens and goes through; B gives up, up and A say yes. The name "ДЕД" is written arcade-style:
// the stick held up turns the first letter from А to Д, the D-pad writes the rest, with one letter
// added and taken away again; A ends the name and A again declines to send it.
constexpr const char* kPadGame = R"(10 pad tap a
20 dump menu.json
30 pad tap a
60 pad tap a
1050 pad tap a
1200 pad down dpright
1360 pad up dpright
1365 dump door.json
1370 pad tap x
1700 pad tap x
2300 dump through.json
2400 pad tap b
2420 dump quit.json
2430 pad tap dpup
2440 pad tap a
2950 pad axis lefty -32768
3006 pad axis lefty 0
3010 pad tap dpright
3020 pad tap dpup
3030 pad tap dpup
3040 pad tap dpup
3050 pad tap dpup
3060 pad tap dpup
3070 pad tap dpright
3080 pad tap dpup
3090 pad tap dpup
3100 pad tap dpup
3110 pad tap dpup
3120 pad tap dpright
3130 pad tap dpdown
3140 pad tap dpleft
3145 dump named.json
3150 pad tap a
3170 pad tap a
)";

// A table of ten nobodies with nothing, so that a game given up at once still enters it.
void writeEmptyTable(const std::filesystem::path& dir) {
  std::vector<std::string> lines = {"false", "false", "false", "", ""};
  for (int i = 0; i < 10; ++i) lines.insert(lines.end(), {"Anonymous%", "0%%%%"});
  std::ofstream out(dir / "Config.cfg", std::ios::binary);
  for (const std::string& line : lines) out << configLetters(line) << "\r\n";
}

TEST(PadE2e, APadAlonePlaysFromTheTitleIntoTheHighScoreTable) {
  const auto dir = gameDir("pad-game");
  writeEmptyTable(dir);
  std::ofstream(dir / "pad.txt") << kPadGame;
  const auto run = runGame(
      {"--headless", "--seed", "1", "--script", "pad.txt", "--frames", "3250", "--dump", "end.json"}, dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;

  const auto menu = readJson(dir / "menu.json");
  EXPECT_EQ(menu["ScreenState"], 3);
  EXPECT_EQ(menu["pads"], nlohmann::json::parse(R"([{"id": 0, "name": "Script pad", "held": []}])"));
  const auto door = readJson(dir / "door.json");
  EXPECT_EQ(door["ScreenState"], 12);
  EXPECT_EQ(door["player"]["column"], 1);
  EXPECT_EQ(door["player"]["roomPosition"], 151);
  EXPECT_EQ(door["RightHeld"], false);
  const auto through = readJson(dir / "through.json");
  EXPECT_EQ(through["ScreenState"], 12);
  EXPECT_EQ(through["player"]["column"], 2);
  EXPECT_EQ(through["player"]["roomPosition"], 0);
  EXPECT_EQ(readJson(dir / "quit.json")["ScreenState"], 0);
  const auto named = readJson(dir / "named.json");
  EXPECT_EQ(named["ScreenState"], 15);
  EXPECT_EQ(named["widgets"].back()["text"], "ДЕД");

  const auto end = readJson(dir / "end.json");
  EXPECT_EQ(end["ScreenState"], 7);
  EXPECT_EQ(end["HiscoreName"], "ДЕД");
  EXPECT_EQ(end["HiScores"][0]["Name"], "ДЕД");
  EXPECT_EQ(end["HiScores"][1]["Name"], "Anonymous");
}

// Pad commands go into a recording as they came and replay into the same game.
TEST(PadE2e, ARecordedPadSessionReplaysIntoTheSameGame) {
  const auto dir = gameDir("pad-record");
  writeEmptyTable(dir);
  std::ofstream(dir / "pad.txt") << kPadGame;
  const auto recorded = runGame({"--headless", "--script", "pad.txt", "--record", "recorded.txt", "--frames",
                                 "3250", "--dump", "first.json"},
                                dir);
  ASSERT_EQ(recorded.status, 0) << recorded.stderrText;
  const std::string recording = readText(dir / "recorded.txt");
  for (const char* line : {"1200 pad down dpright\n", "1360 pad up dpright\n", "2950 pad axis lefty -32768\n",
                           "3171 pad up a\n"}) {
    EXPECT_NE(recording.find(line), std::string::npos) << line << " in\n" << recording;
  }
  const auto replayed =
      runGame({"--headless", "--script", "recorded.txt", "--frames", "3250", "--dump", "second.json"}, dir);
  ASSERT_EQ(replayed.status, 0) << replayed.stderrText;
  const auto first = readJson(dir / "first.json"), second = readJson(dir / "second.json");
  EXPECT_EQ(first, second);
  EXPECT_EQ(first["ScreenState"], 7);
}

}  // namespace
}  // namespace nk::e2e
