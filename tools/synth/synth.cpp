#include "synth.h"

#include <algorithm>
#include <cmath>

namespace nk::synth {

double Noise::next() {
  // xorshift32: fast, and the same numbers on every machine.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

Biquad::Biquad(Kind kind, double frequency, double q, double sampleRate) {
  const double w = kTwoPi * frequency / sampleRate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  const double a0 = 1 + alpha;
  double b0 = 0, b1 = 0, b2 = 0;
  switch (kind) {
    case Kind::Lowpass:
      b0 = b2 = (1 - c) / 2;
      b1 = 1 - c;
      break;
    case Kind::Highpass:
      b0 = b2 = (1 + c) / 2;
      b1 = -(1 + c);
      break;
    case Kind::Bandpass:
      b0 = alpha;
      b2 = -alpha;
      break;
  }
  b0_ = b0 / a0;
  b1_ = b1 / a0;
  b2_ = b2 / a0;
  a1_ = -2 * c / a0;
  a2_ = (1 - alpha) / a0;
}

double Biquad::process(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

double decay(double t, double half) { return std::pow(0.5, t / half); }

void normalise(Signal& s, double peak) {
  double top = 0;
  for (double v : s) top = std::max(top, std::abs(v));
  if (top == 0) return;
  for (double& v : s) v *= peak / top;
}

void fadeEnds(Signal& s, size_t fadeIn, size_t fadeOut) {
  fadeIn = std::min(fadeIn, s.size());
  fadeOut = std::min(fadeOut, s.size());
  for (size_t i = 0; i < fadeIn; ++i) s[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / fadeIn);
  for (size_t i = 0; i < fadeOut; ++i) {
    s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / fadeOut);
  }
}

std::vector<int16_t> toPcm16(const Signal& s) {
  std::vector<int16_t> out(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    out[i] = static_cast<int16_t>(std::lround(std::clamp(s[i], -1.0, 1.0) * 32767));
  }
  return out;
}

}  // namespace nk::synth
