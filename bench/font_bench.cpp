// The play screen's side numbers: lives, money, level and time drawn with the first text font
// every frame. The face is rasterised when the level sets the font; frames only draw.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/font_fixture.h"
#include "platform/software_device.h"

namespace nk {
namespace {

void drawHudNumbers(TNkFont& font, int frame) {
  font.Red = 255, font.Green = 220, font.Blue = 60;
  font.TextOut(700, 40, std::to_string(3));
  font.TextOut(700, 100, std::to_string(12500 + frame % 50 * 10));
  font.TextOut(700, 160, std::to_string(2));
  font.TextOut(700, 220, std::to_string(4 - frame / 7200) + ":" + std::to_string(59 - frame / 120 % 60));
}

void hudFrames(benchmark::State& state, std::unique_ptr<RenderDevice> device) {
  test::FontFixture f(std::move(device));
  f.bitmap.SetNkImageList(&f.list);  // keeps the bitmap font's fallback out of the count
  f.start();
  const uint64_t beforeSetFont = FontRasterizer::rasterizedGlyphs();
  f.text.SetFont("DS Zombie Cyr", 26, FontStyle{});
  drawHudNumbers(f.text, 0);
  const uint64_t afterFirstFrame = FontRasterizer::rasterizedGlyphs();
  for (auto _ : state) {
    for (int frame = 1; frame <= 1000; ++frame) {
      f.screen.Clear(0, 0, 0, 0);
      f.screen.BeginScene();
      drawHudNumbers(f.text, frame);
      f.screen.EndScene();
    }
    if (auto* recording = dynamic_cast<RecordingDevice*>(&f.host.device())) recording->forget();
  }
  state.counters["glyphs_rasterised_first_frame"] = static_cast<double>(afterFirstFrame - beforeSetFont);
  state.counters["glyphs_rasterised_after"] =
      static_cast<double>(FontRasterizer::rasterizedGlyphs() - afterFirstFrame);
}

void BM_HudNumbers1000FramesEngine(benchmark::State& state) {
  hudFrames(state, std::make_unique<RecordingDevice>());
}
BENCHMARK(BM_HudNumbers1000FramesEngine)->Unit(benchmark::kMillisecond);

void BM_HudNumbers1000FramesSoftware(benchmark::State& state) {
  hudFrames(state, std::make_unique<SoftwareDevice>(800, 600));
}
BENCHMARK(BM_HudNumbers1000FramesSoftware)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nk
