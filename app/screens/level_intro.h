#pragma once
#include <cstdint>

#include "app/transition.h"

namespace nk {

class FramePainter;
class MenuTextFont;
struct TGameState;
struct World;

// The level intro's count (TickCounter) at its steps. Before Enter the burglar looks round in
// front of the houses; Enter sets the count to kIntroEnterCount, and from there he stands,
// fades into the house, its window lights up and the level's caption shows until play starts.
inline constexpr int32_t kIntroLookEvery = 50;  // he turns a frame each time the count divides by this
inline constexpr int32_t kIntroLookFrames = 14;
inline constexpr int32_t kIntroEnterCount = 479;
inline constexpr int32_t kIntroStands = 480;
inline constexpr int32_t kIntroWindowLit = 736;  // he has faded from 255 a step a tick before this
inline constexpr int32_t kIntroCaptionFont = 900;
inline constexpr int32_t kIntroEnd = 1300;

// The street at night before each house: the burglar outside, the lit window of the house.
class LevelIntro {
 public:
  struct Parts {
    TGameState& game;
    FramePainter& frame;
    World& world;  // the house window's picture is the level's
    MenuTextFont& font;
  };
  explicit LevelIntro(Parts parts) : parts_(parts) {}

  void enter();
  void leave();
  Transition tick();

 private:
  void lookRound(int32_t& count);
  void walkIn(int32_t count);
  void writeTexts(int32_t count);

  Parts parts_;
  bool started_ = false;  // Enter was let go
};

}  // namespace nk
