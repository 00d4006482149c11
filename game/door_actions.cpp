// Going through the doors: walking through, opening them with or without a key, and finding
// the key missing.
#include "audio/sound_board.h"
#include "game/action_steps.h"
#include "game/level_builder.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {

ActionEnd walkThroughDoor(const ActionTick& now, Action which) {
  TPlayer& player = now.player;
  const bool back = which == Action::WalkBack;
  if (now.tick <= 128 && player.Alpha > 0) now.fadeOut();
  if (now.tick == 129) {
    now.changeRoom(player.Column + (back ? -1 : 1), player.Row);
    now.context.builder.ScrollWorld(back ? player.RoomPosition + 71 : player.RoomPosition - 200, 0);
    TBackDoor& backDoor = *now.context.play.backDoor;
    backDoor.SetX(backDoor.X + (back ? -200.0f : 200.0f));
    player.Column += back ? -1 : 1;
    player.RoomPosition = back ? 129 : 0;
    player.SetAlpha(1);
  }
  if (now.tick >= 130 && now.tick <= 257 && player.Alpha > 0) now.fadeIn();
  if (now.tick <= 258 || player.Alpha != 255) return ActionEnd::Running;
  now.finish(which);
  if (now.cell().stored.hasGuard == 0) return ActionEnd::BackToPlay;
  now.context.play.stateCounter = 0;
  return ActionEnd::Shot;
}

namespace {

// The door is open: the one on the right in his room, or the one on the left seen as his back door.
void openTheDoor(const ActionTick& now, bool back) {
  TPlayState& play = now.context.play;
  if (back) {
    play.grid.cell(now.player.Column - 1, now.player.Row).stored.doorOpen = 1;
    play.backDoor->SetPatternIndex(2);
    return;
  }
  TLevelCell& cell = now.cell();
  if (cell.door != nullptr) cell.door->SetPatternIndex(cell.door->PatternIndex + 1);
  cell.stored.doorOpen = 1;
}

// He looks round for seven frames before he touches a door.
void lookRound(const ActionTick& now) {
  if (now.tick == 0) now.look("vor_oglyad", 0);
  now.stepFrame(1, 210, 30);
}

}  // namespace

ActionEnd openDoor(const ActionTick& now, Action which) {
  const bool back = which == Action::OpenBackDoor;
  lookRound(now);
  if (now.tick == 211) {
    now.context.sounds.PlayEffect("opendoor");
    now.player.SetImage(now.context.world.image("vor_idet"));
    if (!back) now.player.SetPatternIndex(0);
  }
  if (now.tick == 232) openTheDoor(now, back);
  return now.tick > 232 ? now.finish(which) : ActionEnd::Running;
}

ActionEnd openDoorWithKey(const ActionTick& now, Action which) {
  lookRound(now);
  if (now.tick == 211) now.look("vor_openwithkey", 0);
  now.stepFrame(240, 451, 30);
  if (now.tick == 453) {
    now.context.sounds.PlayEffect("openwithkey");
    now.look("vor_idet", 0);
  }
  if (now.tick != 473) return ActionEnd::Running;
  openTheDoor(now, which == Action::OpenBackDoorWithKey);
  return now.finish(which);
}

ActionEnd missingKey(const ActionTick& now) {
  TPlayState& play = now.context.play;
  if (now.tick == 0) play.think = new TThink(now.context.world, now.player);
  if (now.tick >= 1 && now.tick <= 74 && play.think != nullptr) play.think->SetAlpha(play.think->Alpha + 2);
  if (now.tick != 75) return ActionEnd::Running;
  // The bubble stays up until his next command.
  play.action(Action::MissingKey) = 0;
  play.thinkShown = true;
  return ActionEnd::BackToPlay;
}

}  // namespace nk
