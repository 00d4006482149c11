#pragma once
#include <memory>
#include <string>

#include "platform/host.h"

namespace nk {

// The real window: SDL's window, event loop, renderer and dialogs.
class WindowHost final : public Host {
 public:
  // The window, hidden until show(); nullptr with a reason in error when there is no display.
  static std::unique_ptr<WindowHost> create(const std::string& title, int width, int height,
                                            std::string& error);
  ~WindowHost() override;

  Application& application() override;
  RenderDevice& device() override;
  AudioOutput& audio() override;
  void setCursorVisible(bool visible) override;
  void setFullScreen(bool on) override;
  void requestClose() override;
  void requestQuit() override;

  void show();
  // Runs the event loop until the window closes (closeQuery agreed: true) or the process is told
  // to quit by a signal (false).
  bool run(WindowEvents& events);

 protected:
  void presentMessage(const std::string& text, const std::string& caption) override;
  void launch(const std::string& file, const std::string& parameters) override;

 private:
  struct Impl;
  explicit WindowHost(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace nk
