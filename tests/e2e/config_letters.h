#pragma once
// Config.cfg lines written out independently of the game's own codec.
#include <string>
#include <vector>

namespace nk::e2e {

// A line's letter code: 8 bits a byte, "0"s in front up to a multiple of 5, 5 bits a letter.
inline std::string configLetters(const std::string& text) {
  static const std::string alphabet = "ABCDEFGHJKLMNPQRSTUVWXY123456789";
  std::vector<int> bits;
  for (unsigned char c : text) {
    for (int b = 7; b >= 0; --b) bits.push_back((c >> b) & 1);
  }
  bits.insert(bits.begin(), (5 - bits.size() % 5) % 5, 0);
  std::string out;
  for (size_t i = 0; i < bits.size(); i += 5) {
    size_t value = 0;
    for (size_t j = i; j < i + 5; ++j) value = value * 2 + static_cast<size_t>(bits[j]);
    out += alphabet[value];
  }
  return out;
}

}  // namespace nk::e2e
