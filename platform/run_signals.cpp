#include "platform/run_signals.h"

#include <SDL_hints.h>

#include <atomic>
#include <csignal>

namespace nk {
namespace {

std::atomic<bool> quitAsked{false};
std::atomic<bool> snapshotAsked{false};
std::atomic<bool> deviceLossAsked{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the handlers may only touch lock-free flags");

void onQuit(int) { quitAsked = true; }
void onSnapshot(int) { snapshotAsked = true; }
void onDeviceLoss(int) { deviceLossAsked = true; }

void handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  // Interrupted reads and writes carry on; the loop looks at the flags after every pass.
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

}  // namespace

void installRunSignals() {
  // SDL's own handlers would take SIGTERM and SIGINT over when it starts.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  handle(SIGTERM, onQuit);
  handle(SIGINT, onQuit);
  handle(SIGUSR1, onSnapshot);
  handle(SIGUSR2, onDeviceLoss);
}

bool quitSignalled() { return quitAsked; }

bool takeSnapshotRequest() { return snapshotAsked.exchange(false); }

bool takeDeviceLossRequest() { return deviceLossAsked.exchange(false); }

}  // namespace nk
