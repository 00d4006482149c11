#include "server/rate_limiter.h"

namespace nk::scores {
namespace {

constexpr int64_t kWindowSeconds = 60;

}  // namespace

bool RateLimiter::allow(const std::string& client, int64_t nowSeconds) {
  if (perMinute_ <= 0) return true;
  std::lock_guard guard(lock_);
  // A full table is swept at most once a second, so a flood of new clients costs little.
  const bool full = recent_.size() >= kMaxClients;
  if (nowSeconds - lastSweep_ >= (full ? 1 : kWindowSeconds)) forgetIdle(nowSeconds);
  auto found = recent_.find(client);
  if (found == recent_.end()) {
    if (recent_.size() >= kMaxClients) return false;
    found = recent_.emplace(client, std::deque<int64_t>()).first;
  }
  std::deque<int64_t>& times = found->second;
  while (!times.empty() && times.front() <= nowSeconds - kWindowSeconds) times.pop_front();
  if (times.size() >= static_cast<size_t>(perMinute_)) return false;
  times.push_back(nowSeconds);
  return true;
}

void RateLimiter::forgetIdle(int64_t nowSeconds) {
  lastSweep_ = nowSeconds;
  std::erase_if(recent_, [&](const auto& entry) {
    return entry.second.empty() || entry.second.back() <= nowSeconds - kWindowSeconds;
  });
}

}  // namespace nk::scores
