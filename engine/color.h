#pragma once
#include <cstdint>

namespace nk {

// Device colours are ARGB (alpha in the top byte); stored colours are 0x00BBGGRR.

constexpr uint32_t MakeColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  return (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

// A stored colour (below 0x1000000) becomes opaque ARGB; anything larger already is ARGB,
// so -1 stays opaque white.
constexpr uint32_t ColorToARGB(uint32_t value) {
  if (value >= 0x1000000u) return value;
  return 0xFF000000u | ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

}  // namespace nk
