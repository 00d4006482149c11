#pragma once
#include <cstdint>
#include <optional>

namespace nk {

// What an edit's CharFilter lets through: 0 anything, 1 upper-case letters, 2 lower-case letters,
// 3 digits, 4 anything made upper case, 5 anything made lower case.
// Returns the character to insert, or nothing when the filter rejects it.
std::optional<unsigned char> FilterCharacter(uint8_t filter, unsigned char c);

// Case on the 8-bit code: the Latin letters and four more codes; everything else is unchanged.
unsigned char UpperCase(unsigned char c);
unsigned char LowerCase(unsigned char c);

}  // namespace nk
