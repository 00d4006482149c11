#pragma once
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "game/screen_states.h"
#include "platform/host.h"

namespace nk::test {

// Random input as a restless player gives it: keys tapped or held for a while, typed letters,
// pointer moves and clicks, a pad's buttons and stick, the pad pulled out and plugged in again. The weights
// favour the keys that lead somewhere (Enter, Escape, the arrows) so every screen is left sooner or later.
// Now and then a level is played patiently, with no Escape, so the clock runs out and the guards get their
// chance. The same seed gives the same input.
class Monkey {
 public:
  explicit Monkey(uint64_t seed) : random_(seed) {}

  // The input of one frame on the screen the game is in; call it before the frame runs.
  void act(WindowEvents& window, int64_t frame, Screen screen);
  // Lets go of every held key, as a window does when it goes away; its pad goes with it.
  void releaseAll(WindowEvents& window);

 private:
  struct Held {
    int key;  // a virtual-key code, or the PadButton when pad
    int64_t until;
    bool pad = false;
  };
  int below(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }
  void press(WindowEvents& window, int key, int64_t frame);
  void type(WindowEvents& window);
  void point(WindowEvents& window, bool click);
  void padButton(WindowEvents& window, int64_t frame);
  void padStick(WindowEvents& window);
  void plugPad(WindowEvents& window);
  void unplugPad(WindowEvents& window);

  std::mt19937_64 random_;
  std::vector<Held> held_;
  std::optional<Screen> screen_;
  bool patient_ = false;
  int pad_ = -1;  // the pad plugged in, or -1
  int nextPad_ = 0;
};

}  // namespace nk::test
