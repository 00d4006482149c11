#pragma once
// Runs the real game binary for end-to-end tests.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/screen_print.h"

namespace nk::e2e {

struct GameRun {
  int status = -1;
  std::string stderrText;
};

inline std::string quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

inline std::string readText(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The test program's folders, removed when it ends (set NK_KEEP_E2E to look at them afterwards).
struct TestFolders {
  std::vector<std::filesystem::path> made;
  ~TestFolders() {
    if (std::getenv("NK_KEEP_E2E") != nullptr) return;
    std::error_code ignored;
    for (const auto& dir : made) std::filesystem::remove_all(dir, ignored);
  }
};
inline TestFolders testFolders;

// A fresh, empty folder for one test.
inline std::filesystem::path freshDir(const std::string& name) {
  // The process id keeps two test runs on one machine apart.
  auto dir =
      std::filesystem::temp_directory_path() / ("nokturo-e2e-" + std::to_string(::getpid()) + "-" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  testFolders.made.push_back(dir);
  return dir;
}

// A fresh folder laid out like the built game's: its Data and Sounds are the game's own.
inline std::filesystem::path gameDir(const std::string& name) {
  auto dir = freshDir(name);
  for (const char* sub : {"Data", "Sounds"}) {
    const auto built = std::filesystem::path(NK_GAME_DIR) / sub;
    if (std::filesystem::exists(built)) std::filesystem::create_directory_symlink(built, dir / sub);
  }
  return dir;
}

// Runs nokturo in dir with args; env is a prefix such as "env -u DISPLAY". dir is the game folder
// even when it holds no Data/, so no run looks into the installed game's folders.
inline GameRun runGame(const std::vector<std::string>& args, const std::filesystem::path& dir,
                       const std::string& env = "") {
  std::string cmd = "cd " + quote(dir.string()) + " && " + env + " " + quote(NK_GAME_BINARY) + " --workdir .";
  for (const auto& a : args) cmd += " " + quote(a);
  const auto errFile = dir / "stderr.txt";
  cmd += " 2>" + quote(errFile.string()) + " >/dev/null";
  const int raw = std::system(cmd.c_str());
  GameRun r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.stderrText = readText(errFile);
  return r;
}

inline nlohmann::json readJson(const std::filesystem::path& p) { return nlohmann::json::parse(readText(p)); }

}  // namespace nk::e2e
