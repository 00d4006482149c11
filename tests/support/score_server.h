#pragma once
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nk::test {

// A small HTTP server on 127.0.0.1 for the tests. It answers the version query with a set reply
// (and, when given, a cookie) and anything else with "OK", writes down every request it gets, and
// can instead answer with an error status or stall (accept and never answer).
class ScoreServer {
 public:
  struct Request {
    std::string target;                          // path and query as sent
    std::map<std::string, std::string> headers;  // names in lower case
  };
  enum class Mode { Answer, Fail, Stall };

  explicit ScoreServer(std::string versionReply = "OK|a|b|c|77|", Mode mode = Mode::Answer,
                       std::string versionCookie = "");
  ~ScoreServer();
  ScoreServer(const ScoreServer&) = delete;
  ScoreServer& operator=(const ScoreServer&) = delete;

  // "http://127.0.0.1:PORT"
  std::string url() const;
  std::vector<Request> requests() const;

 private:
  void serve();
  void handle(int connection);

  const std::string versionReply_;
  const Mode mode_;
  const std::string versionCookie_;  // "name=value" set by the version reply
  int port_ = 0;                     // before the listener, which sets it
  int listener_ = -1;
  std::atomic<bool> stop_{false};
  mutable std::mutex lock_;
  std::vector<Request> requests_;
  std::vector<int> stalled_;  // connections held open without an answer
  std::thread thread_;
};

// A loopback port that nothing listens on.
int unusedLoopbackPort();

}  // namespace nk::test
