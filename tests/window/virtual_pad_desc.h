#pragma once
// The virtual game controller of the window tests, laid out as SDL's controller buttons and axes.
#include <SDL.h>

namespace nk::window {

inline SDL_VirtualJoystickDesc virtualPadDesc() {
  SDL_VirtualJoystickDesc desc;
  SDL_zero(desc);
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Nokturo virtual pad";
  return desc;
}

}  // namespace nk::window
