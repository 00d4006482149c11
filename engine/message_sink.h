#pragma once
#include <string>

namespace nk {

// How engine components reach the player when something goes wrong. Texts are Windows-1251.
class MessageSink {
 public:
  // The plain message dialog, captioned with the program's title.
  virtual void showMessage(const std::string& text) = 0;
  virtual void messageBox(const std::string& text, const std::string& caption) = 0;
  // Asks the program to end once control is back in its loop.
  virtual void terminate() = 0;

 protected:
  ~MessageSink() = default;
};

}  // namespace nk
