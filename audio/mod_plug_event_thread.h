#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace nk {

// A tune's worker: calls Callback again and again while resumed, until terminated.
// Created suspended. Suspend takes effect between two calls, so a call in progress finishes.
class TModPlugEventThread {
 public:
  using CallbackProc = std::function<void()>;

  explicit TModPlugEventThread(CallbackProc callback);
  // Terminates and waits for the thread to end.
  ~TModPlugEventThread();
  TModPlugEventThread(const TModPlugEventThread&) = delete;
  TModPlugEventThread& operator=(const TModPlugEventThread&) = delete;

  void Resume();
  void Suspend();
  void Terminate();

 private:
  void Execute();

  const CallbackProc Callback;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool suspended_ = true;
  bool terminated_ = false;
  std::thread thread_;  // last: starts once everything above is set
};

}  // namespace nk
