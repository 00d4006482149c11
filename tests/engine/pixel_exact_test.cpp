#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/software_device.h"
#include "screen_fixture.h"

namespace nk {
namespace {

// A one-pixel checkerboard shows any half-pixel slip of the texture mapping at once.
TEST(PixelExact, AnUnscaledPictureLandsTexelForPixel) {
  test::ScreenFixture f(std::make_unique<SoftwareDevice>(800, 600));
  auto checker = [](int x, int y) {
    return ((x + y) % 2 == 0) ? 0xFFFFFFFFu : 0xFF000000u | static_cast<uint32_t>(x * 8 + y);
  };
  TImageListItem& board = f.addImage("board", 13, 7, 13, 7, checker);
  f.start();
  f.screen.Clear(0, 0, 255, 255);
  board.Draw(101, 57, 0);
  f.screen.EndScene();
  const std::vector<uint32_t> frame = f.host.device().readFrame();
  if (const char* out = std::getenv("NK_SCREENSHOT_DIR"))
    writePng(std::string(out) + "/checkerboard.png", 800, 600, frame);
  // The screen's colour makes opaque white 254/255 and blends it, so compare which texel landed
  // where: white ones stay bright, dark ones carry their coordinates in blue.
  for (int y = 50; y < 70; ++y) {
    for (int x = 95; x < 120; ++x) {
      const uint32_t p = frame[static_cast<size_t>(y) * 800 + static_cast<size_t>(x)];
      const int tx = x - 101, ty = y - 57;
      if (tx < 0 || tx >= 13 || ty < 0 || ty >= 7) {
        ASSERT_EQ(p, 0xFF0000FFu) << x << "," << y;
      } else if ((tx + ty) % 2 == 0) {
        ASSERT_GT((p >> 16) & 0xFF, 250u) << x << "," << y;
      } else {
        ASSERT_EQ((p >> 16) & 0xFF, 0u) << x << "," << y;
        ASSERT_NEAR(static_cast<int>(p & 0xFF), tx * 8 + ty, 1) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace nk
