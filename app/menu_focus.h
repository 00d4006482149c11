#pragma once
#include <cstdint>

#include "game/screen_states.h"

namespace nk {

enum class FocusKey { Up, Down, Left, Right };

// The entry a released arrow focuses in the menu or dialog of that screen state, before wrapping;
// the same entry when that arrow does not move the focus there.
int32_t FocusTarget(Screen state, int32_t entry, FocusKey key);

// One step past either end comes round to the other end.
int32_t WrapFocus(int32_t entry, int32_t count);

}  // namespace nk
