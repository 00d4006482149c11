#pragma once
#include <utility>

#include "platform/deferred_device.h"
#include "platform/host.h"

namespace nk {

// No window, no sound: a virtual clock, a software device of the window's size that draws only
// the frames read back, message boxes to standard error, shell requests only recorded.
class HeadlessHost final : public Host {
 public:
  HeadlessHost(int width, int height) : app_(clock_), device_(width, height) {}

  Application& application() override { return app_; }
  RenderDevice& device() override { return device_; }
  void setCursorVisible(bool) override {}
  void setFullScreen(bool) override {}
  void requestClose() override { closeRequested_ = true; }
  void requestQuit() override { quitRequested_ = true; }
  bool quitRequested() const { return quitRequested_; }

  VirtualClock& clock() { return clock_; }
  // Takes the pending close request, if any.
  bool takeCloseRequest() { return std::exchange(closeRequested_, false); }

 protected:
  void presentMessage(const std::string& text, const std::string& caption) override;
  void launch(const std::string&, const std::string&) override {}

 private:
  VirtualClock clock_;
  Application app_;
  DeferredDevice device_;
  bool closeRequested_ = false;
  bool quitRequested_ = false;
};

}  // namespace nk
