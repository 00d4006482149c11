#include <gtest/gtest.h>

#include <algorithm>

#include "codec/cp1251.h"
#include "engine/font_fixture.h"
#include "engine/mul_div.h"
#include "engine/nk_round.h"

namespace nk {
namespace {

const std::string kGameFace = "DS Zombie Cyr";

struct Quad {
  float left, top, right, bottom, u1, v1, u2, v2;
};
Quad quadOf(const RecordingDevice::Draw& d) {
  return {d.quad[0].x, d.quad[0].y, d.quad[2].x, d.quad[2].y,
          d.quad[0].u, d.quad[0].v, d.quad[2].u, d.quad[2].v};
}

struct BuiltFont : test::FontFixture {
  explicit BuiltFont(int pointSize = 24, std::string_view chars = TNkBitmapFont::DefaultCharacters()) {
    start();
    bitmap.BuildFromSystemFont(kGameFace, chars, 0, pointSize);
  }
  std::vector<Quad> draw(int x, int y, const std::string& s) {
    device().draws.clear();
    bitmap.TextOutColor(x, y, 0, 1, 1, 0xFFFFFFFF, s, 0);
    std::vector<Quad> quads;
    for (const auto& d : device().draws) quads.push_back(quadOf(d));
    return quads;
  }
};

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  const struct {
    int a, b, c, expected;
  } cases[] = {{24, 96, 72, 32},   {10, 96, 72, 13}, {20, 96, 72, 27}, {26, 96, 72, 35},
               {-10, 96, 72, -13}, {1, 3, 2, 2},     {-1, 3, 2, -2},   {5, 5, 0, -1}};
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(BitmapFont, TheGameSetIsPrintableAsciiWithCyrillicLetters) {
  const std::string& set = TNkBitmapFont::DefaultCharacters();
  ASSERT_EQ(set.size(), 109u);
  EXPECT_EQ(set.substr(0, 34), std::string(" !\"#$%&'()*+,-./0123456789:;<=>?@") + "\xDF");
  EXPECT_EQ(std::count_if(set.begin(), set.end(),
                          [](char c) {
                            const auto b = static_cast<unsigned char>(c);
                            return b >= 0xC0 || b == 0xA8 || b == 0xB8;
                          }),
            66);
  EXPECT_EQ(set.find_first_of("abcxyzABCXYZ"), std::string::npos);
  EXPECT_EQ(set.substr(105), "{|}~");
}

TEST(BitmapFont, AtlasSideFollowsThePointSize) {
  const struct {
    int flags, count, pointSize, side;
  } cases[] = {{0, 109, 20, 256},        {0, 109, 21, 512},
               {0, 109, 24, 512},        {0, 109, 40, 512},
               {0, 109, 41, 1024},       {bfFixedCells, 109, 24, 512},  // round(sqrt(109 * 2 * 25^2)) = 369
               {bfFixedCells, 2, 9, 32},                                // round(sqrt(2 * 2 * 100)) = 20
               {bfFixedCells, 1, 0, 1}};
  for (const auto& c : cases) EXPECT_EQ(AtlasSide(c.flags, c.count, c.pointSize), c.side) << c.pointSize;
  // Built from the face: digits fit the size rule's atlas at every size.
  for (int pointSize : {20, 24, 41}) {
    BuiltFont f(pointSize, "0123456789");
    EXPECT_EQ(f.bitmap.TextureSize(), AtlasSide(0, 10, pointSize)) << pointSize;
  }
}

TEST(BitmapFont, TheGameSetAt24PointsFillsA512Atlas) {
  BuiltFont f(24);
  EXPECT_EQ(f.bitmap.TextureSize(), 512);
  EXPECT_EQ(f.bitmap.FontName(), kGameFace);
}

// The stand-in face is too wide for 109 glyphs in 256 x 256 at 20 points: the atlas grows
// instead of leaving the last rows off its edge.
TEST(BitmapFont, AnOverflowingSetGetsALargerAtlasAndEveryGlyphStaysInside) {
  BuiltFont f(20);
  EXPECT_EQ(f.bitmap.TextureSize(), 512);
  const std::vector<Quad> quads = f.draw(0, 0, TNkBitmapFont::DefaultCharacters());
  ASSERT_EQ(quads.size(), 108u);  // every character but the space
  for (const Quad& q : quads) {
    EXPECT_LE(q.u2, 1.0f);
    EXPECT_LE(q.v2, 1.0f);
  }
}

TEST(BitmapFont, GlyphsAreLaidOutRowByRowWithTwoTexelGaps) {
  BuiltFont f(24, "0123456789");
  const std::vector<Quad> q = f.draw(100, 50, "01");
  ASSERT_EQ(q.size(), 2u);
  const int w0 = f.bitmap.TextWidth("0"), h = f.bitmap.TextHeight();
  const float s = 512;
  EXPECT_FLOAT_EQ(q[0].u1, 0);
  EXPECT_FLOAT_EQ(q[0].v1, 0);
  EXPECT_FLOAT_EQ(q[0].u2, (w0 + 1) / s);
  EXPECT_FLOAT_EQ(q[0].v2, (h + 1) / s);
  EXPECT_FLOAT_EQ(q[1].u1, (w0 + 2) / s);
  // The quad is the glyph's size, its right and bottom edges half a pixel out.
  EXPECT_FLOAT_EQ(q[0].left, 100);
  EXPECT_FLOAT_EQ(q[0].right, 100.0f + w0 + 0.5f);
  EXPECT_FLOAT_EQ(q[0].bottom, 50.0f + h + 0.5f);
  EXPECT_FLOAT_EQ(q[1].left, 100.0f + w0);
}

TEST(BitmapFont, ACarriageReturnStartsTheNextLineAtTheStartingX) {
  BuiltFont f;
  const std::vector<Quad> q = f.draw(30, 40, utf8ToCp1251("Я\rЖ"));
  ASSERT_EQ(q.size(), 2u);
  EXPECT_FLOAT_EQ(q[1].left, 30);
  EXPECT_FLOAT_EQ(q[1].top, 40.0f + f.bitmap.TextHeight() + f.bitmap.LineSpace);
}

TEST(BitmapFont, CentredTextRestartsLinesAtTheUncentredX) {
  BuiltFont f;
  f.bitmap.PositionMode = pmCenter;
  const auto face = FontRasterizer::open(kGameFace, 32, FontStyle{});
  const int cellWidth = face->advance(U'a'), cellHeight = f.bitmap.TextHeight();
  const std::vector<Quad> q = f.draw(400, 300, utf8ToCp1251("ЯЯЯ\rЖ"));
  ASSERT_EQ(q.size(), 4u);
  const float top = 300.0f - static_cast<float>(NkRound(cellHeight * 0.25));
  // Centred by the cell width over the whole length, the carriage return included.
  EXPECT_FLOAT_EQ(q[0].left, 400.0f - static_cast<float>(NkRound(5 * 0.5 * cellWidth)));
  EXPECT_FLOAT_EQ(q[0].top, top);
  EXPECT_FLOAT_EQ(q[3].left, 400);
  EXPECT_FLOAT_EQ(q[3].top, top + static_cast<float>(cellHeight + f.bitmap.LineSpace));
}

TEST(BitmapFont, CharactersOutsideTheSetMeasureNothingAndDrawNothing) {
  BuiltFont f;
  const std::string ya = utf8ToCp1251("Я");
  EXPECT_EQ(f.bitmap.TextWidth(ya + "z\n" + ya), 2 * f.bitmap.TextWidth(ya));
  EXPECT_EQ(f.bitmap.TextWidth("xyz"), 1);  // nothing measured still reports 1
  EXPECT_TRUE(f.draw(0, 0, "xyz").empty());
  const std::vector<Quad> q = f.draw(0, 0, ya + "q" + ya);
  ASSERT_EQ(q.size(), 2u);
  EXPECT_FLOAT_EQ(q[1].left, static_cast<float>(f.bitmap.TextWidth(ya)));  // the pen did not move
}

TEST(BitmapFont, ASpaceAdvancesByItsWidthAndTheSpacingWithoutDrawing) {
  BuiltFont f;
  f.bitmap.Spacing = 3;
  const std::string ya = utf8ToCp1251("Я");
  const std::vector<Quad> q = f.draw(10, 0, ya + " " + ya);
  ASSERT_EQ(q.size(), 2u);
  const int space = f.bitmap.TextWidth(" ");
  EXPECT_GT(space, 1);
  EXPECT_FLOAT_EQ(q[1].left, 10.0f + f.bitmap.TextWidth(ya) + 3 + space + 3);
  // Measuring leaves the spacing out.
  EXPECT_EQ(f.bitmap.TextWidth(ya + " " + ya), 2 * f.bitmap.TextWidth(ya) + space);
}

TEST(BitmapFont, ScaleAffectsMeasuringAndDrawingAboutTheTextPosition) {
  BuiltFont f;
  const std::string ya = utf8ToCp1251("Я");
  const int w = f.bitmap.TextWidth(ya), h = f.bitmap.TextHeight();
  f.bitmap.ScaleX = 2;
  f.bitmap.ScaleY = 3;
  EXPECT_EQ(f.bitmap.TextWidth(ya), 2 * w);
  EXPECT_EQ(f.bitmap.TextHeight(), 3 * h);
  f.device().draws.clear();
  f.bitmap.TextOutColor(100, 100, 0, 2, 2, 0xFFFFFFFF, ya, 0);
  const Quad q = quadOf(f.device().draws.at(0));
  EXPECT_FLOAT_EQ(q.left, 100);
  EXPECT_FLOAT_EQ(q.right, 100 + 2 * (w + 0.5f));
}

// A device whose textures are smaller than the atlas makes a smaller font, drawn back up.
TEST(BitmapFont, ASmallTextureLimitShrinksTheAtlasNotTheText) {
  test::FontFixture small;
  small.device().maxTexture = 256;
  small.start();
  small.bitmap.BuildFromSystemFont(kGameFace, "", 0, 24);
  EXPECT_EQ(small.bitmap.TextureSize(), 256);
  EXPECT_FLOAT_EQ(small.bitmap.SizeFactor(), 0.5f);
  BuiltFont full(24);
  EXPECT_NEAR(small.bitmap.TextHeight(), full.bitmap.TextHeight(), 2);
  const std::string ya = utf8ToCp1251("Я");
  small.bitmap.TextOutColor(0, 0, 0, 1, 1, 0xFFFFFFFF, ya, 0);
  const Quad q = quadOf(small.device().draws.at(0));
  EXPECT_NEAR(q.right - q.left, full.bitmap.TextWidth(ya), 2.5);
}

TEST(BitmapFont, AnImageFontTakesItsGlyphsFromThePicturesPatterns) {
  test::FontFixture f;
  TImageListItem& item =
      test::addTestImage(f.list, "glyphs", 64, 32, 16, 16, [](int, int) { return 0xFFFFFFFFu; });
  f.bitmap.SetNkImageList(&f.list);
  f.start();
  f.bitmap.SetCharacters("ABCA");
  EXPECT_EQ(f.bitmap.FontName(), "glyphs");
  f.bitmap.TextOutColor(0, 0, 0, 1, 1, 0xFFFFFFFF, "CA B", 0);
  ASSERT_EQ(f.device().draws.size(), 3u);
  const Quad c = quadOf(f.device().draws[0]), a = quadOf(f.device().draws[1]),
             b = quadOf(f.device().draws[2]);
  EXPECT_EQ(f.device().draws[0].texture, item.Texture());
  EXPECT_FLOAT_EQ(c.u1, 32.0f / 64);  // pattern 2
  EXPECT_FLOAT_EQ(c.v2, 16.0f / 32);
  EXPECT_FLOAT_EQ(a.u1, 0);  // the first "A" wins
  // The space, not in the set, takes slot 0's size: it advances one cell.
  EXPECT_FLOAT_EQ(b.left, 48);
  EXPECT_FLOAT_EQ(b.u1, 16.0f / 64);
  EXPECT_EQ(f.bitmap.TextWidth("AB?"), 32);
  EXPECT_EQ(f.bitmap.TextHeight(), 16);
}

TEST(BitmapFont, AnImageIndexBeyondTheListChangesNothing) {
  test::FontFixture f;
  test::addTestImage(f.list, "glyphs", 32, 16, 16, 16, [](int, int) { return 0xFFFFFFFFu; });
  f.bitmap.SetNkImageList(&f.list);
  f.start();
  f.bitmap.SetNkImageIndex(5);
  EXPECT_EQ(f.bitmap.FontName(), "glyphs");
  EXPECT_EQ(f.bitmap.NkImageIndex(), 5);
  f.bitmap.SetNkImageIndex(-1);
  EXPECT_EQ(f.bitmap.NkImageIndex(), 5);
  // No picture to draw from and no atlas of its own: nothing is drawn.
  f.bitmap.SetCharacters("A");
  f.bitmap.TextOutColor(0, 0, 0, 1, 1, 0xFFFFFFFF, "A", 0);
  EXPECT_TRUE(f.device().draws.empty());
}

TEST(BitmapFont, ADeviceResetFallsBackUntilTheOwnerBuildsAgain) {
  const struct {
    bool withImageList;
    std::string fallback;
  } cases[] = {{true, "glyphs"}, {false, "Arial"}};
  for (const auto& c : cases) {
    test::FontFixture f;
    test::addTestImage(f.list, "glyphs", 32, 16, 16, 16, [](int, int) { return 0xFFFFFFFFu; });
    if (c.withImageList) f.bitmap.SetNkImageList(&f.list);
    f.start();
    f.bitmap.BuildFromSystemFont(kGameFace, "", 0, 24);
    ASSERT_TRUE(f.screen.ResetDevice());
    EXPECT_EQ(f.bitmap.FontName(), c.fallback);
    f.bitmap.RebuildFromSystemFont();
    EXPECT_EQ(f.bitmap.FontName(), kGameFace);
    EXPECT_EQ(f.bitmap.TextureSize(), 512);
  }
}

TEST(BitmapFont, AFaceThatCannotBeMadeKeepsTheGlyphs) {
  BuiltFont f;
  const std::string ya = utf8ToCp1251("Я");
  const int width = f.bitmap.TextWidth(ya);
  f.bitmap.BuildFromSystemFont(kGameFace, "", 0, 0);
  EXPECT_EQ(f.bitmap.TextWidth(ya), width);
}

TEST(BitmapFont, AtlasTexelsAreWhiteWithFourBitAlpha) {
  const auto face = FontRasterizer::open(kGameFace, 32, FontStyle{});
  const std::string chars = utf8ToCp1251("ЖЯ@#");
  const int side = 64;  // two glyphs a row: the third wraps
  const AtlasLayout layout = LayoutAtlas(*face, chars, 0, side);
  ASSERT_EQ(layout.glyphs.size(), 4u);
  EXPECT_EQ(layout.glyphs[2].x, 0);
  EXPECT_EQ(layout.glyphs[2].y, layout.glyphs[0].height + 2);
  const std::vector<uint32_t> texels = PaintAtlas(*face, layout, side);
  int lit = 0;
  for (uint32_t t : texels) {
    if (t == 0) continue;
    ++lit;
    ASSERT_EQ(t & 0xFFFFFF, 0xFFFFFFu);
    ASSERT_EQ((t >> 24) % 17, 0u);
  }
  EXPECT_GT(lit, 100);
}

}  // namespace
}  // namespace nk
