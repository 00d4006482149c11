#include "platform/file_layout.h"

#include <SDL.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/environment.h"

namespace nk {
namespace {

namespace fs = std::filesystem;

FileLayout& current() {
  static FileLayout layout;
  return layout;
}

// The program's own folder, whatever folder it was started from.
std::string programFolder() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) return "";
  std::string folder = base;
  SDL_free(base);
  return folder;
}

std::string homeFolder() {
  std::string home = environmentValue("HOME");
  if (home.empty()) {
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
      home = user->pw_dir;
  }
  return home;
}

}  // namespace

LayoutFacts systemLayoutFacts(bool workdirGiven) {
  LayoutFacts facts;
  facts.workdirGiven = workdirGiven;
  std::error_code ec;
  facts.workingFolderHoldsData = fs::is_directory("Data", ec);
  // NK_DATA_FROM_PROGRAM: the install's data folder seen from its program folder (CMake).
  if (const std::string program = programFolder(); !program.empty())
    facts.installedDataFolder = (fs::path(program) / NK_DATA_FROM_PROGRAM).lexically_normal().string();
  facts.xdgDataHome = environmentValue("XDG_DATA_HOME");
  facts.home = homeFolder();
  return facts;
}

FileLayout chooseFileLayout(const LayoutFacts& facts, std::vector<std::string> userFiles) {
  FileLayout layout;
  if (facts.workdirGiven || facts.workingFolderHoldsData) {
    layout.why = facts.workdirGiven ? "--workdir names the game folder" : "the working folder holds Data/";
    return layout;
  }
  layout.kind = LayoutKind::Installed;
  layout.why = "the working folder holds no Data/";
  layout.dataFolder = facts.installedDataFolder;
  // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
  const fs::path xdg = facts.xdgDataHome;
  const fs::path base = xdg.is_absolute()     ? xdg
                        : !facts.home.empty() ? fs::path(facts.home) / ".local/share"
                                              : fs::path();
  if (!base.empty()) layout.userFolder = (base / "nokturo").lexically_normal().string();
  layout.userFiles = std::move(userFiles);
  return layout;
}

std::string locate(const FileLayout& layout, const std::string& name) {
  if (layout.kind == LayoutKind::Portable || name.empty() || fs::path(name).is_absolute()) return name;
  const bool players =
      std::find(layout.userFiles.begin(), layout.userFiles.end(), name) != layout.userFiles.end();
  const std::string& folder = players ? layout.userFolder : layout.dataFolder;
  return folder.empty() ? name : (fs::path(folder) / name).string();
}

void useFileLayout(FileLayout layout) { current() = std::move(layout); }

const FileLayout& fileLayout() { return current(); }

}  // namespace nk
