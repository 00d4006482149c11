#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "platform/recording_device.h"

namespace nk::test {

// A host on a virtual clock that writes down what it is asked to do; the device is a recording one
// unless a test hands in another.
class TestHost final : public Host {
 public:
  explicit TestHost(std::unique_ptr<RenderDevice> device = std::make_unique<RecordingDevice>())
      : app_(clock_), device_(std::move(device)) {
    app_.setErrorReport([this](const std::string& text) { showMessage(text, "Nokturo"); });
  }
  Application& application() override { return app_; }
  RenderDevice& device() override { return *device_; }
  void setCursorVisible(bool visible) override { cursorVisible.push_back(visible); }
  void setFullScreen(bool on) override { displayModes.push_back(on); }
  void requestClose() override { ++closeRequests; }
  void requestQuit() override { ++quitRequests; }

  VirtualClock& clock() { return clock_; }
  RecordingDevice& recording() { return static_cast<RecordingDevice&>(*device_); }

  std::vector<bool> displayModes, cursorVisible;
  std::vector<std::pair<std::string, std::string>> launches;
  int closeRequests = 0, quitRequests = 0;

 protected:
  void presentMessage(const std::string&, const std::string&) override {}
  void launch(const std::string& file, const std::string& parameters) override {
    launches.emplace_back(file, parameters);
  }

 private:
  VirtualClock clock_;
  Application app_;
  std::unique_ptr<RenderDevice> device_;
};

}  // namespace nk::test
