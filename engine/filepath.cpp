#include "engine/filepath.h"

#include "platform/files.h"

namespace nk {

std::string resolveFilepath(std::string_view filepath, std::string_view programFolder) {
  const bool rooted = filepath.find(':') != std::string_view::npos ||
                      filepath.find("\\\\") != std::string_view::npos ||
                      (!filepath.empty() && (filepath.front() == '\\' || filepath.front() == '/'));
  std::string path = systemName(filepath);
  if (rooted || programFolder.empty()) return path;
  std::string folder(programFolder);
  if (folder.back() != '/') folder += '/';
  return folder + path;
}

std::string_view trimBlanks(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace nk
