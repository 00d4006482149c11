#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace nk {

// A room's laser beam as it sweeps from the moment the room is revealed: whether it is low enough
// to catch the burglar at each play tick since then.
class LaserBeam {
 public:
  explicit LaserBeam(double topY);

  // Is the beam low after this many moves since it was built?
  bool low(int32_t moves) const;

  // Can a burglar who gets control after arrivalMoves walk through `steps` positions of the zone
  // (one a tick, starting where he stands) without the beam coming down on him?
  bool clearFor(int32_t arrivalMoves, int32_t steps) const;

  // The longest a burglar at the zone's edge may have to wait before the beam leaves him time to
  // cross `steps` positions; nothing when it never does.
  std::optional<int32_t> worstWait(int32_t steps) const;

 private:
  std::vector<bool> low_;
};

}  // namespace nk
