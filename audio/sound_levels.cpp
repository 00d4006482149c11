#include "audio/sound_levels.h"

#include <cmath>

namespace nk {
namespace {

constexpr int32_t kSilent = -10000;

// Hundredths of a decibel of an amplitude ratio, halves away from zero.
int32_t centibels(double ratio) { return static_cast<int32_t>(std::lround(1000.0 * std::log10(ratio))); }

double linear(int32_t hundredthsOfDb) { return std::pow(10.0, hundredthsOfDb / 2000.0); }

}  // namespace

int32_t VolumeToAttenuation(int32_t volume) {
  if (volume <= 0) return kSilent;
  return centibels(volume / 100.0);
}

int32_t PanToBalance(int32_t pan) {
  if (pan == 0) return 0;
  if (pan <= -100) return kSilent;
  if (pan >= 100) return -kSilent;
  if (pan < 0) return centibels((pan + 100) / 100.0);
  return -centibels((100 - pan) / 100.0);
}

StereoGains GainsFor(int32_t attenuation, int32_t balance) {
  // At the far ends of both scales the side is off, not merely very quiet.
  auto gain = [](int32_t db) { return db <= kSilent ? 0.0 : linear(db); };
  StereoGains g;
  g.left = g.right = gain(attenuation);
  if (balance < 0) g.right *= gain(balance);
  if (balance > 0) g.left *= gain(-balance);
  return g;
}

}  // namespace nk
