#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace nk::scores::test {

// nokturo-scores run for a test on a free loopback port, its output in a log file. Ready once
// it has printed its "listening on" line; stopped with SIGTERM when dropped.
class ServerProcess {
 public:
  // args: the options after --listen 127.0.0.1:0. Throws when the server does not come up.
  ServerProcess(const std::vector<std::string>& args, std::filesystem::path log);
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  const std::string& url() const { return url_; }
  std::string log() const;
  // Stops it and gives its exit status (-1 when a signal ended it).
  int terminate();
  // Ends it at once, as a crash or a power cut would.
  void kill9();

 private:
  int wait();

  std::filesystem::path log_;
  pid_t pid_ = -1;
  std::string url_;
};

// Runs nokturo-scores to its end; its exit status and everything it printed.
struct FinishedRun {
  int status = -1;
  std::string output;
};
FinishedRun runServerToEnd(const std::vector<std::string>& args, const std::filesystem::path& log);

}  // namespace nk::scores::test
