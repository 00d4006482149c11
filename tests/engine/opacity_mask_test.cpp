#include <gtest/gtest.h>

#include "engine/opacity_mask.h"

namespace nk {
namespace {

struct SolidCase {
  const char* what;
  int column, row;
  bool solid;
};

TEST(OpacityMask, SolidIsANonZeroTexelInsideThePicture) {
  // 3 x 2: transparent black, opaque red, a colour at alpha 0 / opaque black, alpha alone, zero.
  const OpacityMask mask({0u, 0xFFFF0000u, 0x00123456u, 0xFF000000u, 0x01000000u, 0u}, 3);
  const SolidCase cases[] = {
      {"zero", 0, 0, false},
      {"opaque red", 1, 0, true},
      {"a colour at alpha 0", 2, 0, true},
      {"opaque black", 0, 1, true},
      {"alpha alone", 1, 1, true},
      {"zero at the end", 2, 1, false},
      {"left of the picture", -1, 0, false},
      {"above", 1, -1, false},
      {"right of a row, not the next row", 3, 0, false},
      {"below", 1, 2, false},
  };
  for (const SolidCase& c : cases) EXPECT_EQ(mask.Solid(c.column, c.row), c.solid) << c.what;
}

TEST(OpacityMask, EmptyMaskHasNothingSolid) {
  EXPECT_FALSE(OpacityMask().Solid(0, 0));
  EXPECT_FALSE(OpacityMask({0xFFFFFFFFu}, 0).Solid(0, 0));
}

}  // namespace
}  // namespace nk
