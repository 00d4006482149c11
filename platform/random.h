#pragma once
#include <cstdint>

namespace nk {

// The game's one random generator. Its algorithm is fixed (SplitMix64), so a seed replays the
// same game with every compiler and standard library.
class Random {
 public:
  explicit Random(uint64_t seed = 0) : state_(seed) {}
  void seed(uint64_t s) { state_ = s; }
  // 0 .. n-1; 0 when n <= 0.
  int32_t random(int32_t n);
  // 0.0 <= x < 1.0
  double unit();

 private:
  uint64_t next();
  uint64_t state_;
};

// A seed from the clock, for normal play.
uint64_t seedFromClock();

}  // namespace nk
