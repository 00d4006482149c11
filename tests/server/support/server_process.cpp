#include "server/support/server_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace nk::scores::test {
namespace {

constexpr auto kStartLimit = std::chrono::seconds(60);
constexpr auto kPoll = std::chrono::milliseconds(10);

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Starts the server with its output in the log. Should the test program die without stopping
// it, the kernel ends it too, so no stray server outlives a crashed test.
pid_t spawnServer(const std::vector<std::string>& args, const std::filesystem::path& log) {
  std::vector<std::string> all{NK_SCORES_BINARY};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  // Emptied before the server starts, so an earlier run's "listening on" line is never read.
  const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) throw std::runtime_error("cannot write " + log.string());
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {  // only async-signal-safe calls until exec
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent || dup2(out, STDOUT_FILENO) < 0 || dup2(out, STDERR_FILENO) < 0) _exit(127);
    execv(NK_SCORES_BINARY, argv.data());
    _exit(127);
  }
  close(out);
  if (pid < 0) throw std::runtime_error("cannot start " NK_SCORES_BINARY);
  return pid;
}

int exitStatus(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }

}  // namespace

ServerProcess::ServerProcess(const std::vector<std::string>& args, std::filesystem::path log)
    : log_(std::move(log)) {
  std::vector<std::string> all{"--listen", "127.0.0.1:0"};
  all.insert(all.end(), args.begin(), args.end());
  pid_ = spawnServer(all, log_);
  const std::string ready = "listening on ";
  for (auto deadline = std::chrono::steady_clock::now() + kStartLimit;;) {
    const std::string text = readFile(log_);
    const size_t at = text.find(ready), end = text.find('\n', at);
    if (at != std::string::npos && end != std::string::npos) {
      url_ = text.substr(at + ready.size(), end - at - ready.size());
      return;
    }
    int raw = 0;
    const bool ended = waitpid(pid_, &raw, WNOHANG) == pid_;
    if (ended || std::chrono::steady_clock::now() > deadline) {
      if (!ended) kill9();
      pid_ = -1;
      throw std::runtime_error("nokturo-scores did not start: " + text);
    }
    std::this_thread::sleep_for(kPoll);
  }
}

ServerProcess::~ServerProcess() {
  if (pid_ > 0) terminate();
}

std::string ServerProcess::log() const { return readFile(log_); }

int ServerProcess::wait() {
  int raw = 0;
  waitpid(pid_, &raw, 0);
  pid_ = -1;
  return exitStatus(raw);
}

int ServerProcess::terminate() {
  kill(pid_, SIGTERM);
  return wait();
}

void ServerProcess::kill9() {
  kill(pid_, SIGKILL);
  wait();
}

FinishedRun runServerToEnd(const std::vector<std::string>& args, const std::filesystem::path& log) {
  const pid_t pid = spawnServer(args, log);
  int raw = 0;
  waitpid(pid, &raw, 0);
  return {exitStatus(raw), readFile(log)};
}

}  // namespace nk::scores::test
