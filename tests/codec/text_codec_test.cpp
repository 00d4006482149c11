#include "codec/text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace nk {
namespace {

using namespace std::string_literals;

TEST(TextCodec, EncodesTextIntoLetters) {
  const struct {
    std::string text, letters;
  } cases[] = {
      {"abc", "GC2VD"},
      {"false", "N3SY265F"},
      {"true", "B4HE7MF"},
      {"", ""},
      {"\0"s, "AA"},  // 8 digits pad to 10: two zero letters
      {"\xFF\xFF\xFF\xFF\xFF", "99999999"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(encodeConfigLine(c.text), c.letters);
  }
}

TEST(TextCodec, DecodesLettersIntoText) {
  const struct {
    std::string letters, text;
  } cases[] = {
      {"GC2VD", "\0abc"s},
      {"N3SY265F", "false"},
      {"B4HE7MF", "\0true"s},
      {"", ""},
      // Only the alphabet counts: spaces, line ends and letters I, O, 0 are skipped.
      {"N3SY 265F\r\n", "false"},
      {"IOio0 \r\n", ""},
      // Lower case letters are skipped, but the digits 3, 2, 6, 5 are letters of the alphabet:
      // 11001 11000 11100 11011 gives three bytes.
      {"n3sy265f", "\x0C\xE3\x9B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.letters);
    EXPECT_EQ(decodeConfigLine(c.letters), c.text);
  }
}

TEST(TextCodec, AlphabetValues) {
  const struct {
    std::string letter, bits;
  } cases[] = {
      {"A", "00000"}, {"H", "00111"}, {"J", "01000"}, {"N", "01100"}, {"P", "01101"},
      {"Y", "10110"}, {"1", "10111"}, {"9", "11111"}, {"I", ""},      {"O", ""},
      {"0", ""},      {"a", ""},      {"Z", ""},      {"\xC0", ""},   {"\0"s, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.letter);
    EXPECT_EQ(LettersToBits(c.letter), c.bits);
  }
}

TEST(TextCodec, BitsToLettersPadsInFrontToFive) {
  const struct {
    std::string bits, letters;
  } cases[] = {
      {"", ""},         {"1", "B"}, {"11111", "9"},
      {"000001", "AB"}, {"2", "B"},  // any digit but '0' counts as a one here
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bits);
    EXPECT_EQ(BitsToLetters(c.bits), c.letters);
  }
}

TEST(TextCodec, BitsToTextPadsInFrontToEight) {
  const struct {
    std::string bits, text;
  } cases[] = {
      {"", ""},     {"1", "\x01"}, {"1111111", "\x7F"}, {"11111111", "\xFF"}, {"100000000", "\x01\0"s},
      {"2", "\0"s},  // only '1' counts as a one here
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bits);
    EXPECT_EQ(BitsToText(c.bits), c.text);
  }
}

TEST(TextCodec, TextToBitsGivesEightDigitsPerByte) {
  EXPECT_EQ(TextToBits("A"), "01000001");
  EXPECT_EQ(TextToBits("\xFF\0"s), "1111111100000000");
}

TEST(TextCodec, LengthsOfFiveComeBackUnchanged) {
  std::string everyByte;  // bytes 0 .. 254: 255 characters, a multiple of 5
  for (int b = 0; b < 255; ++b) everyByte += static_cast<char>(b);
  for (const std::string& text : {"false"s, "\xC2\xEE\xF0%%"s, "1234567890"s, everyByte}) {
    EXPECT_EQ(decodeConfigLine(encodeConfigLine(text)), text);
  }
}

TEST(TextCodec, OtherLengthsGainALeadingZeroByte) {
  for (const std::string& text : {"a"s, "ab"s, "abc"s, "abcd"s, "abcdef"s, "\xC2\xEE\xF0"s}) {
    EXPECT_EQ(decodeConfigLine(encodeConfigLine(text)), "\0"s + text);
  }
}

TEST(TextCodec, PaddedReportDecodesExactly) {
  // 45 characters: already a multiple of 5, so it needs no "0" after "z=".
  const std::string report = "type=0|name=Bob|score=1200|key=X|p=77|add=|z=";
  ASSERT_EQ(report.size(), 45u);
  const std::string letters = encodeReport(report);
  EXPECT_EQ(letters.size(), 72u);
  EXPECT_EQ(decodeConfigLine(letters), report);
}

}  // namespace
}  // namespace nk
