#include "platform/shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <vector>

#include "platform/text_file.h"

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX asks us to declare it

namespace nk {
namespace {

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  for (size_t i = 0; i < suffix.size(); ++i) {
    const char a = s[s.size() - suffix.size() + i];
    if (std::tolower(static_cast<unsigned char>(a)) != suffix[i]) return false;
  }
  return true;
}

bool spawnDetached(std::vector<std::string> args) {
  // Nobody waits for the child; let the system reap it.
  std::signal(SIGCHLD, SIG_IGN);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
}

}  // namespace

std::optional<std::string> shortcutUrl(std::string_view contents) {
  size_t pos = 0;
  while (pos <= contents.size()) {
    size_t end = contents.find('\n', pos);
    if (end == std::string_view::npos) end = contents.size();
    std::string_view line = contents.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > 4 && line.substr(0, 4) == "URL=") return std::string(line.substr(4));
    pos = end + 1;
  }
  return std::nullopt;
}

std::optional<std::string> shortcutFileUrl(const std::string& path) {
  // A shortcut is a few short lines; even a very long address fits a line many times over.
  constexpr TextLimits kShortcutLimits{64 * 1024, 16 * 1024};
  const std::optional<BoundedText> file = readTextFile(path, kShortcutLimits);
  if (!file || file->cut) return std::nullopt;
  return shortcutUrl(file->text);
}

std::string launchablePath(const std::string& path) {
  if (path.empty() || path.front() == '/' || path.rfind("./", 0) == 0) return path;
  return "./" + path;
}

bool openWithSystem(const std::string& name, const std::string& parameters) {
  const std::string path = launchablePath(name);
  if (endsWithNoCase(path, ".url")) {
    const auto url = shortcutFileUrl(path);
    return url && spawnDetached({"xdg-open", *url});
  }
  if (::access(path.c_str(), X_OK) == 0) {
    std::vector<std::string> args{path};
    if (!parameters.empty()) args.push_back(parameters);
    return spawnDetached(std::move(args));
  }
  return spawnDetached({"xdg-open", path});
}

}  // namespace nk
