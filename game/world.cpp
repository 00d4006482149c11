#include "game/world.h"

#include <string>

#include "engine/image_list_collection.h"

namespace nk {

TImageListItem* World::image(std::string_view name) const { return images.Find(name); }

TImageListItem* World::levelImage(std::string_view family) const {
  return images.Find("level" + std::to_string(level) + std::string(family));
}

}  // namespace nk
