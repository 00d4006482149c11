#pragma once
// Changing floors: riding the lift and climbing the stairs. Their ticks count from 0, the tick
// the action starts.
#include <cstdint>

#include "game/action_steps.h"

namespace nk {

// Lift doors and the burglar's pictures step every this many ticks.
inline constexpr int32_t kLiftStepEvery = 30;

// The ride: the doors open, he looks round, walks in and fades out, the doors close and on
// kLiftRideEnd he is in the target's room, where the arrival starts at tick 1.
inline constexpr int32_t kLiftDoorsOpenTo = 60;
inline constexpr int32_t kLiftLooksRound = 61, kLiftLookRoundTo = 270;
inline constexpr int32_t kLiftWalksIn = 271;
inline constexpr int32_t kLiftFadeOutFrom = 272, kLiftFadeOutTo = 399;
inline constexpr int32_t kLiftDoorsCloseFrom = 400, kLiftDoorsCloseTo = 490;
inline constexpr int32_t kLiftRideEnd = 520;
// The arrival: the new room's doors open, he fades in, they close behind him.
inline constexpr int32_t kArriveDoorsOpenFrom = 1, kArriveDoorsOpenTo = 60;
inline constexpr int32_t kArriveFadeInFrom = 101, kArriveFadeInTo = 227;
inline constexpr int32_t kArriveDoorsCloseFrom = 239, kArriveDoorsCloseTo = 270;
inline constexpr int32_t kArriveEnd = 300;

// A climb: he climbs to the landing, fades out, reaches the next floor, fades in and climbs on.
// It ends on kClimbEnd either way; the other ticks differ between up and down.
struct Climb {
  int dy;  // per climbing tick
  int32_t firstEnd, fadeOutFrom, arrive, secondFrom, secondEnd;
  float startY, arriveY;  // startY < 0: he starts where he stands
};
inline constexpr Climb kClimbUp{-1, 69, 71, 198, 329, 357, -1.0f, 235.0f};
inline constexpr Climb kClimbDown{1, 29, 31, 158, 288, 356, 215.0f, 190.0f};
inline constexpr int32_t kClimbFadeInTicks = 128;  // after `arrive`
inline constexpr int32_t kClimbEnd = 358;
inline constexpr int32_t kClimbStepEvery = 10;  // he changes feet

ActionEnd rideLift(const ActionTick& now);
ActionEnd liftArrive(const ActionTick& now);
ActionEnd climb(const ActionTick& now, Action which);

}  // namespace nk
