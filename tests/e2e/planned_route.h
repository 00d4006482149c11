#pragma once
// The route `nk-level route` plans through a shipped house, as a headless script.
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "game_run.h"

namespace nk::e2e {

struct PlannedRoute {
  std::string script;
  int enterPass = -1;  // the last line: Enter on the level-complete screen
};

// The route script for a level whose intro starts at `from`.
inline PlannedRoute planRoute(const std::filesystem::path& dir, int level, int from) {
  const auto file = dir / ("route" + std::to_string(level) + ".txt");
  const std::string vmap = std::string(NK_GAME_DIR) + "/Data/level" + std::to_string(level) + ".vmap";
  const std::string cmd = quote(NK_LEVEL_TOOL) + " route " + quote(vmap) + " --level " +
                          std::to_string(level) + " --from " + std::to_string(from) + " > " +
                          quote(file.string());
  PlannedRoute route;
  if (std::system(cmd.c_str()) != 0) return route;
  route.script = readText(file);
  std::istringstream lines(route.script);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line[0] != '#') route.enterPass = std::stoi(line);
  }
  return route;
}

}  // namespace nk::e2e
