#include "game/hud.h"

namespace nk {

std::string FormatTime(int32_t minutes, int32_t seconds) {
  return std::to_string(minutes) + (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
}

}  // namespace nk
