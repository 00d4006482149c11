#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/graphic.h"
#include "engine/image_list_collection.h"
#include "engine/image_list_item.h"
#include "engine/png_writer.h"

namespace nk::test {

// A picture of opaque grey tiles: wherever two of them overlap, the sprites touch.
inline void addPicture(TImageListCollection& list, const std::string& name, int w, int h, int frames) {
  // Pictures of one size are the same file: encode each size once per test program.
  static std::map<std::pair<int, int>, std::string> files;
  std::string& file = files[{w * frames, h}];
  if (file.empty()) {
    file = *encodePng(w * frames, h, std::vector<uint32_t>(static_cast<size_t>(w * frames * h), 0xFF808080u));
  }
  TImageListItem& item = list.Add();
  item.Name = name;
  item.AssignPicture(*decodeGraphic(GraphicKind::Png, file));
  item.SetTileWidth(w);
  item.SetTileHeight(h);
}

// Every picture of play under the game's names, with the frames the game steps through and
// sizes like the art's, so that touches happen where they do in the game. Screens that only
// cover the play are tiny.
inline void addPlayPictures(TImageListCollection& list) {
  const struct {
    const char* name;
    int w, h, frames;
  } pictures[] = {
      {"level1lift", 110, 180, 4}, {"level2lift", 110, 180, 4},   {"level1stairs", 100, 200, 2},
      {"fon", 200, 200, 6},        {"wideinterior", 120, 110, 6}, {"thininterior", 50, 180, 7},
      {"seif", 60, 70, 1},         {"keysboard", 70, 60, 1},      {"keys", 12, 24, 4},
      {"playerkeys", 28, 28, 4},   {"money", 40, 30, 4},          {"values", 40, 20, 4},
      {"prizlife", 50, 50, 5},     {"priztime", 50, 50, 5},       {"guy", 80, 115, 10},
      {"cat", 50, 40, 21},         {"laser", 100, 4, 2},          {"siren", 20, 20, 4},
      {"heart", 30, 30, 6},        {"think", 160, 100, 1},        {"vor_idet", 60, 120, 8},
      {"vor_oglyad", 60, 120, 14}, {"vor_take", 60, 120, 5},      {"vor_openwithkey", 60, 120, 9},
      {"vor_crush", 60, 120, 11},  {"vor_onstairs", 60, 120, 2},  {"vor_scare", 60, 120, 1},
      {"vor_lookup", 60, 120, 1},  {"vor_stoit", 60, 120, 1},     {"okna", 40, 40, 6},
      {"panel", 150, 600, 1},      {"scr_fasthelp", 8, 6, 1},     {"scr_levcompl", 8, 6, 1},
      {"seiftake", 8, 6, 1},       {"timesup", 8, 6, 1},          {"lose", 8, 6, 1},
      {"gamecompl", 8, 6, 1},
  };
  for (const auto& p : pictures) addPicture(list, p.name, p.w, p.h, p.frames);
  for (int level = 1; level <= 6; ++level) {
    const std::string family = "level" + std::to_string(level);
    addPicture(list, family + "walls", 200, 200, 8);
    addPicture(list, family + "doors", 40, 130, 2);
    addPicture(list, family + "backdoors", 100, 200, 5);
  }
}

}  // namespace nk::test
