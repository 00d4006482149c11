#pragma once
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

union SDL_Event;

namespace nk {

class WindowEvents;

// The player's own controller mappings, SDL's format, in the settings folder beside Config.cfg.
inline constexpr std::string_view kPadMappingFile = "gamecontrollerdb.txt";

// Adds the mappings of a gamecontrollerdb.txt file (path in this system's spelling) to SDL's. A
// file that is not there is fine; a problem with one that is comes back in words.
std::optional<std::string> addPadMappingFile(const std::string& path);

// Game controllers through SDL's game-controller API, with SDL's mapping database, the player's
// file over it and SDL_GAMECONTROLLERCONFIG over both. Every pad is opened as it comes (those there
// at start as the run begins) and closed as it goes, and its controls are handed to the game as
// pad events.
class GameControllers {
 public:
  // Nothing when SDL cannot read controllers here; the reason is in problem then. A problem with
  // the mapping file comes in problem too, with the pads working as they can without it.
  static std::unique_ptr<GameControllers> start(const std::string& mappingFile, std::string& problem);
  ~GameControllers();
  GameControllers(const GameControllers&) = delete;
  GameControllers& operator=(const GameControllers&) = delete;

  // Opens the pads that are already plugged in.
  void openPresent(WindowEvents& events);
  // Hands a controller's event to the game; false when it is no controller's.
  bool handle(const SDL_Event& event, WindowEvents& events);

 private:
  GameControllers() = default;
  void open(int deviceIndex, WindowEvents& events);

  std::set<int> open_;  // SDL's instance ids of the pads open, which the game sees as their numbers
};

}  // namespace nk
