#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/host.h"

namespace nk {

// The real window: SDL's window, event loop, renderer and dialogs.
class WindowHost final : public Host {
 public:
  // Why there is no window.
  struct Failure {
    bool noDevice = false;  // the window was made, but no renderer can draw into it
    std::string reason;
  };
  // The window, hidden until show(); nullptr with the failure when there is no display or no device.
  static std::unique_ptr<WindowHost> create(const std::string& title, int width, int height,
                                            Failure& failure);
  ~WindowHost() override;

  Application& application() override;
  RenderDevice& device() override;
  AudioOutput& audio() override;
  void setCursorVisible(bool visible) override;
  void setFullScreen(bool on) override;
  void requestClose() override;
  void requestQuit() override;

  void show();
  struct RunEnd {
    bool closed = false;    // closeQuery agreed; otherwise a signal or the pass limit ended it
    int64_t lastPass = -1;  // the last pass that ran
  };
  // Runs the event loop until the window closes, a signal ends the run or, with a limit, that
  // many passes have run. A pass waits for work, hands over the events that came, in order, and
  // runs the idle step; afterPass then gets the pass's number, from 0.
  RunEnd run(WindowEvents& events, std::optional<int64_t> passes,
             const std::function<void(int64_t pass)>& afterPass);

 protected:
  void presentMessage(const std::string& text, const std::string& caption) override;
  void launch(const std::string& file, const std::string& parameters) override;

 private:
  struct Impl;
  explicit WindowHost(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// A message box of its own, for failures before or without the game's window (texts in Windows-1251).
void showMessageWithoutWindow(const std::string& text, const std::string& caption);

}  // namespace nk
