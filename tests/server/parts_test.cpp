// The small parts: the query string, the rate limit, the tokens, the command line.
#include <gtest/gtest.h>

#include <set>

#include "server/options.h"
#include "server/query.h"
#include "server/rate_limiter.h"
#include "server/token.h"

namespace nk::scores {
namespace {

TEST(Query, SplitsFlagsAndValues) {
  const Checked<Query> parsed = parseQuery("hs&prg=Nokturo&inf=AB%43&&empty=");
  ASSERT_TRUE(std::holds_alternative<Query>(parsed));
  const Query& q = std::get<Query>(parsed);
  EXPECT_TRUE(q.has("hs"));
  EXPECT_EQ(q.value("hs"), "");
  EXPECT_EQ(q.value("prg"), "Nokturo");
  EXPECT_EQ(q.value("inf"), "ABC");
  EXPECT_EQ(q.value("empty"), "");
  EXPECT_EQ(q.value("show"), std::nullopt);
}

TEST(Query, RefusesBrokenOrRepeatedParameters) {
  for (const char* text : {"a=%4", "a=%G0", "a=1&a=2", "%", "a&b&c&d&e&f&g&h&i"}) {
    EXPECT_TRUE(std::holds_alternative<Refusal>(parseQuery(text))) << text;
  }
}

TEST(RateLimiter, AllowsSoManyInAnyMinute) {
  RateLimiter limit(2);
  EXPECT_TRUE(limit.allow("a", 100));
  EXPECT_TRUE(limit.allow("a", 130));
  EXPECT_FALSE(limit.allow("a", 159));  // refusals do not count
  EXPECT_TRUE(limit.allow("b", 159));
  EXPECT_TRUE(limit.allow("a", 160));
  EXPECT_FALSE(limit.allow("a", 189));
  EXPECT_TRUE(limit.allow("a", 190));
}

TEST(RateLimiter, ZeroIsNoLimit) {
  RateLimiter limit(0);
  for (int i = 0; i < 1000; ++i) EXPECT_TRUE(limit.allow("a", 1));
}

TEST(RateLimiter, ForgetsIdleClientsSoItsTableStaysBounded) {
  RateLimiter limit(1);
  for (size_t i = 0; i < RateLimiter::kMaxClients; ++i) ASSERT_TRUE(limit.allow(std::to_string(i), 0));
  EXPECT_FALSE(limit.allow("new", 0));  // full, and everyone is still in the window
  EXPECT_TRUE(limit.allow("new", 60));  // a minute on, the table is swept
}

TEST(Token, IsRandomAndShapedAsTheReportChecks) {
  std::set<std::string> seen;
  for (int i = 0; i < 100; ++i) {
    const std::string token = newToken();
    EXPECT_TRUE(isTokenShaped(token)) << token;
    seen.insert(token);
  }
  EXPECT_EQ(seen.size(), 100u);
  for (const char* bad : {"", "77", "0123456789abcdef0123456789abcdeF", "0123456789abcdef0123456789abcdef0"})
    EXPECT_FALSE(isTokenShaped(bad)) << bad;
}

TEST(Options, ReadsTheCommandLine) {
  std::string error;
  const auto defaults = parseOptions({}, 4321, error);
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->host, "127.0.0.1");
  EXPECT_EQ(defaults->port, 8080);
  EXPECT_EQ(defaults->database, "sqlite:scores.db");
  EXPECT_EQ(defaults->maxScore, 4321);
  EXPECT_EQ(defaults->reportsPerMinute, 30);

  const auto given = parseOptions({"--listen", "[::1]:0", "--db", "postgresql://x/y", "--max-score", "99",
                                   "--reports-per-minute", "0", "--client-address-header", "X-Real-IP"},
                                  4321, error);
  ASSERT_TRUE(given) << error;
  EXPECT_EQ(given->host, "::1");
  EXPECT_EQ(given->port, 0);
  EXPECT_EQ(given->database, "postgresql://x/y");
  EXPECT_EQ(given->maxScore, 99);
  EXPECT_EQ(given->reportsPerMinute, 0);
  EXPECT_EQ(given->clientHeader, "X-Real-IP");
}

TEST(Options, RefusesWhatItCannotUse) {
  const std::vector<std::vector<std::string>> cases = {
      {"--listen", "8080"},
      {"--listen", "host:70000"},
      {"--listen", ":80"},
      {"--max-score", "-1"},
      {"--reports-per-minute", "many"},
      {"--db"},
      {"--frobnicate", "1"},
      {"stray"},
  };
  for (const auto& args : cases) {
    std::string error;
    EXPECT_FALSE(parseOptions(args, 1, error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace nk::scores
