#pragma once
#include <string>
#include <vector>

#include "server/ranking.h"

namespace nk::scores {

// [{"rank": 1, "name": "...", "score": 9100, "date": "2026-11-01T21:05:09Z"}, ...]
std::string scoresJson(const std::vector<RankedScore>& rows);

}  // namespace nk::scores
