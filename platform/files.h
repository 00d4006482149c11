#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace nk {

// File names as the game writes them ("Data\data.oil", Windows-1251) to names for this system:
// backslashes become '/', the bytes become UTF-8. Relative names stay relative to the working directory.
std::string nativePath(std::string_view gamePath);

bool fileExists(std::string_view gamePath);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(std::string_view gamePath);

// Makes dir the working directory; false when it cannot.
bool changeWorkingDirectory(const std::string& dir);

}  // namespace nk
