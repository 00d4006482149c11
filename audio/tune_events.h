#pragma once
#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace nk {

// The two "play position reached half i" events of a tune (manual reset) and a wake-up for its
// worker, which ends a wait early without an event.
class TuneEvents {
 public:
  void Set(int i);
  void Wake();
  // Waits at most `timeout` for an event or a wake-up. The lowest signalled event, cleared, or -1.
  int Wait(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::array<bool, 2> signalled_{};
  bool woken_ = false;
};

}  // namespace nk
