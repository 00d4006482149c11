#include <gtest/gtest.h>

#include "server/ranking.h"
#include "server/score_page.h"

namespace nk::scores {
namespace {

TEST(ScorePage, EscapesEveryCharacterThatCouldLeaveText) {
  const struct {
    std::string text, escaped;
  } cases[] = {
      {"Зед", "Зед"},
      {"<Ж>", "&lt;Ж&gt;"},
      {"&#60;", "&amp;#60;"},
      {"\"'", "&quot;&#39;"},
      {"</td><td>", "&lt;/td&gt;&lt;td&gt;"},
  };
  for (const auto& c : cases) EXPECT_EQ(htmlEscaped(c.text), c.escaped) << c.text;
}

TEST(ScorePage, EqualScoresShareAPlace) {
  const auto rows = ranked({{"а", 900, 1}, {"б", 500, 2}, {"в", 500, 3}, {"г", 100, 4}});
  std::vector<int> places;
  for (const auto& r : rows) places.push_back(r.rank);
  EXPECT_EQ(places, (std::vector<int>{1, 2, 2, 4}));
}

TEST(ScorePage, ShowsBothTablesAndSaysWhenOneIsEmpty) {
  const int64_t now = 1'790'000'000;
  const std::string page = scorePage(ranked({{"Зед", 1200, now - 86400}}), {}, now);
  EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(page.find("name=\"viewport\""), std::string::npos);
  EXPECT_NE(page.find("За всё время"), std::string::npos);
  EXPECT_NE(page.find("За 7 дней"), std::string::npos);
  EXPECT_NE(page.find("<td class=\"name\">Зед</td><td class=\"score\">1200</td>"), std::string::npos);
  EXPECT_NE(page.find("<time datetime=\"2026-09-20T14:13:20Z\">20.09.2026</time>"), std::string::npos);
  EXPECT_NE(page.find("Пока никого"), std::string::npos);
  // Nothing runs and nothing is fetched from elsewhere.
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("http"), page.find("http://www.w3.org/2000/svg"));
}

}  // namespace
}  // namespace nk::scores
