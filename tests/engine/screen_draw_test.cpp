#include <gtest/gtest.h>

#include "engine/color.h"
#include "screen_fixture.h"

namespace nk {
namespace {

using test::ScreenFixture;

void expectCorners(const QuadVertices& q, std::array<std::array<float, 2>, 4> xy) {
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(q[k].x, xy[k][0], 1e-4) << "vertex " << k;
    EXPECT_NEAR(q[k].y, xy[k][1], 1e-4) << "vertex " << k;
  }
}

void expectTexCoords(const QuadVertices& q, std::array<std::array<float, 2>, 4> uv) {
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_FLOAT_EQ(q[k].u, uv[k][0]) << "vertex " << k;
    EXPECT_FLOAT_EQ(q[k].v, uv[k][1]) << "vertex " << k;
  }
}

TEST(ScreenDraw, AnUnscaledTileCoversHalfAPixelLeftAndAboveToItsFarEdges) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 32, 32, 32, 32);
  f.start();
  tile.Draw(10, 20, 0);
  expectCorners(f.lastQuad(), {{{9.5f, 19.5f}, {42, 19.5f}, {42, 52}, {9.5f, 52}}});
  expectTexCoords(f.lastQuad(), {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}});
  EXPECT_EQ(f.device().draws.back().texture, tile.Texture());
}

TEST(ScreenDraw, PatternIndexPicksItsTileAndStopsAtTheLast) {
  ScreenFixture f;
  TImageListItem& sheet = f.addImage("sheet", 40, 20, 10, 10);  // 4 columns, 2 rows
  f.start();
  const struct {
    int index;
    float left, top;
  } cases[] = {{0, 0, 0}, {3, 30, 0}, {5, 10, 10}, {7, 30, 10}, {8, 30, 10}, {1000, 30, 10}};
  for (const auto& c : cases) {
    sheet.Draw(0, 0, c.index);
    const float l = c.left / 40, t = c.top / 20, r = (c.left + 10) / 40, b = (c.top + 10) / 20;
    expectTexCoords(f.lastQuad(), {{{l, t}, {r, t}, {r, b}, {l, b}}});
  }
}

TEST(ScreenDraw, WholePictureIsSqueezedIntoOneTileButPivotsOnThePictureSize) {
  ScreenFixture f;
  TImageListItem& sheet = f.addImage("sheet", 40, 20, 10, 10);
  f.start();
  sheet.Draw(0, 0, -1);
  expectCorners(f.lastQuad(), {{{-0.5f, -0.5f}, {10, -0.5f}, {10, 10}, {-0.5f, 10}}});
  expectTexCoords(f.lastQuad(), {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}});
  // Scaled by 2 about its middle: the pivot is the middle of the 40 x 20 picture, (20, 10).
  sheet.DrawColor(0, 0, 0, 0.5f, 0.5f, 2, 2, 0xFFFFFFFF, false, false, -1, 0);
  expectCorners(f.lastQuad(), {{{-21, -11}, {0, -11}, {0, 10}, {-21, 10}}});
}

TEST(ScreenDraw, ScaleZeroCountsAsOneAndMinusOneMirrorsAboutThePivot) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 10, 10, 10, 10);
  f.start();
  tile.DrawColor(100, 100, 0, 0, 0, 0, 0, 0xFFFFFFFF, false, false, 0, 0);
  expectCorners(f.lastQuad(), {{{99.5f, 99.5f}, {110, 99.5f}, {110, 110}, {99.5f, 110}}});
  tile.DrawColor(100, 100, 0, 0, 0, -1, 1, 0xFFFFFFFF, false, false, 0, 0);
  expectCorners(f.lastQuad(), {{{100.5f, 99.5f}, {90, 99.5f}, {90, 110}, {100.5f, 110}}});
}

TEST(ScreenDraw, NinetyDegreesTurnsClockwiseAboutTheMiddle) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 10, 10, 10, 10);
  f.start();
  tile.DrawColor(0, 0, 90, 0.5f, 0.5f, 1, 1, 0xFFFFFFFF, false, false, 0, 0);
  // The top-left corner ends at the top right, and so on round.
  expectCorners(f.lastQuad(), {{{10.5f, -0.5f}, {10.5f, 10}, {0, 10}, {0, -0.5f}}});
}

TEST(ScreenDraw, FlipsSwapTextureCornersInsideTheSameQuad) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 10, 10, 10, 10);
  f.start();
  const struct {
    bool flipV, flipH;
    std::array<std::array<float, 2>, 4> uv;
  } cases[] = {
      {false, false, {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}}},
      {false, true, {{{1, 0}, {0, 0}, {0, 1}, {1, 1}}}},
      {true, false, {{{0, 1}, {1, 1}, {1, 0}, {0, 0}}}},
      {true, true, {{{1, 1}, {0, 1}, {0, 0}, {1, 0}}}},  // half a turn
  };
  for (const auto& c : cases) {
    tile.DrawColor(5, 5, 0, 0, 0, 1, 1, 0xFFFFFFFF, c.flipV, c.flipH, 0, 0);
    expectCorners(f.lastQuad(), {{{4.5f, 4.5f}, {15, 4.5f}, {15, 15}, {4.5f, 15}}});
    expectTexCoords(f.lastQuad(), c.uv);
  }
}

TEST(ScreenDraw, BlendFactorsChangeOnlyWithTheModeAndAdditiveIsNotAMode) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 4, 4, 4, 4);
  f.start();
  const int initial = f.device().blendChanges;
  f.screen.SetBlendMode(-1);
  f.screen.SetBlendMode(0);
  EXPECT_EQ(f.device().blendChanges, initial);
  f.screen.SetBlendMode(5);
  EXPECT_EQ(f.device().src, BlendFactor::Zero);
  EXPECT_EQ(f.device().dst, BlendFactor::SrcColor);
  f.screen.SetBlendMode(5);
  EXPECT_EQ(f.device().blendChanges, initial + 1);
  f.screen.SetBlendMode(42);  // unknown modes blend normally
  EXPECT_EQ(f.device().src, BlendFactor::SrcAlpha);
  EXPECT_EQ(f.device().dst, BlendFactor::InvSrcAlpha);

  f.screen.SetBlendMode(0);
  tile.DrawEx(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, true, 0, 0);
  EXPECT_EQ(f.device().draws.back().dst, BlendFactor::One);
  tile.Draw(0, 0, 0);  // the same mode: the additive factor stays
  EXPECT_EQ(f.device().draws.back().dst, BlendFactor::One);
  EXPECT_EQ(f.screen.BlendMode(), 0);
}

TEST(ScreenDraw, ScreenWideColourAndTransformApplyToEveryVertex) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 10, 10, 10, 10);
  f.start();
  tile.Draw(0, 0, 0);
  EXPECT_EQ(f.lastQuad()[0].color, 0xFEFEFEFEu);  // 255 x 255 >> 8
  f.screen.SetRed(128);
  f.screen.SetAlpha(0);
  tile.DrawColor(0, 0, 0, 0, 0, 1, 1, MakeColor(200, 100, 50, 255), false, false, 0, 0);
  EXPECT_EQ(f.lastQuad()[0].color, MakeColor(100, 99, 49, 0));

  f.screen.CenterX = 400, f.screen.CenterY = 300;
  f.screen.ScaleX = 2, f.screen.ScaleY = 2;
  f.screen.OffsetX = 5, f.screen.OffsetY = -5;
  tile.Draw(400, 300, 0);
  expectCorners(f.lastQuad(), {{{404, 294}, {425, 294}, {425, 315}, {404, 315}}});
}

TEST(ScreenDraw, DisplaySettingsAcceptOnlyWhatTheDeviceKnows) {
  ScreenFixture f;
  f.screen.SetFrequency(65);
  EXPECT_EQ(f.screen.Frequency(), 0u);
  f.screen.SetFrequency(85);
  EXPECT_EQ(f.screen.Frequency(), 85u);
  f.screen.Setbpp(24);
  EXPECT_EQ(f.screen.bpp(), 16);
  f.screen.Setbpp(32);
  EXPECT_EQ(f.screen.bpp(), 32);
  int w = 0, h = 0;
  f.screen.Width = 700, f.screen.Height = 500;
  f.screen.BackBufferSize(w, h);
  EXPECT_EQ(w * 10000 + h, 700 * 10000 + 500);  // a window may have any size
  f.screen.FullScreen = true;
  f.screen.BackBufferSize(w, h);
  EXPECT_EQ(w * 10000 + h, 800 * 10000 + 600);
  f.screen.Width = 1024, f.screen.Height = 768;
  f.screen.BackBufferSize(w, h);
  EXPECT_EQ(w * 10000 + h, 1024 * 10000 + 768);
}

TEST(ScreenFrames, LostDeviceSkipsFramesAndAResetBringsEverythingBack) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 4, 4, 4, 4);
  int inits = 0, uninits = 0;
  f.screen.OnInit = [&] { ++inits; };
  f.screen.OnUnInit = [&] { ++uninits; };
  f.screen.Initialize();
  EXPECT_EQ(inits, 1);
  const TextureId texture = tile.Texture();
  ASSERT_NE(texture, 0u);

  f.device().statusToReport = DeviceStatus::Lost;
  f.screen.BeginScene();
  EXPECT_FALSE(f.screen.InScene());
  tile.Draw(0, 0, 0);
  f.screen.EndScene();
  EXPECT_TRUE(f.device().draws.empty());
  EXPECT_EQ(f.device().presented, 0u);

  f.device().statusToReport = DeviceStatus::NeedsReset;
  f.device().resetSucceeds = false;
  f.screen.BeginScene();  // not yet: nothing is lost, the next frame tries again
  EXPECT_FALSE(f.screen.InScene());
  f.device().resetSucceeds = true;
  f.screen.BeginScene();  // reset: this frame is skipped too
  EXPECT_FALSE(f.screen.InScene());
  EXPECT_EQ(inits, 2);
  EXPECT_EQ(uninits, 2);
  EXPECT_EQ(tile.Texture(), texture);  // kept over the reset

  f.screen.BeginScene();
  tile.Draw(0, 0, 0);
  f.screen.EndScene();
  EXPECT_EQ(f.device().draws.size(), 1u);
  EXPECT_EQ(f.device().presented, 1u);
}

TEST(ScreenFrames, FullScreenToggleGoesThroughTheHostAndKeepsTextures) {
  ScreenFixture f;
  TImageListItem& tile = f.addImage("tile", 4, 4, 4, 4);
  f.screen.Initialize();
  const TextureId texture = tile.Texture();
  f.screen.ToggleFullScreen();
  f.screen.ToggleFullScreen();
  EXPECT_EQ(f.host.displayModes, (std::vector<bool>{true, false}));
  EXPECT_EQ(tile.Texture(), texture);
  f.screen.BeginScene();
  EXPECT_TRUE(f.screen.InScene());
}

}  // namespace
}  // namespace nk
