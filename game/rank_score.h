#pragma once
#include "game/game_state.h"

namespace nk {

// Puts the finished game's Score under HiscoreName into the first row whose score it reaches
// (an equal score takes the row); the row that was there is lost. Sets NewHiScore on a hit.
// The table is not saved here.
void RankScore(TGameState& state);

}  // namespace nk
