// The window's own event loop, on SDL's offscreen display: events reach the game in the order
// they came.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/form1.h"
#include "app/form_view.h"
#include "game_folder.h"
#include "platform/keys.h"
#include "platform/window_host.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace nk {
namespace {

// What SDL's video and sound drivers load keeps its memory to the end of the process; the game's
// own is leak-checked in the tests that run it on the test host.
struct DriversKeepTheirMemory {
#if defined(__SANITIZE_ADDRESS__)
  DriversKeepTheirMemory() { __lsan_disable(); }
  ~DriversKeepTheirMemory() { __lsan_enable(); }
#endif
};

void pushKey(Uint32 type, SDL_Scancode place, SDL_Keycode key) {
  SDL_Event e{};
  e.type = type;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = place;
  e.key.keysym.sym = key;
  SDL_PushEvent(&e);
}

TEST(WindowLoop, AKeyPressedAndLetGoBeforeAPassIsLetGoAfterIt) {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  setenv("SDL_RENDER_DRIVER", "software", 1);  // the loop is the point, not a GL driver
  [[maybe_unused]] const DriversKeepTheirMemory drivers;
  test::GameFolder folder;
  WindowHost::Failure failure;
  auto window = WindowHost::create("Nokturo", 800, 600, failure);
  if (!window) GTEST_SKIP() << "no offscreen window: " << failure.reason;
  TForm1 form(*window, {});
  form.FormCreate();
  window->show();
  form.FormShow();
  // A first frame, so that the next pass has to wait for the one after it.
  window->run(form, 1, nullptr);
  // Where the pair ends up depends on what the loop's wait meets in SDL's queue; a few rounds
  // meet most of it.
  for (int round = 0; round < 5; ++round) {
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, SDLK_RIGHT);
    pushKey(SDL_KEYUP, SDL_SCANCODE_RIGHT, SDLK_RIGHT);
    EXPECT_EQ(window->run(form, 1, nullptr).lastPass, 0);
    EXPECT_FALSE(form.view().GameState.RightHeld) << round;
    // Nor is anything of the pair left over to be taken later, the wrong way round.
    const int64_t frames = form.frameTicks();
    while (form.frameTicks() < frames + 2) window->run(form, 1, nullptr);
    EXPECT_FALSE(form.view().GameState.RightHeld) << round;
  }
}

}  // namespace
}  // namespace nk
