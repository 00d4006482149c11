#include "platform/clock.h"

#include <SDL.h>

namespace nk {

bool SystemClock::queryFrequency(int64_t& frequency) const {
  frequency = static_cast<int64_t>(SDL_GetPerformanceFrequency());
  return frequency > 0;
}

int64_t SystemClock::counter() const { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }

uint32_t SystemClock::milliseconds() const { return SDL_GetTicks(); }

bool VirtualClock::queryFrequency(int64_t& frequency) const {
  frequency = highRes_ ? kFrequency : 0;
  return highRes_;
}

}  // namespace nk
