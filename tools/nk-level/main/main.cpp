// nk-level: compiles level sources to level files, dumps them as JSON and checks them.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "game/level_constants.h"
#include "game/level_file.h"
#include "tools/nk-level/check_report.h"
#include "tools/nk-level/level_dump.h"
#include "tools/nk-level/level_source.h"

namespace {

constexpr const char* kUsage =
    "usage: nk-level compile SOURCE OUT.vmap\n"
    "       nk-level dump FILE.vmap\n"
    "       nk-level check FILE.vmap --level N\n";

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

int check(const std::string& path, const std::string& levelText) {
  int level = 0;
  const auto [end, ec] = std::from_chars(levelText.data(), levelText.data() + levelText.size(), level);
  const nk::LevelConstants* constants = nk::findLevelConstants(level);
  if (ec != std::errc() || end != levelText.data() + levelText.size() || !constants) {
    std::cerr << "nk-level: --level needs a number from 1 to " << nk::kLevelCount << "\n";
    return 2;
  }
  return nk::checkLevel(nk::readLevelFile(path), *constants, std::cout) ? 0 : 1;
}

int run(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "compile") return compile(args[1], args[2]);
  if (args.size() == 2 && args[0] == "dump") {
    std::cout << nk::dumpLevel(nk::readLevelFile(args[1])).dump(1) << "\n";
    return 0;
  }
  if (args.size() == 4 && args[0] == "check" && args[2] == "--level") return check(args[1], args[3]);
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
