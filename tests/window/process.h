#pragma once
// Child processes for the window tests: started with an argument vector (never a shell), waited
// for with a time limit, ended by signal.
#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace nk::window {

using std::chrono::milliseconds;
using std::chrono::seconds;

// A running program, ended (SIGTERM, then SIGKILL) and reaped when the object goes.
class Process {
 public:
  struct Setup {
    std::vector<std::string> args;           // args[0] is looked up in PATH
    std::map<std::string, std::string> env;  // set over this process's environment
    std::string output;                      // file for standard output and error; /dev/null if empty
  };
  // The child inherits this process's descriptors that are not close-on-exec.
  explicit Process(const Setup& setup);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  pid_t pid() const { return pid_; }
  bool running();
  // Sends the signal while the process runs.
  void signal(int number);
  // Its exit status once it has ended within the time (-1 when a signal ended it); nothing if not.
  std::optional<int> waitForExit(milliseconds limit);
  // SIGTERM, then SIGKILL if it has not gone within the grace time; the exit status.
  int stop(milliseconds grace = seconds(10));

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

struct Finished {
  int status = -1;  // -1: it had to be killed, or ended by a signal
  std::string output;
};

// Runs a program to its end (killed past the limit), with its standard output.
Finished runProgram(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
                    milliseconds limit = seconds(60));

}  // namespace nk::window
