#pragma once
#include <string>
#include <vector>

#include "engine/message_sink.h"

namespace nk::test {

// Writes down every message and termination request instead of showing them.
class RecordingMessages final : public MessageSink {
 public:
  struct Message {
    std::string text, caption;  // caption empty for the plain dialog
    bool operator==(const Message&) const = default;
  };
  void showMessage(const std::string& text) override { messages.push_back({text, ""}); }
  void messageBox(const std::string& text, const std::string& caption) override {
    messages.push_back({text, caption});
  }
  void terminate() override { ++terminations; }

  std::vector<Message> messages;
  int terminations = 0;
};

inline const RecordingMessages::Message kStreamError{
    "The stream could not be loaded, either it is corrupt or encrypted!", "Error!"};
inline const RecordingMessages::Message kFileError{"Cannot be loaded - file error or file crypted!", ""};

}  // namespace nk::test
