// Preloaded into the game: a game controller that is not there, plugged in, worked and pulled out
// by the test through SDL's virtual joysticks, so the game meets it on SDL's own path (device
// events, the controller mapping, button and axis events). The test appends commands, a line each,
// to the file named by NK_VIRTUAL_PAD:
//   attach | detach | button NAME 0|1 | axis NAME VALUE     (SDL's names: a, dpleft, leftx, ...)
// Commands wait until the game has started SDL's controllers.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "virtual_pad_desc.h"

namespace {

SDL_Joystick* pad = nullptr;

void attach() {
  if (pad != nullptr) return;
  const SDL_VirtualJoystickDesc desc = nk::window::virtualPadDesc();
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  if (index >= 0) pad = SDL_JoystickOpen(index);
  if (pad == nullptr) std::fprintf(stderr, "virtual pad: %s\n", SDL_GetError());
}

void detach() {
  if (pad == nullptr) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  }
  SDL_JoystickClose(pad);
  pad = nullptr;
}

void run(const std::string& line) {
  std::istringstream words(line);
  std::string command, name;
  int value = 0;
  words >> command >> name >> value;
  if (command == "attach") attach();
  if (command == "detach") detach();
  if (pad == nullptr) return;
  if (command == "button") {
    SDL_JoystickSetVirtualButton(pad, SDL_GameControllerGetButtonFromString(name.c_str()),
                                 static_cast<Uint8>(value));
  }
  if (command == "axis") {
    SDL_JoystickSetVirtualAxis(pad, SDL_GameControllerGetAxisFromString(name.c_str()),
                               static_cast<Sint16>(value));
  }
}

// SDL locks its joysticks inside each of these calls, so they may come from a thread of their own;
// the game's event loop sends what they change.
void serve(const std::string& file) {
  using namespace std::chrono_literals;
  while (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) std::this_thread::sleep_for(5ms);
  std::streamoff done = 0;
  for (;;) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(done);
    std::string line;
    // Only whole lines: the test may be writing the next one.
    while (std::getline(in, line) && !in.eof()) {
      done += static_cast<std::streamoff>(line.size()) + 1;
      run(line);
    }
    std::this_thread::sleep_for(5ms);
  }
}

struct Start {
  Start() {
    const char* file = std::getenv("NK_VIRTUAL_PAD");
    if (file != nullptr) std::thread(serve, std::string(file)).detach();
  }
} start;

}  // namespace
