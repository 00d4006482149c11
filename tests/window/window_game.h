#pragma once
// The real game binary in a real window on a private X display, watched through its snapshot.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "process.h"
#include "x_display.h"

namespace nk::window {

using Snapshot = nlohmann::json;

// A folder of its own for one test: the built game's Data and Sounds linked in, the display's and
// the game's logs, the snapshot. Removed afterwards unless NK_KEEP_WINDOW_TESTS is set.
class TestFolder {
 public:
  explicit TestFolder(const std::string& name);
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// The environment the game runs in on the display: no sound device needed, and under the
// sanitizers no leak report at exit, since what the window adds to the headless runs' leak checks
// is the X, GL and D-Bus libraries' own memory, held to the end by design.
std::map<std::string, std::string> gameEnvironment(const XDisplay& display);

// The game started with the display, the folder and these arguments; ready for input once made:
// its window is found and has the keyboard. Snapshots come on demand (SIGUSR1 makes the game write
// its --dump file at the end of the pass it is in), so a test waits for what the game shows, never
// for a guessed time.
class WindowGame {
 public:
  // env is set over the game's usual environment.
  WindowGame(const XDisplay& display, const TestFolder& folder, std::vector<std::string> args = {},
             const std::map<std::string, std::string>& env = {});
  ~WindowGame();
  WindowGame(const WindowGame&) = delete;
  WindowGame& operator=(const WindowGame&) = delete;

  const XInput& input() const { return *input_; }
  uint64_t window() const { return window_; }

  // The state now.
  Snapshot snapshot();
  // Snapshots until one satisfies done; fails the test (with the last one) if none does in time.
  Snapshot waitFor(const std::function<bool(const Snapshot&)>& done, const std::string& what,
                   seconds limit = seconds(120));
  Snapshot waitForState(int screenState) {
    return waitFor([screenState](const Snapshot& s) { return s["ScreenState"] == screenState; },
                   "screen state " + std::to_string(screenState));
  }
  // Lets the game run that many more passes of its loop.
  Snapshot waitPasses(int64_t passes);

  // The run's own end (the exit path, --frames): its exit status, nothing if it runs on past the limit.
  std::optional<int> waitForExit(seconds limit = seconds(120));
  // Ends the run with SIGTERM: its exit status.
  int terminate();
  // Takes the game's render device away (SIGUSR2), as the system may.
  void loseDevice();
  // The snapshot the run wrote when it ended.
  Snapshot finalSnapshot() const;
  std::string log() const;

 private:
  std::filesystem::path dump() const { return folder_.path() / "snapshot.json"; }

  const XDisplay& display_;
  const TestFolder& folder_;
  std::unique_ptr<Process> game_;
  uint64_t window_ = 0;
  std::unique_ptr<XInput> input_;
};

}  // namespace nk::window
