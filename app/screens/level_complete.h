#pragma once
#include <cstdint>

#include "app/transition.h"

namespace nk {

// The level-complete screen's ticks: the score shows, then the time left, and the bonus
// (kTimeBonusPerSecond) is counted a second at a time until no time is left.
inline constexpr int32_t kTallyScoreShown = 100;  // after this tick
inline constexpr int32_t kTallyTimeShown = 200;
inline constexpr int32_t kTallyStart = 300;
inline constexpr int32_t kTallyEvery = 5;  // ticks a second of the time left takes

class FramePainter;
class MenuTextFont;
class SidePanel;
class SoundBoard;
struct TGameState;
struct TPlayState;
struct World;

// The level complete: the time bonus counted into the score, then Enter to the next house, or
// after the last one the game-complete picture and the score dialog.
class LevelComplete {
 public:
  struct Parts {
    TGameState& game;
    TPlayState& play;
    FramePainter& frame;
    const World& world;
    MenuTextFont& font;
    SidePanel& panel;  // writes the time left
    SoundBoard& sounds;
  };
  explicit LevelComplete(Parts parts) : parts_(parts) {}

  void enter();
  void leave();
  // The tally, or the next house once it is over. The window applies the change, then this
  // screen still draws its frame.
  Transition count();
  void drawFrame();

 private:
  void countSecond();
  Transition nextHouse();

  Parts parts_;
};

}  // namespace nk
