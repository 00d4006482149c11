#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "server/refusal.h"

namespace nk::scores {

// A score report as the game builds it, split into its fields. Texts are Windows-1251.
struct Report {
  std::string name;  // typed in the score dialog: 1 to 10 of the game's characters
  int32_t score = 0;
  std::string token;   // the fifth field of a version reply; only split off here, the store judges it
  std::string player;  // the options screen's name: 0 to 10 of the game's characters
};

// The longest name either edit takes.
inline constexpr size_t kMaxNameLength = 10;
// The game's longest report is about 170 letters (two full names, a ten-digit score, our token).
inline constexpr size_t kMaxReportLetters = 256;

// The letters of a report decoded exactly: nothing but the code's letters, and a whole number of
// characters with nothing put in front (the game pads its report to a multiple of 5). 400 otherwise.
Checked<std::string> decodeReport(std::string_view letters);

// "type=0|name=N|score=S|key=X|p=T|add=A|z=0..": every field in its place, the names as the
// game's edits allow them (a "|" among them), the score a plain decimal from 0 to maxScore, the
// padding exact. 400 otherwise.
Checked<Report> parseReport(std::string_view text, int32_t maxScore);

}  // namespace nk::scores
