#pragma once
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "platform/host.h"

namespace nk {

// Passes the window's input on to the game and writes it down as a harness script, so that
// `--script` replays the session into the same game: a bug report anyone can run.
class InputRecorder final : public WindowEvents {
 public:
  // frame tells the script frame of input arriving now.
  // The seed is written first; lines are flushed as they come, so a crash keeps the session.
  InputRecorder(WindowEvents& game, std::ostream& out, std::function<int64_t()> frame, uint64_t seed);

  void keyDown(int virtualKey) override;
  void keyUp(int virtualKey) override;
  void character(unsigned char cp1251) override;
  void mouseMove(int x, int y) override;
  void mouseDown(MouseButton button, int x, int y) override;
  void mouseUp(MouseButton button, int x, int y) override;
  void mouseDoubleClick(int x, int y) override;
  void padAdded(int pad, const std::string& name) override { game_.padAdded(pad, name); }
  void padRemoved(int pad) override { game_.padRemoved(pad); }
  void padButton(int pad, PadButton button, bool down) override;
  void padAxis(int pad, PadAxis axis, int value) override;
  void activated() override { game_.activated(); }
  bool closeQuery() override;
  void closing() override { game_.closing(); }

 private:
  void write(const std::string& command);

  WindowEvents& game_;
  std::ostream& out_;
  std::function<int64_t()> frame_;
};

}  // namespace nk
