#include "tools/artgen/houses.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace nk::art {
namespace {

struct Source {
  std::string path;
  int line = 0;
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
  }
};

Rgb parseColour(const std::string& word, const Source& at) {
  if (word.size() != 7 || word[0] != '#') at.fail("expected a colour #RRGGBB, got " + word);
  try {
    return hex(static_cast<uint32_t>(std::stoul(word.substr(1), nullptr, 16)));
  } catch (const std::exception&) {
    at.fail("bad colour " + word);
  }
}

void assign(House& house, const std::string& key, const std::string& value, const Source& at) {
  static const std::map<std::string, Rgb House::*> colours = {{"wallpaper", &House::wallpaper},
                                                              {"wallpaper-ink", &House::wallpaperInk},
                                                              {"wainscot", &House::wainscot},
                                                              {"floor", &House::floor},
                                                              {"trim", &House::trim},
                                                              {"wood", &House::wood},
                                                              {"fabric", &House::fabric},
                                                              {"outer", &House::outer},
                                                              {"mortar", &House::mortar},
                                                              {"metal", &House::metal},
                                                              {"leaves", &House::leaves},
                                                              {"sky", &House::sky},
                                                              {"lamp", &House::lamp}};
  static const std::map<std::string, std::string House::*> words = {{"wallpaper-kind", &House::wallpaperKind},
                                                                    {"floor-kind", &House::floorKind},
                                                                    {"outer-kind", &House::outerKind},
                                                                    {"leaves-kind", &House::leavesKind}};
  if (auto c = colours.find(key); c != colours.end()) {
    house.*(c->second) = parseColour(value, at);
  } else if (auto w = words.find(key); w != words.end()) {
    house.*(w->second) = value;
  } else {
    at.fail("unknown key " + key);
  }
}

}  // namespace

Houses loadHouses(const std::string& path) {
  std::ifstream in(path);
  Source at{path};
  if (!in) at.fail("cannot be read");
  Houses houses;
  House* current = nullptr;
  std::map<int, int> keysSeen;
  for (std::string line; std::getline(in, line);) {
    ++at.line;
    std::istringstream words(line);
    std::string key, value;
    // Colours start with '#' too, so only whole lines are comments.
    if (!(words >> key) || key[0] == '#') continue;
    if (key.size() == 3 && key.front() == '[' && key.back() == ']' && key[1] >= '1' && key[1] <= '6') {
      current = &houses.all()[static_cast<size_t>(key[1] - '1')];
      current->level = key[1] - '0';
      continue;
    }
    if (!current) at.fail("a key before the first [level] line");
    if (!(words >> value)) at.fail("no value for " + key);
    assign(*current, key, value, at);
    ++keysSeen[current->level];
  }
  for (int level = 1; level <= 6; ++level) {
    if (keysSeen[level] != 17) {
      at.line = 0;
      at.fail("level " + std::to_string(level) + " needs all 17 keys, has " +
              std::to_string(keysSeen[level]));
    }
  }
  return houses;
}

const LevelGeometry& geometryOf(int level) {
  static const LevelGeometry table[6] = {
      {145, 60, -71, 5, 0}, {145, 37, -71, 3, 0},  {145, 37, -71, 3, 0},
      {152, 42, -71, 5, 0}, {152, 42, -72, 10, 4}, {142, 61, -80, 2, 0},
  };
  return table[level - 1];
}

}  // namespace nk::art
