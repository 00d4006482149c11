#pragma once
#include <cstdint>
#include <string_view>

namespace nk {

class TNkSprite;
class TImageListCollection;
class TImageListItem;

// What a world object needs when it is made: the sprite engine it joins, the pictures it finds by
// name, and the level being played (level pictures are chosen when an object is created).
struct World {
  TNkSprite& sprites;
  const TImageListCollection& images;
  int32_t level = 1;

  TImageListItem* image(std::string_view name) const;
  // "level3walls" and the like: the picture of this level's family.
  TImageListItem* levelImage(std::string_view family) const;
};

}  // namespace nk
