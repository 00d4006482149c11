#include "game/rank_score.h"

#include <string>

namespace nk {

void RankScore(TGameState& state) {
  for (size_t i = 1; i < state.HiScores.size(); ++i) {
    THiScoreEntry& entry = state.HiScores[i];
    if (HiScoreValue(entry.Score) > state.Score) continue;
    entry.Name = state.HiscoreName;
    entry.Score = std::to_string(state.Score);
    state.NewHiScore = true;
    return;
  }
}

}  // namespace nk
