// A play-like frame: 60 room-sized textured quads and 40 sprites, through the screen and the
// sprite engine, on the recording device (the engine's own cost) and the software device (the
// whole frame as a headless run draws it).
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/nk_sprite.h"
#include "engine/screen_fixture.h"
#include "engine/sprite.h"
#include "platform/software_device.h"

namespace nk {
namespace {

struct PlayFrame {
  explicit PlayFrame(std::unique_ptr<RenderDevice> device) : f(std::move(device)) {
    room = &f.addImage("room", 200, 1600, 200, 200,
                       [](int x, int y) { return 0xFF000000u | static_cast<uint32_t>(x ^ y); });
    actor = &f.addImage("actor", 600, 120, 60, 120, [](int x, int) { return x % 7 ? 0xFFAA7744u : 0u; });
    f.screen.Initialize();
    for (int i = 0; i < 40; ++i) {
      auto* s = new TSimpleAnimSprite(sprites);  // owned by the engine
      s->SetImage(actor);
      s->SetX(static_cast<float>(i * 15));
      s->SetY(static_cast<float>(200 + i % 5));
      s->SetZ(i % 3);
      s->AnimCount = 10;
      s->AnimSpeed = 0.25f;
      s->AnimLooped = s->AnimActive = true;
    }
  }
  void draw() {
    f.screen.Clear(0, 0, 0, 0);
    f.screen.BeginScene();
    for (int i = 0; i < 60; ++i) room->Draw((i % 4) * 200 - 100, (i / 4 % 3) * 200, i % 8);
    sprites.Move(1.0f);
    sprites.Collision();
    sprites.Draw();
    f.screen.EndScene();
  }
  test::ScreenFixture f;
  TNkSprite sprites{f.messages};
  TImageListItem* room;
  TImageListItem* actor;
};

void BM_PlayFrameEngine(benchmark::State& state) {
  PlayFrame frame(std::make_unique<RecordingDevice>());
  auto& recording = frame.f.device();
  for (auto _ : state) {
    recording.draws.clear();
    recording.calls.clear();
    frame.draw();
  }
}
BENCHMARK(BM_PlayFrameEngine)->Unit(benchmark::kMicrosecond);

void BM_PlayFrameSoftware(benchmark::State& state) {
  PlayFrame frame(std::make_unique<SoftwareDevice>(800, 600));
  for (auto _ : state) frame.draw();
}
BENCHMARK(BM_PlayFrameSoftware)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nk
