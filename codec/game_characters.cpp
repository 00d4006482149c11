#include "codec/game_characters.h"

#include "codec/cp1251.h"

namespace nk {

const std::string& GameCharacters() {
  static const std::string set = [] {
    std::string s;
    for (int c = 32; c <= 64; ++c) s += static_cast<char>(c);
    s += utf8ToCp1251("ЯФЙЦЫЧСВУКАМИПЕНРТЬОГШЛБЮДЩЗЖЁЪХЭ");
    for (int c = 91; c <= 96; ++c) s += static_cast<char>(c);
    s += utf8ToCp1251("йфячыцувсмакепитрнгоьблшщдюжзёъхэ");
    for (int c = 123; c <= 126; ++c) s += static_cast<char>(c);
    return s;
  }();
  return set;
}

}  // namespace nk
