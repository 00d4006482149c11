#pragma once
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

namespace nk::scores {

// At most `perMinute` events per client in any 60 seconds; 0 lets everything through. Each
// server process counts for itself. Memory stays bounded: clients idle for a minute are
// forgotten, and past kMaxClients busy ones new clients wait.
class RateLimiter {
 public:
  explicit RateLimiter(int perMinute) : perMinute_(perMinute) {}

  // Counts the event and tells whether it is within the limit.
  bool allow(const std::string& client, int64_t nowSeconds);

  static constexpr size_t kMaxClients = 100000;

 private:
  void forgetIdle(int64_t nowSeconds);

  const int perMinute_;
  std::mutex lock_;
  std::unordered_map<std::string, std::deque<int64_t>> recent_;  // the times within the last minute
  int64_t lastSweep_ = 0;
};

}  // namespace nk::scores
