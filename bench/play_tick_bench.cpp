// A frame of play on level 1 with the real content: the game window's whole frame (rules,
// sprites, side panel) on the recording device (the game's own cost per tick) and on the software
// device (the frame as a headless run draws it). The burglar walks to and fro so the house
// scrolls; the level clock stands still so the benchmark never runs out of time.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/form1.h"
#include "app/form_view.h"
#include "platform/keys.h"
#include "platform/software_device.h"
#include "support/built_game_folder.h"
#include "support/form_probe.h"
#include "support/test_host.h"

namespace nk {
namespace {

struct PlayingGame {
  explicit PlayingGame(std::unique_ptr<RenderDevice> device) : host(std::move(device)) {
    FormOptions options;
    options.seed = 1;
    options.startLevel = 1;
    form = std::make_unique<TForm1>(host, options);
    form->FormCreate();
    form->FormShow();
    // Straight into play: no intro, no quick help.
    FormProbe probe(*form);
    probe.GameState.FirstGame = false;
    form->LeaveState(Screen::LevelIntro);
    form->EnterState(Screen::Play);
    probe.Timer1.SetEnabled(false);
  }
  void frame() {
    const int phase = frames++ % 480;
    if (phase == 0) form->keyUp(vk::Left), form->keyDown(vk::Right);
    if (phase == 240) form->keyUp(vk::Right), form->keyDown(vk::Left);
    host.clock().advance(VirtualClock::kFrequency / 120);
    host.application().idle();
  }

  test::BuiltGameFolder folder{NK_GAME_DIR};
  test::TestHost host;
  std::unique_ptr<TForm1> form;
  int frames = 0;
};

void playFrames(benchmark::State& state, PlayingGame& game) {
  auto* recording = dynamic_cast<RecordingDevice*>(&game.host.device());
  for (auto _ : state) {
    game.frame();
    if (recording != nullptr) recording->forget();
  }
  if (game.form->view().GameState.ScreenState != Screen::Play) state.SkipWithError("the game left play");
  if (!game.host.journal().messages.empty()) state.SkipWithError(game.host.journal().messages[0].c_str());
}

void BM_PlayTickRecording(benchmark::State& state) {
  PlayingGame game(std::make_unique<RecordingDevice>());
  playFrames(state, game);
}
BENCHMARK(BM_PlayTickRecording)->Unit(benchmark::kMicrosecond);

void BM_PlayFrameSoftwareLevel1(benchmark::State& state) {
  PlayingGame game(std::make_unique<SoftwareDevice>(800, 600));
  playFrames(state, game);
}
BENCHMARK(BM_PlayFrameSoftwareLevel1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nk
