#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/share_button.h"

namespace nk {

// What "wdata\config.ini" asks the exit promotion screen to show. The format is in
// docs/exit-screen.md.
struct ShareDescription {
  static constexpr int32_t kMinFontSize = 1, kMaxFontSize = 200;

  bool Valid = true;
  std::string Problem;  // why it is not valid, with the line; empty while valid
  int32_t ButtonCount = 0;
  std::vector<TButton> Buttons;  // in file order; the last one is the exit button
  std::string BackgroundFile;
  int32_t Countdown = 0;  // frames left before the exit button may be used
  bool FontSizeGiven = false;
  int32_t FontSize = 0;                   // of the countdown number, in points
  int32_t CounterX = 0, CounterY = 0;     // the centre of the countdown number
  std::array<int32_t, 3> CounterColor{};  // as the file gives them

  // The countdown's colour as red, green and blue: the file's order after a font size line, the
  // last two swapped without one.
  std::array<uint8_t, 3> CounterRgb() const;
};

// Whether a file the description names exists; the name is a game file name ("wdata\a.png").
using FileCheck = std::function<bool(std::string_view name)>;

// Reads a description line by line. The first problem (a missing line or file, a malformed or
// out-of-range number, a name leading out of the game's folder) makes it invalid and ends the
// reading.
ShareDescription ReadShareDescription(std::string_view text, const FileCheck& exists);

}  // namespace nk
