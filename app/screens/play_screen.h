#pragma once
#include <nlohmann/json_fwd.hpp>

#include "app/transition.h"

namespace nk {

class FramePainter;
class Host;
class LevelBuilder;
class MenuTextFont;
class SidePanel;
class SoundBoard;
class TNkFader;
class TTimer;
struct TGameState;
struct TPlayState;
struct World;

// Play: the house built from its level file, the rules of every game frame, the frames of the
// burglar's actions and the level clock.
class PlayScreen {
 public:
  struct Parts {
    TGameState& game;
    TPlayState& play;
    LevelBuilder& builder;
    World& world;  // the level's pictures
    FramePainter& frame;
    SidePanel& panel;
    MenuTextFont& font;
    TNkFader& fader;
    TTimer& clock;  // Timer1, the level clock
    SoundBoard& sounds;
    Host& host;  // says which level file is damaged
  };
  explicit PlayScreen(Parts parts) : parts_(parts) {}

  // Builds the house; the first house of a game shows the quick help first.
  Transition enter();
  // Takes the whole house down.
  void leave();

  // A play frame in three steps; the window applies what the player asks for in the middle, so
  // that a dialog comes up inside the frame that is then drawn to its end.
  // The burglar's collisions: true when a laser caught him, and the frame is over.
  bool caughtByLaser();
  // The one command of the frame's keys.
  Transition obey();
  void finishFrame();

  // The running action's tick, then its frame.
  Transition runAction();
  void drawActionFrame();

  // Timer1: a second of the level's time.
  Transition secondPassed();

 private:
  Parts parts_;
  bool caught_ = false;  // by a laser, during this frame's collisions
};

// The level as the snapshot shows it: the time, the running action, the burglar, the house's place.
void DescribePlay(const TPlayState& play, nlohmann::json& out);

}  // namespace nk
