#include "platform/keys.h"

#include <SDL_keycode.h>
#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(Keys, SdlKeysMapToWindowsVirtualKeys) {
  const struct {
    SDL_Scancode place;
    int sdl, vk;
  } cases[] = {
      {SDL_SCANCODE_LEFT, SDLK_LEFT, 37},
      {SDL_SCANCODE_UP, SDLK_UP, 38},
      {SDL_SCANCODE_RIGHT, SDLK_RIGHT, 39},
      {SDL_SCANCODE_DOWN, SDLK_DOWN, 40},
      {SDL_SCANCODE_LCTRL, SDLK_LCTRL, 17},
      {SDL_SCANCODE_RCTRL, SDLK_RCTRL, 17},
      {SDL_SCANCODE_SPACE, SDLK_SPACE, 32},
      {SDL_SCANCODE_RETURN, SDLK_RETURN, 13},
      {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 13},
      {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 27},
      {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, 8},
      {SDL_SCANCODE_F1, SDLK_F1, 112},
      {SDL_SCANCODE_F12, SDLK_F12, 123},
      {SDL_SCANCODE_A, SDLK_a, 65},
      {SDL_SCANCODE_Z, SDLK_z, 90},
      {SDL_SCANCODE_0, SDLK_0, 48},
      {SDL_SCANCODE_1, SDLK_1, 49},
      {SDL_SCANCODE_9, SDLK_9, 57},
      {SDL_SCANCODE_DELETE, SDLK_DELETE, 46},
      {SDL_SCANCODE_HOME, SDLK_HOME, 36},
      {SDL_SCANCODE_END, SDLK_END, 35},
      {SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, 16},
      {SDL_SCANCODE_TAB, SDLK_TAB, 9},
      {SDL_SCANCODE_KP_0, SDLK_KP_0, 0x60},
      {SDL_SCANCODE_KP_1, SDLK_KP_1, 0x61},
      {SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 0},
      {SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, 0},
      // Letters and digits by the key's place, whatever the layout makes of it.
      {SDL_SCANCODE_P, 0x437, 'P'},           // З on a Russian layout
      {SDL_SCANCODE_A, 0x444, 'A'},           // Ф
      {SDL_SCANCODE_Q, SDLK_a, 'Q'},          // French: A where Q is
      {SDL_SCANCODE_1, SDLK_AMPERSAND, '1'},  // French digit row, unshifted
      // Other keys by what the layout makes of them.
      {SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, 0xBA},
      {SDL_SCANCODE_SEMICOLON, 0x436, 0},  // Ж
      {SDL_SCANCODE_LEFTBRACKET, SDLK_LEFTBRACKET, 0xDB},
  };
  for (const auto& c : cases) EXPECT_EQ(virtualKeyFromSdl(c.place, c.sdl), c.vk) << c.place << " " << c.sdl;
}

}  // namespace
}  // namespace nk
