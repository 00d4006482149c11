#pragma once
#include <cstdint>

namespace nk {

// The texture side a picture is estimated to get: 2, doubled until it reaches size.
constexpr int32_t PowerOfTwoAtLeast(int32_t size) {
  int32_t result = 2;
  while (result < size) result *= 2;
  return result;
}

}  // namespace nk
