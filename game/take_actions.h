#pragma once
// Taking things: keys, money, the prizes, and the safe. Their ticks count from 0, the tick the
// action starts.
#include <cstdint>

#include "game/action_steps.h"

namespace nk {

// A key: he looks round, reaches for it, and has it on the last tick.
inline constexpr int32_t kTakeFrameEvery = 30;
inline constexpr int32_t kKeyLookRoundTo = 210;
inline constexpr int32_t kKeyReaches = 212;
inline constexpr int32_t kKeyReachFrom = 213, kKeyReachTo = 331;
inline constexpr int32_t kTakeKeyEnd = 333;

// Money and the prizes: he reaches, and has it on the last tick.
inline constexpr int32_t kThingReachTo = 120;
inline constexpr int32_t kTakeThingEnd = 122;

// The safe: he cracks it, the money shows, and the level is complete on the last tick.
inline constexpr int32_t kCrackFramesTo = 200;
inline constexpr int32_t kCrackFrameEvery = 20;
inline constexpr int32_t kSafeOpens = 250;
inline constexpr int32_t kCrackSafeEnd = 550;

ActionEnd takeKey(const ActionTick& now);
ActionEnd takeThing(const ActionTick& now, Action which);
ActionEnd crackSafe(const ActionTick& now);

}  // namespace nk
