#include "voices.h"

#include <cmath>

#include "effects.h"

namespace nk::sfx {

using synth::kTwoPi;

synth::Signal Generate(double seconds, const std::function<double(double)>& f) {
  synth::Signal s(static_cast<size_t>(seconds * kRate));
  for (size_t n = 0; n < s.size(); ++n) s[n] = f(static_cast<double>(n) / kRate);
  return s;
}

synth::Signal Tone(double seconds, const std::function<double(double)>& pitch,
                   const std::vector<double>& harmonics, const std::function<double(double)>& level) {
  double phase = 0;
  return Generate(seconds, [&](double t) {
    const double f = pitch(t);
    phase += f / kRate;
    double v = 0;
    for (size_t k = 0; k < harmonics.size() && f * static_cast<double>(k + 1) < kRate / 2; ++k) {
      v += harmonics[k] * std::sin(kTwoPi * phase * static_cast<double>(k + 1));
    }
    return v * level(t);
  });
}

synth::Signal Voice(double seconds, const std::function<double(double)>& pitch, double f1, double f2,
                    double f3, const std::function<double(double)>& level, double breath) {
  std::vector<double> buzz;
  for (int k = 1; k <= 60; ++k) buzz.push_back(1.0 / k);
  const synth::Signal source = Tone(seconds, pitch, buzz, [](double) { return 1.0; });
  using K = synth::Biquad::Kind;
  synth::Biquad a(K::Bandpass, f1, 6, kRate), b(K::Bandpass, f2, 8, kRate), c(K::Bandpass, f3, 10, kRate);
  synth::Noise noise(5);
  synth::Signal out(source.size());
  for (size_t n = 0; n < out.size(); ++n) {
    const double x = source[n] + breath * noise.next();
    out[n] = (a.process(x) + 0.6 * b.process(x) + 0.3 * c.process(x)) * level(static_cast<double>(n) / kRate);
  }
  return out;
}

void Mix(synth::Signal& a, const synth::Signal& b, double at, double gain) {
  const size_t start = static_cast<size_t>(at * kRate);
  if (a.size() < start + b.size()) a.resize(start + b.size(), 0.0);
  for (size_t i = 0; i < b.size(); ++i) a[start + i] += gain * b[i];
}

}  // namespace nk::sfx
