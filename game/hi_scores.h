#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace nk {

// One row of the high-score table; all three are Windows-1251 text.
struct THiScoreEntry {
  std::string Place;  // the rank, "1" .. "10"; never changed or saved
  std::string Name;
  std::string Score;  // decimal text
};

// Index 1 is the best, 10 the last; index 0 is unused so the ranks read as in the game.
using THiScoreTable = std::array<THiScoreEntry, 11>;

// "Anonymous" on every row, scores 9100, 8100, ... 100.
THiScoreTable DefaultHiScores();
void ResetHiScores(THiScoreTable& table);

// A stored score as a number. Config.cfg can be edited or damaged, so anything that is not a
// decimal int32 ranks as 0 instead of failing.
int32_t HiScoreValue(const std::string& score);

}  // namespace nk
