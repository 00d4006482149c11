#include "audio/sound_levels.h"

#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(SoundLevels, VolumeBecomesAttenuationInHundredthsOfADecibel) {
  const struct {
    int32_t volume, attenuation;
  } cases[] = {{100, 0}, {50, -301}, {30, -523}, {20, -699}, {1, -2000}, {0, -10000}, {-5, -10000}};
  for (const auto& c : cases) EXPECT_EQ(VolumeToAttenuation(c.volume), c.attenuation) << c.volume;
}

TEST(SoundLevels, PanBecomesBalance) {
  const struct {
    int32_t pan, balance;
  } cases[] = {{0, 0},         {-50, -301},  {50, 301},   {-100, -10000}, {100, 10000},
               {-300, -10000}, {300, 10000}, {-80, -699}, {80, 699}};
  for (const auto& c : cases) EXPECT_EQ(PanToBalance(c.pan), c.balance) << c.pan;
}

TEST(SoundLevels, GainsLowerOnlyTheSideTheBalanceTurnsFrom) {
  const struct {
    int32_t attenuation, balance;
    double left, right;
  } cases[] = {{0, 0, 1, 1},      {-602, 0, 0.5, 0.5}, {0, -602, 1, 0.5}, {0, 602, 0.5, 1},
               {0, -10000, 1, 0}, {0, 10000, 0, 1},    {-10000, 0, 0, 0}, {-602, -602, 0.5, 0.25}};
  for (const auto& c : cases) {
    const StereoGains g = GainsFor(c.attenuation, c.balance);
    EXPECT_NEAR(g.left, c.left, 0.002) << c.attenuation << " " << c.balance;
    EXPECT_NEAR(g.right, c.right, 0.002) << c.attenuation << " " << c.balance;
  }
}

}  // namespace
}  // namespace nk
