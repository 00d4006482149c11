#include "platform/deferred_device.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "device_twins.h"

namespace nk {
namespace {

// Drives a deferred device and a device that draws everything at once with the same calls, and
// compares what each shows whenever a frame is read back.
struct Twins : DeviceTwins {
  DeferredDevice lazy{16, 16};

  Twins() : DeviceTwins(lazy) {}
  void frame(uint32_t background, float x, uint32_t color, bool cleared = true) {
    quadFrame(background, x, color, cleared);
  }
};

struct Case {
  std::string name;
  std::function<void(Twins&)> steps;
};

std::string caseName(const testing::TestParamInfo<Case>& param) { return param.param.name; }

class DeferredDeviceTest : public testing::TestWithParam<Case> {};

TEST_P(DeferredDeviceTest, ShowsWhatADeviceDrawingEveryFrameShows) {
  Twins t;
  t.each([&](RenderDevice& d) { t.texture = d.createTexture(2, 2); });
  t.paint(0xFF20A040);
  GetParam().steps(t);
  EXPECT_EQ(t.lazy.readFrame(), t.eager.readFrame());
  EXPECT_EQ(t.lazy.presentedFrames(), t.eager.presentedFrames());
  t.frame(0xFF000010, 1, 0xFFFFFFFF);
  EXPECT_EQ(t.lazy.readFrame(), t.eager.readFrame());
}

INSTANTIATE_TEST_SUITE_P(
    Frames, DeferredDeviceTest,
    testing::Values(Case{"NothingPresented", [](Twins&) {}},
                    Case{"ManyFrames",
                         [](Twins& tw) {
                           for (int i = 0; i < 10; ++i)
                             tw.frame(0xFF000000 + i, static_cast<float>(i), 0xFFFFFFFF);
                         }},
                    // Without a clear, a frame draws over the buffer presented two frames before.
                    Case{"FramesWithoutAClear",
                         [](Twins& tw) {
                           tw.frame(0xFF102030, 1, 0xFFFFFFFF);
                           tw.frame(0xFF302010, 5, 0x80FFFFFF);
                           tw.frame(0, 8, 0xFF808080, false);
                           tw.frame(0, 3, 0x40FFFFFF, false);
                         }},
                    Case{"APresentWithNothingDrawn",
                         [](Twins& tw) {
                           tw.frame(0xFF102030, 1, 0xFFFFFFFF);
                           tw.each([](RenderDevice& d) { d.present(); });
                         }},
                    // The frames already presented keep the texels they were drawn with.
                    Case{"ATextureRepaintedAfterItWasDrawn",
                         [](Twins& tw) {
                           tw.frame(0xFF102030, 1, 0xFFFFFFFF);
                           tw.paint(0xFFFF0000);
                         }},
                    Case{"ATextureRepaintedInTheMiddleOfAFrame",
                         [](Twins& tw) {
                           tw.each([&](RenderDevice& d) {
                             d.clear(0xFF000000);
                             d.setBlend(BlendFactor::One, BlendFactor::One);
                             d.bindTexture(tw.texture);
                             d.drawFan(quadAt(0, 0, 8, 0xFFFFFFFF));
                           });
                           tw.paint(0xFF0000FF);
                           tw.each([](RenderDevice& d) {
                             d.drawFan(quadAt(4, 4, 8, 0xFFFFFFFF));
                             d.present();
                           });
                         }},
                    Case{"ATextureDestroyedAfterItWasDrawn",
                         [](Twins& tw) {
                           tw.frame(0xFF102030, 1, 0xFFFFFFFF);
                           tw.each([&](RenderDevice& d) { d.destroyTexture(tw.texture); });
                           tw.frame(0xFF000000, 4, 0xFFFFFFFF);
                         }}),
    caseName);

}  // namespace
}  // namespace nk
