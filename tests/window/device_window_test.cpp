// A machine without a device to draw the window with: the game says so and ends.
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "window_test.h"

namespace nk::window {
namespace {

class NoRenderDevice : public WindowTest {};

TEST_F(NoRenderDevice, TheGameSaysWhichRenderersFailedThenEndsWithStatusOne) {
  const auto log = folder().path() / "game.log";
  auto env = gameEnvironment(display());
  env["LD_PRELOAD"] = NK_NO_RENDERER;
  env["ASAN_OPTIONS"] += ":verify_asan_link_order=0";  // the stand-in comes before the sanitizer's runtime
  Process game({{NK_GAME_BINARY, "--workdir", folder().path().string(), "--windowed"}, env, log.string()});
  // Each message waits for its OK, as on the player's desktop: the device's, then the notice that
  // the game ends (the two boxes may come with the same window id).
  bool boxShown = false;
  const auto end = std::chrono::steady_clock::now() + seconds(120);
  while (game.running() && std::chrono::steady_clock::now() < end) {
    const std::vector<uint64_t> shown = display().windowsTitled("Error");
    if (!shown.empty()) {
      boxShown = true;
      // A box may not listen yet when it first appears; the key is given again until it goes.
      const XInput box(display(), shown.front());
      box.focus();
      box.keys({"Return"});
    }
    std::this_thread::sleep_for(milliseconds(shown.empty() ? 20 : 200));
  }
  EXPECT_TRUE(boxShown);
  ASSERT_EQ(game.waitForExit(seconds(60)), 1);
  std::ifstream in(log);
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("Could not find any compatible render\ndevices: the accelerated renderer failed "
                            "(no render device on this machine),\nthe software renderer failed (no render "
                            "device on this machine)."),
            std::string::npos)
      << text.str();
}

}  // namespace
}  // namespace nk::window
