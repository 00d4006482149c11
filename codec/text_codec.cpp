#include "codec/text_codec.h"

namespace nk {
namespace {

// The value of a group of digits, most significant first; isOne decides what counts as a one.
template <typename IsOne>
unsigned groupValue(std::string_view group, IsOne isOne) {
  unsigned value = 0;
  for (char digit : group) value = value * 2 + (isOne(digit) ? 1 : 0);
  return value;
}

void appendDigits(std::string& out, unsigned value, int count) {
  for (int bit = count - 1; bit >= 0; --bit) out += ((value >> bit) & 1) != 0 ? '1' : '0';
}

// The digits with "0" put in front until their count is a multiple of width.
std::string padFront(std::string_view bits, size_t width) {
  std::string padded((width - bits.size() % width) % width, '0');
  padded += bits;
  return padded;
}

}  // namespace

std::string TextToBits(std::string_view text) {
  std::string bits;
  bits.reserve(text.size() * 8);
  for (char c : text) appendDigits(bits, static_cast<unsigned char>(c), 8);
  return bits;
}

std::string BitsToLetters(std::string_view bits) {
  const std::string padded = padFront(bits, 5);
  std::string letters;
  letters.reserve(padded.size() / 5);
  for (size_t i = 0; i < padded.size(); i += 5) {
    const unsigned value = groupValue(std::string_view(padded).substr(i, 5), [](char d) { return d != '0'; });
    letters += kLetterAlphabet[value];
  }
  return letters;
}

std::string LettersToBits(std::string_view letters) {
  std::string bits;
  for (char c : letters) {
    const size_t value = kLetterAlphabet.find(c);
    if (value != std::string_view::npos) appendDigits(bits, static_cast<unsigned>(value), 5);
  }
  return bits;
}

std::string BitsToText(std::string_view bits) {
  const std::string padded = padFront(bits, 8);
  std::string text;
  text.reserve(padded.size() / 8);
  for (size_t i = 0; i < padded.size(); i += 8) {
    const unsigned value = groupValue(std::string_view(padded).substr(i, 8), [](char d) { return d == '1'; });
    text += static_cast<char>(value);
  }
  return text;
}

}  // namespace nk
