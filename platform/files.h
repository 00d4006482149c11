#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace nk {

// A file name as the game writes it ("Data\data.oil", Windows-1251) in this system's spelling:
// backslashes become '/', the bytes become UTF-8.
std::string systemName(std::string_view gamePath);

// Where the game's file is: its system name, found where the file layout (file_layout.h) keeps it.
// In the portable layout relative names stay relative to the working directory.
std::string nativePath(std::string_view gamePath);

bool fileExists(std::string_view gamePath);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(std::string_view gamePath);

// Creates the missing folders above a file (system name), each open to its owner only, as the
// per-user data folders should be; false when one cannot be made.
bool createFoldersFor(const std::string& path);

// Makes dir the working directory; false when it cannot.
bool changeWorkingDirectory(const std::string& dir);

}  // namespace nk
