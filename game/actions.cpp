#include "game/actions.h"

#include "game/action_steps.h"
#include "game/level_builder.h"
#include "game/player.h"

namespace nk {

TLevelCell& ActionTick::cell() const { return c.play.grid.cell(p.Column, p.Row); }

void ActionTick::look(const char* image, int frame) const {
  p.SetImage(c.world.image(image));
  p.SetPatternIndex(frame);
}

void ActionTick::stepFrame(int32_t first, int32_t last, int32_t every) const {
  if (t >= first && t <= last && t % every == 0) p.SetPatternIndex(p.PatternIndex + 1);
}

void ActionTick::fadeOut() const { p.SetAlpha(p.Alpha <= 1 ? 0 : p.Alpha - 2); }

void ActionTick::fadeIn() const { p.SetAlpha(p.Alpha >= 254 ? 255 : p.Alpha + 2); }

void ActionTick::changeRoom(int32_t column, int32_t row) const {
  c.builder.Conceal(p.Column, p.Row);
  c.builder.Reveal(column, row);
}

ActionEnd ActionTick::finish(Action a, bool showFully) const {
  c.play.action(a) = 0;
  if (showFully) p.SetAlpha(255);
  p.Collide = p.PixelCheck = true;
  p.AtDoor = p.AtStairsUp = p.AtStairsDown = p.AtLift = false;
  c.game.KeyReleased.fill(false);
  return ActionEnd::BackToPlay;
}

ActionEnd ActionTick::finishTaking(Action a) const {
  c.play.action(a) = 0;
  c.game.KeyReleased.fill(false);
  return ActionEnd::BackToPlay;
}

ActionEnd RunActionTick(const ActionContext& c) {
  TPlayState& play = c.play;
  size_t running = 0;
  while (running < kActionCount && play.actions[running] == 0) ++running;
  // Nothing to animate: give the tick back to the rules rather than stall.
  if (running == kActionCount || play.player == nullptr) return ActionEnd::BackToPlay;
  const ActionTick a{c, play.stateCounter, *play.player};
  switch (const auto which = static_cast<Action>(running)) {
    case Action::WalkThroughDoor:
    case Action::WalkBack: return walkThroughDoor(a, which);
    case Action::OpenDoor:
    case Action::OpenBackDoor: return openDoor(a, which);
    case Action::RideLift: return rideLift(a);
    case Action::LiftArrive: return liftArrive(a);
    case Action::ClimbUp:
    case Action::ClimbDown: return climb(a, which);
    case Action::TakeKey: return takeKey(a);
    case Action::TakeMoney:
    case Action::TakeTime:
    case Action::TakeLife: return takeThing(a, which);
    case Action::CrackSafe: return crackSafe(a);
    case Action::MissingKey: return missingKey(a);
    case Action::OpenDoorWithKey:
    case Action::OpenBackDoorWithKey: return openDoorWithKey(a, which);
  }
  return ActionEnd::Running;
}

}  // namespace nk
