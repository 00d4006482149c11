#pragma once
#include <map>
#include <string>

#include "engine/nk_image_list.h"
#include "engine/nk_sprite.h"
#include "engine/png_writer.h"
#include "engine/sprite.h"
#include "game/level_builder.h"
#include "game/player.h"
#include "support/recording_messages.h"

namespace nk::test {

// Pictures with the game's names and plausible tile sizes, a sprite engine, and a level builder.
struct WorldFixture {
  explicit WorldFixture(int level = 1) : world{sprites, images.ImageList(), level} {
    const struct {
      const char* name;
      int w, h, frames;
    } pictures[] = {
        {"walls", 200, 200, 8},  {"doors", 40, 130, 2},     {"backdoors", 100, 200, 5}, {"level1lift", 110, 180, 4},
        {"level2lift", 110, 180, 4}, {"level1stairs", 100, 200, 2}, {"fon", 200, 200, 6}, {"wideinterior", 120, 110, 6},
        {"thininterior", 50, 180, 7}, {"seif", 60, 70, 1},  {"keysboard", 70, 60, 1},  {"keys", 12, 24, 4},
        {"playerkeys", 28, 28, 4}, {"money", 40, 30, 4},    {"values", 40, 20, 4},     {"prizlife", 50, 50, 5},
        {"priztime", 50, 50, 5},  {"guy", 80, 115, 10},     {"cat", 50, 40, 21},       {"laser", 100, 4, 2},
        {"siren", 20, 20, 4},     {"heart", 30, 30, 6},     {"think", 160, 100, 1},    {"vor_idet", 60, 120, 8},
        {"panel", 150, 600, 1},
    };
    for (const auto& p : pictures) {
      const std::string name = p.name;
      for (int l = 1; l <= 6; ++l) {
        if (name == "walls" || name == "doors" || name == "backdoors") add("level" + std::to_string(l) + name, p.w, p.h, p.frames);
      }
      if (name != "walls" && name != "doors" && name != "backdoors") add(name, p.w, p.h, p.frames);
    }
  }

  void add(const std::string& name, int w, int h, int frames) {
    TImageListItem& item = images.ImageList().Add();
    item.Name = name;
    item.AssignPicture(*decodeGraphic(GraphicKind::Png,
                                      *encodePng(w * frames, h, std::vector<uint32_t>(static_cast<size_t>(w * frames * h), 0xFF808080u))));
    item.SetTileWidth(w);
    item.SetTileHeight(h);
  }

  std::map<std::string, int> countByClass() const {
    std::map<std::string, int> counts;
    for (int i = 0; i < sprites.Count(); ++i) ++counts[sprites.Items(i)->ClassName()];
    return counts;
  }
  template <typename T>
  std::vector<T*> all() const {
    std::vector<T*> out;
    for (int i = 0; i < sprites.Count(); ++i) {
      if (auto* s = dynamic_cast<T*>(sprites.Items(i))) out.push_back(s);
    }
    return out;
  }

  RecordingMessages messages;
  TNkImageList images{messages};
  TNkSprite sprites{messages};
  World world;
  TPlayState play;
  Random random{7};
  LevelBuilder builder{world, play, random};
};

}  // namespace nk::test
