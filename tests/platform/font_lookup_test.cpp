#include "platform/font_lookup.h"

#include <gtest/gtest.h>
#include <strings.h>

#include "platform/font_rasterizer.h"

namespace nk {
namespace {

TEST(FontLookup, InstalledFamiliesResolveToThemselvesInTheAskedStyle) {
  const struct {
    const char* family;
    bool bold, italic;
  } cases[] = {{"DejaVu Serif", false, false}, {"dejavu sans", true, false}, {"DejaVu Sans", false, true}};
  for (const auto& c : cases) {
    const std::optional<FontFile> file = findFontFile(c.family, c.bold, c.italic);
    ASSERT_TRUE(file) << c.family;
    EXPECT_EQ(strcasecmp(file->family.c_str(), c.family), 0) << file->family;
    EXPECT_EQ(file->bold, c.bold) << c.family;
    EXPECT_EQ(file->italic, c.italic) << c.family;
  }
}

TEST(FontLookup, AnUnknownFamilyStillGetsAFont) {
  const std::optional<FontFile> file = findFontFile("No Such Face 1234", false, false);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->path.empty());
}

TEST(FontRasterizer, GlyphBitmapsSitOnThePenAtTheTopOfTheLine) {
  const auto face = FontRasterizer::open("DejaVu Sans", 32, FontStyle{});
  ASSERT_NE(face, nullptr);
  const GlyphImage j = face->rasterize(U'j');
  EXPECT_LT(j.left, 0);  // its tail reaches back over the pen
  EXPECT_GE(j.height, face->height());
  EXPECT_EQ(j.coverage.size(), static_cast<size_t>(j.width * j.height));
  const GlyphImage space = face->rasterize(U' ');
  EXPECT_EQ(space.advance, face->advance(U' '));
  EXPECT_EQ(std::count(space.coverage.begin(), space.coverage.end(), 0),
            static_cast<long>(space.coverage.size()));
  // Without anti-aliasing a pixel is covered fully or not at all.
  FontStyle hard;
  hard.antialiased = false;
  const GlyphImage a = FontRasterizer::open("DejaVu Sans", 32, hard)->rasterize(U'a');
  for (uint8_t v : a.coverage) ASSERT_TRUE(v == 0 || v == 255);
}

TEST(FontRasterizer, ASizeBelowOnePixelMakesNoFont) {
  EXPECT_EQ(FontRasterizer::open("DejaVu Sans", 0, FontStyle{}), nullptr);
  EXPECT_EQ(FontRasterizer::open("DejaVu Sans", -12, FontStyle{}), nullptr);
}

}  // namespace
}  // namespace nk
