#pragma once
// The pieces the burglar's actions are made of; only the action files use them.
#include <cstdint>

#include "game/actions.h"

namespace nk {

class TPlayer;
struct TLevelCell;

// One tick of an action: what it works on, the action's own tick count, the burglar.
struct ActionTick {
  const ActionContext& context;
  const int32_t tick;
  TPlayer& player;

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
  ActionEnd finish(Action action, bool showFully = true) const;
  // The end of a quick action: only the keys let go meanwhile are forgotten.
  ActionEnd finishTaking(Action action) const;
};

}  // namespace nk
