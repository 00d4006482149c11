#include "platform/keys.h"

#include <SDL_keycode.h>
#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(Keys, SdlKeysMapToWindowsVirtualKeys) {
  const struct {
    int sdl, vk;
  } cases[] = {
      {SDLK_LEFT, 37},     {SDLK_UP, 38},    {SDLK_RIGHT, 39},  {SDLK_DOWN, 40},     {SDLK_LCTRL, 17},
      {SDLK_RCTRL, 17},    {SDLK_SPACE, 32}, {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27},
      {SDLK_BACKSPACE, 8}, {SDLK_F1, 112},   {SDLK_F12, 123},   {SDLK_a, 65},        {SDLK_z, 90},
      {SDLK_0, 48},        {SDLK_9, 57},     {SDLK_DELETE, 46}, {SDLK_HOME, 36},     {SDLK_END, 35},
      {SDLK_LSHIFT, 16},   {SDLK_TAB, 9},    {SDLK_KP_0, 0x60}, {SDLK_CAPSLOCK, 0},  {SDLK_UNKNOWN, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(virtualKeyFromSdl(c.sdl), c.vk) << c.sdl;
}

}  // namespace
}  // namespace nk
