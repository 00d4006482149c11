// The soak: the real game window on a virtual clock and a recording device (game logic, no
// pixels), driven by a monkey for many frames. When the game closes its window, it is started
// again in the same folder, as a player would. It fails when the game stays in one screen or
// away from the main menu too long, never gets into play and back, or says anything but that the
// score server is missing; the sanitizer build adds crashes and leaks.
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "app/form1.h"
#include "app/form_view.h"
#include "app/score_report.h"
#include "soak/monkey.h"
#include "soak/screen_log.h"
#include "support/built_game_folder.h"
#include "support/test_host.h"

namespace nk::test {
namespace {

struct Settings {
  int64_t frames = 1'000'000;
  uint64_t seed = 1;
  // The longest level clock (5:30) is 39,600 frames; no screen needs more than that.
  int64_t maxStay = 60'000;
  // A patient monkey may win several houses in a row before it loses its lives.
  int64_t maxAwayFromMenu = 600'000;
  std::string gameDir = NK_GAME_DIR;
};

// One start of the game: its window and the machine it runs on.
struct Session {
  explicit Session(uint64_t seed) {
    FormOptions options;
    options.seed = seed;
    form = std::make_unique<TForm1>(host, options);
    form->FormCreate();
    form->FormShow();
  }
  // One pass of the loop; true when the window closed.
  bool frame() {
    host.clock().advance(VirtualClock::kFrequency / 120);
    host.application().idle();
    // Only the latest frame's calls matter here; a million frames of them would not fit.
    host.recording().forget();
    if (host.closeRequests == closeRequestsSeen) return false;
    closeRequestsSeen = host.closeRequests;
    if (!form->closeQuery()) return false;
    form->closing();
    form->FormDestroy();
    return true;
  }

  TestHost host;
  std::unique_ptr<TForm1> form;
  int closeRequestsSeen = 0;
};

int run(const Settings& settings) {
  const BuiltGameFolder folder(settings.gameDir);
  Monkey monkey(settings.seed);
  ScreenLog screens;
  std::map<std::string, int> messages;
  int starts = 0;
  size_t mostSprites = 0;
  int64_t frame = 0;
  while (frame < settings.frames) {
    Session session(settings.seed + static_cast<uint64_t>(starts++));
    screens.restarted(frame);
    bool closed = false;
    while (frame < settings.frames && !closed) {
      monkey.act(*session.form, frame, session.form->view().GameState.ScreenState);
      closed = session.frame();
      screens.see(session.form->view().GameState.ScreenState, frame++);
      mostSprites = std::max(mostSprites, static_cast<size_t>(session.form->view().NkSprite1.Count()));
    }
    monkey.releaseAll(*session.form);
    for (const std::string& text : session.host.journal().messages) ++messages[text];
  }
  std::cout << "frames: " << frame << ", seed: " << settings.seed << ", game starts: " << starts
            << ", most sprites at once: " << mostSprites << "\n";
  screens.print(std::cout);
  bool ok = true;
  for (const auto& [text, count] : messages) {
    const bool expected = text == kCannotConnect;
    std::cout << (expected ? "" : "FAIL: ") << "message x" << count << ": " << text << "\n";
    ok = ok && expected;
  }
  if (screens.longestStay() > settings.maxStay) {
    std::cout << "FAIL: a screen held the player for more than " << settings.maxStay << " frames\n";
    ok = false;
  }
  if (screens.longestAwayFromMenu() > settings.maxAwayFromMenu) {
    std::cout << "FAIL: the main menu was out of reach for more than " << settings.maxAwayFromMenu
              << " frames\n";
    ok = false;
  }
  if (screens.menuVisits() < 2 || !screens.reached(Screen::Play)) {
    std::cout << "FAIL: the run did not get into play and back to the main menu\n";
    ok = false;
  }
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace nk::test

int main(int argc, char** argv) {
  nk::test::Settings settings;
  const char* usage =
      "usage: nk_soak [--frames N] [--seed N] [--max-stay FRAMES] [--max-away FRAMES] [--game-dir DIR]\n";
  if (argc % 2 == 0) {
    std::cerr << usage;
    return 2;
  }
  for (int i = 1; i < argc; i += 2) {
    const std::string option = argv[i], value = argv[i + 1];
    try {
      if (option == "--frames")
        settings.frames = std::stoll(value);
      else if (option == "--seed")
        settings.seed = std::stoull(value);
      else if (option == "--max-stay")
        settings.maxStay = std::stoll(value);
      else if (option == "--max-away")
        settings.maxAwayFromMenu = std::stoll(value);
      else if (option == "--game-dir")
        settings.gameDir = value;
      else
        throw std::invalid_argument(option);
    } catch (const std::exception&) {
      std::cerr << usage;
      return 2;
    }
  }
  return nk::test::run(settings);
}
