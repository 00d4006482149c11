// Preloaded into the game, this stands in for SDL's renderer creation and fails as it does on a
// machine without any device to draw with.
#include <SDL.h>

extern "C" SDL_Renderer* SDL_CreateRenderer(SDL_Window*, int, Uint32) {
  SDL_SetError("no render device on this machine");
  return nullptr;
}
