#include "app/input_recorder.h"

#include "app/script.h"
#include "codec/cp1251.h"
#include "platform/keys.h"

namespace nk {

InputRecorder::InputRecorder(WindowEvents& game, std::ostream& out, std::function<int64_t()> frame,
                             uint64_t seed)
    : game_(game), out_(out), frame_(std::move(frame)) {
  out_ << "# nokturo's input, recorded: replay with nokturo --headless --script FILE\n"
       << "seed " << seed << "\n";
  out_.flush();
}

void InputRecorder::write(const std::string& command) {
  out_ << frame_() << ' ' << command << '\n';
  out_.flush();
}

void InputRecorder::keyDown(int virtualKey) {
  write("down " + keyName(virtualKey));
  game_.keyDown(virtualKey);
}

void InputRecorder::keyUp(int virtualKey) {
  write("up " + keyName(virtualKey));
  game_.keyUp(virtualKey);
}

void InputRecorder::character(unsigned char cp1251) {
  // Backspace and Enter come with their keys, and a replayed key brings them again.
  if (cp1251 != vk::Back && cp1251 != vk::Return) {
    const std::string text = cp1251ToUtf8(std::string(1, static_cast<char>(cp1251)));
    // A blank or "#" would not survive as typed text, nor would a byte the code page leaves empty.
    const bool typeable =
        cp1251 > ' ' && cp1251 != '#' && utf8ToCp1251(text) == std::string(1, static_cast<char>(cp1251));
    write(typeable ? "type " + text : "char " + std::to_string(cp1251));
  }
  game_.character(cp1251);
}

void InputRecorder::mouseMove(int x, int y) {
  write("mouse " + std::to_string(x) + ' ' + std::to_string(y));
  game_.mouseMove(x, y);
}

// Scripts know only the left button, pressed and released at once: the game acts on the press.
void InputRecorder::mouseDown(MouseButton button, int x, int y) {
  if (button == MouseButton::Left) write("click " + std::to_string(x) + ' ' + std::to_string(y));
  game_.mouseDown(button, x, y);
}

void InputRecorder::mouseDoubleClick(int x, int y) {
  write("dblclick " + std::to_string(x) + ' ' + std::to_string(y));
  game_.mouseDoubleClick(x, y);
}

void InputRecorder::mouseUp(MouseButton button, int x, int y) { game_.mouseUp(button, x, y); }

// A script knows one pad: every pad's controls are written as its.
void InputRecorder::padButton(int pad, PadButton button, bool down) {
  write(std::string(down ? "pad down " : "pad up ") + std::string(padButtonName(button)));
  game_.padButton(pad, button, down);
}

void InputRecorder::padAxis(int pad, PadAxis axis, int value) {
  write("pad axis " + std::string(padAxisName(axis)) + ' ' + std::to_string(value));
  game_.padAxis(pad, axis, value);
}

bool InputRecorder::closeQuery() {
  write("close");
  return game_.closeQuery();
}

}  // namespace nk
