#include "platform/game_controllers.h"

#include <SDL.h>

#include <filesystem>

#include "codec/cp1251.h"
#include "platform/host.h"
#include "platform/text_file.h"

namespace nk {
namespace {

// SDL's community database is some 600 KB, a line a few hundred bytes.
constexpr TextLimits kMappingLimits{4 * 1024 * 1024, 4096};

std::optional<PadButton> padButton(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A: return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B: return PadButton::B;
    case SDL_CONTROLLER_BUTTON_X: return PadButton::X;
    case SDL_CONTROLLER_BUTTON_Y: return PadButton::Y;
    case SDL_CONTROLLER_BUTTON_BACK: return PadButton::Back;
    case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadButton::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadButton::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadButton::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadButton::DpadRight;
    default: return std::nullopt;
  }
}

std::optional<PadAxis> padAxis(uint8_t sdlAxis) {
  switch (sdlAxis) {
    case SDL_CONTROLLER_AXIS_LEFTX: return PadAxis::LeftX;
    case SDL_CONTROLLER_AXIS_LEFTY: return PadAxis::LeftY;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> addPadMappingFile(const std::string& path) {
  std::error_code ignored;
  const std::optional<BoundedText> file = readTextFile(path, kMappingLimits);
  if (!file) {
    if (!std::filesystem::exists(path, ignored)) return std::nullopt;
    return path + " cannot be read; its controller mappings are not used";
  }
  // A line cut short could still read as a mapping, a wrong one.
  if (file->cut) return path + " is too large; its controller mappings are not used";
  if (file->text.empty()) return std::nullopt;
  SDL_RWops* text = SDL_RWFromConstMem(file->text.data(), static_cast<int>(file->text.size()));
  if (SDL_GameControllerAddMappingsFromRW(text, 1) < 0) {
    return path + ": " + SDL_GetError() + "; its controller mappings are not used";
  }
  return std::nullopt;
}

std::unique_ptr<GameControllers> GameControllers::start(const std::string& mappingFile,
                                                        std::string& problem) {
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    problem = std::string("no game controllers (") + SDL_GetError() + ")";
    return nullptr;
  }
  if (auto fileProblem = addPadMappingFile(mappingFile)) problem = *fileProblem;
  return std::unique_ptr<GameControllers>(new GameControllers());
}

GameControllers::~GameControllers() {
  for (int id : open_) SDL_GameControllerClose(SDL_GameControllerFromInstanceID(id));
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GameControllers::openPresent(WindowEvents& events) {
  for (int i = 0; i < SDL_NumJoysticks(); ++i) open(i, events);
}

void GameControllers::open(int deviceIndex, WindowEvents& events) {
  // SDL announces the pads there at start as well, which the run has opened by then.
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || open_.contains(id) || !SDL_IsGameController(deviceIndex)) return;
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) return;
  open_.insert(id);
  const char* name = SDL_GameControllerName(controller);
  events.padAdded(id, utf8ToCp1251(name != nullptr ? name : ""));
}

bool GameControllers::handle(const SDL_Event& e, WindowEvents& events) {
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED: open(e.cdevice.which, events); return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      if (open_.erase(e.cdevice.which) != 0) {
        SDL_GameControllerClose(SDL_GameControllerFromInstanceID(e.cdevice.which));
        events.padRemoved(e.cdevice.which);
      }
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (const auto button = padButton(e.cbutton.button); button && open_.contains(e.cbutton.which))
        events.padButton(e.cbutton.which, *button, e.type == SDL_CONTROLLERBUTTONDOWN);
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (const auto axis = padAxis(e.caxis.axis); axis && open_.contains(e.caxis.which))
        events.padAxis(e.caxis.which, *axis, e.caxis.value);
      return true;
    default: return false;
  }
}

}  // namespace nk
