#include "game/hi_scores.h"

#include <gtest/gtest.h>

#include <string>

namespace nk {
namespace {

using namespace std::string_literals;

TEST(HiScores, ResetWritesTheDefaultsOverEveryRow) {
  THiScoreTable table;
  for (auto& e : table) e = {"x", "Bob", "77"};
  ResetHiScores(table);
  const char* const scores[] = {"9100", "8100", "7100", "6100", "5100",
                                "4100", "3100", "2100", "1100", "100"};
  for (size_t i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(table[i].Place, std::to_string(i));
    EXPECT_EQ(table[i].Name, "Anonymous");
    EXPECT_EQ(table[i].Score, scores[i - 1]);
  }
}

TEST(HiScores, StoredScoreThatIsNotDecimalRanksAsZero) {
  const struct {
    std::string text;
    int32_t value;
  } cases[] = {
      {"9100", 9100}, {"0", 0},    {"-5", -5},        {"2147483647", 2147483647},
      {"", 0},        {"abc", 0},  {"12a", 0},        {" 12", 0},
      {"+12", 0},     {"0x10", 0}, {"2147483648", 0}, {"99999999999999999999", 0},
      {"\0true"s, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HiScoreValue(c.text), c.value);
  }
}

}  // namespace
}  // namespace nk
