#pragma once
#include <memory>
#include <optional>

#include "app/form1.h"
#include "game_folder.h"

namespace nk::test {

// The game window on a virtual clock in a fresh game folder, run a frame at a time.
struct GameWindow {
  // Creates and shows the window; with a level, a new game starts there as from the main menu.
  void start(std::optional<int32_t> level) {
    FormOptions options;
    options.seed = 3;
    options.startLevel = level;
    form = std::make_unique<TForm1>(host, options);
    form->FormCreate();
    form->FormShow();
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) {
      host.clock().advance(VirtualClock::kFrequency / 120);
      host.application().idle();
    }
  }
  void tap(int key) {
    form->keyDown(key);
    form->keyUp(key);
  }
  int state() const { return form->GameState.ScreenState; }

  GameFolder folder;
  TestHost host;
  std::unique_ptr<TForm1> form;
};

}  // namespace nk::test
