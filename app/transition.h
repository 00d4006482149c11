#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "game/screen_states.h"

namespace nk {

// Which frame timer hands the frames to which; exactly one of the three runs at a time.
enum class FrameHandOver : uint8_t {
  None,
  MenuToGame,  // a game starts
  GameToMenu,  // a game has ended, or its house could not be built
  GameToAnim,  // the burglar starts an action
  AnimToGame,  // his action is over
};

// How a screen's frame, button, builder or tear-down asks for a change of screens. The screen
// says what; the window does it, in the order of the fields: the frame hand-over, the
// tear-downs, `then`, and last the next screen.
struct Transition {
  // Every field has its default, so that a transition names only what it does.
  FrameHandOver frames = FrameHandOver::None;
  std::vector<Screen> leave = {};   // torn down in this order
  std::function<void()> then = {};  // what comes between the tear-downs and the next screen
  std::optional<Screen> enter = {};
  // Back into the level as it stands: ScreenState becomes Play without building it again.
  bool backToPlay = false;

  bool empty() const {
    return frames == FrameHandOver::None && leave.empty() && !then && !enter && !backToPlay;
  }
};

}  // namespace nk
