#include "game/door_actions.h"
#include "audio/sound_board.h"

#include "game/level_builder.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {

ActionEnd walkThroughDoor(const ActionTick& now, Action which) {
  TPlayer& player = now.player;
  const bool back = which == Action::WalkBack;
  if (now.tick <= kWalkFadeOutTo && player.Alpha > 0) now.fadeOut();
  if (now.tick == kWalkChangesRoom) {
    now.changeRoom(player.Column + (back ? -1 : 1), player.Row);
    now.context.builder.ScrollWorld(back ? player.RoomPosition + 71 : player.RoomPosition - 200, 0);
    TBackDoor& backDoor = *now.context.play.backDoor;
    backDoor.SetX(backDoor.X + (back ? -200.0f : 200.0f));
    player.Column += back ? -1 : 1;
    player.RoomPosition = back ? kWalkBackRoomPosition : 0;
    player.SetAlpha(1);
  }
  if (now.tick >= kWalkFadeInFrom && now.tick <= kWalkFadeInTo && player.Alpha > 0) now.fadeIn();
  if (now.tick <= kWalkEndsAfter || player.Alpha != 255) return ActionEnd::Running;
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
  now.stepFrame(1, kLookRoundTo, kDoorFrameEvery);
}

}  // namespace

ActionEnd openDoor(const ActionTick& now, Action which) {
  const bool back = which == Action::OpenBackDoor;
  lookRound(now);
  if (now.tick == kDoorSound) {
    now.context.sounds.PlayEffect("opendoor");
    now.player.SetImage(now.context.world.image("vor_idet"));
    if (!back) now.player.SetPatternIndex(0);
  }
  if (now.tick == kDoorOpens) openTheDoor(now, back);
  return now.tick >= kOpenDoorEnd ? now.finish(which) : ActionEnd::Running;
}

ActionEnd openDoorWithKey(const ActionTick& now, Action which) {
  lookRound(now);
  if (now.tick == kKeyTaken) now.look("vor_openwithkey", 0);
  now.stepFrame(kKeyTurnsFrom, kKeyTurnsTo, kDoorFrameEvery);
  if (now.tick == kKeySound) {
    now.context.sounds.PlayEffect("openwithkey");
    now.look("vor_idet", 0);
  }
  if (now.tick != kOpenDoorWithKeyEnd) return ActionEnd::Running;
  openTheDoor(now, which == Action::OpenBackDoorWithKey);
  return now.finish(which);
}

ActionEnd missingKey(const ActionTick& now) {
  TPlayState& play = now.context.play;
  if (now.tick == 0) play.think = new TThink(now.context.world, now.player);
  if (now.tick >= 1 && now.tick <= kThinkFadeInTo && play.think != nullptr) {
    play.think->SetAlpha(play.think->Alpha + 2);
  }
  if (now.tick != kMissingKeyEnd) return ActionEnd::Running;
  // The bubble stays up until his next command.
  play.action(Action::MissingKey) = 0;
  play.thinkShown = true;
  return ActionEnd::BackToPlay;
}

}  // namespace nk
