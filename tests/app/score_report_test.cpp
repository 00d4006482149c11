#include "app/score_report.h"

#include <gtest/gtest.h>

#include "codec/text_codec.h"
#include "game/game_state.h"
#include "support/score_server.h"
#include "support/test_host.h"

namespace nk {
namespace {

TEST(ScoreReport, TheFifthFieldOfTheVersionReply) {
  const struct {
    const char* reply;
    const char* field;
  } cases[] = {{"OK|a|b|c|d|e", "d"}, {"OK|a|b|c|d|", "d"}, {"OK|a|b|c|d", ""},
               {"OK|||||", ""},       {"OK", ""},           {"OK|1|2|3|77|x|y|", "77"}};
  for (const auto& c : cases) EXPECT_EQ(VersionField(c.reply), c.field) << c.reply;
}

TEST(ScoreReport, TheReportIsPaddedWithZerosToAMultipleOfFive) {
  const struct {
    const char* name;
    int32_t score;
    const char* field;
    const char* player;
    const char* report;
  } cases[] = {
      // 45 characters already: nothing is added.
      {"Bob", 1200, "77", "", "type=0|name=Bob|score=1200|key=X|p=77|add=|z="},
      {"Bob", 1200, "7", "", "type=0|name=Bob|score=1200|key=X|p=7|add=|z=0"},
      {"Bob", 1200, "", "", "type=0|name=Bob|score=1200|key=X|p=|add=|z=00"},
      {"Bobb", 1200, "77", "", "type=0|name=Bobb|score=1200|key=X|p=77|add=|z=0000"},
      {"A|B", 5, "77", "\xC2\xEE\xF0", "type=0|name=A|B|score=5|key=X|p=77|add=\xC2\xEE\xF0|z="},
  };
  for (const auto& c : cases) {
    const std::string report = BuildReport(c.name, c.score, c.field, c.player);
    EXPECT_EQ(report, c.report);
    EXPECT_EQ(report.size() % 5, 0u);
    // Without padding in front, the letters decode to exactly what was sent.
    EXPECT_EQ(decodeConfigLine(encodeReport(report)), report);
  }
}

TEST(ScoreReport, AddressesJoinWithOneSlash) {
  EXPECT_EQ(ScoreServerUrl("http://h:8/", kScorePage), "http://h:8/cgi/version.pl?prg=Nokturo&show&type=0");
  EXPECT_EQ(ScoreServerUrl("http://h:8", kVersionQuery), "http://h:8/cgi/version.pl?version&prg=Nokturo");
}

TEST(ScoreReport, WithoutAnOkReplyNothingIsSentAndThePlayerIsTold) {
  const struct {
    const char* name;
    std::string reply;
    test::ScoreServer::Mode mode;
    size_t requests;
  } cases[] = {
      {"reply without OK", "NO|a|b|c|77|", test::ScoreServer::Mode::Answer, 1},
      {"server error", "OK|a|b|c|77|", test::ScoreServer::Mode::Fail, 1},
  };
  for (const auto& c : cases) {
    test::ScoreServer server(c.reply, c.mode);
    test::TestHost host;
    ReportScore(host, server.url(), TGameState{});
    EXPECT_EQ(server.requests().size(), c.requests) << c.name;
    EXPECT_EQ(host.journal().messages, std::vector<std::string>{kCannotConnect}) << c.name;
  }
  test::TestHost host;
  ReportScore(host, "", TGameState{});
  EXPECT_TRUE(host.journal().requests.empty());
  EXPECT_EQ(host.journal().messages, std::vector<std::string>{kCannotConnect});
}

TEST(ScoreReport, TheScorePageOpensInTheBrowserOnlyWithAServer) {
  test::TestHost host;
  OpenScorePage(host, "");
  OpenScorePage(host, "http://127.0.0.1:9");
  EXPECT_EQ(host.journal().opened,
            std::vector<std::string>{"http://127.0.0.1:9/cgi/version.pl?prg=Nokturo&show&type=0"});
}

}  // namespace
}  // namespace nk
