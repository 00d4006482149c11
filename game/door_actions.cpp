// Going through the doors: walking through, opening them with or without a key, and finding
// the key missing.
#include "audio/sound_board.h"
#include "game/action_steps.h"
#include "game/level_builder.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {

ActionEnd walkThroughDoor(const ActionTick& a, Action which) {
  TPlayer& p = a.p;
  const bool back = which == Action::WalkBack;
  if (a.t <= 128 && p.Alpha > 0) a.fadeOut();
  if (a.t == 129) {
    a.changeRoom(p.Column + (back ? -1 : 1), p.Row);
    a.c.builder.ScrollWorld(back ? p.RoomPosition + 71 : p.RoomPosition - 200, 0);
    TBackDoor& backDoor = *a.c.play.backDoor;
    backDoor.SetX(backDoor.X + (back ? -200.0f : 200.0f));
    p.Column += back ? -1 : 1;
    p.RoomPosition = back ? 129 : 0;
    p.SetAlpha(1);
  }
  if (a.t >= 130 && a.t <= 257 && p.Alpha > 0) a.fadeIn();
  if (a.t <= 258 || p.Alpha != 255) return ActionEnd::Running;
  a.finish(which);
  if (a.cell().stored.hasGuard == 0) return ActionEnd::BackToPlay;
  a.c.play.stateCounter = 0;
  return ActionEnd::Shot;
}

namespace {

// The door is open: the one on the right in his room, or the one on the left seen as his back door.
void openTheDoor(const ActionTick& a, bool back) {
  TPlayState& play = a.c.play;
  if (back) {
    play.grid.cell(a.p.Column - 1, a.p.Row).stored.doorOpen = 1;
    play.backDoor->SetPatternIndex(2);
    return;
  }
  TLevelCell& cell = a.cell();
  if (cell.door != nullptr) cell.door->SetPatternIndex(cell.door->PatternIndex + 1);
  cell.stored.doorOpen = 1;
}

// He looks round for seven frames before he touches a door.
void lookRound(const ActionTick& a) {
  if (a.t == 0) a.look("vor_oglyad", 0);
  a.stepFrame(1, 210, 30);
}

}  // namespace

ActionEnd openDoor(const ActionTick& a, Action which) {
  const bool back = which == Action::OpenBackDoor;
  lookRound(a);
  if (a.t == 211) {
    a.c.sounds.PlayEffect("opendoor");
    a.p.SetImage(a.c.world.image("vor_idet"));
    if (!back) a.p.SetPatternIndex(0);
  }
  if (a.t == 232) openTheDoor(a, back);
  return a.t > 232 ? a.finish(which) : ActionEnd::Running;
}

ActionEnd openDoorWithKey(const ActionTick& a, Action which) {
  lookRound(a);
  if (a.t == 211) a.look("vor_openwithkey", 0);
  a.stepFrame(240, 451, 30);
  if (a.t == 453) {
    a.c.sounds.PlayEffect("openwithkey");
    a.look("vor_idet", 0);
  }
  if (a.t != 473) return ActionEnd::Running;
  openTheDoor(a, which == Action::OpenBackDoorWithKey);
  return a.finish(which);
}

ActionEnd missingKey(const ActionTick& a) {
  TPlayState& play = a.c.play;
  if (a.t == 0) play.think = new TThink(a.c.world, a.p);
  if (a.t >= 1 && a.t <= 74 && play.think != nullptr) play.think->SetAlpha(play.think->Alpha + 2);
  if (a.t != 75) return ActionEnd::Running;
  // The bubble stays up until his next command.
  play.action(Action::MissingKey) = 0;
  play.thinkShown = true;
  return ActionEnd::BackToPlay;
}

}  // namespace nk
