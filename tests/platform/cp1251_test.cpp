#include "platform/cp1251.h"

#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(Cp1251, EveryAssignedByteSurvivesARoundTrip) {
  for (int b = 1; b < 256; ++b) {
    if (b == 0x98) continue;  // unassigned in the code page
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(one)), one) << b;
  }
}

TEST(Cp1251, KnownCharacters) {
  EXPECT_EQ(cp1251ToUtf8("\xC0\xFF\xA8\xB8"), "АяЁё");
  EXPECT_EQ(utf8ToCp1251("Вор №1"), "\xC2\xEE\xF0 \xB9" "1");
}

TEST(Cp1251, WhatTheCodePageLacksBecomesAQuestionMark) {
  const struct {
    std::string utf8, cp1251;
  } cases[] = {
      {"日本", "??"},             // no such letters
      {"\xF0\x9F\x98\x80", "?"},  // four-byte character
      {"\xC3", "?"},              // cut short
      {"a\x80z", "a?z"},          // stray continuation byte
      {"\xE2\x82", "??"},         // truncated three-byte sequence
  };
  for (const auto& c : cases) EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
}

}  // namespace
}  // namespace nk
