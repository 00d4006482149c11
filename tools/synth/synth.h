#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Small building blocks shared by the sound and music makers. Everything is deterministic:
// noise comes from a fixed generator, never from the clock.
namespace nk::synth {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

using Signal = std::vector<double>;

// White noise in -1..1 from a fixed-seed generator.
class Noise {
 public:
  explicit Noise(uint32_t seed = 1) : state_(seed) {}
  double next();

 private:
  uint32_t state_;
};

// Resonant two-pole filter (lowpass, highpass or bandpass) after the well-known biquad cookbook.
class Biquad {
 public:
  enum class Kind { Lowpass, Highpass, Bandpass };
  Biquad(Kind kind, double frequency, double q, double sampleRate);
  double process(double x);

 private:
  double b0_, b1_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Exponential decay from 1: the level after t seconds when it halves every `half` seconds.
double decay(double t, double half);

// Scales the signal so its largest magnitude is `peak` (a silent signal stays silent).
void normalise(Signal& s, double peak);
// Raised-cosine fades over the first and last samples, so the sound starts and ends without a click.
void fadeEnds(Signal& s, size_t fadeIn, size_t fadeOut);
// -1..1 to 16-bit samples, clipped.
std::vector<int16_t> toPcm16(const Signal& s);

}  // namespace nk::synth
