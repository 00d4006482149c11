#include "app/screen_sprites.h"

#include <nlohmann/json.hpp>

#include "codec/cp1251.h"
#include "engine/image_list_item.h"

namespace nk {

void KillByName(TNkSprite& sprites, std::string_view name) {
  ForEachNamed(sprites, name, [](TSprite& sprite) { sprite.Dead(); });
  sprites.Dead();
}

nlohmann::json DescribeSprites(const TNkSprite& sprites) {
  nlohmann::json out = nlohmann::json::array();
  for (int i = 0; i < sprites.Count(); ++i) {
    const TSprite& sprite = *sprites.Items(i);
    out.push_back({{"class", sprite.ClassName()},
                   {"name", cp1251ToUtf8(sprite.Name)},
                   {"image", sprite.Image != nullptr ? cp1251ToUtf8(sprite.Image->Name) : ""},
                   {"x", sprite.X},
                   {"y", sprite.Y},
                   {"z", sprite.Z},
                   {"frame", sprite.PatternIndex},
                   {"visible", sprite.Visible},
                   {"alpha", sprite.Alpha},
                   {"dead", sprite.IsDead}});
  }
  return out;
}

}  // namespace nk
