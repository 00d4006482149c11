#include "platform/software_device.h"

#include <gtest/gtest.h>

#include <limits>

namespace nk {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// The vertices the engine sends for an unscaled tile of w x h at (x, y): pixel centres are on whole
// numbers, and the quad runs from x - 0.5 to x + w.
QuadVertices tileQuad(float x, float y, float w, float h, uint32_t color = kWhite) {
  return {DeviceVertex{x - 0.5f, y - 0.5f, color, 0, 0}, DeviceVertex{x + w, y - 0.5f, color, 1, 0},
          DeviceVertex{x + w, y + h, color, 1, 1}, DeviceVertex{x - 0.5f, y + h, color, 0, 1}};
}

struct Canvas {
  SoftwareDevice device{16, 16};
  std::vector<uint32_t> frame() {
    device.present();
    return device.readFrame();
  }
};

TEST(SoftwareDevice, AnUnscaledTileFillsExactlyItsPixelsWithItsTexels) {
  Canvas c;
  const TextureId t = c.device.createTexture(4, 3);
  std::vector<uint32_t> texels(12);
  for (size_t i = 0; i < texels.size(); ++i) texels[i] = 0xFF000000 | static_cast<uint32_t>(i + 1);
  c.device.updateTexture(t, texels.data());
  c.device.clear(0);
  c.device.bindTexture(t);
  c.device.drawFan(tileQuad(5, 2, 4, 3));
  const auto frame = c.frame();
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 5 && x < 9 && y >= 2 && y < 5;
      const uint32_t expected = inside ? texels[static_cast<size_t>((y - 2) * 4 + (x - 5))] : 0xFF000000;
      ASSERT_EQ(frame[static_cast<size_t>(y * 16 + x)], expected) << x << "," << y;
    }
  }
}

TEST(SoftwareDevice, BlendFactorsCombineSourceAndDestination) {
  const uint32_t dest = 0xFF804020, src = 0x80FF8000;  // src alpha 128
  const struct {
    BlendFactor s, d;
    uint32_t expected;
  } cases[] = {
      {BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha, 0xFFC06010},
      {BlendFactor::One, BlendFactor::One, 0xFFFFC020},
      {BlendFactor::Zero, BlendFactor::SrcColor, 0xFF802000},
      {BlendFactor::InvDestColor, BlendFactor::Zero, 0xFF7F6000},
      {BlendFactor::Zero, BlendFactor::InvSrcAlpha, 0xFF402010},
  };
  for (const auto& k : cases) {
    Canvas c;
    c.device.clear(dest);
    c.device.setBlend(k.s, k.d);
    c.device.drawFan(tileQuad(0, 0, 16, 16, src));
    EXPECT_EQ(c.frame()[0], k.expected) << static_cast<int>(k.s) << "/" << static_cast<int>(k.d);
  }
}

TEST(SoftwareDevice, DegenerateAndWildQuadsDrawNothingAndDoNotCrash) {
  Canvas c;
  c.device.clear(0);
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  c.device.drawFan({DeviceVertex{1, 1, kWhite, 0, 0}, DeviceVertex{1, 1, kWhite, 0, 0},
                    DeviceVertex{1, 1, kWhite, 0, 0}, DeviceVertex{1, 1, kWhite, 0, 0}});
  c.device.drawFan({DeviceVertex{nan, 0, kWhite, 0, 0}, DeviceVertex{inf, 0, kWhite, 0, 0},
                    DeviceVertex{0, inf, kWhite, 0, 0}, DeviceVertex{-inf, 0, kWhite, 0, 0}});
  for (uint32_t p : c.frame()) EXPECT_EQ(p, 0xFF000000);
  // Huge but finite: covers the whole target.
  c.device.drawFan(tileQuad(-1e9f, -1e9f, 2e9f, 2e9f));
  for (uint32_t p : c.frame()) EXPECT_EQ(p, kWhite);
}

}  // namespace
}  // namespace nk
