#include "app/pad_name_edit.h"

#include <gtest/gtest.h>

#include <vector>

#include "codec/cp1251.h"
#include "platform/clock.h"
#include "ui/nk_edit.h"
#include "ui/nk_gui.h"

namespace nk {
namespace {

TEST(PadNameEdit, UpAndDownTurnTheLastLetterRightAddsLeftRemoves) {
  enum Op { U, D, R, L };
  const struct {
    const char* text;  // UTF-8
    std::vector<Op> ops;
    const char* after;
  } cases[] = {
      {"", {U}, "А"},
      {"", {D}, "9"},
      {"", {U, U, U}, "В"},
      {"Вор", {U}, "Вос"},
      {"Вор", {D}, "Воп"},
      {"Я", {U}, "а"},
      {"а", {D}, "Я"},
      {"я", {U}, "0"},
      {"9", {U}, "А"},
      {"А", {D}, "9"},
      {"x", {U}, "А"},  // a letter typed on the keyboard that the ring does not hold
      {"x", {D}, "9"},
      {"Вор", {R}, "ВорА"},
      {"Вор", {R, U}, "ВорБ"},
      {"Вор", {L, L}, "В"},
      {"", {L}, ""},
      {"АБВГДЕЖЗИЙ", {R}, "АБВГДЕЖЗИЙ"},  // ten letters fill the edit
      {"АБВГДЕЖЗИЙ", {U}, "АБВГДЕЖЗИК"},
      {"АБВГДЕЖЗИЙ", {L, R, R}, "АБВГДЕЖЗИА"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    VirtualClock clock;
    TNkGUI gui(clock);
    TNkEdit& edit = gui.CreateList().Create<TNkEdit>();
    edit.MaxLength = 10;
    edit.Text = utf8ToCp1251(c.text);
    for (Op op : c.ops) {
      switch (op) {
        case U: pad_name::turnLastLetter(edit, 1); break;
        case D: pad_name::turnLastLetter(edit, -1); break;
        case R: pad_name::addLetter(edit); break;
        case L: pad_name::removeLastLetter(edit); break;
      }
    }
    EXPECT_EQ(cp1251ToUtf8(edit.Text), c.after);
    if (edit.Text != utf8ToCp1251(c.text)) {
      EXPECT_EQ(edit.CaretPos, edit.TextLength() + 1);
    }
  }
}

}  // namespace
}  // namespace nk
