#pragma once
// How the screens find, step and take down their sprites.
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "engine/nk_sprite.h"
#include "engine/sprite.h"

namespace nk {

// Every sprite of that name, in list order. The visit must neither add nor free sprites.
template <typename Visit>
void ForEachNamed(const TNkSprite& sprites, std::string_view name, Visit&& visit) {
  for (int i = 0; i < sprites.Count(); ++i) {
    if (TSprite* sprite = sprites.Items(i); sprite->Name == name) visit(*sprite);
  }
}

// Marks every sprite of that name dead and frees the dead.
void KillByName(TNkSprite& sprites, std::string_view name);

// The menus and dialogs step their sprites by this much, so that the sprites' own logic (the
// cursor placing itself) runs without visible movement.
inline constexpr float kMenuSpriteStep = 0.00001f;
inline void MenuStep(TNkSprite& sprites) { sprites.Move(kMenuSpriteStep); }

// Every sprite in the engine's list order, as the snapshot shows them.
nlohmann::json DescribeSprites(const TNkSprite& sprites);

}  // namespace nk
