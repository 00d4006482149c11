#include <algorithm>

#include "audio/sound_board.h"
#include "engine/nk_sprite.h"
#include "game/player.h"
#include "game/score_values.h"
#include "game/take_actions.h"
#include "game/world_objects.h"

namespace nk {

ActionEnd takeKey(const ActionTick& now) {
  if (now.tick == 0) {
    now.context.sounds.PlayEffect("takekey");
    now.look("vor_oglyad", 0);
  }
  now.stepFrame(1, kKeyLookRoundTo, kTakeFrameEvery);
  if (now.tick == kKeyReaches) now.look("vor_take", 0);
  now.stepFrame(kKeyReachFrom, kKeyReachTo, kTakeFrameEvery);
  if (now.tick != kTakeKeyEnd) return ActionEnd::Running;
  now.look("vor_idet", 0);
  const auto kind = static_cast<size_t>(now.player.TouchedKeyKind);
  now.player.CarriedKeys[kind] = 1;
  TLevelCell& cell = now.cell();
  if (cell.keys[kind] != nullptr) cell.keys[kind]->Dead();
  cell.keys[kind] = nullptr;
  cell.stored.hasKey[kind] = 0;
  now.context.world.sprites.Dead();
  return now.finishTaking(Action::TakeKey);
}

namespace {

void takeMoney(const ActionTick& now) {
  const int32_t kind = now.player.TouchedMoneyKind;
  now.player.Money += kMoneyValues[static_cast<size_t>(kind)];
  new TValue(now.context.world, static_cast<int>(now.player.X) + 10, static_cast<int>(now.player.Y) + 10,
             kind);
  // Slot 2 holds both of the dearer kinds.
  const auto slot = static_cast<size_t>(std::min(kind, 2));
  TLevelCell& cell = now.cell();
  if (cell.money[slot] != nullptr) cell.money[slot]->Dead();
  cell.money[slot] = nullptr;
  cell.stored.hasMoney[slot] = 0;
  now.context.world.sprites.Dead();
}

}  // namespace

ActionEnd takeThing(const ActionTick& now, Action which) {
  if (now.tick == 0) now.look("vor_take", 0);
  now.stepFrame(1, kThingReachTo, kTakeFrameEvery);
  if (now.tick != kTakeThingEnd) return ActionEnd::Running;
  now.context.sounds.PlayEffect("takemoney");
  now.look("vor_idet", 0);
  TLevelCell& cell = now.cell();
  if (which == Action::TakeMoney) {
    takeMoney(now);
  } else if (which == Action::TakeTime) {
    now.context.play.timeMinutes += kTimePrizeMinutes;
    delete cell.timePrize;
    cell.timePrize = nullptr;
    cell.stored.hasTimePrize = 0;
  } else {
    ++now.context.game.Lives;
    delete cell.lifePrize;
    cell.lifePrize = nullptr;
    cell.stored.hasLifePrize = 0;
  }
  return now.finishTaking(which);
}

ActionEnd crackSafe(const ActionTick& now) {
  TPlayState& play = now.context.play;
  play.SafeTaken = true;
  if (now.tick == 0) now.look("vor_crush", 0);
  now.stepFrame(1, kCrackFramesTo, kCrackFrameEvery);
  if (now.tick == kSafeOpens) {
    now.player.Money += now.context.game.Level * kSafeValuePerLevel;
    new TExitMenu(now.context.world, "seiftake", "seiftake", 2400, 0, 0);
  }
  if (now.tick != kCrackSafeEnd) return ActionEnd::Running;
  play.action(Action::CrackSafe) = 0;
  play.stateCounter = 0;
  now.context.game.Score += now.player.Money;
  ClearKeyReleased(now.context.game);
  return ActionEnd::SafeCracked;
}

}  // namespace nk
