#pragma once
#include <optional>

#include "game/screen_states.h"

namespace nk {

// The pad's confirm button, the one place that knows which key it is: Space in play, where the
// burglar takes things, and Enter on every other screen (menus, dialogs, the intro, the tally, the
// score dialog). Keys act on release, so the release must land where the press was meant: it
// reaches the game only while the game is still on the screen the button went down on, and never
// once that screen has been left, even for a moment.
class ConfirmButton {
 public:
  // The button goes down on that screen: the key that goes down with it.
  int press(Screen screen);
  // The game is on that screen now (told every frame, and at every press and release).
  void screenIs(Screen screen);
  // The button comes up: the key that comes up with it, or nothing when the screen it was pressed
  // on has been left.
  std::optional<int> release(Screen screen);

 private:
  std::optional<Screen> pressedOn_;  // while the button is down and its screen still up
  int key_ = 0;
};

}  // namespace nk
