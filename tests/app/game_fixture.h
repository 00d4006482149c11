#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/form1.h"
#include "app/form_view.h"
#include "game/level_constants.h"
#include "game/level_file.h"
#include "game_folder.h"
#include "platform/keys.h"
#include "support/form_probe.h"
#include "support/screen_print.h"

namespace nk::test {

// The game window on a virtual clock in a fresh game folder, run a frame at a time.
struct Game {
  // Creates and shows the window; with a level, a new game starts there as from the main menu.
  explicit Game(std::optional<int32_t> level = std::nullopt, std::string scoreServer = "",
                const std::vector<std::string>& pictures = {})
      : folder(pictures) {
    start(level, std::move(scoreServer));
  }

  void frames(int n) {
    for (int i = 0; i < n; ++i) {
      host.clock().advance(VirtualClock::kFrequency / 120);
      host.application().idle();
    }
  }
  // A key pressed and let go, as the window reports it: Backspace and Enter also as characters.
  void tap(int key) {
    form->keyDown(key);
    if (key == vk::Back || key == vk::Return) form->character(static_cast<unsigned char>(key));
    form->keyUp(key);
  }
  // Taps each key and lets a frame pass after it.
  void keys(std::initializer_list<int> codes) {
    for (int code : codes) {
      tap(code);
      frames(1);
    }
  }
  // Windows-1251 text typed a character at a time.
  void type(const std::string& text) {
    for (char c : text) form->character(static_cast<unsigned char>(c));
  }
  Screen state() const { return view().GameState.ScreenState; }
  // What the window shows a test, and what a test may set up inside it.
  FormView view() const { return form->view(); }
  FormProbe probe() { return FormProbe(*form); }

  GameFolder folder;
  TestHost host;
  std::unique_ptr<TForm1> form;

  // For tests that put their own files into the folder before the window starts.
  struct Unstarted {};
  explicit Game(Unstarted) {}
  void start(std::optional<int32_t> level, std::string scoreServer = "") {
    FormOptions options;
    options.seed = 3;
    options.startLevel = level;
    options.scoreServer = std::move(scoreServer);
    form = std::make_unique<TForm1>(host, options);
    form->FormCreate();
    form->FormShow();
  }
};

// What a test puts into a house of the level's size; the starting room is lit already.
using Furnish = std::function<void(LevelFile&)>;

inline void writeHouse(int level, const Furnish& furnish) {
  const LevelConstants& k = *findLevelConstants(level);
  LevelFile file = makeEmptyLevel(k.columnCount, k.lastRow);
  file.cell(k.startColumn, k.startRow).lit = 1;
  if (furnish) furnish(file);
  std::filesystem::create_directories("Data");
  writeLevelFile("Data/level" + std::to_string(level) + ".vmap", file);
}

// A game started on a level whose house is one lit room; the file is read when the intro ends.
struct LevelGame : Game {
  explicit LevelGame(int level, std::string scoreServer = "") : Game(level, std::move(scoreServer)) {
    writeHouse(level, {});
  }
};

}  // namespace nk::test
