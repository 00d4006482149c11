#include <gtest/gtest.h>

#include "platform/http_client.h"
#include "support/score_server.h"
#include "support/test_host.h"

namespace nk {
namespace {

using test::ScoreServer;

TEST(HttpClient, GetsTheBodyWithTheGamesRequestHeaders) {
  ScoreServer server("OK|1|2|3|4|");
  const HttpReply reply = makeCurlHttpClient()->get(server.url() + "/cgi/version.pl?version&prg=Nokturo");
  EXPECT_TRUE(reply.ok) << reply.error;
  EXPECT_EQ(reply.body, "OK|1|2|3|4|");
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].target, "/cgi/version.pl?version&prg=Nokturo");
  EXPECT_EQ(requests[0].headers.at("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(requests[0].headers.at("accept"), "text/html, */*");
  EXPECT_EQ(requests[0].headers.at("content-type"), "text/html");
}

TEST(HttpClient, FailuresComeBackWithoutABody) {
  const struct {
    const char* name;
    ScoreServer::Mode mode;
    size_t replyLength;
  } cases[] = {{"error status", ScoreServer::Mode::Fail, 11},
               {"stalled server", ScoreServer::Mode::Stall, 11},
               {"endless reply", ScoreServer::Mode::Answer, 3 << 20}};
  for (const auto& c : cases) {
    ScoreServer server("OK|" + std::string(c.replyLength - 3, '1'), c.mode);
    // A one-second time-out keeps the stalled case short.
    const HttpReply reply = makeCurlHttpClient(std::chrono::seconds(1))
                                ->get(server.url() + "/cgi/version.pl?version&prg=Nokturo");
    EXPECT_FALSE(reply.ok) << c.name;
    EXPECT_TRUE(reply.body.empty()) << c.name;
    EXPECT_FALSE(reply.error.empty()) << c.name;
  }
  const std::string closed = "http://127.0.0.1:" + std::to_string(test::unusedLoopbackPort()) + "/";
  EXPECT_FALSE(makeCurlHttpClient()->get(closed).ok);
}

TEST(HttpClient, TheHostWritesDownEveryRequestedAddress) {
  ScoreServer server;
  test::TestHost host;
  host.httpGet(server.url() + "/a");
  host.httpGet(server.url() + "/b?c");
  EXPECT_EQ(host.journal().requests, (std::vector<std::string>{server.url() + "/a", server.url() + "/b?c"}));
}

}  // namespace
}  // namespace nk
