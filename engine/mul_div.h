#pragma once
#include <cstdint>

namespace nk {

// a x b / c with a 64-bit product, rounded half away from zero; -1 when c is 0, as Windows does.
constexpr int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = int64_t{a} * b;
  const int64_t half = (c < 0 ? -int64_t{c} : int64_t{c}) / 2;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -int64_t{c} : int64_t{c});
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

// A font size in points as pixels on a 96 dots-per-inch screen.
constexpr int32_t PointsToPixels(int32_t points) { return MulDiv(points, 96, 72); }

}  // namespace nk
