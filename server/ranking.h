#pragma once
#include <string>
#include <vector>

#include "server/score_store.h"

namespace nk::scores {

// A stored score with its place: equal scores share a place and the next one skips ahead
// (1, 2, 2, 4).
struct RankedScore {
  int rank = 0;
  StoredScore score;
};

// The scores, best first, as the store gives them, with their places.
std::vector<RankedScore> ranked(std::vector<StoredScore> best);

// 2026-11-01T21:05:09Z
std::string isoTime(int64_t unixSeconds);
// 01.11.2026, as a Russian reader writes a date
std::string russianDate(int64_t unixSeconds);

}  // namespace nk::scores
