#pragma once
#include <memory>
#include <vector>

#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "engine/png_writer.h"
#include "support/recording_messages.h"
#include "support/test_host.h"

namespace nk::test {

// Adds to list a picture of w x h filled by pixel(x, y), cut into tiles of tw x th.
template <typename PixelFn>
TImageListItem& addTestImage(TNkImageList& list, const char* name, int w, int h, int tw, int th,
                             PixelFn pixel) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) pixels.push_back(pixel(x, y));
  }
  TImageListItem& item = list.ImageList().Add();
  item.Name = name;
  item.AssignPicture(*decodeGraphic(GraphicKind::Png, *encodePng(w, h, pixels)));
  item.SetTileWidth(tw);
  item.SetTileHeight(th);
  return item;
}

// A screen on a recording device with one image list joined to it.
struct ScreenFixture {
  explicit ScreenFixture(std::unique_ptr<RenderDevice> device = std::make_unique<RecordingDevice>())
      : host(std::move(device)) {
    list.SetNkScreen(screen);
  }

  template <typename PixelFn>
  TImageListItem& addImage(const char* name, int w, int h, int tw, int th, PixelFn pixel) {
    return addTestImage(list, name, w, h, tw, th, pixel);
  }
  TImageListItem& addImage(const char* name, int w, int h, int tw, int th) {
    return addImage(name, w, h, tw, th, [](int, int) { return 0xFFFFFFFFu; });
  }

  // Makes the device and the textures, and opens a frame.
  void start() {
    screen.Initialize();
    screen.BeginScene();
  }
  RecordingDevice& device() { return host.recording(); }
  const QuadVertices& lastQuad() { return device().draws.back().quad; }

  TestHost host;
  RecordingMessages messages;
  TNkImageList list{messages};
  TNkScreen screen{host};
};

}  // namespace nk::test
