// Changing floors: riding the lift and climbing the stairs.
#include <cmath>

#include "game/action_steps.h"
#include "game/level_builder.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {
namespace {

// The lift doors of the burglar's room open (+1) or close (-1) a step every 30 ticks.
void stepLiftDoors(const ActionTick& a, int32_t first, int32_t last, int delta) {
  TLift* lift = a.cell().lift;
  if (lift != nullptr && a.t >= first && a.t <= last && a.t % 30 == 0)
    lift->SetPatternIndex(lift->PatternIndex + delta);
}

}  // namespace

ActionEnd rideLift(const ActionTick& a) {
  TPlayer& p = a.p;
  stepLiftDoors(a, 0, 60, 1);
  if (a.t == 61) a.look("vor_oglyad", 0);
  a.stepFrame(62, 270, 30);
  if (a.t == 271) a.look("vor_idet", 0);
  if (a.t >= 272 && a.t <= 399) a.fadeOut();
  stepLiftDoors(a, 400, 490, -1);
  if (a.t != 520) return ActionEnd::Running;
  const LevelCellRecord& here = a.cell().stored;
  const int32_t column = here.liftTargetColumn, row = here.liftTargetRow;
  const int32_t dc = p.Column - column, dr = p.Row - row;
  a.changeRoom(column, row);
  TBackDoor& backDoor = *a.c.play.backDoor;
  backDoor.SetX(backDoor.X - 200.0f * static_cast<float>(dc));
  backDoor.SetY(backDoor.Y - 200.0f * static_cast<float>(dr));
  a.c.builder.ScrollWorld(200 * dc, 200 * dr);
  p.Column = column;
  p.Row = row;
  a.c.play.action(Action::RideLift) = 0;
  a.c.play.action(Action::LiftArrive) = 1;
  a.c.play.stateCounter = 0;
  return ActionEnd::Running;
}

ActionEnd liftArrive(const ActionTick& a) {
  stepLiftDoors(a, 1, 60, 1);
  if (a.t >= 101 && a.t <= 227) a.fadeIn();
  stepLiftDoors(a, 239, 270, -1);
  return a.t == 300 ? a.finish(Action::LiftArrive) : ActionEnd::Running;
}

namespace {

// On the stairs he moves a pixel a tick and changes feet every 10 ticks.
void climbStep(const ActionTick& a, int dy) {
  a.p.SetY(a.p.Y + static_cast<float>(dy));
  if (a.t % 10 == 0) a.p.SetPatternIndex(a.p.PatternIndex + 1 == 2 ? 0 : a.p.PatternIndex + 1);
}

// He steps beside the stairs before climbing: the world slides under him, his place in the room with it.
void alignWithStairs(const ActionTick& a, const TStairs* stairs) {
  TPlayer& p = a.p;
  const double s = stairs == nullptr ? 0.0 : p.X - stairs->X + (p.FacingLeft ? 5.0 : -15.0);
  const auto shift = static_cast<int32_t>(std::lround(s));
  a.c.builder.ScrollWorld(shift, 0);
  p.RoomPosition -= shift;
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

ActionEnd climb(const ActionTick& a, Action which) {
  TPlayer& p = a.p;
  const bool up = which == Action::ClimbUp;
  const Climb& k = up ? kUp : kDown;
  if (a.t == 0) {
    p.SetImage(a.c.world.image("vor_onstairs"));
    alignWithStairs(a, up ? a.cell().stairsUp : a.cell().stairsDown);
    if (k.startY >= 0) p.SetY(k.startY);
    p.SetPatternIndex(0);
  }
  if ((a.t >= 1 && a.t <= k.firstEnd) || (a.t >= k.secondFrom && a.t <= k.secondEnd)) climbStep(a, k.dy);
  if (a.t >= k.fadeOutFrom && a.t < k.arrive) a.fadeOut();
  if (a.t == k.arrive) {
    a.changeRoom(p.Column, p.Row + k.dy);
    TBackDoor& backDoor = *a.c.play.backDoor;
    backDoor.SetY(backDoor.Y + 200.0f * static_cast<float>(k.dy));
    a.c.builder.ScrollWorld(0, -200 * k.dy);
    p.SetY(k.arriveY);
    p.Row += k.dy;
  }
  if (a.t > k.arrive && a.t <= k.arrive + 128) a.fadeIn();
  if (a.t != 358) return ActionEnd::Running;
  p.SetY(260.0f);
  a.look("vor_idet", 0);
  return a.finish(which, /*showFully=*/false);
}

}  // namespace nk
