// The render device taken away and given back, as a system may: the window's device keeps no copy
// of its textures, so the game makes every picture again, and the screen looks as it did.
#include <set>

#include "window_picture.h"
#include "window_test.h"

namespace nk::window {
namespace {

class DeviceReset : public WindowTest {};

// Still screens, so that the pictures before and after can be compared pixel for pixel: the title
// (one picture) and the pause (the house, the burglar, the side panel and its text).
TEST_F(DeviceReset, EveryPictureIsBackOnScreenAfterTheDeviceWasLost) {
  WindowGame& game = start({"--level", "2"});
  game.waitForState(11);
  game.input().keys({"Return"});
  game.waitForState(12);
  game.input().keys({"p"});
  game.waitForState(16);
  game.waitPasses(30);
  const std::vector<uint32_t> before = windowPicture(display().name(), game.window());
  ASSERT_GT(std::set<uint32_t>(before.begin(), before.end()).size(), 100u) << "the pause is not on screen";

  game.loseDevice();
  const Snapshot reset = game.waitFor([](const Snapshot& s) { return s["deviceResets"] == 1; }, "a reset");
  EXPECT_EQ(reset["ScreenState"], 16);
  game.waitPasses(30);
  EXPECT_EQ(windowPicture(display().name(), game.window()), before);
}

}  // namespace
}  // namespace nk::window
