#pragma once
#include "game/game_state.h"
#include "game/play_state.h"

namespace nk {

class LevelBuilder;
class SoundBoard;
struct World;

// What the burglar's actions work on.
struct ActionContext {
  TPlayState& play;
  LevelBuilder& builder;
  const World& world;
  TGameState& game;
  SoundBoard& sounds;
};

// How an action tick left play. Every end but Running has cleared the action's flag.
enum class ActionEnd {
  Running,
  BackToPlay,   // the rules tick takes over again
  Shot,         // he walked into a guard's room: the shot sequence follows, its counter at 0
  SafeCracked,  // the money is in the score: the level-complete tally follows, its counter at 0
};

// One tick of the running action, the first set flag in the actions' order, at the tick
// play.stateCounter; counting the tick is the caller's.
ActionEnd RunActionTick(const ActionContext& context);

}  // namespace nk
