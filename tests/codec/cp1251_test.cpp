#include "codec/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace nk {
namespace {

TEST(Cp1251, EveryAssignedByteSurvivesARoundTrip) {
  for (int b = 1; b < 256; ++b) {
    if (b == 0x98) continue;  // unassigned in the code page
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(one)), one) << b;
  }
}

// The C library's own code page tables are the independent witness for the upper half.
char32_t iconvCodePoint(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-32LE", "CP1251");
  char in[1] = {static_cast<char>(byte)};
  char out[4] = {};
  char* inp = in;
  char* outp = out;
  size_t inLeft = 1, outLeft = 4;
  const size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return 0;
  return static_cast<char32_t>(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8 |
                               static_cast<unsigned char>(out[2]) << 16);
}

TEST(Cp1251, TheUpperHalfMapsToUnicodeAndBack) {
  for (int b = 0x80; b < 0x100; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const char32_t cp = cp1251ToCodePoint(byte);
    EXPECT_EQ(cp, iconvCodePoint(byte)) << std::hex << b;
    if (cp != 0) {
      EXPECT_EQ(static_cast<unsigned char>(cp1251FromCodePoint(cp)), byte) << std::hex << b;
    }
  }
  EXPECT_EQ(cp1251FromCodePoint(U'\u20B4'), '?');  // the hryvnia sign is not in the code page
}

TEST(Cp1251, KnownCharacters) {
  EXPECT_EQ(cp1251ToUtf8("\xC0\xFF\xA8\xB8"), "АяЁё");
  EXPECT_EQ(utf8ToCp1251("Вор №1"),
            "\xC2\xEE\xF0 \xB9"
            "1");
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
