#include "platform/random.h"

#include <chrono>

namespace nk {

uint64_t Random::next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int32_t Random::random(int32_t n) {
  if (n <= 0) return 0;
  // The top 32 bits scaled to the range, as a multiply-shift: no modulo bias worth speaking of.
  return static_cast<int32_t>(((next() >> 32) * static_cast<uint64_t>(n)) >> 32);
}

double Random::unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

uint64_t seedFromClock() {
  return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace nk
