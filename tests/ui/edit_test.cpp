#include <gtest/gtest.h>

#include "ui/char_filter.h"
#include "ui/gui_fixture.h"

namespace nk {
namespace {

using test::GuiFixture;

// An edit holding the keyboard, fed one step at a time: a character, or a key down as "vk:NN".
struct EditCase {
  const char* name;
  std::string text;
  int32_t caret;
  int32_t maxLength;
  uint8_t filter;
  std::vector<std::string> steps;
  std::string expectText;
  int32_t expectCaret;
};

void run(const EditCase& c) {
  GuiFixture f;
  auto& edit = f.gui.CreateList().Create<TNkEdit>();
  edit.Text = c.text;
  edit.CaretPos = c.caret;
  edit.MaxLength = c.maxLength;
  edit.CharFilter = c.filter;
  edit.Click();
  for (const std::string& step : c.steps) {
    if (step.starts_with("vk:")) {
      f.gui.KeyDownMessage(static_cast<uint16_t>(std::stoi(step.substr(3))));
    } else {
      f.gui.Character(static_cast<unsigned char>(step[0]));
    }
  }
  EXPECT_EQ(edit.Text, c.expectText) << c.name;
  EXPECT_EQ(edit.CaretPos, c.expectCaret) << c.name;
}

TEST(Edit, TypingAndTheEditingKeys) {
  const EditCase cases[] = {
      {"typed at the caret", "ac", 1, -1, 0, {"b"}, "abc", 2},
      {"an eleventh character is refused", "abcabcabca", 10, 10, 0, {"b"}, "abcabcabca", 10},
      {"Backspace still works at the limit", "abcabcabca", 10, 10, 0, {"\b"}, "abcabcabc", 9},
      {"a character the font cannot draw", "a", 1, -1, 0, {"z"}, "a", 1},
      {"Enter types nothing", "a", 1, -1, 0, {"\r"}, "a", 1},
      {"caret past the end appends", "ab", 3, -1, 0, {"c"}, "abc", 4},
      {"Backspace past the end only steps back", "ab", 3, -1, 0, {"\b"}, "ab", 2},
      {"a second Backspace then deletes", "ab", 3, -1, 0, {"\b", "\b"}, "a", 1},
      {"Delete past the end deletes nothing", "ab", 3, -1, 0, {"vk:46"}, "ab", 3},
      {"Delete takes the character after the caret", "abc", 1, -1, 0, {"vk:46"}, "ac", 1},
      {"Left at 0 stays", "ab", 0, -1, 0, {"vk:37"}, "ab", 0},
      {"Right at the end stays", "ab", 2, -1, 0, {"vk:39"}, "ab", 2},
      {"Home then End", "abc", 1, -1, 0, {"vk:36", "vk:35"}, "abc", 3},
      {"Home, then type", "bc", 2, -1, 0, {"vk:36", "a"}, "abc", 1},
      {"upper-case filter refuses lower case", "", 0, -1, 1, {"a", "A"}, "A", 1},
      {"lower-case filter refuses upper case", "", 0, -1, 2, {"A", "a"}, "a", 1},
      {"digit filter", "", 0, -1, 3, {"a", "1"}, "1", 1},
      {"filter 4 makes upper case", "", 0, -1, 4, {"a", "1"}, "A1", 2},
      {"filter 5 makes lower case", "", 0, -1, 5, {"B"}, "b", 1},
  };
  for (const auto& c : cases) run(c);
}

TEST(Edit, ReadOnlyIgnoresEverything) {
  GuiFixture f;
  auto& edit = f.gui.CreateList().Create<TNkEdit>();
  edit.Text = "ab";
  edit.ReadOnly = true;
  edit.Focus();
  f.gui.Character('c');
  f.gui.Character(8);
  f.gui.KeyDownMessage(36);
  EXPECT_EQ(edit.Text, "ab");
  EXPECT_EQ(edit.CaretPos, 0);
}

TEST(Edit, AKeyHandlerMayChangeTheCharacter) {
  GuiFixture f;
  auto& edit = f.gui.CreateList().Create<TNkEdit>();
  edit.OnKeyDown = [](TNkGUIComponent&, uint16_t& key, TShiftState) { key = 'c'; };
  edit.Focus();
  f.gui.Character('a');
  EXPECT_EQ(edit.Text, "c");
}

TEST(Edit, CyrillicTextWithTheGamesCharacters) {
  GuiFixture f;
  f.font = test::FakeFont("\xC2\xEE\xF0\xE2");  // "Вор" and "в"
  auto& edit = f.gui.CreateList().Create<TNkEdit>();
  edit.Focus();
  for (unsigned char c : std::string("\xC2\xEE\xF0\xFF")) f.gui.Character(c);  // "я" is not in the set
  EXPECT_EQ(edit.Text, "\xC2\xEE\xF0");
}

TEST(CharFilter, CaseConversionTouchesOnlyItsCodes) {
  const struct {
    unsigned char in, upper, lower;
  } cases[] = {{'a', 'A', 'a'}, {'Z', 'Z', 'z'}, {241, 209, 241},
               {209, 209, 241}, {'1', '1', '1'}, {255, 255, 255}};
  for (const auto& c : cases) {
    EXPECT_EQ(UpperCase(c.in), c.upper) << int(c.in);
    EXPECT_EQ(LowerCase(c.in), c.lower) << int(c.in);
  }
  EXPECT_EQ(FilterCharacter(4, 241), 209);
  EXPECT_EQ(FilterCharacter(1, 196), 196);
  EXPECT_EQ(FilterCharacter(2, 196), std::nullopt);
}

}  // namespace
}  // namespace nk
