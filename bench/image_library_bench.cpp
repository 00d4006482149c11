// Start-up cost of the picture library: read a library file of 100 pictures (about 20 MB) and
// make every texture. Target: under 300 ms.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/nk_image_list.h"
#include "engine/oil_writer.h"
#include "engine/png_writer.h"
#include "platform/recording_device.h"
#include "support/bmp_file.h"

namespace nk {
namespace {

class QuietMessages final : public MessageSink {
 public:
  void showMessage(const std::string&) override { ++count; }
  void messageBox(const std::string&, const std::string&) override { ++count; }
  void terminate() override { ++count; }
  int count = 0;
};

// Half PNG, half 24-bit BMP, as noisy as photographs so compression does not shrink the work.
std::string makeLibrary() {
  std::mt19937 random(4);
  QuietMessages messages;
  TImageListCollection collection(messages);
  for (int i = 0; i < 100; ++i) {
    const bool png = i % 2 == 0;
    const int width = png ? 240 : 256, height = png ? 232 : 264;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (uint32_t& p : pixels) p = random() | 0xFF000000u;
    std::string file = png ? *encodePng(width, height, pixels) : test::makeBmp(width, height, 24, pixels);
    TImageListItem& item = collection.Add();
    item.Name = "picture" + std::to_string(i);
    item.AssignPicture(*decodeGraphic(png ? GraphicKind::Png : GraphicKind::Bitmap, std::move(file)));
    item.SetTileWidth(width / 4);
    item.Transparent = i % 3 == 0;
    item.TransparentColor = 0xFF00FF;
  }
  return writeImageLibrary(collection);
}

void BM_LoadLibraryAndMakeTextures(benchmark::State& state) {
  const std::string library = makeLibrary();
  QuietMessages messages;
  for (auto _ : state) {
    RecordingDevice device;
    TNkImageList list(messages);
    list.ImageList().LoadFromStream(library);
    list.InitDevice(&device);
    benchmark::DoNotOptimize(device.liveTextures);
  }
  if (messages.count != 0) state.SkipWithError("the library did not load cleanly");
  state.counters["file_MB"] = static_cast<double>(library.size()) / 1e6;
}
BENCHMARK(BM_LoadLibraryAndMakeTextures)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nk
