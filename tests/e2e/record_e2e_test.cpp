#include <gtest/gtest.h>

#include "game_run.h"

namespace nk::e2e {
namespace {

// A session recorded without a seed replays into the same game: the same house (its money lies
// where the clock's seed put it), the same walk, the same name typed with a blank and a "#".
TEST(Record, ARecordedSessionReplaysIntoTheSameGame) {
  const auto dir = gameDir("record");
  {
    std::ofstream script(dir / "session.txt");
    // The intro, the quick help, a walk, giving up, and the name.
    script << "10 tap Enter\n1000 tap Enter\n1150 down Right\n1290 up Right\n1300 tap Escape\n1320 tap Up\n"
              "1330 tap Enter\n1400 type Вор\n1410 char 32\n1411 char 35\n1412 type 1\n1430 tap Backspace\n"
              "1440 click 100 100\n1450 dblclick 120 110\n";
  }
  const auto recorded = runGame({"--headless", "--level", "1", "--script", "session.txt", "--record",
                                 "recorded.txt", "--frames", "1500", "--dump", "first.json"},
                                dir);
  ASSERT_EQ(recorded.status, 0) << recorded.stderrText;
  const std::string recording = readText(dir / "recorded.txt");
  EXPECT_NE(recording.find("\nseed "), std::string::npos);
  const auto replayed = runGame(
      {"--headless", "--level", "1", "--script", "recorded.txt", "--frames", "1500", "--dump", "second.json"},
      dir);
  ASSERT_EQ(replayed.status, 0) << replayed.stderrText;

  const auto first = readJson(dir / "first.json"), second = readJson(dir / "second.json");
  EXPECT_EQ(first, second);
  EXPECT_EQ(first["ScreenState"], Screen::ScoreDialog);
  EXPECT_EQ(first["widgets"][2]["text"], "Вор #");
  EXPECT_GT(first["player"]["x"], 0);
}

TEST(Record, AnUnwritableRecordingStopsTheStart) {
  const auto dir = freshDir("record-unwritable");
  const auto run = runGame({"--headless", "--record", "no/such/folder/r.txt", "--frames", "1"}, dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.stderrText.find("cannot write the recording"), std::string::npos);
}

}  // namespace
}  // namespace nk::e2e
