#pragma once
#include <cstdint>

#include "game/hud.h"

namespace nk {

class MenuTextFont;
struct TGameState;
struct TPlayState;

// The numbers beside the play area and the level's time, written with the first text font.
class SidePanel {
 public:
  SidePanel(MenuTextFont& font, const TGameState& game, const TPlayState& play)
      : font_(font), game_(game), play_(play) {}

  // Lives, money and level, in that grey.
  void drawNumbers(uint8_t grey);
  // The time left, red in its last ten seconds.
  void drawTime(int x = kTimeX, int y = kTimeY);

 private:
  MenuTextFont& font_;
  const TGameState& game_;
  const TPlayState& play_;
};

}  // namespace nk
