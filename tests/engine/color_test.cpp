#include <gtest/gtest.h>

#include "engine/color.h"
#include "engine/color_names.h"

namespace nk {
namespace {

TEST(Color, MakeColorPacksArgb) {
  EXPECT_EQ(MakeColor(0x12, 0x34, 0x56, 0x78), 0x78123456u);
  EXPECT_EQ(MakeColor(255, 0, 0, 0), 0x00FF0000u);
}

TEST(Color, ColorToARGB) {
  const std::pair<uint32_t, uint32_t> cases[] = {
      {0x000000FFu, 0xFFFF0000u},  // red stored as 0x00BBGGRR
      {0x00FF0000u, 0xFF0000FFu}, {0x00123456u, 0xFF563412u},
      {0x00FFFFFFu, 0xFFFFFFFFu}, {0x01000000u, 0x01000000u},  // already ARGB
      {0xFFFFFFFFu, 0xFFFFFFFFu},                              // -1: opaque white
      {0x80FF0000u, 0x80FF0000u}};
  for (const auto& [stored, argb] : cases) EXPECT_EQ(ColorToARGB(stored), argb) << std::hex << stored;
}

TEST(ColorNames, EveryNameMapsBackToItself) {
  const std::pair<const char*, TColor> known[] = {{"clBlack", 0x000000},
                                                  {"clFuchsia", 0xFF00FF},
                                                  {"clSkyBlue", 0xF0CAA6},
                                                  {"clMedGray", 0xA4A0A0},
                                                  {"clNone", 0x1FFFFFFF},
                                                  {"clDefault", 0x20000000},
                                                  {"clBtnFace", static_cast<TColor>(0xFF00000Fu)}};
  for (const auto& [name, value] : known) {
    EXPECT_EQ(IdentToColor(name), value) << name;
    EXPECT_EQ(ColorToIdent(value), name) << name;
  }
  for (const char* unknown : {"", "clfuchsia", "Fuchsia", "clTransparent", "True"}) {
    EXPECT_FALSE(IdentToColor(unknown)) << unknown;
  }
  EXPECT_FALSE(ColorToIdent(0x123456));
}

TEST(ColorNames, StoredColourToArgbResolvesSystemColours) {
  const std::tuple<TColor, uint8_t, uint32_t> cases[] = {
      {0xFF00FF, 0xFF, 0xFFFF00FFu},
      {0x0000FF, 0x80, 0x80FF0000u},
      {0x1FFFFFFF, 0xFF, 0xFFFFFFFFu},                        // clNone: only its low 24 bits count
      {0x20000000, 0xFF, 0xFF000000u},                        // clDefault
      {static_cast<TColor>(0xFF00000Fu), 0xFF, 0xFFD4D0C8u},  // clBtnFace in the classic scheme
      {static_cast<TColor>(0xFF0000FFu), 0xFF, 0xFF000000u},  // no such system colour
  };
  for (const auto& [color, alpha, argb] : cases)
    EXPECT_EQ(StoredColorToARGB(color, alpha), argb) << std::hex << color;
}

}  // namespace
}  // namespace nk
