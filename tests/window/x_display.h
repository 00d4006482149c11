#pragma once
// A private X display for one test, and real input on it.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "process.h"

namespace nk::window {

// An Xvfb server of its own, started for one test on a free display number and stopped after it.
class XDisplay {
 public:
  // Its log goes to logFile.
  explicit XDisplay(const std::filesystem::path& logFile);
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  const std::string& name() const { return name_; }  // ":N"
  // The variables a client of this display runs with.
  std::map<std::string, std::string> environment() const;

  // Runs an X client program (xdotool, setxkbmap) against this display; fails the test unless it
  // exits with 0. Its standard output.
  std::string run(const std::vector<std::string>& args) const;

  // The keyboard layout, as setxkbmap names it ("us", "ru").
  void setLayout(const std::string& layout) const;

  // The shown window of that title, once there is one; throws if owner ends first or none comes.
  uint64_t waitForWindow(const std::string& title, Process& owner,
                         const std::filesystem::path& ownerLog) const;
  // The top-level windows of that title now, shown or not (message boxes too, which xdotool's
  // search misses by their UTF-8 title).
  std::vector<uint64_t> windowsTitled(const std::string& title) const;

 private:
  std::unique_ptr<Process> server_;
  std::string name_;
};

// Real input to one window of the display, as a person's keyboard and mouse give it: xdotool
// through the XTEST extension, so the events come from the X server like any others.
class XInput {
 public:
  XInput(const XDisplay& display, uint64_t window) : display_(display), window_(window) {}

  // Gives the window the keyboard and puts the pointer over it.
  void focus() const;
  // Presses and lets go of each key, named by its keysym ("Return", "Cyrillic_ze").
  void keys(const std::vector<std::string>& keysyms) const;
  void keyDown(const std::string& keysym) const;
  void keyUp(const std::string& keysym) const;
  // Types the text (UTF-8) on the current layout.
  void type(const std::string& text) const;
  // Moves the pointer to (x, y) of the window.
  void pointTo(int x, int y) const;
  // A left click at (x, y) of the window.
  void click(int x, int y) const;
  // What a window manager sends when the window's close box is clicked (WM_DELETE_WINDOW).
  void clickCloseBox() const;

 private:
  const XDisplay& display_;
  uint64_t window_;
};

}  // namespace nk::window
