// What each request gets, apart from the report's own checks.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "server/support/score_client.h"
#include "service_fixture.h"

namespace nk::scores::test {
namespace {

std::string header(const HttpReply& reply, const std::string& name) {
  for (const auto& [key, value] : reply.headers) {
    if (key == name) return value;
  }
  return "";
}

// Stores a report through the service, as the game sends it.
void report(ServiceFixture& f, const std::string& name, int32_t score,
            const std::string& client = "127.0.0.1") {
  ASSERT_EQ(f.get(reportTarget(gameReport(name, score, f.token(client))), client).body, "OK");
}

TEST(Service, TheVersionReplyCarriesAFreshTokenInItsFifthField) {
  ServiceFixture f;
  const HttpReply reply = f.get("/cgi/version.pl?version&prg=Nokturo");
  EXPECT_EQ(reply.status, 200);
  ASSERT_TRUE(reply.body.starts_with("OK|Nokturo|")) << reply.body;
  ASSERT_TRUE(reply.body.ends_with("|"));
  const std::string token = f.token();
  EXPECT_EQ(token.size(), 32u);
  EXPECT_NE(token, f.token());
}

TEST(Service, RequestsOtherThanTheGamesAreTurnedDown) {
  ServiceFixture f;
  const struct {
    std::string target;
    int status;
  } cases[] = {
      {"/cgi/version.pl?version&prg=Other", 404},
      {"/cgi/version.pl?version", 404},
      {"/cgi/version.pl?prg=Nokturo", 400},
      {"/cgi/version.pl?version&hs&prg=Nokturo", 400},
      {"/cgi/version.pl?hs&prg=Nokturo", 400},  // no inf
      {"/cgi/version.pl?version&version&prg=Nokturo", 400},
      {"/cgi/version.pl?version&prg=Nok%zzturo", 400},
      {"/cgi/version.pl?prg=Nokturo&show&type=1", 404},
      {"/cgi/other.pl?version&prg=Nokturo", 404},
      {"/cgi/version.pl?a&b&c&d&e&f&g&h&version&prg=Nokturo", 400},
      {"/cgi/version.pl?version&prg=Nokturo&x=" + std::string(1100, 'a'), 414},
      {"/api/scores?period=month", 400},
      {"/api/scores?limit=0", 400},
      {"/api/scores?limit=10001", 400},
      {"/api/scores?limit=ten", 400},
      {"/api/scores?limit=-1", 400},
  };
  for (const auto& c : cases) EXPECT_EQ(f.get(c.target).status, c.status) << c.target;
  EXPECT_EQ(f.storedCount(), 0u);
}

TEST(Service, ThePercentEncodedQueryIsTheSame) {
  ServiceFixture f;
  EXPECT_EQ(f.get("/cgi/version.pl?%76ersion&prg=%4Eokturo").status, 200);
}

TEST(Service, TheRootLeadsToThePage) {
  ServiceFixture f;
  const HttpReply reply = f.get("/");
  EXPECT_EQ(reply.status, 302);
  EXPECT_EQ(header(reply, "Location"), "/cgi/version.pl?prg=Nokturo&show&type=0");
  EXPECT_EQ(f.get("/health").body, "OK\n");
}

TEST(Service, ThePageAndTheJsonListTheSameScores) {
  ServiceFixture f;
  report(f, "Зед", 1200);
  f.now += 8 * 24 * 3600;  // a week and a day later
  report(f, "<Ж>&", 900);
  report(f, "Вор", 900);
  const HttpReply page = f.get("/cgi/version.pl?prg=Nokturo&show&type=0");
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
  EXPECT_NE(header(page, "Content-Security-Policy").find("default-src 'none'"), std::string::npos);
  EXPECT_NE(page.body.find("<td class=\"name\">Зед</td>"), std::string::npos);
  EXPECT_NE(page.body.find("<td class=\"name\">&lt;Ж&gt;&amp;</td>"), std::string::npos);
  EXPECT_EQ(page.body.find("<Ж>"), std::string::npos);
  // Without the type the page is the same table.
  EXPECT_EQ(f.get("/cgi/version.pl?prg=Nokturo&show").status, 200);

  const auto all = nlohmann::json::parse(f.get("/api/scores").body);
  const nlohmann::json expected = {
      {{"rank", 1}, {"name", "Зед"}, {"score", 1200}, {"date", "2026-09-21T14:13:20Z"}},
      {{"rank", 2}, {"name", "<Ж>&"}, {"score", 900}, {"date", "2026-09-29T14:13:20Z"}},
      {{"rank", 2}, {"name", "Вор"}, {"score", 900}, {"date", "2026-09-29T14:13:20Z"}},
  };
  EXPECT_EQ(all, expected);
  const auto week = nlohmann::json::parse(f.get("/api/scores?period=week&limit=1").body);
  ASSERT_EQ(week.size(), 1u);
  EXPECT_EQ(week[0]["name"], "<Ж>&");
  EXPECT_EQ(week[0]["rank"], 1);
}

TEST(Service, EachClientHasItsOwnBudgetOfReportsAMinute) {
  ServiceFixture f(Backend::Sqlite, 3);
  for (int i = 0; i < 3; ++i) report(f, "Раз", 10 + i, "10.0.0.1");
  // The fourth version query of the minute is refused before a token is made.
  const HttpReply refused = f.get("/cgi/version.pl?version&prg=Nokturo", "10.0.0.1");
  EXPECT_EQ(refused.status, 429);
  EXPECT_EQ(header(refused, "Retry-After"), "60");
  const std::string token = f.token();  // another client's
  EXPECT_EQ(f.get(reportTarget(gameReport("Два", 5, token)), "10.0.0.1").status, 429);
  report(f, "Три", 20, "10.0.0.2");
  f.now += 60;
  report(f, "Раз", 30, "10.0.0.1");
  EXPECT_EQ(f.storedCount(), 5u);
}

TEST(Service, AFailingStoreGivesAnErrorAndTheReasonForTheLog) {
  TestDatabase database(Backend::Sqlite, "failing");
  auto store = openScoreStore(database.location());
  ScoreService service(*store, {kTestMaxScore, 0});
  database.administer("DROP TABLE tokens");
  const HttpReply reply = service.handle("/cgi/version.pl?version&prg=Nokturo", "127.0.0.1");
  EXPECT_EQ(reply.status, 503);
  EXPECT_EQ(reply.body, "scores unavailable, try again later\n");
  EXPECT_NE(reply.note.find("no such table"), std::string::npos) << reply.note;
}

}  // namespace
}  // namespace nk::scores::test
