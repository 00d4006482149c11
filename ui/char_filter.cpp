#include "ui/char_filter.h"

#include <algorithm>
#include <array>

namespace nk {
namespace {

constexpr std::array<unsigned char, 4> kUpperExtras = {196, 209, 214, 220};
constexpr std::array<unsigned char, 4> kLowerExtras = {228, 241, 246, 252};

bool isUpper(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || std::ranges::find(kUpperExtras, c) != kUpperExtras.end();
}
bool isLower(unsigned char c) {
  return (c >= 'a' && c <= 'z') || std::ranges::find(kLowerExtras, c) != kLowerExtras.end();
}

}  // namespace

unsigned char UpperCase(unsigned char c) { return isLower(c) ? static_cast<unsigned char>(c - 32) : c; }
unsigned char LowerCase(unsigned char c) { return isUpper(c) ? static_cast<unsigned char>(c + 32) : c; }

std::optional<unsigned char> FilterCharacter(uint8_t filter, unsigned char c) {
  switch (filter) {
    case 1: return isUpper(c) ? std::optional(c) : std::nullopt;
    case 2: return isLower(c) ? std::optional(c) : std::nullopt;
    case 3: return c >= '0' && c <= '9' ? std::optional(c) : std::nullopt;
    case 4: return UpperCase(c);
    case 5: return LowerCase(c);
    default: return c;
  }
}

}  // namespace nk
