#include "game/walking.h"

#include "game/level_builder.h"
#include "game/player.h"

namespace nk {

void WalkStep(TPlayer& p, const TLevelCell& room, LevelBuilder& builder, bool rightHeld, bool leftHeld) {
  if (rightHeld) {
    p.FacingRight = true;
    p.FacingLeft = false;
    p.FlipH = false;
    if (p.RoomPosition <= room.walkLimit) {
      p.AnimActive = true;
      builder.ScrollWorld(-1, 0);
      ++p.RoomPosition;
    }
  } else if (leftHeld) {
    p.FacingRight = false;
    p.FacingLeft = true;
    p.FlipH = true;
    if (p.RoomPosition > 0) {
      p.AnimActive = true;
      builder.ScrollWorld(1, 0);
      --p.RoomPosition;
    }
  }
}

}  // namespace nk
