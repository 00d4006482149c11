#include "app/confirm_button.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/keys.h"

namespace nk {
namespace {

TEST(ConfirmButton, ItsReleaseActsOnlyOnTheScreenItWasPressedOn) {
  const struct {
    const char* what;
    int pressedOn;
    std::vector<int> framesOn;  // the screens the game shows while it is held
    int releasedOn;
    std::optional<int> released;
  } cases[] = {
      {"a menu", 3, {3, 3}, 3, vk::Return},
      {"play", 12, {12}, 12, vk::Space},
      {"a dialog over play", 0, {}, 0, vk::Return},
      {"the intro ending into play", 11, {11, 12}, 12, std::nullopt},
      {"play ending in the tally", 12, {12, 13}, 13, std::nullopt},
      {"a screen left and come back to", 12, {12, 0, 12}, 12, std::nullopt},
      {"a screen changed just before the release", 11, {11}, 12, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ConfirmButton button;
    const int key = button.press(c.pressedOn);
    EXPECT_EQ(key, c.pressedOn == 12 ? vk::Space : vk::Return);
    for (int screen : c.framesOn) button.screenIs(screen);
    EXPECT_EQ(button.release(c.releasedOn), c.released);
    // Whatever became of the last press, the next one counts.
    button.press(3);
    EXPECT_EQ(button.release(3), vk::Return);
  }
}

}  // namespace
}  // namespace nk
