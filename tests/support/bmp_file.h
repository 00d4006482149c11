#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace nk::test {

// The bytes of an uncompressed BMP file (40-byte info header) of the given depth (1, 4, 8, 24 or
// 32 bits) showing argb pixels; only 32 bits keeps their alpha byte. Depths with a palette take it from the
// pixels' colours in order of appearance, so the picture must have at most 2^bits colours.
// Rows are stored bottom-up unless topDown.
std::string makeBmp(int width, int height, int bits, const std::vector<uint32_t>& argb, bool topDown = false);

}  // namespace nk::test
