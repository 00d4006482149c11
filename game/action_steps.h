#pragma once
// The pieces the burglar's actions are made of; only the action files use them.
#include <cstdint>

#include "game/actions.h"

namespace nk {

class TPlayer;
struct TLevelCell;

// One tick of an action: t is the action's own tick count.
struct ActionTick {
  const ActionContext& c;
  const int32_t t;
  TPlayer& p;

  TLevelCell& cell() const;
  // A new picture for the burglar, starting at the frame.
  void look(const char* image, int frame) const;
  // A frame on every tick divisible by `every`, within first .. last.
  void stepFrame(int32_t first, int32_t last, int32_t every) const;
  void fadeOut() const;
  void fadeIn() const;
  // The burglar leaves his room for another: the old one goes dark, the new one lights up.
  void changeRoom(int32_t column, int32_t row) const;

  // The end of an action: the rules tick comes back; he is fully visible (unless the action
  // has already seen to that), touches nothing and every key let go meanwhile is forgotten.
  ActionEnd finish(Action a, bool showFully = true) const;
  // The end of a quick action: only the keys let go meanwhile are forgotten.
  ActionEnd finishTaking(Action a) const;
};

ActionEnd walkThroughDoor(const ActionTick& a, Action which);
ActionEnd openDoor(const ActionTick& a, Action which);
ActionEnd openDoorWithKey(const ActionTick& a, Action which);
ActionEnd missingKey(const ActionTick& a);
ActionEnd rideLift(const ActionTick& a);
ActionEnd liftArrive(const ActionTick& a);
ActionEnd climb(const ActionTick& a, Action which);
ActionEnd takeKey(const ActionTick& a);
ActionEnd takeThing(const ActionTick& a, Action which);
ActionEnd crackSafe(const ActionTick& a);

}  // namespace nk
