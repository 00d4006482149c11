#include "platform/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "codec/cp1251.h"
#include "platform/file_layout.h"

namespace nk {

std::string systemName(std::string_view gamePath) {
  std::string path = cp1251ToUtf8(gamePath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

std::string nativePath(std::string_view gamePath) { return locate(fileLayout(), systemName(gamePath)); }

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

bool createFoldersFor(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  if (folder.empty() || std::filesystem::is_directory(folder, ec)) return true;
  if (!createFoldersFor(folder.string())) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool changeWorkingDirectory(const std::string& dir) { return ::chdir(dir.c_str()) == 0; }

}  // namespace nk
