// nokturo-scores itself, over HTTP on 127.0.0.1: the protocol, starting and stopping, and faults.
#include <arpa/inet.h>
#include <libpq-fe.h>
#include <netinet/in.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <set>
#include <thread>

#include "server/support/report_load.h"
#include "server/support/score_client.h"
#include "server_fixture.h"

namespace nk::scores::test {
namespace {

using namespace std::chrono_literals;

class Server : public OnEachBackend {};

TEST_P(Server, AnswersTheGamesThreeRequestsAndLogsEachOne) {
  auto server = start();
  ScoreClient client(server->url());
  const ScoreClient::Answer version = client.get("/cgi/version.pl?version&prg=Nokturo");
  EXPECT_EQ(version.status, 200);
  EXPECT_TRUE(std::regex_match(version.body, std::regex(R"(OK\|Nokturo\|[0-9.]+\|1800\|[0-9a-f]{32}\|)")))
      << version.body;
  const std::string token = client.token();
  const std::string report = reportTarget(gameReport("Зед", 1200, token, "Вор"));
  EXPECT_EQ(client.get(report).body, "OK");
  const ScoreClient::Answer again = client.get(report);
  EXPECT_EQ(again.status, 403);
  EXPECT_EQ(again.body, "token already used\n");
  const ScoreClient::Answer page = client.get("/cgi/version.pl?prg=Nokturo&show&type=0");
  EXPECT_EQ(page.status, 200);
  EXPECT_NE(page.body.find("<td class=\"name\">Зед</td><td class=\"score\">1200</td>"), std::string::npos);
  EXPECT_NE(client.get("/api/scores").body.find(R"("rank":1,"name":"Зед","score":1200)"), std::string::npos);

  EXPECT_EQ(server->terminate(), 0) << "SIGTERM stops it cleanly";
  const std::string log = server->log();
  EXPECT_TRUE(log.starts_with("listening on http://127.0.0.1:")) << log;
  for (const char* line :
       {"127.0.0.1 GET /cgi/version.pl?version&prg=Nokturo 200\n",
        "127.0.0.1 GET /cgi/version.pl?hs&prg=Nokturo&inf=", " 403\n",
        "127.0.0.1 GET /cgi/version.pl?prg=Nokturo&show&type=0 200\n", "/api/scores 200\n"})
    EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
  // One line for each of the six requests, after the first.
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 7) << log;
}

TEST_P(Server, KeepsEveryAcknowledgedReportThroughAKillUnderLoad) {
  auto server = start({"--reports-per-minute", "0"});
  std::atomic<int> acked = 0;
  std::atomic<bool> stop = false;
  LoadRun run;
  std::thread load([&] { run = sendReports(server->url(), 8, 5000, 1, acked, stop); });
  const auto deadline = std::chrono::steady_clock::now() + 120s;
  while (acked < 200 && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(2ms);
  server->kill9();
  stop = true;
  load.join();
  ASSERT_GE(run.acknowledged.size(), 200u);

  auto restarted = start({}, "restarted");
  const std::vector<SentReport> listed = listedScores(restarted->url());
  const std::set<int32_t> stored = [&] {
    std::set<int32_t> scores;
    for (const SentReport& r : listed) scores.insert(r.score);
    return scores;
  }();
  size_t missing = 0;
  for (const SentReport& r : run.acknowledged) missing += stored.contains(r.score) ? 0 : 1;
  EXPECT_EQ(missing, 0u) << "of " << run.acknowledged.size() << " acknowledged, " << listed.size()
                         << " stored";
  // A report in flight at the kill may be stored without its OK; never the other way round.
  EXPECT_LE(listed.size(), run.acknowledged.size() + 8);
}

// Another session holds the database's write lock until dropped.
class HeldLock {
 public:
  explicit HeldLock(const TestDatabase& database) {
    if (database.backend() == Backend::Sqlite) {
      sqlite3_open(database.file().c_str(), &sqlite_);
      EXPECT_EQ(sqlite3_exec(sqlite_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    } else {
      postgres_ = PQconnectdb(database.location().c_str());
      PQclear(PQexec(postgres_, "BEGIN; LOCK TABLE tokens, scores IN ACCESS EXCLUSIVE MODE"));
      EXPECT_EQ(PQtransactionStatus(postgres_), PQTRANS_INTRANS) << PQerrorMessage(postgres_);
    }
  }
  ~HeldLock() {
    if (sqlite_ != nullptr) sqlite3_close(sqlite_);  // rolls back
    if (postgres_ != nullptr) PQfinish(postgres_);
  }

 private:
  sqlite3* sqlite_ = nullptr;
  PGconn* postgres_ = nullptr;
};

TEST_P(Server, ALockedDatabaseGivesAnErrorAndTheServerCarriesOn) {
  auto server = start();
  ScoreClient client(server->url());
  const std::string token = client.token();
  {
    HeldLock lock(*database);
    const ScoreClient::Answer refused = client.get(reportTarget(gameReport("Зед", 100, token)));
    EXPECT_EQ(refused.status, 503);
    EXPECT_EQ(refused.body, "scores unavailable, try again later\n");
  }
  EXPECT_EQ(client.get(reportTarget(gameReport("Зед", 100, token))).body, "OK")
      << "the token was not used up";
  EXPECT_NE(server->log().find(" 503 ("), std::string::npos) << "the log says why";
}

TEST_P(Server, AReadOnlyDatabaseStillShowsItsScores) {
  {
    auto first = start({}, "first");
    ASSERT_EQ(ScoreClient(first->url()).send("Зед", 700).body, "OK");
  }
  std::vector<std::string> args;
  if (GetParam() == Backend::Sqlite) {
    args = {"--db", "sqlite:file:" + database->file() + "?mode=ro"};
  } else {
    database->administer(
        "DO $$ BEGIN EXECUTE format('ALTER DATABASE %I SET default_transaction_read_only = on', "
        "current_database()); END $$");
  }
  ServerProcess server(args.empty() ? std::vector<std::string>{"--db", database->location()} : args,
                       log("read-only"));
  ScoreClient client(server.url());
  EXPECT_EQ(client.get("/cgi/version.pl?version&prg=Nokturo").status, 503);
  const ScoreClient::Answer page = client.get("/cgi/version.pl?prg=Nokturo&show&type=0");
  EXPECT_EQ(page.status, 200);
  EXPECT_NE(page.body.find("Зед"), std::string::npos);
  EXPECT_EQ(server.terminate(), 0);
}

NK_ON_EACH_BACKEND(Server);

class ServerStart : public OnEachBackend {};

TEST_P(ServerStart, FailsWithAReasonWithoutItsDatabaseOrPort) {
  auto running = start();
  const std::string port = running->url().substr(running->url().rfind(':') + 1);
  const struct {
    std::vector<std::string> args;
    int status;
    const char* says;
  } cases[] = {
      {{"--db", "mysql://db/scores"}, 1, "unknown database"},
      {{"--db", "sqlite:/nonexistent-folder/scores.db"}, 1, "cannot open"},
      {{"--db", "postgresql://nobody@/none?host=/nonexistent-folder"}, 1, "postgresql:"},
      {{"--db", database->location(), "--listen", "127.0.0.1:" + port}, 1, "cannot listen"},
      {{"--listen", "nowhere"}, 2, "--listen needs HOST:PORT"},
      {{"--max-score", "lots"}, 2, "usage:"},
  };
  for (const auto& c : cases) {
    const FinishedRun run = runServerToEnd(c.args, log("start"));
    EXPECT_EQ(run.status, c.status) << c.args[1];
    EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
  }
  EXPECT_EQ(runServerToEnd({"--help"}, log("help")).status, 0);
}

NK_ON_EACH_BACKEND(ServerStart);

// One raw request on a fresh connection; the status line's code.
int rawStatus(const std::string& url, const std::string& request) {
  const int port = std::stoi(url.substr(url.rfind(':') + 1));
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return 0;
  send(fd, request.data(), request.size(), MSG_NOSIGNAL);
  char head[13] = {};
  const ssize_t got = recv(fd, head, 12, MSG_WAITALL);
  close(fd);
  return got == 12 ? std::atoi(head + 9) : 0;
}

class ServerLimits : public OnEachBackend {};

TEST_P(ServerLimits, OversizedOrOtherRequestsAreRefused) {
  auto started = start();
  const ServerProcess& server = *started;
  const std::string host = "\r\nHost: 127.0.0.1\r\n";
  const struct {
    const char* why;
    std::string request;
    int status;
  } cases[] = {
      {"a long query",
       "GET /cgi/version.pl?version&prg=Nokturo&x=" + std::string(2000, 'a') + " HTTP/1.1" + host + "\r\n",
       414},
      {"a very long request line", "GET /" + std::string(9000, 'a') + " HTTP/1.1" + host + "\r\n", 414},
      {"a POST", "POST /cgi/version.pl?version&prg=Nokturo HTTP/1.1" + host + "Content-Length: 2\r\n\r\nab",
       405},
      {"a big body", "GET / HTTP/1.1" + host + "Content-Length: 100000\r\n\r\n" + std::string(100000, 'a'),
       413},
      {"a report of binary junk", "GET /cgi/version.pl?hs&prg=Nokturo&inf=%00%FF%0A HTTP/1.1" + host + "\r\n",
       400},
  };
  for (const auto& c : cases) EXPECT_EQ(rawStatus(server.url(), c.request), c.status) << c.why;
  EXPECT_EQ(ScoreClient(server.url()).get("/health").body, "OK\n") << "still serving";
}

// The HTTP side is the same whichever store is behind it.
NK_ON_SQLITE(ServerLimits);

}  // namespace
}  // namespace nk::scores::test
