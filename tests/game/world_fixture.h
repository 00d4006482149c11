#pragma once
#include <map>
#include <string>

#include "engine/nk_image_list.h"
#include "engine/nk_sprite.h"
#include "engine/sprite.h"
#include "game/level_builder.h"
#include "game/player.h"
#include "support/play_pictures.h"
#include "support/recording_messages.h"

namespace nk::test {

// The play pictures, a sprite engine, and a level builder.
struct WorldFixture {
  explicit WorldFixture(int level = 1) : world{sprites, images.ImageList(), level} {
    addPlayPictures(images.ImageList());
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
