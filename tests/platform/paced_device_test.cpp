#include "platform/paced_device.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "device_twins.h"
#include "platform/software_device.h"

namespace nk {
namespace {

constexpr int64_t kTick = VirtualClock::kFrequency / 120;

// A paced window device over a software display, and a device that shows every frame, driven
// by the same calls at 120 ticks a second.
struct Window : DeviceTwins {
  VirtualClock clock;
  PacedDevice paced{std::make_unique<SoftwareDevice>(16, 16), clock, 60};

  Window() : DeviceTwins(paced) {
    clock.set(1'000'000'000);
    each([&](RenderDevice& d) { texture = d.createTexture(2, 2); });
    paint(0xFF20A040);
  }
  // One tick's frame.
  void frame(float x, uint32_t color = 0xFFFFFFFF, bool cleared = true) {
    clock.advance(kTick);
    quadFrame(0xFF000010, x, color, cleared);
  }
};

struct Case {
  std::string name;
  std::function<void(Window&)> steps;
};

std::string caseName(const testing::TestParamInfo<Case>& param) { return param.param.name; }

class PacedDeviceTest : public testing::TestWithParam<Case> {};

// Whatever was skipped, one refresh after the game stops changing its picture the screen shows
// the game's last frame.
TEST_P(PacedDeviceTest, TheScreenCatchesUpWithTheLastFrame) {
  Window w;
  GetParam().steps(w);
  w.frame(3);
  w.frame(3);
  w.frame(3);
  EXPECT_EQ(w.paced.readFrame(), w.eager.readFrame());
}

INSTANTIATE_TEST_SUITE_P(Frames, PacedDeviceTest,
                         testing::Values(Case{"MovingEveryTick",
                                              [](Window& w) {
                                                for (int i = 0; i < 9; ++i) w.frame(static_cast<float>(i));
                                              }},
                                         Case{"SameCommandsNewTexels",
                                              [](Window& w) {
                                                w.frame(3);
                                                w.frame(3);
                                                w.paint(0xFFFF0000);
                                              }},
                                         Case{"TexelsChangedWhileTheFrameUsesThem",
                                              [](Window& w) {
                                                w.clock.advance(kTick);
                                                w.each([&](RenderDevice& d) {
                                                  d.clear(0xFF000010);
                                                  d.bindTexture(w.texture);
                                                  d.drawFan(quadAt(1, 1, 4, 0xFFFFFFFF));
                                                });
                                                w.paint(0xFF0000FF);
                                                w.each([&](RenderDevice& d) {
                                                  d.drawFan(quadAt(8, 8, 4, 0xFFFFFFFF));
                                                  d.present();
                                                });
                                              }},
                                         Case{"AFrameWithoutAClear",
                                              [](Window& w) {
                                                w.frame(1);
                                                w.clock.advance(2 * kTick);
                                                w.frame(9, 0xFF808080, false);
                                              }},
                                         Case{"ADeviceReset",
                                              [](Window& w) {
                                                w.frame(3);
                                                w.each([](RenderDevice& d) { d.reset(); });
                                              }},
                                         Case{"ATextureGone",
                                              [](Window& w) {
                                                w.frame(3);
                                                w.each([&](RenderDevice& d) { d.destroyTexture(w.texture); });
                                                w.each([&](RenderDevice& d) {
                                                  w.texture = d.createTexture(2, 2);
                                                });
                                                w.paint(0xFF00FFFF);
                                              }}),
                         caseName);

TEST(PacedDevice, AStillPictureIsNotShownAgain) {
  Window w;
  for (int i = 0; i < 4; ++i) w.frame(3);  // the first frames start from other device state
  const uint64_t shown = w.paced.presentedFrames();
  for (int i = 0; i < 120; ++i) w.frame(3);
  EXPECT_EQ(w.paced.presentedFrames(), shown);
  EXPECT_EQ(w.eager.presentedFrames(), 124u);
}

// The game's 120 frames a second, each different, against displays of several refresh rates;
// the frame timer fires a little late or early now and then.
TEST(PacedDevice, ShowsAtMostOneFrameARefresh) {
  const struct {
    int refreshHz;
    uint64_t shown;
  } cases[] = {{60, 60}, {75, 60}, {50, 40}, {144, 120}, {0, 60}};
  for (const auto& c : cases) {
    Window w;
    w.paced.setRefreshRate(c.refreshHz);
    for (int i = 0; i < 120; ++i) {
      w.clock.advance(i % 3 == 0 ? 40 : -20);  // +-4 us of jitter
      w.frame(static_cast<float>(i % 10));
    }
    EXPECT_EQ(w.paced.presentedFrames(), c.shown) << c.refreshHz << " Hz";
  }
}

}  // namespace
}  // namespace nk
