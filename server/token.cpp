#include "server/token.h"

#include <algorithm>
#include <random>

namespace nk::scores {
namespace {

constexpr size_t kTokenDigits = 32;
constexpr std::string_view kHexDigits = "0123456789abcdef";

}  // namespace

std::string newToken() {
  // The system's entropy source, not a seeded generator: tokens must not be guessable.
  thread_local std::random_device entropy;
  std::string token;
  while (token.size() < kTokenDigits) {
    for (unsigned word = entropy(), n = 0; n < 8 && token.size() < kTokenDigits; ++n, word >>= 4) {
      token += kHexDigits[word & 15];
    }
  }
  return token;
}

bool isTokenShaped(std::string_view text) {
  return text.size() == kTokenDigits &&
         std::ranges::all_of(text, [](char c) { return kHexDigits.find(c) != std::string_view::npos; });
}

}  // namespace nk::scores
