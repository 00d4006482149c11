#include "app/screen_sprites.h"

namespace nk {

void KillByName(TNkSprite& sprites, std::string_view name) {
  ForEachNamed(sprites, name, [](TSprite& sprite) { sprite.Dead(); });
  sprites.Dead();
}

}  // namespace nk
