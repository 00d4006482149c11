#include "app/confirm_button.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/keys.h"

namespace nk {
namespace {

TEST(ConfirmButton, ItsReleaseActsOnlyOnTheScreenItWasPressedOn) {
  using enum Screen;
  const struct {
    const char* what;
    Screen pressedOn;
    std::vector<Screen> framesOn;  // the screens the game shows while it is held
    Screen releasedOn;
    std::optional<int> released;
  } cases[] = {
      {"a menu", MainMenu, {MainMenu, MainMenu}, MainMenu, vk::Return},
      {"play", Play, {Play}, Play, vk::Space},
      {"a dialog over play", QuitDialog, {}, QuitDialog, vk::Return},
      {"the intro ending into play", LevelIntro, {LevelIntro, Play}, Play, std::nullopt},
      {"play ending in the tally", Play, {Play, LevelComplete}, LevelComplete, std::nullopt},
      {"a screen left and come back to", Play, {Play, QuitDialog, Play}, Play, std::nullopt},
      {"a screen changed just before the release", LevelIntro, {LevelIntro}, Play, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ConfirmButton button;
    const int key = button.press(c.pressedOn);
    EXPECT_EQ(key, c.pressedOn == Play ? vk::Space : vk::Return);
    for (Screen screen : c.framesOn) button.screenIs(screen);
    EXPECT_EQ(button.release(c.releasedOn), c.released);
    // Whatever became of the last press, the next one counts.
    button.press(MainMenu);
    EXPECT_EQ(button.release(MainMenu), vk::Return);
  }
}

}  // namespace
}  // namespace nk
