#include "game/play_commands.h"

#include <utility>

#include "engine/nk_sprite.h"
#include "game/player.h"
#include "platform/keys.h"

namespace nk {

PlayCommand TakePlayCommand(std::array<bool, 256>& keyReleased, bool rightHeld, bool leftHeld) {
  auto take = [&](int key) { return std::exchange(keyReleased[static_cast<size_t>(key)], false); };
  if (take(vk::Escape)) return PlayCommand::Quit;
  if (rightHeld || leftHeld) return PlayCommand::Walk;
  if (take(vk::Right) || take(vk::Left)) return PlayCommand::Stand;
  if (keyReleased[vk::F1] || keyReleased['P']) {
    take(vk::F1);
    take('P');
    return PlayCommand::Pause;
  }
  if (take(vk::Control)) return PlayCommand::Use;
  if (take(vk::Space)) return PlayCommand::Take;
  if (take(vk::Down)) return PlayCommand::ClimbDown;
  if (take(vk::Up)) return PlayCommand::ClimbUp;
  return PlayCommand::None;
}

namespace {

// Which way through a closed door: it needs no key, he has its key, or he has not.
Action openingOf(const TLevelCell& doorCell, const TPlayer& p, Action plain, Action withKey) {
  const int32_t key = doorCell.stored.doorKey;
  if (key == kNoDoorKey) return plain;
  if (key >= 0 && key < kKeyKinds && p.CarriedKeys[static_cast<size_t>(key)] != 0) return withKey;
  return Action::MissingKey;
}

}  // namespace

std::optional<Action> UseAction(const TPlayer& p, TLevelGrid& grid) {
  const TLevelCell& cell = grid.cell(p.Column, p.Row);
  if (p.AtDoor && p.FacingRight) {
    if (cell.stored.doorOpen == 0) return openingOf(cell, p, Action::OpenDoor, Action::OpenDoorWithKey);
    if (!grid.isRoom(p.Column + 1, p.Row)) return std::nullopt;
    return Action::WalkThroughDoor;
  }
  if (p.AtBackDoor && p.Column > 1 && p.FacingLeft) {
    const TLevelCell& left = grid.cell(p.Column - 1, p.Row);
    if (left.stored.hasDoor != 0) {
      if (left.stored.doorOpen != 0) return Action::WalkBack;
      return openingOf(left, p, Action::OpenBackDoor, Action::OpenBackDoorWithKey);
    }
  }
  if (p.AtLift) {
    if (!grid.isRoom(cell.stored.liftTargetColumn, cell.stored.liftTargetRow)) return std::nullopt;
    return Action::RideLift;
  }
  return std::nullopt;
}

std::optional<Action> TakeAction(const TPlayer& p) {
  if (p.AtKey) return Action::TakeKey;
  if (p.AtMoney) return Action::TakeMoney;
  if (p.AtLifePrize) return Action::TakeLife;
  if (p.AtTimePrize) return Action::TakeTime;
  if (p.AtSafe) return Action::CrackSafe;
  return std::nullopt;
}

std::optional<Action> ClimbAction(const TPlayer& p, const TLevelGrid& grid, bool up) {
  if (!(up ? p.AtStairsUp : p.AtStairsDown)) return std::nullopt;
  if (!grid.isRoom(p.Column, p.Row + (up ? -1 : 1))) return std::nullopt;
  return up ? Action::ClimbUp : Action::ClimbDown;
}

void RemoveThinkBubble(TPlayState& play, TNkSprite& sprites) {
  if (!play.thinkShown) return;
  delete play.think;
  play.think = nullptr;
  sprites.Dead();
  play.thinkShown = false;
}

}  // namespace nk
