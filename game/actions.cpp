#include "game/actions.h"

#include "game/door_actions.h"
#include "game/level_builder.h"
#include "game/move_actions.h"
#include "game/player.h"
#include "game/take_actions.h"

namespace nk {

TLevelCell& ActionTick::cell() const { return context.play.grid.cell(player.Column, player.Row); }

void ActionTick::look(const char* image, int frame) const {
  player.SetImage(context.world.image(image));
  player.SetPatternIndex(frame);
}

void ActionTick::stepFrame(int32_t first, int32_t last, int32_t every) const {
  if (tick >= first && tick <= last && tick % every == 0) player.SetPatternIndex(player.PatternIndex + 1);
}

void ActionTick::fadeOut() const { player.SetAlpha(player.Alpha <= 1 ? 0 : player.Alpha - 2); }

void ActionTick::fadeIn() const { player.SetAlpha(player.Alpha >= 254 ? 255 : player.Alpha + 2); }

void ActionTick::changeRoom(int32_t column, int32_t row) const {
  context.builder.Conceal(player.Column, player.Row);
  context.builder.Reveal(column, row);
}

ActionEnd ActionTick::finish(Action action, bool showFully) const {
  context.play.action(action) = 0;
  if (showFully) player.SetAlpha(255);
  player.Collide = player.PixelCheck = true;
  player.AtDoor = player.AtStairsUp = player.AtStairsDown = player.AtLift = false;
  ClearKeyReleased(context.game);
  return ActionEnd::BackToPlay;
}

ActionEnd ActionTick::finishTaking(Action action) const {
  context.play.action(action) = 0;
  ClearKeyReleased(context.game);
  return ActionEnd::BackToPlay;
}

ActionEnd RunActionTick(const ActionContext& context) {
  TPlayState& play = context.play;
  size_t running = 0;
  while (running < kActionCount && play.actions[running] == 0) ++running;
  // Nothing to animate: give the tick back to the rules rather than stall.
  if (running == kActionCount || play.player == nullptr) return ActionEnd::BackToPlay;
  const ActionTick now{context, play.stateCounter, *play.player};
  switch (const auto which = static_cast<Action>(running)) {
    case Action::WalkThroughDoor:
    case Action::WalkBack: return walkThroughDoor(now, which);
    case Action::OpenDoor:
    case Action::OpenBackDoor: return openDoor(now, which);
    case Action::RideLift: return rideLift(now);
    case Action::LiftArrive: return liftArrive(now);
    case Action::ClimbUp:
    case Action::ClimbDown: return climb(now, which);
    case Action::TakeKey: return takeKey(now);
    case Action::TakeMoney:
    case Action::TakeTime:
    case Action::TakeLife: return takeThing(now, which);
    case Action::CrackSafe: return crackSafe(now);
    case Action::MissingKey: return missingKey(now);
    case Action::OpenDoorWithKey:
    case Action::OpenBackDoorWithKey: return openDoorWithKey(now, which);
  }
  return ActionEnd::Running;
}

}  // namespace nk
