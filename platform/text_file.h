#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace nk {

// How much of a text file is read: at most maxBytes from its start, and of each line (up to its
// LF) at most maxLineBytes. Both are set far above what a valid file of that kind holds, so only
// damage reaches them.
struct TextLimits {
  size_t maxBytes;
  size_t maxLineBytes;
};

struct BoundedText {
  std::string text;  // what was read, each over-long line cut to its first maxLineBytes bytes
  bool cut = false;  // a line was cut, or the file goes on past maxBytes
};

// Reads a text file within the limits, never the whole of a larger one: a 300 MB file costs no
// more than its first maxBytes. path is a name for this system (see nativePath). Nothing when the
// file cannot be read.
std::optional<BoundedText> readTextFile(const std::string& path, TextLimits limits);

}  // namespace nk
