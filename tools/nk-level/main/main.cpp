// nk-level: compiles level sources to level files, dumps them as JSON and checks them.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "game/level_constants.h"
#include "game/level_file.h"
#include "tools/nk-level/check_report.h"
#include "tools/nk-level/level_dump.h"
#include "tools/nk-level/level_source.h"
#include "tools/nk-level/route_script.h"
#include "tools/nk-level/route_search.h"
#include "tools/nk-level/score_bound.h"

namespace {

constexpr const char* kUsage =
    "usage: nk-level compile SOURCE OUT.vmap\n"
    "       nk-level dump FILE.vmap\n"
    "       nk-level check FILE.vmap --level N\n"
    "       nk-level route FILE.vmap --level N [--from PASS]\n"
    "       nk-level max-score LEVEL1.vmap .. LEVEL6.vmap\n";

int usage() {
  std::cerr << kUsage;
  return 2;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in || std::filesystem::is_directory(path)) throw std::runtime_error(path + ": cannot be read");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int compile(const std::string& sourcePath, const std::string& outPath) {
  try {
    const nk::LevelSource source = nk::parseLevelSource(readText(sourcePath));
    nk::writeLevelFile(outPath, source.file);
  } catch (const nk::LevelSourceError& e) {
    throw std::runtime_error(sourcePath + ": " + e.what());
  }
  return 0;
}

// A whole number, or nothing.
std::optional<int> number(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const nk::LevelConstants* levelNamed(const std::string& text) {
  const std::optional<int> level = number(text);
  const nk::LevelConstants* constants = level ? nk::findLevelConstants(*level) : nullptr;
  if (!constants) std::cerr << "nk-level: --level needs a number from 1 to " << nk::kLevelCount << "\n";
  return constants;
}

int check(const std::string& path, const std::string& levelText) {
  const nk::LevelConstants* constants = levelNamed(levelText);
  if (!constants) return 2;
  return nk::checkLevel(nk::readLevelFile(path), *constants, std::cout) ? 0 : 1;
}

// The game's first level intro pass when it starts with --level.
constexpr int kFirstIntroPass = 1;

int route(const std::string& path, const std::string& levelText, const std::string& fromText) {
  const nk::LevelConstants* constants = levelNamed(levelText);
  if (!constants) return 2;
  const std::optional<int> from = number(fromText);
  if (!from || *from < 0) {
    std::cerr << "nk-level: --from needs a pass number, 0 or more\n";
    return 2;
  }
  const nk::LevelFile level = nk::readLevelFile(path);
  const int32_t limit = constants->timeLimitSeconds() * nk::kTicksPerSecond;
  const nk::Route best = nk::findBestRoute(level, nk::routeSetupFor(*constants), limit);
  std::cout << "# level " << constants->level << ": the checker's route of " << best.ticks << " passes\n"
            << nk::writeRouteScript(best, level, *constants, *from).text;
  return 0;
}

// The highest score a whole game can reach over the given houses, level 1 first.
int maxScore(const std::vector<std::string>& paths) {
  int64_t bound = 0;
  for (size_t i = 0; i < paths.size(); ++i) {
    bound += nk::levelScoreBound(nk::readLevelFile(paths[i]), nk::kLevelConstants[i]);
  }
  std::cout << bound << "\n";
  return 0;
}

int run(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "compile") return compile(args[1], args[2]);
  if (args.size() == 2 && args[0] == "dump") {
    std::cout << nk::dumpLevel(nk::readLevelFile(args[1])).dump(1) << "\n";
    return 0;
  }
  if (args.size() == 4 && args[0] == "check" && args[2] == "--level") return check(args[1], args[3]);
  if (args.size() >= 4 && args[0] == "route" && args[2] == "--level") {
    if (args.size() == 4) return route(args[1], args[3], std::to_string(kFirstIntroPass));
    if (args.size() == 6 && args[4] == "--from") return route(args[1], args[3], args[5]);
  }
  if (args.size() == 1 + nk::kLevelCount && args[0] == "max-score")
    return maxScore({args.begin() + 1, args.end()});
  return usage();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "nk-level: " << e.what() << "\n";
    return 1;
  }
}
