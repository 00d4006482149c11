#include "tools/nk-level/laser_beam.h"

#include <algorithm>

#include "game/world_objects.h"

namespace nk {
namespace {

// Long enough for a crossing to start at any phase of the first few dozen sweeps.
constexpr int32_t kSampledMoves = 8000;
constexpr int32_t kSampledPhases = 4000;

}  // namespace

LaserBeam::LaserBeam(double topY) : low_(kSampledMoves) {
  // The same steps, in the same floating-point order, as the beam's own move.
  double y = topY, speed = kLaserSpeed, travelled = 0;
  for (int32_t m = 0; m < kSampledMoves; ++m) {
    low_[size_t(m)] = y > kLaserCatchLine;
    if (speed > 0 && travelled >= kLaserRange) {
      speed = -speed;
      y -= 1;
    } else if (speed <= 0 && travelled <= kLaserTurnBack) {
      speed = -speed;
      y += 1;
    } else {
      travelled += speed;
      y += speed;
    }
  }
}

bool LaserBeam::low(int32_t moves) const {
  return moves < 0 || moves >= kSampledMoves || low_[size_t(moves)];
}

bool LaserBeam::clearFor(int32_t arrivalMoves, int32_t steps) const {
  for (int32_t j = 0; j < steps; ++j)
    if (low(arrivalMoves + j)) return false;
  return true;
}

std::optional<int32_t> LaserBeam::worstWait(int32_t steps) const {
  // He steps in on the tick he starts; the collision pass sees him inside from the next tick on.
  int32_t worst = 0;
  for (int32_t phase = 0; phase < kSampledPhases; ++phase) {
    int32_t wait = 0;
    while (!clearFor(phase + wait + 1, steps)) {
      if (phase + wait + steps >= kSampledMoves) return std::nullopt;
      ++wait;
    }
    worst = std::max(worst, wait);
  }
  return worst;
}

}  // namespace nk
