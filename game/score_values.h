#pragma once
#include <array>
#include <cstdint>

namespace nk {

// What the burglar earns. The score server's bound on a believable score is worked out from the
// shipped houses with these same numbers.
inline constexpr std::array<int32_t, 4> kMoneyValues{10, 30, 70, 100};  // money kinds 0 .. 3
inline constexpr int32_t kSafeValuePerLevel = 1000;                     // times the level number
inline constexpr int32_t kTimeBonusPerSecond = 5;                       // the level-complete tally
inline constexpr int32_t kTimePrizeMinutes = 1;

}  // namespace nk
