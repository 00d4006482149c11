#pragma once
#include <cmath>
#include <cstdint>

namespace nk {

// The engine's rounding: to four decimal places first, then halves away from zero, so values that
// are a hair below a half (float noise) still round up.
inline int32_t NkRound(double v) {
  const double four = std::round(v * 10000.0) / 10000.0;
  const double r = std::round(four);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return r > 0 ? INT32_MAX : INT32_MIN;
  return static_cast<int32_t>(r);
}

}  // namespace nk
