#include "platform/text_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace nk {

std::optional<BoundedText> readTextFile(const std::string& path, TextLimits limits) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  BoundedText result;
  std::array<char, 64 * 1024> chunk{};
  size_t lineLength = 0;  // bytes of the current line seen so far
  size_t taken = 0;
  while (taken < limits.maxBytes && in) {
    in.read(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), limits.maxBytes - taken)));
    const auto got = static_cast<size_t>(in.gcount());
    taken += got;
    // Line by line through the chunk; a line's bytes past the bound are skipped.
    for (std::string_view rest(chunk.data(), got); !rest.empty();) {
      const size_t end = rest.find('\n');
      const std::string_view part = rest.substr(0, end);
      const size_t keep =
          std::min(part.size(), limits.maxLineBytes - std::min(lineLength, limits.maxLineBytes));
      result.text.append(part.substr(0, keep));
      if (keep < part.size()) result.cut = true;
      lineLength += part.size();
      if (end == std::string_view::npos) break;
      result.text += '\n';
      lineLength = 0;
      rest.remove_prefix(end + 1);
    }
  }
  if (in.bad()) return std::nullopt;
  // Past the bound: whether anything is left decides whether the file was cut.
  if (taken == limits.maxBytes && in.peek() != std::ifstream::traits_type::eof()) result.cut = true;
  return result;
}

}  // namespace nk
