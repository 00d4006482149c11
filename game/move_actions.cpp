// Changing floors: riding the lift and climbing the stairs.
#include <cmath>

#include "game/action_steps.h"
#include "game/level_builder.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {
namespace {

// The lift doors of the burglar's room open (+1) or close (-1) a step every 30 ticks.
void stepLiftDoors(const ActionTick& now, int32_t first, int32_t last, int delta) {
  TLift* lift = now.cell().lift;
  if (lift != nullptr && now.tick >= first && now.tick <= last && now.tick % 30 == 0)
    lift->SetPatternIndex(lift->PatternIndex + delta);
}

}  // namespace

ActionEnd rideLift(const ActionTick& now) {
  TPlayer& player = now.player;
  stepLiftDoors(now, 0, 60, 1);
  if (now.tick == 61) now.look("vor_oglyad", 0);
  now.stepFrame(62, 270, 30);
  if (now.tick == 271) now.look("vor_idet", 0);
  if (now.tick >= 272 && now.tick <= 399) now.fadeOut();
  stepLiftDoors(now, 400, 490, -1);
  if (now.tick != 520) return ActionEnd::Running;
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
  stepLiftDoors(now, 1, 60, 1);
  if (now.tick >= 101 && now.tick <= 227) now.fadeIn();
  stepLiftDoors(now, 239, 270, -1);
  return now.tick == 300 ? now.finish(Action::LiftArrive) : ActionEnd::Running;
}

namespace {

// On the stairs he moves a pixel a tick and changes feet every 10 ticks.
void climbStep(const ActionTick& now, int dy) {
  now.player.SetY(now.player.Y + static_cast<float>(dy));
  if (now.tick % 10 == 0)
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

// The ticks of a climb that differ between up and down.
struct Climb {
  int dy;  // per climbing tick
  int32_t firstEnd, fadeOutFrom, arrive, secondFrom, secondEnd;
  float startY, arriveY;  // startY < 0: he starts where he stands
};
constexpr Climb kUp{-1, 69, 71, 198, 329, 357, -1.0f, 235.0f};
constexpr Climb kDown{1, 29, 31, 158, 288, 356, 215.0f, 190.0f};

}  // namespace

ActionEnd climb(const ActionTick& now, Action which) {
  TPlayer& player = now.player;
  const bool up = which == Action::ClimbUp;
  const Climb& ticks = up ? kUp : kDown;
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
  if (now.tick > ticks.arrive && now.tick <= ticks.arrive + 128) now.fadeIn();
  if (now.tick != 358) return ActionEnd::Running;
  player.SetY(260.0f);
  now.look("vor_idet", 0);
  return now.finish(which, /*showFully=*/false);
}

}  // namespace nk
