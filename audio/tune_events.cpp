#include "audio/tune_events.h"

namespace nk {

void TuneEvents::Set(int i) {
  std::lock_guard lock(mutex_);
  signalled_.at(static_cast<size_t>(i)) = true;
  changed_.notify_all();
}

void TuneEvents::Wake() {
  std::lock_guard lock(mutex_);
  woken_ = true;
  changed_.notify_all();
}

int TuneEvents::Wait(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, timeout, [this] { return signalled_[0] || signalled_[1] || woken_; });
  woken_ = false;
  for (int i = 0; i < 2; ++i) {
    if (signalled_[static_cast<size_t>(i)]) {
      signalled_[static_cast<size_t>(i)] = false;
      return i;
    }
  }
  return -1;
}

}  // namespace nk
