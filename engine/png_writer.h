#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nk {

// ARGB pixels (row by row) as the bytes of an 8-bit RGBA PNG file; nothing when the size and the
// pixels disagree.
std::optional<std::string> encodePng(int width, int height, const std::vector<uint32_t>& argb);

// The same, written to a file; false when the file cannot be written.
bool writePng(const std::string& path, int width, int height, const std::vector<uint32_t>& argb);

}  // namespace nk
