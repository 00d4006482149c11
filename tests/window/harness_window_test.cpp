// How a window run ends for whoever drives it: after --frames passes, or on SIGTERM, each with its
// snapshot written and without the exit path.
#include <filesystem>

#include "window_test.h"

namespace nk::window {
namespace {

class EndingARun : public WindowTest {};

TEST_F(EndingARun, FramesEndsAWindowRunAfterThatManyPasses) {
  // Long enough for the window to be found first: a pass waits for the next frame, 120 a second.
  WindowGame& game = start({"--frames", "600"});
  ASSERT_EQ(game.waitForExit(), 0) << game.log();
  const Snapshot end = game.finalSnapshot();
  EXPECT_EQ(end["frame"], 599);
  EXPECT_EQ(end["ScreenState"], 2);
  EXPECT_FALSE(std::filesystem::exists(folder().path() / "Config.cfg"));
}

TEST_F(EndingARun, SigtermEndsTheRunWithItsSnapshot) {
  WindowGame& game = start();
  game.input().keys({"space"});
  const int64_t seen = game.waitForState(3)["frame"];
  ASSERT_EQ(game.terminate(), 0) << game.log();
  const Snapshot end = game.finalSnapshot();
  EXPECT_EQ(end["ScreenState"], 3);
  EXPECT_GE(end["frame"], seen);
  EXPECT_FALSE(std::filesystem::exists(folder().path() / "Config.cfg"));
}

}  // namespace
}  // namespace nk::window
