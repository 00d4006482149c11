#pragma once
#include <cstdint>
#include <string>

namespace nk {

class Host;
class TImageListCollection;

// One picture button of the exit promotion screen. The last button of the screen is its exit
// button: it waits, inactive, until the countdown has run out.
class TButton {
 public:
  static constexpr const char* kExitAction = "exit";

  bool Hover = false;  // the pointer is over the click rectangle
  bool Active = true;  // false: the exit button while the countdown runs
  bool Visible = true;
  int32_t HoverX = 0, HoverY = 0;  // where the hover picture goes
  int32_t X = 0, Y = 0;            // where the normal picture goes; top-left of the click rectangle
  int32_t Height = 0, Width = 0;   // the click rectangle's size
  int32_t WaitX = 0, WaitY = 0;    // where the waiting picture goes
  std::string Action;              // the file to open (a game file name), or kExitAction
  std::string HoverFile, NormalFile, WaitFile;
  // The pictures' places in the screen's picture list; -1 until they are loaded.
  int32_t HoverImage = -1, NormalImage = -1, WaitImage = -1;

  bool IsExit() const { return Action == kExitAction; }
  // The rectangle's edges count as inside.
  void HitTest(int32_t px, int32_t py);
  // The picture for the button's state, pattern 0 at its place; nothing while hidden.
  void Draw(TImageListCollection& pictures) const;
  // The exit button asks the window to close (the window decides); any other button opens its
  // file with the shell, unless the file has gone since the description was read.
  void Click(Host& host) const;
};

}  // namespace nk
