#include "app/name_typing.h"

#include <string>

#include "codec/cp1251.h"
#include "ui/gui_font.h"

namespace nk {
namespace {

// The keys of the US layout, unshifted and shifted, and what the Russian layout types on each.
constexpr std::string_view kUsKeys = "qwertyuiop[]asdfghjkl;'zxcvbnm,.`QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~";
const std::string& russianKeys() {
  static const std::string keys =
      utf8ToCp1251("йцукенгшщзхъфывапролджэячсмитьбюёЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ");
  return keys;
}

}  // namespace

char RussianOnSameKey(char c) {
  const size_t at = kUsKeys.find(c);
  return at == std::string_view::npos ? c : russianKeys()[at];
}

TNkGUIComponent::KeyEvent TypeOnEitherLayout() {
  return [](TNkGUIComponent& sender, uint16_t& key, TShiftState) {
    if (key > 0xFF || sender.Font == nullptr) return;
    const char c = static_cast<char>(key);
    if (sender.Font->Characters().find(c) != std::string::npos) return;
    key = static_cast<unsigned char>(RussianOnSameKey(c));
  };
}

}  // namespace nk
