#pragma once
#include <cstdint>

#include "app/transition.h"

namespace nk {

// The quick help's ticks: the sheet fades in, waits for any key, and fades out again.
inline constexpr int32_t kHelpFadeInEnd = 120;  // it brightens on ticks 1 .. 119
inline constexpr int32_t kHelpWaits = 122;
inline constexpr int32_t kHelpCloses = 124;      // a key sets the count here
inline constexpr int32_t kHelpFadeOutEnd = 244;  // it darkens on ticks 125 .. 243
inline constexpr int32_t kHelpGone = 245;
inline constexpr int kHelpAlphaStep = 2;

class FramePainter;
class SidePanel;
class TTimer;
struct TGameState;
struct TPlayState;
struct World;

// The help sheet over the first house of a game, before its clock starts.
class QuickHelp {
 public:
  struct Parts {
    TGameState& game;
    TPlayState& play;  // its counter counts the sheet's ticks
    FramePainter& frame;
    const World& world;
    SidePanel& panel;  // the numbers stay beside the sheet
    TTimer& clock;     // starts when the sheet is gone
  };
  explicit QuickHelp(Parts parts) : parts_(parts) {}

  void enter();
  void leave();
  Transition tick();

 private:
  void fadeSheet(int alphaStep);
  Transition close(int32_t tick);

  Parts parts_;
  bool waiting_ = false;  // for a key
  bool closing_ = false;  // fading out
};

}  // namespace nk
