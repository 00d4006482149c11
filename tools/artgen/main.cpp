// artgen: draws every picture of the game. See docs/art.md.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/artgen/catalog.h"
#include "tools/artgen/icon.h"
#include "tools/artgen/mock.h"
#include "tools/artgen/sheet.h"
#include "tools/artgen/text.h"

namespace {

namespace fs = std::filesystem;
using namespace nk::art;

constexpr const char* kUsage =
    "usage: artgen [--content DIR] OUTDIR         every picture as OUTDIR/NAME.png and OUTDIR/data.manifest\n"
    "       artgen [--content DIR] --sheet OUT.png  the contact sheet: every picture and frame, labelled\n"
    "       artgen [--content DIR] --mock DIR       mock screens composed from the pictures\n"
    "       artgen --icon DIR                       the desktop icon, as DIR/SIZE/apps/nokturo.png|svg\n";

int writeAll(const Catalog& catalog, const fs::path& dir) {
  fs::create_directories(dir);
  std::string manifest = "# Written by artgen; the input of nk-oil pack.\n";
  for (const Picture& p : catalog.pictures()) {
    const std::string file = p.name + ".png";
    if (!render(p).writePng((dir / file).string())) {
      std::cerr << "artgen: cannot write " << (dir / file).string() << "\n";
      return 1;
    }
    manifest +=
        p.name + "\t" + file + "\ttile=" + std::to_string(p.tileW) + "x" + std::to_string(p.tileH) + "\n";
  }
  // Written last and only when complete, so the build's timestamp on it means "all pictures done".
  const fs::path temp = dir / "data.manifest.tmp";
  {
    std::ofstream out(temp, std::ios::binary);
    out << manifest;
    if (!out) {
      std::cerr << "artgen: cannot write " << temp.string() << "\n";
      return 1;
    }
  }
  fs::rename(temp, dir / "data.manifest");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string content = NK_ART_CONTENT;
  if (args.size() >= 2 && args[0] == "--content") {
    content = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  const bool sheet = args.size() == 2 && args[0] == "--sheet";
  const bool mock = args.size() == 2 && args[0] == "--mock";
  const bool icon = args.size() == 2 && args[0] == "--icon";
  if (!(args.size() == 1 && args[0][0] != '-') && !sheet && !mock && !icon) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    if (icon) {
      if (writeIcons(args[1])) return 0;
      std::cerr << "artgen: cannot write the icons into " << args[1] << "\n";
      return 1;
    }
    requireFonts();
    const Houses houses = loadHouses((fs::path(content) / "houses.txt").string());
    const Catalog catalog = buildCatalog(houses);  // draws from houses, so it lives as long
    if (sheet) return writeSheet(catalog, args[1]) ? 0 : 1;
    if (mock) return writeMockScreens(catalog, args[1]) ? 0 : 1;
    return writeAll(catalog, args[0]);
  } catch (const std::exception& e) {
    std::cerr << "artgen: " << e.what() << "\n";
    return 1;
  }
}
