#pragma once
#include <string>

namespace nk {

// The 109 characters the game's fonts carry, in Windows-1251 and in the fonts' order: printable
// ASCII with the Latin letters replaced by Cyrillic ones. A name edit takes no other character,
// so a player's name is made of these alone.
const std::string& GameCharacters();

}  // namespace nk
