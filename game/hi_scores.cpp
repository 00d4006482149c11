#include "game/hi_scores.h"

#include <charconv>

namespace nk {

THiScoreTable DefaultHiScores() {
  THiScoreTable table;
  for (int i = 1; i <= 10; ++i) {
    THiScoreEntry& e = table[static_cast<size_t>(i)];
    e.Place = std::to_string(i);
    e.Name = "Anonymous";
    e.Score = std::to_string((10 - i) * 1000 + 100);
  }
  return table;
}

void ResetHiScores(THiScoreTable& table) { table = DefaultHiScores(); }

int32_t HiScoreValue(const std::string& score) {
  const char* first = score.data();
  const char* last = first + score.size();
  int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last ? value : 0;
}

}  // namespace nk
