#pragma once
// Going through the doors: walking through, opening them with or without a key, and finding
// the key missing. Their ticks count from 0, the tick the action starts.
#include <cstdint>

#include "game/action_steps.h"

namespace nk {

// Every door action steps the burglar's pictures a frame every this many ticks.
inline constexpr int32_t kDoorFrameEvery = 30;

// Walking through an open door: he fades out, the rooms change, he fades in, and the action
// ends on the first tick after kWalkEndsAfter that shows him fully.
inline constexpr int32_t kWalkFadeOutTo = 128;
inline constexpr int32_t kWalkChangesRoom = 129;
inline constexpr int32_t kWalkFadeInFrom = 130, kWalkFadeInTo = 257;
inline constexpr int32_t kWalkEndsAfter = 258;
// Where walking back through the left door puts him in the room there.
inline constexpr int32_t kWalkBackRoomPosition = 129;

// Opening a door: he looks round for seven frames, then the door opens; the action ends the
// tick after.
inline constexpr int32_t kLookRoundTo = 210;
inline constexpr int32_t kDoorSound = 211;
inline constexpr int32_t kDoorOpens = 232;
inline constexpr int32_t kOpenDoorEnd = kDoorOpens + 1;

// With the key: after looking round he takes it out and turns it, and the door opens on the
// action's last tick.
inline constexpr int32_t kKeyTaken = 211;
inline constexpr int32_t kKeyTurnsFrom = 240, kKeyTurnsTo = 451;
inline constexpr int32_t kKeySound = 453;
inline constexpr int32_t kOpenDoorWithKeyEnd = 473;

// The missing key: the thought bubble fades in, and stays.
inline constexpr int32_t kThinkFadeInTo = 74;
inline constexpr int32_t kMissingKeyEnd = 75;

ActionEnd walkThroughDoor(const ActionTick& now, Action which);
ActionEnd openDoor(const ActionTick& now, Action which);
ActionEnd openDoorWithKey(const ActionTick& now, Action which);
ActionEnd missingKey(const ActionTick& now);

}  // namespace nk
