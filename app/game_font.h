#pragma once

namespace nk {

class TNkBitmapFont;

// "DS Zombie Cyr" at that size with the game's characters, in white.
void BuildGameFont(TNkBitmapFont& font, int pointSize);

}  // namespace nk
