#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace nk::window {
namespace {

std::vector<std::string> environmentWith(const std::map<std::string, std::string>& changes) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    if (!changes.contains(name)) env.push_back(entry);
  }
  for (const auto& [name, value] : changes) env.push_back(name + "=" + value);
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (auto& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// Starts the program with its standard output (and error) on outFd.
pid_t spawn(std::vector<std::string> args, const std::map<std::string, std::string>& changes, int outFd) {
  std::vector<std::string> env = environmentWith(changes);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const int in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, outFd, STDERR_FILENO);
  pid_t pid = -1;
  auto argv = pointers(args);
  auto envp = pointers(env);
  const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(in);
  if (error != 0) throw std::runtime_error("cannot start " + args[0] + ": " + std::strerror(error));
  return pid;
}

}  // namespace

Process::Process(const Setup& setup) {
  const std::string out = setup.output.empty() ? "/dev/null" : setup.output;
  const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot write " + out);
  try {
    pid_ = spawn(setup.args, setup.env, fd);
  } catch (...) {
    ::close(fd);
    throw;
  }
  ::close(fd);
}

Process::~Process() { stop(); }

bool Process::running() { return !waitForExit(milliseconds(0)); }

void Process::signal(int number) {
  if (running()) ::kill(pid_, number);
}

std::optional<int> Process::waitForExit(milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!status_) {
    int raw = 0;
    const pid_t done = ::waitpid(pid_, &raw, WNOHANG);
    if (done == pid_) {
      status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    } else if (done < 0) {
      status_ = -1;  // not ours to wait for any more
    } else if (std::chrono::steady_clock::now() >= end) {
      return std::nullopt;
    } else {
      std::this_thread::sleep_for(milliseconds(10));
    }
  }
  return status_;
}

int Process::stop(milliseconds grace) {
  if (running()) ::kill(pid_, SIGTERM);
  if (const auto status = waitForExit(grace)) return *status;
  ::kill(pid_, SIGKILL);
  return *waitForExit(seconds(60));
}

Finished runProgram(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
                    milliseconds limit) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  pid_t pid = -1;
  try {
    pid = spawn(args, env, pipeFds[1]);
  } catch (...) {
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    throw;
  }
  ::close(pipeFds[1]);
  Finished result;
  const auto end = std::chrono::steady_clock::now() + limit;
  bool killed = false;
  for (;;) {
    const auto left = std::chrono::duration_cast<milliseconds>(end - std::chrono::steady_clock::now());
    pollfd p{pipeFds[0], POLLIN, 0};
    if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) == 0) {
      ::kill(pid, SIGKILL);
      killed = true;
      break;
    }
    char buffer[4096];
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    result.output.append(buffer, static_cast<size_t>(n));
  }
  ::close(pipeFds[0]);
  int raw = 0;
  ::waitpid(pid, &raw, 0);
  result.status = !killed && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

}  // namespace nk::window
