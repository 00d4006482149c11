#include "app/game_font.h"

#include "engine/nk_bitmap_font.h"

namespace nk {

void BuildGameFont(TNkBitmapFont& font, int pointSize) {
  font.BuildFromSystemFont("DS Zombie Cyr", TNkBitmapFont::DefaultCharacters(), 0, pointSize);
  font.SetRed(255);
  font.SetGreen(255);
  font.SetBlue(255);
}

}  // namespace nk
