#include <gtest/gtest.h>

#include "codec/cp1251.h"
#include "engine/nk_bitmap_font.h"
#include "platform/font_rasterizer.h"

namespace nk {
namespace {

// Whatever stands in for the game's faces must draw every character the game can show.
TEST(FontCoverage, TheStandInsCoverTheGamesWholeCharacterSet) {
  const struct {
    const char* face;
    const char* standIn;
    bool bold;
  } cases[] = {{"DS Zombie Cyr", "Comfortaa", true},
               {"verdana", "DejaVu Sans", false},
               {"Verdana", "DejaVu Sans", false},
               {"Arial", "DejaVu Sans", false}};
  for (const auto& c : cases) {
    const auto face = FontRasterizer::open(c.face, 32, FontStyle{});
    ASSERT_NE(face, nullptr) << c.face;
    EXPECT_EQ(face->file().family, c.standIn) << c.face;
    EXPECT_EQ(face->file().bold, c.bold) << c.face;
    for (char ch : TNkBitmapFont::DefaultCharacters()) {
      const char32_t cp = cp1251ToCodePoint(static_cast<unsigned char>(ch));
      EXPECT_TRUE(face->provides(cp)) << c.face << " lacks U+" << std::hex << static_cast<uint32_t>(cp);
    }
  }
}

}  // namespace
}  // namespace nk
