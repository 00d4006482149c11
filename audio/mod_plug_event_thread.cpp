#include "audio/mod_plug_event_thread.h"

namespace nk {

TModPlugEventThread::TModPlugEventThread(CallbackProc callback)
    : Callback(std::move(callback)), thread_([this] { Execute(); }) {}

TModPlugEventThread::~TModPlugEventThread() {
  Terminate();
  thread_.join();
}

void TModPlugEventThread::Resume() {
  std::lock_guard lock(mutex_);
  suspended_ = false;
  wake_.notify_all();
}

void TModPlugEventThread::Suspend() {
  std::lock_guard lock(mutex_);
  suspended_ = true;
}

void TModPlugEventThread::Terminate() {
  std::lock_guard lock(mutex_);
  terminated_ = true;
  wake_.notify_all();
}

void TModPlugEventThread::Execute() {
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return terminated_ || !suspended_; });
      if (terminated_) return;
    }
    Callback();
  }
}

}  // namespace nk
