#include <gtest/gtest.h>

#include "engine/nk_fader.h"
#include "screen_fixture.h"

namespace nk {
namespace {

using Rgba = TNkFader::Rgba;

TEST(Fader, DrawsAnUntexturedFullScreenQuadInTheCurrentColour) {
  test::ScreenFixture f;
  f.start();
  TNkFader fader;
  fader.NkScreen = &f.screen;
  fader.FadeToColor(0, 0, 0, 50);
  // Each draw shows the colour of the previous step: clear, clear, half way.
  for (int i = 0; i < 3; ++i) fader.Draw();
  ASSERT_EQ(f.device().draws.size(), 3u);
  EXPECT_EQ(f.device().draws[0].texture, 0u);
  EXPECT_EQ(f.device().draws[0].quad[2].x, 800);
  EXPECT_EQ(f.device().draws[0].quad[2].y, 600);
  EXPECT_EQ(f.device().draws[1].quad[0].color, 0u);
  EXPECT_EQ(f.device().draws[2].quad[0].color >> 24, 127u);  // 128, times the screen's 255 / 256
}

TEST(Fader, SpeedZeroNeverMovesAndSpeedIsClamped) {
  TNkFader fader;
  fader.SetFadeSpeed(0);
  for (int i = 0; i < 10; ++i) fader.Draw();
  EXPECT_EQ(fader.Progress(), 0);
  fader.SetFadeSpeed(150);
  EXPECT_EQ(fader.FadeSpeed(), 100);
  fader.Draw();
  EXPECT_TRUE(fader.Finished());
  fader.SetFadeSpeed(-3);
  EXPECT_EQ(fader.FadeSpeed(), 0);
}

TEST(Fader, FadeToColourTakesHundredOverSpeedFrames) {
  TNkFader fader;
  fader.FadeToColor(0, 0, 0, 2);
  for (int i = 0; i < 49; ++i) fader.Draw();
  EXPECT_FALSE(fader.Finished());
  fader.Draw();
  EXPECT_TRUE(fader.Finished());
  fader.Draw();  // once finished it shows the end colour
  EXPECT_EQ(fader.CurrentColor(), (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(fader.Progress(), 100);
}

TEST(Fader, MirrorRunsBackOnceAndLoopSwingsForever) {
  TNkFader mirror;
  mirror.MirrorFade = true;
  mirror.SetStartColor(0, 0, 0, 0);
  mirror.SetEndColor(0, 0, 0, 200);
  mirror.SetFadeSpeed(10);
  for (int i = 0; i < 10; ++i) mirror.Draw();
  EXPECT_FALSE(mirror.Finished());
  EXPECT_EQ(mirror.MirrorCount(), 1);
  for (int i = 0; i < 10; ++i) mirror.Draw();
  EXPECT_TRUE(mirror.Finished());
  mirror.Draw();
  EXPECT_EQ(mirror.CurrentColor(), (Rgba{0, 0, 0, 0}));

  TNkFader swing;
  swing.MirrorFade = swing.LoopFade = true;
  swing.SetEndColor(0, 0, 0, 255);
  swing.SetFadeSpeed(25);
  for (int i = 0; i < 100; ++i) {
    swing.Draw();
    ASSERT_FALSE(swing.Finished());
  }
  EXPECT_EQ(swing.MirrorCount(), 25);
}

TEST(Fader, LoopWithoutMirrorRestartsTheSameFade) {
  TNkFader loop;
  loop.LoopFade = true;
  loop.SetFadeSpeed(50);
  loop.Draw();
  loop.Draw();
  EXPECT_EQ(loop.Progress(), 0);
  EXPECT_FALSE(loop.Finished());
  loop.Draw();
  EXPECT_EQ(loop.CurrentColor(), (Rgba{0, 0, 0, 0}));
}

}  // namespace
}  // namespace nk
