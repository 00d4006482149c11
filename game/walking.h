#pragma once

namespace nk {

class TPlayer;
class LevelBuilder;
struct TLevelCell;

// One play tick of walking under the held arrows (right wins when both are held): the burglar
// turns, and while the room lets him the world scrolls a pixel and his walk animation runs.
void WalkStep(TPlayer& player, const TLevelCell& room, LevelBuilder& builder, bool rightHeld, bool leftHeld);

}  // namespace nk
