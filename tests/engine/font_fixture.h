#pragma once
#include <memory>

#include "engine/nk_bitmap_font.h"
#include "engine/nk_font.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "engine/screen_fixture.h"
#include "support/recording_messages.h"
#include "support/test_host.h"

namespace nk::test {

// A screen with a bitmap font and a text font joined to it. The screen comes last: it tells the
// fonts about the device when it goes, so it must go first.
struct FontFixture {
  explicit FontFixture(std::unique_ptr<RenderDevice> device = std::make_unique<RecordingDevice>())
      : host(std::move(device)) {
    list.SetNkScreen(screen);
    text.SetNkScreen(screen);
    bitmap.SetNkScreen(screen);
  }

  // Makes the device and opens a frame.
  void start() {
    screen.Initialize();
    screen.BeginScene();
  }
  RecordingDevice& device() { return host.recording(); }

  TestHost host;
  RecordingMessages messages;
  TNkImageList list{messages};
  TNkFont text;
  TNkBitmapFont bitmap;
  TNkScreen screen{host};
};

}  // namespace nk::test
