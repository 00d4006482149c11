#pragma once
#include <cstdint>

#include "app/transition.h"

namespace nk {

// The ticks of the three ways the burglar is caught.
// Shot by the guard: the guard aims and fires, a heart rises, the screen fades to white.
inline constexpr int32_t kShotAimFrom = 130;  // the guard moves on ticks 131 .. 230
inline constexpr int32_t kShotAimTo = 231;
inline constexpr int32_t kShotAimEvery = 10;
inline constexpr int32_t kArghTick = 131;
inline constexpr int32_t kHeartTick = 252;
inline constexpr int32_t kShotFadeTick = 493;
inline constexpr int32_t kShotEnd = 620;
// Time is up: the picture waits at tick 1 for any key, then the screen fades to white.
inline constexpr int32_t kTimeUpFadeTick = 173;
inline constexpr int32_t kTimeUpEnd = 300;
// Caught by the laser: the siren flashes, then the screen fades to white.
inline constexpr int32_t kLaserFadeTick = 272;
inline constexpr int32_t kLaserEnd = 400;

class FramePainter;
class SidePanel;
class SoundBoard;
class TNkFader;
class TTimer;
struct TGameState;
struct TPlayState;
struct World;

// Shot by the guard, time up and caught by the laser: each costs a life and either builds the
// house again or ends the game with the lose picture.
class CaughtSequences {
 public:
  struct Parts {
    TGameState& game;
    TPlayState& play;  // its counter counts the sequence's ticks
    FramePainter& frame;
    const World& world;
    SidePanel& panel;
    TNkFader& fader;  // the fade to white
    TTimer& clock;
    SoundBoard& sounds;
  };
  explicit CaughtSequences(Parts parts) : parts_(parts) {}

  void enterShot();
  void leaveShot();
  Transition tickShot();
  void enterTimeUp();
  void leaveTimeUp();
  // The time-up frame's count; the window applies the change, then drawTimeUp draws while the
  // count is short of its end (again when a lost game sets it back).
  Transition countTimeUp();
  void drawTimeUp();
  void enterLaser();
  Transition tickLaser();

 private:
  void drawFrame();
  void fadeToWhite();
  void aim(int32_t tick);
  Transition loseLife(Screen caught);

  Parts parts_;
  bool keyPressed_ = false;  // time up: a key was let go
};

}  // namespace nk
