#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "game/level_grid.h"

namespace nk {

class TPlayer;
class TBackDoor;
class TPlayerKeys;
class TFonCell;
class TThink;
class THeart;

// The burglar's actions, one flag each; at most one runs at a time.
enum class Action : uint8_t {
  WalkThroughDoor,
  WalkBack,
  OpenDoor,
  OpenBackDoor,
  RideLift,
  LiftArrive,
  ClimbUp,
  ClimbDown,
  TakeKey,
  TakeMoney,
  TakeTime,
  TakeLife,
  CrackSafe,
  MissingKey,
  OpenDoorWithKey,
  OpenBackDoorWithKey
};
inline constexpr size_t kActionCount = 16;

// The actions' names, in the enum's order: the snapshot lists the running one by its name.
inline constexpr std::array<const char*, kActionCount> kActionNames = {
    "WalkThroughDoor", "WalkBack",   "OpenDoor",        "OpenBackDoor",       "RideLift", "LiftArrive",
    "ClimbUp",         "ClimbDown",  "TakeKey",         "TakeMoney",          "TakeTime", "TakeLife",
    "CrackSafe",       "MissingKey", "OpenDoorWithKey", "OpenBackDoorWithKey"};
static_assert(static_cast<size_t>(Action::OpenBackDoorWithKey) + 1 == kActionCount,
              "every action has its flag and its name");

// The level being played: the house and what play keeps track of. Sprites belong to the engine.
struct TPlayState {
  TLevelGrid grid;
  int32_t timeMinutes = 0, timeSeconds = 0;
  TPlayer* player = nullptr;
  TBackDoor* backDoor = nullptr;
  std::array<TPlayerKeys*, 4> playerKeys{};
  std::vector<TFonCell*> fonCells;
  int32_t stateCounter = 0;
  std::array<uint8_t, kActionCount> actions{};
  bool SafeTaken = false;
  bool thinkShown = false;
  TThink* think = nullptr;
  bool guardFacesPlayer = false;
  bool gameOverShown = false;
  THeart* heart = nullptr;

  bool busy() const;  // any action running, or the safe's tally pending
  uint8_t& action(Action a) { return actions[static_cast<size_t>(a)]; }
  uint8_t action(Action a) const { return actions[static_cast<size_t>(a)]; }
};

}  // namespace nk
