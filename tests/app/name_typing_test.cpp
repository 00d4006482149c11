// Names typed on a Latin layout come out in the Russian layout's letters of the same keys.
#include "app/name_typing.h"

#include <gtest/gtest.h>

#include "codec/cp1251.h"
#include "game_fixture.h"

namespace nk {
namespace {

using test::Game;
using vk::Down, vk::Up, vk::Return, vk::Space;

std::string onSameKeys(const std::string& utf8) {
  std::string out;
  for (char c : utf8ToCp1251(utf8)) out += RussianOnSameKey(c);
  return cp1251ToUtf8(out);
}

TEST(NameTyping, EachUsKeyGivesTheRussianLayoutsCharacterOnIt) {
  const struct {
    const char* typed;
    const char* russian;
  } cases[] = {
      {"ghbdtn", "привет"},
      {"GHBDTN", "ПРИВЕТ"},
      {"qwertyuiop[]", "йцукенгшщзхъ"},
      {"asdfghjkl;'", "фывапролджэ"},
      {"zxcvbnm,.`", "ячсмитьбюё"},
      {"QWERTYUIOP{}", "ЙЦУКЕНГШЩЗХЪ"},
      {"ASDFGHJKL:\"", "ФЫВАПРОЛДЖЭ"},
      {"ZXCVBNM<>~", "ЯЧСМИТЬБЮЁ"},
      // Keys the layouts share, and characters no US key types, stay.
      {"0123456789 -=!?/\\", "0123456789 -=!?/\\"},
      {"привет", "привет"},
  };
  for (const auto& c : cases) EXPECT_EQ(onSameKeys(c.typed), c.russian) << c.typed;
}

TEST(NameTyping, TheOptionsNameTakesEitherLayoutAndKeepsTheFontsOwnCharacters) {
  const struct {
    const char* typed;
    const char* name;
  } cases[] = {
      {"ghbdtn", "привет"},        // a US layout
      {"привет", "привет"},        // a Russian layout types as before
      {"Vfif 2.0!", "Маша 2.0!"},  // digits and punctuation the font has stay
      {"[;]", "[;]"},              // as do the font's brackets and semicolon
  };
  for (const auto& c : cases) {
    Game g;
    g.keys({Space, Down, Return, Up, Return});  // the options' name, editing
    ASSERT_TRUE(g.view().Menu.ActiveEdit->Focused());
    g.type(utf8ToCp1251(c.typed));
    g.keys({Return, Down, Return});  // stop editing, Apply
    EXPECT_EQ(cp1251ToUtf8(g.view().GameState.PlayerName), c.name) << c.typed;
  }
}

}  // namespace
}  // namespace nk
