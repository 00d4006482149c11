#include "effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace nk::sfx {
namespace {

struct Bounds {
  double minSeconds, maxSeconds;
};

// Short, and long enough to be what they are; the siren sounds for at least 3 s.
const std::map<std::string, Bounds> kLengths{
    {"CLICK4.wav", {0.03, 0.15}}, {"SOUND2.wav", {0.05, 0.2}}, {"SWITCH-2.wav", {0.2, 0.6}},
    {"BRFCSOPN.wav", {0.3, 0.8}}, {"CLICK22.wav", {0.3, 0.8}}, {"MYSTERY.wav", {0.4, 1.0}},
    {"MUS_6.wav", {0.5, 1.2}},    {"DOWNER.wav", {1.5, 3.5}},  {"POLICE_S.wav", {3.0, 5.0}},
    {"CUT.wav", {0.03, 0.15}},    {"TUTFILL.wav", {1.0, 2.5}}, {"AHHH.wav", {0.8, 1.6}},
    {"WIP_RW.wav", {0.3, 1.0}},
};

TEST(Effects, EveryEffectHasItsLengthAPeakBelowClippingAndQuietEnds) {
  ASSERT_EQ(Effects().size(), kLengths.size());
  for (const Effect& e : Effects()) {
    SCOPED_TRACE(e.file);
    ASSERT_TRUE(kLengths.count(e.file));
    const synth::Signal s = Render(e);
    const double seconds = static_cast<double>(s.size()) / kRate;
    EXPECT_GE(seconds, kLengths.at(e.file).minSeconds);
    EXPECT_LE(seconds, kLengths.at(e.file).maxSeconds);
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    EXPECT_LE(peak, 0.891);  // -1 dBFS
    EXPECT_GE(peak, 0.5);    // and not lost in the mix
    EXPECT_LT(std::abs(s.front()), 0.01);
    EXPECT_LT(std::abs(s.back()), 0.01);
  }
}

TEST(Effects, TheSameEffectComesOutTheSameEveryTime) {
  for (const Effect& e : Effects()) EXPECT_EQ(Render(e), Render(e)) << e.file;
}

}  // namespace
}  // namespace nk::sfx
