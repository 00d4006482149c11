#include "tools/nk-level/score_bound.h"

#include <algorithm>

#include "game/score_values.h"

namespace nk {
namespace {

// Slot 0 holds the cheapest kind, slot 1 the next, slot 2 either of the dearer two.
constexpr std::array<int32_t, kMoneySlots> kSlotValues{kMoneyValues[0], kMoneyValues[1],
                                                       std::max(kMoneyValues[2], kMoneyValues[3])};

}  // namespace

int64_t levelScoreBound(const LevelFile& level, const LevelConstants& constants) {
  int64_t money = 0, safes = 0, timePrizes = 0;
  for (const LevelCellRecord& cell : level.cells) {
    for (size_t slot = 0; slot < kSlotValues.size(); ++slot) {
      if (cell.hasMoney[slot] != 0) money += kSlotValues[slot];
    }
    if (cell.hasSafe != 0) ++safes;
    if (cell.hasTimePrize != 0) ++timePrizes;
  }
  // Cracking a safe ends the level, so only one of them pays.
  const int64_t safe = safes > 0 ? int64_t{kSafeValuePerLevel} * constants.level : 0;
  const int64_t seconds = constants.timeLimitSeconds() + timePrizes * kTimePrizeMinutes * 60;
  return money + safe + seconds * kTimeBonusPerSecond;
}

}  // namespace nk
