#pragma once
#include <array>
#include <optional>

#include "game/play_state.h"

namespace nk {

class TPlayer;
class TNkSprite;

// What the burglar is told to do this play tick, in the order the keys are looked at.
enum class PlayCommand { None, Quit, Walk, Stand, Pause, Use, Take, ClimbDown, ClimbUp };

// The tick's one command: Esc first, then the held arrows, then the releases. Clears the releases
// it acts on; the others wait for a later tick.
PlayCommand TakePlayCommand(std::array<bool, 256>& keyReleased, bool rightHeld, bool leftHeld);

// Ctrl: the door on the right, the door on the left, or the lift; nothing when he is at none, and
// nothing when the room beyond lies outside the house (a damaged level file).
std::optional<Action> UseAction(const TPlayer& player, TLevelGrid& grid);
// Space: the key, the money, the life prize, the time prize or the safe, the first he touches.
std::optional<Action> TakeAction(const TPlayer& player);
// Up or Down at the stairs, when there is a floor to climb to.
std::optional<Action> ClimbAction(const TPlayer& player, const TLevelGrid& grid, bool up);

// Frees the thought bubble about a missing key, if it is up.
void RemoveThinkBubble(TPlayState& play, TNkSprite& sprites);

}  // namespace nk
