#include "window_game.h"

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace nk::window {
namespace fs = std::filesystem;
namespace {

std::string readText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// What a failed wait shows of the last snapshot.
std::string summary(const Snapshot& s) {
  if (s.is_null()) return "no snapshot";
  return "frame " + s.value("frame", nlohmann::json()).dump() + ", ScreenState " +
         s.value("ScreenState", nlohmann::json()).dump() + ", messages " +
         s.value("messages", nlohmann::json()).dump();
}

}  // namespace

TestFolder::TestFolder(const std::string& name)
    : path_(fs::temp_directory_path() / ("nokturo-window-" + std::to_string(::getpid()) + "-" + name)) {
  fs::remove_all(path_);
  fs::create_directories(path_);
  for (const char* sub : {"Data", "Sounds"})
    fs::create_directory_symlink(fs::path(NK_GAME_DIR) / sub, path_ / sub);
}

TestFolder::~TestFolder() {
  if (std::getenv("NK_KEEP_WINDOW_TESTS") != nullptr) return;
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void TestFolder::write(const std::string& name, const std::string& bytes) const {
  fs::create_directories((path_ / name).parent_path());
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::map<std::string, std::string> gameEnvironment(const XDisplay& display) {
  auto env = display.environment();
  env["SDL_AUDIODRIVER"] = "dummy";  // the mixer runs as usual, with nothing to play to
  const char* sanitizer = std::getenv("ASAN_OPTIONS");
  env["ASAN_OPTIONS"] = std::string(sanitizer != nullptr ? sanitizer : "") + ":detect_leaks=0";
  return env;
}

WindowGame::WindowGame(const XDisplay& display, const TestFolder& folder, std::vector<std::string> args,
                       const std::map<std::string, std::string>& env)
    : display_(display), folder_(folder) {
  std::vector<std::string> command{
      NK_GAME_BINARY, "--workdir", folder.path().string(), "--dump", dump().string(), "--windowed",
      "--seed",       "1"};
  command.insert(command.end(), args.begin(), args.end());
  auto environment = gameEnvironment(display);
  for (const auto& [name, value] : env) environment[name] = value;
  game_ =
      std::make_unique<Process>(Process::Setup{command, environment, (folder.path() / "game.log").string()});
  // The window shows once start-up is done; from then on the loop runs.
  window_ = display.waitForWindow("Nokturo", *game_, folder.path() / "game.log");
  input_ = std::make_unique<XInput>(display, window_);
  input_->focus();
}

WindowGame::~WindowGame() = default;

Snapshot WindowGame::snapshot() {
  std::error_code ignored;
  fs::remove(dump(), ignored);
  game_->signal(SIGUSR1);
  const auto end = std::chrono::steady_clock::now() + seconds(60);
  // The game writes the file beside and renames it, so once it is there it is whole.
  while (!fs::exists(dump())) {
    if (!game_->running()) throw std::runtime_error("the game ended:\n" + log());
    if (std::chrono::steady_clock::now() > end) throw std::runtime_error("no snapshot came:\n" + log());
    std::this_thread::sleep_for(milliseconds(5));
  }
  return nlohmann::json::parse(readText(dump()));
}

Snapshot WindowGame::waitFor(const std::function<bool(const Snapshot&)>& done, const std::string& what,
                             seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    Snapshot s = snapshot();
    if (done(s)) return s;
    if (std::chrono::steady_clock::now() > end) {
      throw std::runtime_error("waited in vain for " + what + "; last: " + summary(s) + "\n" + log());
    }
    std::this_thread::sleep_for(milliseconds(20));
  }
}

Snapshot WindowGame::waitPasses(int64_t passes) {
  const int64_t from = snapshot()["frame"];
  return waitFor([&](const Snapshot& s) { return s["frame"] >= from + passes; },
                 std::to_string(passes) + " more passes");
}

std::optional<int> WindowGame::waitForExit(seconds limit) { return game_->waitForExit(limit); }

void WindowGame::loseDevice() { game_->signal(SIGUSR2); }

int WindowGame::terminate() {
  game_->signal(SIGTERM);
  const std::optional<int> status = game_->waitForExit(seconds(60));
  return status ? *status : game_->stop();
}

Snapshot WindowGame::finalSnapshot() const { return nlohmann::json::parse(readText(dump())); }

std::string WindowGame::log() const { return readText(folder_.path() / "game.log"); }

}  // namespace nk::window
