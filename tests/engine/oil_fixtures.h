#pragma once
// Pictures and comparisons shared by the library file tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/image_list_item.h"
#include "engine/png_writer.h"
#include "support/bmp_file.h"

namespace nk::test {

// 4 x 3, magenta corners on grey, a half-transparent pixel in the middle row.
inline std::vector<uint32_t> smallPicture() {
  std::vector<uint32_t> p(12, 0xFF808080u);
  p[0] = p[3] = p[8] = p[11] = 0xFFFF00FFu;
  p[5] = 0x80FF00FFu;
  return p;
}

inline std::string smallPng() { return *encodePng(4, 3, smallPicture()); }

// The same picture opaque, as a 24-bit bitmap.
inline std::string smallBmp() {
  std::vector<uint32_t> p = smallPicture();
  for (uint32_t& px : p) px |= 0xFF000000u;
  return makeBmp(4, 3, 24, p);
}

// Everything the file stores of an item.
inline void expectSameStored(const TImageListItem& actual, const TImageListItem& expected) {
  EXPECT_EQ(actual.Name, expected.Name);
  EXPECT_EQ(actual.Filepath, expected.Filepath);
  EXPECT_EQ(actual.TileWidth(), expected.TileWidth());
  EXPECT_EQ(actual.TileHeight(), expected.TileHeight());
  EXPECT_EQ(actual.TransparentColor, expected.TransparentColor);
  EXPECT_EQ(actual.Transparent, expected.Transparent);
  ASSERT_EQ(actual.Picture.has_value(), expected.Picture.has_value()) << actual.Name;
  if (actual.Picture) {
    EXPECT_EQ(actual.Picture->Kind, expected.Picture->Kind);
    EXPECT_EQ(actual.Picture->File, expected.Picture->File);
    EXPECT_EQ(actual.Picture->Image.pixels, expected.Picture->Image.pixels);
  }
}

}  // namespace nk::test
