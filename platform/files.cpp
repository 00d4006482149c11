#include "platform/files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "codec/cp1251.h"

namespace nk {

std::string nativePath(std::string_view gamePath) {
  std::string path = cp1251ToUtf8(gamePath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool fileExists(std::string_view gamePath) {
  std::error_code ec;
  return std::filesystem::is_regular_file(nativePath(gamePath), ec);
}

std::optional<std::string> readWholeFile(std::string_view gamePath) {
  if (!fileExists(gamePath)) return std::nullopt;
  std::ifstream in(nativePath(gamePath), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream data;
  data << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(data).str();
}

bool changeWorkingDirectory(const std::string& dir) { return ::chdir(dir.c_str()) == 0; }

}  // namespace nk
