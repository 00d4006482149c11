#pragma once
#include <string>
#include <string_view>

namespace nk {

// An item's Filepath (Windows-1251, trimmed) as a name for this system: a name with a drive
// (":"), a network share ("\\") or a leading separator is used as it is; any other is found in
// programFolder (empty: the working directory).
std::string resolveFilepath(std::string_view filepath, std::string_view programFolder);

// Without leading and trailing blanks and control characters.
std::string_view trimBlanks(std::string_view text);

}  // namespace nk
