#pragma once
// Screen states print as their numbers in test messages.
#include <ostream>

#include "game/screen_states.h"

namespace nk {

inline std::ostream& operator<<(std::ostream& out, Screen screen) { return out << static_cast<int>(screen); }

}  // namespace nk
