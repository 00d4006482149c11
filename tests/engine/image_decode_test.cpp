#include <gtest/gtest.h>
#include <zlib.h>

#include "engine/graphic.h"
#include "engine/png_decode.h"
#include "engine/png_writer.h"
#include "platform/bmp_decode.h"
#include "support/bmp_file.h"

namespace nk {
namespace {

// A 5 x 3 picture of two colours, so every BMP depth can hold it.
std::vector<uint32_t> twoColours() {
  std::vector<uint32_t> p(15, 0xFF102030u);
  p[0] = p[6] = p[14] = 0xFFFF00FFu;
  return p;
}

// 16 colours in a 7 x 3 picture (the last five repeat), for the 4- and 8-bit depths.
std::vector<uint32_t> sixteenColours() {
  std::vector<uint32_t> p;
  for (uint32_t i = 0; i < 21; ++i) p.push_back(0xFF000000u | ((i % 16) * 0x0F0B07u));
  return p;
}

struct BmpCase {
  int bits;
  int width, height;
  std::vector<uint32_t> pixels;
  bool topDown;
};

class BmpDepths : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpDepths, DecodesToTheSameOpaquePixels) {
  const BmpCase& c = GetParam();
  const std::optional<ArgbImage> image =
      decodeBmp(test::makeBmp(c.width, c.height, c.bits, c.pixels, c.topDown));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, c.width);
  EXPECT_EQ(image->height, c.height);
  EXPECT_EQ(image->pixels, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, BmpDepths,
    testing::Values(BmpCase{1, 5, 3, twoColours(), false}, BmpCase{1, 5, 3, twoColours(), true},
                    BmpCase{4, 7, 3, sixteenColours(), false}, BmpCase{8, 7, 3, sixteenColours(), false},
                    BmpCase{24, 7, 3, sixteenColours(), false}, BmpCase{24, 7, 3, sixteenColours(), true},
                    BmpCase{32, 7, 3, sixteenColours(), false}));

// 32-bit rows carry an alpha byte the game's bitmaps do not use: they come out opaque anyway.
TEST(BmpDecode, AlphaBytesOfA32BitBitmapAreIgnored) {
  const std::vector<uint32_t> opaque = sixteenColours();
  std::vector<uint32_t> withAlpha = opaque;
  for (size_t i = 0; i < withAlpha.size(); i += 2) withAlpha[i] &= 0x40FFFFFFu;
  const std::optional<ArgbImage> image = decodeBmp(test::makeBmp(7, 3, 32, withAlpha));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, opaque);
}

void setLe32(std::string& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
}

TEST(BmpDecode, RejectsDamagedAndAbsurdFiles) {
  const std::string good = test::makeBmp(5, 3, 24, twoColours());
  std::string hugeWidth = good, hugeHeight = good, pixelsBeyondEnd = good, noMagic = good;
  setLe32(hugeWidth, 18, 100000);
  setLe32(hugeHeight, 22, 0x80000000u);  // the most negative height: top-down, 2^31 rows
  setLe32(pixelsBeyondEnd, 10, static_cast<uint32_t>(good.size()));
  noMagic[0] = 'X';
  const std::pair<const char*, std::string> cases[] = {{"empty", ""},
                                                       {"header only", good.substr(0, 20)},
                                                       {"truncated pixels", good.substr(0, good.size() - 1)},
                                                       {"absurd width", hugeWidth},
                                                       {"absurd height", hugeHeight},
                                                       {"pixels past the end", pixelsBeyondEnd},
                                                       {"no BM", noMagic}};
  for (const auto& [what, file] : cases) EXPECT_FALSE(decodeBmp(file)) << what;
}

TEST(PngDecode, KeepsAlphaExactly) {
  const std::vector<uint32_t> pixels = {0xFFFF0000u, 0x8000FF00u, 0x000000FFu,
                                        0x12345678u, 0xFFFFFFFFu, 0x00000000u};
  const std::optional<ArgbImage> image = decodePng(*encodePng(3, 2, pixels));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(image->pixels, pixels);
}

// A PNG that is only a signature and a header claiming width x height, CRC included.
std::string pngHeaderOnly(uint32_t width, uint32_t height) {
  std::string chunk = "IHDR";
  for (uint32_t v : {width, height}) {
    for (int i = 3; i >= 0; --i) chunk += static_cast<char>(v >> (8 * i));
  }
  chunk += std::string("\x08\x06\x00\x00\x00", 5);
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data()), static_cast<uInt>(chunk.size()));
  std::string file = "\x89PNG\r\n\x1a\n";
  file += std::string("\x00\x00\x00\x0d", 4) + chunk;
  for (int i = 3; i >= 0; --i) file += static_cast<char>(crc >> (8 * i));
  return file;
}

TEST(PngDecode, RejectsDamagedAndAbsurdFiles) {
  const std::string good = *encodePng(3, 2, std::vector<uint32_t>(6, 0xFF00FF00u));
  std::string badCrc = good;
  badCrc[29] = static_cast<char>(badCrc[29] ^ 1);
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"signature only", good.substr(0, 8)},
      {"truncated image data", good.substr(0, good.size() - 20)},
      {"damaged header", badCrc},
      {"absurd size", pngHeaderOnly(20000, 20000)},
      {"too many pixels", pngHeaderOnly(16384, 16384)},
      {"a bitmap", test::makeBmp(5, 3, 24, twoColours())}};
  for (const auto& [what, file] : cases) EXPECT_FALSE(decodePng(file)) << what;
}

TEST(Graphic, ClassNamesOfTheFile) {
  EXPECT_EQ(graphicKindOf("TBitmap"), GraphicKind::Bitmap);
  EXPECT_EQ(graphicKindOf("TPNGObject"), GraphicKind::Png);
  for (const char* other : {"", "TIcon", "TMetafile", "tbitmap", "TPNGObject "}) {
    EXPECT_FALSE(graphicKindOf(other)) << other;
  }
}

}  // namespace
}  // namespace nk
