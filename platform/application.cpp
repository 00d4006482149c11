#include "platform/application.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace nk {

int64_t Application::ticksPerSecond() const {
  int64_t f = 0;
  return clock_.queryFrequency(f) ? f : 1000;
}

int64_t Application::now() const {
  int64_t f = 0;
  return clock_.queryFrequency(f) ? clock_.counter() : clock_.milliseconds();
}

Application::TimerId Application::startTimer(int intervalMs, std::function<void()> onTick) {
  const int64_t period = std::max<int64_t>(1, intervalMs * ticksPerSecond() / 1000);
  const TimerId id = nextId_++;
  timers_[id] = Timer{period, now() + period, std::move(onTick)};
  return id;
}

void Application::killTimer(TimerId id) { timers_.erase(id); }

bool Application::idle() {
  bool done = true;
  if (idle_ != nullptr) {
    try {
      idle_->onIdle(done);
    } catch (const std::exception& e) {
      reportException(e);
    }
  }
  const int64_t t = now();
  std::vector<TimerId> due;
  for (const auto& [id, timer] : timers_) {
    if (timer.due <= t) due.push_back(id);
  }
  // A handler may start or kill timers, so look each one up again before firing it.
  for (TimerId id : due) {
    auto it = timers_.find(id);
    if (it == timers_.end()) continue;
    it->second.due = t + it->second.period;
    auto onTick = it->second.onTick;
    try {
      onTick();
    } catch (const std::exception& e) {
      reportException(e);
    }
  }
  return done;
}

int64_t Application::nextWorkAt() const {
  int64_t next = idle_ != nullptr ? idle_->idleDueAt() : kNever;
  for (const auto& [id, timer] : timers_) next = std::min(next, timer.due);
  return next;
}

void Application::reportException(const std::exception& e) const {
  if (report_) {
    report_(e.what());
  } else {
    std::fprintf(stderr, "nokturo: %s\n", e.what());
  }
}

}  // namespace nk
