#pragma once
#include "engine/message_sink.h"
#include "platform/host.h"

namespace nk {

// Engine messages shown through the host's message boxes.
class HostMessages final : public MessageSink {
 public:
  explicit HostMessages(Host& host) : host_(host) {}
  void showMessage(const std::string& text) override { host_.showMessage(text, "Nokturo"); }
  void messageBox(const std::string& text, const std::string& caption) override {
    host_.showMessage(text, caption);
  }
  void terminate() override { host_.requestQuit(); }

 private:
  Host& host_;
};

}  // namespace nk
