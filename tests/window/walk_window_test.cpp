// The burglar walks while an arrow is held down and stops when it is let go.
#include "window_test.h"

namespace nk::window {
namespace {

class Walking : public WindowTest {};

// How far along the house the burglar is: the screen scrolls, so his place is the room's and his
// place in it.
int along(const Snapshot& s) {
  return s["player"]["column"].get<int>() * 200 + s["player"]["roomPosition"].get<int>();
}

TEST_F(Walking, AHeldArrowWalksAndLettingGoStops) {
  const struct {
    const char* key;
    const char* held;
    int direction;
  } cases[] = {{"Right", "RightHeld", 1}, {"Left", "LeftHeld", -1}};
  WindowGame& game = start({"--level", "2"});
  game.waitForState(11);
  game.input().keys({"Return"});
  game.waitForState(12);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    const int from = along(game.snapshot());
    game.input().keyDown(c.key);
    // Held long enough for the server's key repeat to start: only key-downs repeat.
    game.waitFor(
        [&](const Snapshot& s) { return s[c.held] == true && (along(s) - from) * c.direction >= 40; },
        "the burglar walking");
    game.input().keyUp(c.key);
    const Snapshot letGo =
        game.waitFor([&](const Snapshot& s) { return s[c.held] == false; }, "the arrow let go");
    EXPECT_EQ(letGo["ScreenState"], 12);
    const int stoppedAt = along(game.waitPasses(2));
    EXPECT_EQ(along(game.waitPasses(60)), stoppedAt);
  }
}

}  // namespace
}  // namespace nk::window
