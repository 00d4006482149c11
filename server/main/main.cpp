// nokturo-scores: the online score table the game reports to.
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <iostream>
#include <thread>

#include "server/default_max_score.h"
#include "server/http_front.h"
#include "server/options.h"
#include "server/score_service.h"
#include "server/score_store.h"

namespace {

using namespace nk::scores;

int serve(const Options& options, const sigset_t& stopSignals) {
  std::unique_ptr<ScoreStore> store;
  try {
    store = openScoreStore(options.database);
  } catch (const StoreError& e) {
    std::cerr << "nokturo-scores: " << e.what() << "\n";
    return 1;
  }
  ScoreService service(*store, {options.maxScore, options.reportsPerMinute});
  HttpFront front(service, options.clientHeader, std::cout);
  int port = 0;
  try {
    port = front.bind(options.host, options.port);
  } catch (const std::runtime_error& e) {
    std::cerr << "nokturo-scores: " << e.what() << "\n";
    return 1;
  }
  const bool v6 = options.host.find(':') != std::string::npos;
  std::cout << "listening on http://" << (v6 ? "[" + options.host + "]" : options.host) << ":" << port
            << std::endl;

  std::atomic<bool> running = true;
  std::thread waiter([&] {
    int signal = 0;
    sigwait(&stopSignals, &signal);
    if (running) front.stop();
  });
  front.run();
  running = false;
  pthread_kill(waiter.native_handle(), SIGTERM);  // releases the waiter when the server ended by itself
  waiter.join();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // SIGTERM and SIGINT reach only the waiting thread, which stops the server outside any
  // signal handler; every thread started later inherits the mask.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::string error;
  const auto options = parseOptions({argv + 1, argv + argc}, kDefaultMaxScore, error);
  if (!options) {
    std::cerr << "nokturo-scores: " << error << "\n" << kUsage;
    return 2;
  }
  if (options->help) {
    std::cout << kUsage;
    return 0;
  }
  if (options->version) {
    std::cout << "nokturo-scores " << NK_VERSION << "\n";
    return 0;
  }
  return serve(*options, stopSignals);
}
