#pragma once
#include <functional>

#include "platform/application.h"

namespace nk {

// A standard window-message timer (the level clock): fires every Interval ms while enabled.
// Enabling starts a fresh period.
class TTimer {
 public:
  explicit TTimer(Application& app, int intervalMs = 1000) : app_(app), interval_(intervalMs) {}
  ~TTimer() { SetEnabled(false); }
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return id_ != 0; }
  void SetEnabled(bool value);
  int Interval() const { return interval_; }
  std::function<void()> OnTimer;

 private:
  Application& app_;
  int interval_;
  Application::TimerId id_ = 0;
};

}  // namespace nk
