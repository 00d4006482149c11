#pragma once
#include <string>
#include <string_view>

namespace nk {

// Text is kept out of sight in Config.cfg and in the score report by a keyless two-step code:
// every byte becomes 8 binary digits, and the digits are regrouped five at a time into letters of
// the 32-letter alphabet below. Nothing here fails: foreign letters are skipped, any digits decode.

inline constexpr std::string_view kLetterAlphabet = "ABCDEFGHJKLMNPQRSTUVWXY123456789";

// "0"/"1" digits, most significant first, 8 per byte.
std::string TextToBits(std::string_view text);
// One letter per 5 digits; the digits are first padded at the front with "0" to a multiple of 5.
// Any digit other than '0' counts as a one.
std::string BitsToLetters(std::string_view bits);
// 5 digits per alphabet letter; anything else (lower case, line ends, spaces) is skipped.
std::string LettersToBits(std::string_view letters);
// One byte per 8 digits; the digits are first padded at the front with "0" to a multiple of 8.
// Only '1' counts as a one.
std::string BitsToText(std::string_view bits);

// A text comes back unchanged only when its length is a multiple of 5; otherwise one byte 0 is put
// in front of it. Config.cfg pads its names and numbers with "%" for that reason.
inline std::string encodeConfigLine(std::string_view text) { return BitsToLetters(TextToBits(text)); }
inline std::string decodeConfigLine(std::string_view line) { return BitsToText(LettersToBits(line)); }

// The score report goes out in the same letters; its builder pads it with "0" to a multiple of 5.
inline std::string encodeReport(std::string_view report) { return BitsToLetters(TextToBits(report)); }

}  // namespace nk
