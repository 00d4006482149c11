#include <cmath>

#include "game/move_actions.h"

#include "game/level_builder.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {
namespace {

// The lift doors of the burglar's room open (+1) or close (-1) a step at a time.
void stepLiftDoors(const ActionTick& now, int32_t first, int32_t last, int delta) {
  TLift* lift = now.cell().lift;
  if (lift != nullptr && now.tick >= first && now.tick <= last && now.tick % kLiftStepEvery == 0)
    lift->SetPatternIndex(lift->PatternIndex + delta);
}

}  // namespace

ActionEnd rideLift(const ActionTick& now) {
  TPlayer& player = now.player;
  stepLiftDoors(now, 0, kLiftDoorsOpenTo, 1);
  if (now.tick == kLiftLooksRound) now.look("vor_oglyad", 0);
  now.stepFrame(kLiftLooksRound + 1, kLiftLookRoundTo, kLiftStepEvery);
  if (now.tick == kLiftWalksIn) now.look("vor_idet", 0);
  if (now.tick >= kLiftFadeOutFrom && now.tick <= kLiftFadeOutTo) now.fadeOut();
  stepLiftDoors(now, kLiftDoorsCloseFrom, kLiftDoorsCloseTo, -1);
  if (now.tick != kLiftRideEnd) return ActionEnd::Running;
  const LevelCellRecord& here = now.cell().stored;
  const int32_t column = here.liftTargetColumn, row = here.liftTargetRow;
  const int32_t dc = player.Column - column, dr = player.Row - row;
  now.changeRoom(column, row);
  TBackDoor& backDoor = *now.context.play.backDoor;
  backDoor.SetX(backDoor.X - 200.0f * static_cast<float>(dc));
  backDoor.SetY(backDoor.Y - 200.0f * static_cast<float>(dr));
  now.context.builder.ScrollWorld(200 * dc, 200 * dr);
  player.Column = column;
  player.Row = row;
  now.context.play.action(Action::RideLift) = 0;
  now.context.play.action(Action::LiftArrive) = 1;
  now.context.play.stateCounter = 0;
  return ActionEnd::Running;
}

ActionEnd liftArrive(const ActionTick& now) {
  stepLiftDoors(now, kArriveDoorsOpenFrom, kArriveDoorsOpenTo, 1);
  if (now.tick >= kArriveFadeInFrom && now.tick <= kArriveFadeInTo) now.fadeIn();
  stepLiftDoors(now, kArriveDoorsCloseFrom, kArriveDoorsCloseTo, -1);
  return now.tick == kArriveEnd ? now.finish(Action::LiftArrive) : ActionEnd::Running;
}

namespace {

// On the stairs he moves a pixel a tick and changes feet now and then.
void climbStep(const ActionTick& now, int dy) {
  now.player.SetY(now.player.Y + static_cast<float>(dy));
  if (now.tick % kClimbStepEvery == 0)
    now.player.SetPatternIndex(now.player.PatternIndex + 1 == 2 ? 0 : now.player.PatternIndex + 1);
}

// He steps beside the stairs before climbing: the world slides under him, his place in the room with it.
void alignWithStairs(const ActionTick& now, const TStairs* stairs) {
  TPlayer& player = now.player;
  const double offset = stairs == nullptr ? 0.0 : player.X - stairs->X + (player.FacingLeft ? 5.0 : -15.0);
  const auto shift = static_cast<int32_t>(std::lround(offset));
  now.context.builder.ScrollWorld(shift, 0);
  player.RoomPosition -= shift;
}

}  // namespace

ActionEnd climb(const ActionTick& now, Action which) {
  TPlayer& player = now.player;
  const bool up = which == Action::ClimbUp;
  const Climb& ticks = up ? kClimbUp : kClimbDown;
  if (now.tick == 0) {
    player.SetImage(now.context.world.image("vor_onstairs"));
    alignWithStairs(now, up ? now.cell().stairsUp : now.cell().stairsDown);
    if (ticks.startY >= 0) player.SetY(ticks.startY);
    player.SetPatternIndex(0);
  }
  if ((now.tick >= 1 && now.tick <= ticks.firstEnd) ||
      (now.tick >= ticks.secondFrom && now.tick <= ticks.secondEnd))
    climbStep(now, ticks.dy);
  if (now.tick >= ticks.fadeOutFrom && now.tick < ticks.arrive) now.fadeOut();
  if (now.tick == ticks.arrive) {
    now.changeRoom(player.Column, player.Row + ticks.dy);
    TBackDoor& backDoor = *now.context.play.backDoor;
    backDoor.SetY(backDoor.Y + 200.0f * static_cast<float>(ticks.dy));
    now.context.builder.ScrollWorld(0, -200 * ticks.dy);
    player.SetY(ticks.arriveY);
    player.Row += ticks.dy;
  }
  if (now.tick > ticks.arrive && now.tick <= ticks.arrive + kClimbFadeInTicks) now.fadeIn();
  if (now.tick != kClimbEnd) return ActionEnd::Running;
  player.SetY(260.0f);
  now.look("vor_idet", 0);
  return now.finish(which, /*showFully=*/false);
}

}  // namespace nk
