#pragma once
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>

#include "platform/clock.h"

namespace nk {

// Whoever holds the application's idle slot (a frame timer).
class IdleHandler {
 public:
  // One idle pass; leaving done false asks to be called again at once.
  virtual void onIdle(bool& done) = 0;
  // Clock value before which onIdle cannot fire, so the loop may sleep until then.
  virtual int64_t idleDueAt() const = 0;

 protected:
  ~IdleHandler() = default;
};

// The application object: the single idle slot, periodic message timers and the standard
// error report. The event loops (window or headless) call idle() after each batch of events.
class Application {
 public:
  using TimerId = int;
  static constexpr int64_t kNever = INT64_MAX;

  explicit Application(Clock& clock) : clock_(clock) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Clock& clock() const { return clock_; }

  IdleHandler* idleHandler() const { return idle_; }
  void setIdleHandler(IdleHandler* handler) { idle_ = handler; }

  // A periodic timer like a window's message timer: due every intervalMs, fires at most once
  // per pass however late it is, never catches up.
  TimerId startTimer(int intervalMs, std::function<void()> onTick);
  void killTimer(TimerId id);

  // One idle pass: the idle slot's handler, then every due timer. Returns the handler's "done"
  // (true when nothing asks to be called again at once).
  bool idle();
  // Earliest clock value at which idle() has work to do; kNever when there is none.
  int64_t nextWorkAt() const;

  // The standard error report for exceptions escaping a handler.
  void setErrorReport(std::function<void(const std::string&)> report) { report_ = std::move(report); }
  void reportException(const std::exception& e) const;

 private:
  struct Timer {
    int64_t period;
    int64_t due;
    std::function<void()> onTick;
  };
  int64_t now() const;
  int64_t ticksPerSecond() const;

  Clock& clock_;
  IdleHandler* idle_ = nullptr;
  std::map<TimerId, Timer> timers_;
  TimerId nextId_ = 1;
  std::function<void(const std::string&)> report_;
};

}  // namespace nk
