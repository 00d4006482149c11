#include <gtest/gtest.h>

#include <cmath>

#include "codec/cp1251.h"
#include "engine/color.h"
#include "engine/font_fixture.h"
#include "engine/mul_div.h"

namespace nk {
namespace {

struct TextFont : test::FontFixture {
  TextFont() {
    start();
    text.SetFont("verdana", 10, FontStyle{});
  }
};

TEST(TextFont, SetFontResetsTheColourToOpaqueWhite) {
  TextFont f;
  f.text.SetColor(0x80102030);
  EXPECT_EQ(f.text.Red, 0x10);
  EXPECT_EQ(f.text.Green, 0x20);
  EXPECT_EQ(f.text.Blue, 0x30);
  EXPECT_EQ(f.text.Alpha, 0x80);
  EXPECT_TRUE(f.text.SetFont("DS Zombie Cyr", 26, FontStyle{}));
  EXPECT_EQ(f.text.Color(), 0xFFFFFFFFu);
  EXPECT_EQ(f.text.Red, 255);
}

TEST(TextFont, MeasuresLinesWithTheFacesMetrics) {
  TextFont f;
  const auto face = FontRasterizer::open("verdana", PointsToPixels(10), FontStyle{});
  const int line = face->height();
  const int ab = face->advance(U'A') + face->advance(U'b');
  const struct {
    std::string text;
    int width, height;
  } cases[] = {{"", 0, line}, {"Ab", ab, line}, {"Ab\r\nA", ab, 2 * line}, {"A\nAb\rA", ab, 3 * line}};
  for (const auto& c : cases) {
    EXPECT_EQ(f.text.TextWidth(c.text), c.width) << c.text;
    EXPECT_EQ(f.text.TextHeight(c.text), c.height) << c.text;
  }
  EXPECT_EQ(f.text.TextWidth(utf8ToCp1251("Жук")),
            face->advance(U'Ж') + face->advance(U'у') + face->advance(U'к'));
}

TEST(TextFont, NothingIsDrawnWithoutAFontOrADevice) {
  test::FontFixture f;
  f.text.TextOut(0, 0, "before SetFont");
  EXPECT_EQ(f.text.TextWidth("x"), 0);
  f.text.SetFont("verdana", 10, FontStyle{});
  EXPECT_GT(f.text.TextWidth("x"), 0);  // measuring needs no device
  f.text.TextOut(0, 0, "no device yet");
  f.start();
  EXPECT_TRUE(f.device().draws.empty());
  f.text.TextOut(0, 0, "x");
  EXPECT_EQ(f.device().draws.size(), 1u);
}

TEST(TextFont, GlyphsLandTexelForPixelFromTheTopLeftAndFollowLineBreaks) {
  TextFont f;
  f.text.TextOutColor(-5, 20, 10, 20, 30, 255, "T\nT");
  ASSERT_EQ(f.device().draws.size(), 2u);
  const auto& first = f.device().draws[0].quad;
  const auto& second = f.device().draws[1].quad;
  // Not clipped at the screen's left edge; whole pixels with the half-pixel edges of a picture.
  EXPECT_LT(first[0].x, 0);
  EXPECT_FLOAT_EQ(first[0].y, 19.5f);
  EXPECT_FLOAT_EQ(first[0].x - std::floor(first[0].x), 0.5f);
  EXPECT_FLOAT_EQ(second[0].x, first[0].x);
  EXPECT_FLOAT_EQ(second[0].y - first[0].y, static_cast<float>(f.text.TextHeight("T")));
  // The colour, through the screen's colour modulation (255 x 255 >> 8 = 254).
  EXPECT_EQ(first[0].color, MakeColor(9, 19, 29, 254));
}

TEST(TextFont, DrawingLeavesTheScreensBlendModeAlone) {
  TextFont f;
  f.screen.SetBlendMode(1);
  f.text.TextOut(0, 0, "A");
  EXPECT_EQ(f.device().draws.back().dst, BlendFactor::InvSrcAlpha);
  EXPECT_EQ(f.screen.BlendMode(), 1);
  EXPECT_EQ(f.device().dst, BlendFactor::One);
}

TEST(TextFont, AFaceSizeAndStyleIsRasterisedOnceAndSurvivesResets) {
  TextFont f;
  f.bitmap.SetNkImageList(&f.list);  // so that the reset does not rebuild the bitmap font
  f.text.SetFont("DS Zombie Cyr", 26, FontStyle{});
  const uint64_t before = FontRasterizer::rasterizedGlyphs();
  f.text.SetFont("verdana", 10, FontStyle{});
  f.text.SetFont("DS Zombie Cyr", 26, FontStyle{});
  ASSERT_TRUE(f.screen.ResetDevice());
  f.text.TextOut(0, 0, "1234");
  EXPECT_EQ(FontRasterizer::rasterizedGlyphs(), before);
  EXPECT_EQ(f.device().draws.size(), 4u);
}

}  // namespace
}  // namespace nk
