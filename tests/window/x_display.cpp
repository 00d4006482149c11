#include "x_display.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "close_request.h"

namespace nk::window {
namespace {

// Starting a server on a loaded machine can take a while; a minute means it is not coming.
constexpr int kServerStartMs = 60'000;

}  // namespace

XDisplay::XDisplay(const std::filesystem::path& logFile) {
  // The server writes its display number to this pipe once it takes connections.
  int ready[2];
  if (::pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  ::fcntl(ready[1], F_SETFD, 0);  // the server's end is inherited
  try {
    server_ =
        std::make_unique<Process>(Process::Setup{{"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen",
                                                  "0", "1024x768x24", "-nolisten", "tcp", "-noreset"},
                                                 {},
                                                 logFile.string()});
  } catch (...) {
    ::close(ready[0]);
    ::close(ready[1]);
    throw;
  }
  ::close(ready[1]);
  std::string number;
  for (;;) {
    pollfd p{ready[0], POLLIN, 0};
    char c = 0;
    if (::poll(&p, 1, kServerStartMs) <= 0 || ::read(ready[0], &c, 1) != 1) break;
    if (c == '\n') break;
    number += c;
  }
  ::close(ready[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start; see " + logFile.string());
  name_ = ":" + number;
}

XDisplay::~XDisplay() = default;

std::map<std::string, std::string> XDisplay::environment() const { return {{"DISPLAY", name_}}; }

std::string XDisplay::run(const std::vector<std::string>& args) const {
  const Finished done = runProgram(args, environment());
  std::string command;
  for (const auto& a : args) command += " " + a;
  EXPECT_EQ(done.status, 0) << command << ": " << done.output;
  return done.output;
}

std::vector<uint64_t> XDisplay::windowsTitled(const std::string& title) const {
  // Lines such as:      0x600002 "Error": ()  200x100+412+222  +412+222
  std::istringstream lines(run({"xwininfo", "-root", "-children"}));
  std::vector<uint64_t> found;
  for (std::string line; std::getline(lines, line);) {
    const size_t id = line.find("0x");
    if (id != std::string::npos && line.find(" \"" + title + "\":") != std::string::npos) {
      found.push_back(std::stoull(line.substr(id), nullptr, 16));
    }
  }
  return found;
}

void XDisplay::setLayout(const std::string& layout) const { run({"setxkbmap", "-layout", layout}); }

uint64_t XDisplay::waitForWindow(const std::string& title, Process& owner,
                                 const std::filesystem::path& ownerLog) const {
  const auto log = [&] {
    std::ifstream in(ownerLog, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  };
  const auto end = std::chrono::steady_clock::now() + seconds(120);
  for (;;) {
    if (!owner.running())
      throw std::runtime_error("it ended before its window \"" + title + "\" showed:\n" + log());
    if (std::chrono::steady_clock::now() > end)
      throw std::runtime_error("no window \"" + title + "\":\n" + log());
    const Finished found =
        runProgram({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}, environment());
    if (found.status == 0 && !found.output.empty()) return std::stoull(found.output);
    std::this_thread::sleep_for(milliseconds(50));
  }
}

void XInput::focus() const {
  const std::string id = std::to_string(window_);
  display_.run({"xdotool", "windowfocus", id, "mousemove", "--window", id, "400", "300"});
}

void XInput::keys(const std::vector<std::string>& keysyms) const {
  std::vector<std::string> args{"xdotool", "key", "--delay", "40"};
  args.insert(args.end(), keysyms.begin(), keysyms.end());
  display_.run(args);
}

void XInput::keyDown(const std::string& keysym) const { display_.run({"xdotool", "keydown", keysym}); }

void XInput::keyUp(const std::string& keysym) const { display_.run({"xdotool", "keyup", keysym}); }

void XInput::type(const std::string& text) const { display_.run({"xdotool", "type", "--delay", "40", text}); }

void XInput::pointTo(int x, int y) const {
  display_.run(
      {"xdotool", "mousemove", "--window", std::to_string(window_), std::to_string(x), std::to_string(y)});
}

void XInput::click(int x, int y) const {
  display_.run({"xdotool", "mousemove", "--window", std::to_string(window_), std::to_string(x),
                std::to_string(y), "click", "1"});
}

void XInput::clickCloseBox() const {
  EXPECT_TRUE(sendCloseRequest(display_.name(), window_)) << "cannot reach " << display_.name();
}

}  // namespace nk::window
