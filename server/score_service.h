#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "server/query.h"
#include "server/rate_limiter.h"
#include "server/score_store.h"

namespace nk::scores {

inline constexpr const char* kPlainText = "text/plain; charset=utf-8";

// What the server answers, whatever carries it.
struct HttpReply {
  int status = 200;
  std::string contentType = kPlainText;
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string note;  // for the log only: why the store failed
};

struct ServiceSettings {
  int32_t maxScore = 0;
  int reportsPerMinute = 30;  // per client, for version queries and reports each; 0: no limit
  int64_t tokenSeconds = 30 * 60;
};

// The score server's requests:
//   /cgi/version.pl?version&prg=Nokturo          OK|Nokturo|VERSION|TOKEN SECONDS|TOKEN|
//   /cgi/version.pl?hs&prg=Nokturo&inf=LETTERS   OK once the score is stored
//   /cgi/version.pl?prg=Nokturo&show&type=0      the public page
//   /api/scores?period=all|week&limit=N          the same as JSON
//   /health                                      OK while the database answers
class ScoreService {
 public:
  using Clock = std::function<int64_t()>;  // seconds since 1970
  static int64_t systemSeconds();

  ScoreService(ScoreStore& store, const ServiceSettings& settings, Clock clock = systemSeconds);

  // target: the request's path and query as sent; client: who is asking, for the rate limit.
  HttpReply handle(std::string_view target, const std::string& client);

 private:
  HttpReply route(std::string_view target, const std::string& client);
  HttpReply versionReply(const std::string& client);
  HttpReply reportReply(const Query& query, const std::string& client);
  HttpReply pageReply(const Query& query);
  HttpReply apiReply(const Query& query);

  ScoreStore& store_;
  const ServiceSettings settings_;
  const Clock clock_;
  RateLimiter versions_, reports_;
  std::atomic<int64_t> lastTokenSweep_{0};
};

inline constexpr std::string_view kScriptPath = "/cgi/version.pl";
inline constexpr std::string_view kPageTarget = "/cgi/version.pl?prg=Nokturo&show&type=0";
inline constexpr int kPageRows = 100;
inline constexpr int kMaxApiRows = 10000;
inline constexpr size_t kMaxTargetLength = 1024;

}  // namespace nk::scores
