#pragma once
#include <cstdint>

namespace nk {

// Effect volume 0..100 as an attenuation in hundredths of a decibel (0 full, -10000 silent).
int32_t VolumeToAttenuation(int32_t volume);

// Effect pan -100..100 as a balance in hundredths of a decibel (-10000 left only, 10000 right only).
int32_t PanToBalance(int32_t pan);

// Linear gains of the two sides for an attenuation and a balance; the balance only ever
// lowers the side it turns away from.
struct StereoGains {
  double left = 1.0;
  double right = 1.0;
};
StereoGains GainsFor(int32_t attenuation, int32_t balance);

}  // namespace nk
