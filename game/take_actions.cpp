// Taking things: keys, money, the prizes, and the safe.
#include <algorithm>

#include "audio/sound_board.h"
#include "engine/nk_sprite.h"
#include "game/action_steps.h"
#include "game/player.h"
#include "game/score_values.h"
#include "game/world_objects.h"

namespace nk {

ActionEnd takeKey(const ActionTick& a) {
  if (a.t == 0) {
    a.c.sounds.PlayEffect("takekey");
    a.look("vor_oglyad", 0);
  }
  a.stepFrame(1, 210, 30);
  if (a.t == 212) a.look("vor_take", 0);
  a.stepFrame(213, 331, 30);
  if (a.t != 333) return ActionEnd::Running;
  a.look("vor_idet", 0);
  const auto kind = static_cast<size_t>(a.p.TouchedKeyKind);
  a.p.CarriedKeys[kind] = 1;
  TLevelCell& cell = a.cell();
  if (cell.keys[kind] != nullptr) cell.keys[kind]->Dead();
  cell.keys[kind] = nullptr;
  cell.stored.hasKey[kind] = 0;
  a.c.world.sprites.Dead();
  return a.finishTaking(Action::TakeKey);
}

namespace {

void takeMoney(const ActionTick& a) {
  const int32_t kind = a.p.TouchedMoneyKind;
  a.p.Money += kMoneyValues[static_cast<size_t>(kind)];
  new TValue(a.c.world, static_cast<int>(a.p.X) + 10, static_cast<int>(a.p.Y) + 10, kind);
  // Slot 2 holds both of the dearer kinds.
  const auto slot = static_cast<size_t>(std::min(kind, 2));
  TLevelCell& cell = a.cell();
  if (cell.money[slot] != nullptr) cell.money[slot]->Dead();
  cell.money[slot] = nullptr;
  cell.stored.hasMoney[slot] = 0;
  a.c.world.sprites.Dead();
}

}  // namespace

ActionEnd takeThing(const ActionTick& a, Action which) {
  if (a.t == 0) a.look("vor_take", 0);
  a.stepFrame(1, 120, 30);
  if (a.t != 122) return ActionEnd::Running;
  a.c.sounds.PlayEffect("takemoney");
  a.look("vor_idet", 0);
  TLevelCell& cell = a.cell();
  if (which == Action::TakeMoney) {
    takeMoney(a);
  } else if (which == Action::TakeTime) {
    a.c.play.timeMinutes += kTimePrizeMinutes;
    delete cell.timePrize;
    cell.timePrize = nullptr;
    cell.stored.hasTimePrize = 0;
  } else {
    ++a.c.game.Lives;
    delete cell.lifePrize;
    cell.lifePrize = nullptr;
    cell.stored.hasLifePrize = 0;
  }
  return a.finishTaking(which);
}

ActionEnd crackSafe(const ActionTick& a) {
  TPlayState& play = a.c.play;
  play.SafeTaken = true;
  if (a.t == 0) a.look("vor_crush", 0);
  a.stepFrame(1, 200, 20);
  if (a.t == 250) {
    a.p.Money += a.c.game.Level * kSafeValuePerLevel;
    new TExitMenu(a.c.world, "seiftake", "seiftake", 2400, 0, 0);
  }
  if (a.t != 550) return ActionEnd::Running;
  play.action(Action::CrackSafe) = 0;
  play.stateCounter = 0;
  a.c.game.Score += a.p.Money;
  a.c.game.KeyReleased.fill(false);
  return ActionEnd::SafeCracked;
}

}  // namespace nk
