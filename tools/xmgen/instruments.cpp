#include "instruments.h"

#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

#include "synth.h"

namespace nk::xm {
namespace {

using synth::kTwoPi;
using synth::Signal;

constexpr double kMiddleC = 261.6255653;
constexpr int kPeriod = 64;       // samples per cycle of the base tone
constexpr int kLoopCycles = 100;  // loop length in base cycles; detuned voices fit 99 or 101
constexpr double kDrumRate = 22050;

// Relative note and finetune so that note 49 plays the sample at `rate` samples a second.
void tune(Sample& s, double rate) {
  const double semis = 12 * std::log2(rate / 8363.0);
  int rel = static_cast<int>(std::floor(semis));
  int fine = static_cast<int>(std::lround((semis - rel) * 128));
  if (fine >= 128) {
    ++rel;
    fine -= 128;
  }
  s.relativeNote = static_cast<int8_t>(rel);
  s.finetune = static_cast<int8_t>(fine);
}

struct ToneRecipe {
  std::vector<double> harmonics;  // steady partials 1, 2, 3, ... (the looped part)
  std::vector<double> attack;     // extra partials that die away before the loop
  int attackCycles = 0;           // length of the part before the loop, in base cycles
  double thump = 0;               // noise at the very start
  bool chorus = false;            // two slightly detuned copies beside the main voice
};

// A looped tone: every steady partial fits the loop a whole number of times, so it loops without a seam.
Sample makeTone(const std::string& name, const ToneRecipe& r) {
  const size_t attackLength = static_cast<size_t>(r.attackCycles * kPeriod);
  const size_t loopLength = static_cast<size_t>(kLoopCycles * kPeriod);
  Signal s(attackLength + loopLength, 0.0);
  synth::Noise noise(7);
  std::vector<int> voices{kLoopCycles};
  if (r.chorus) voices = {kLoopCycles - 1, kLoopCycles, kLoopCycles + 1};
  for (size_t n = 0; n < s.size(); ++n) {
    const double loopPhase = static_cast<double>(n) / static_cast<double>(loopLength);
    double v = 0;
    for (int cycles : voices) {
      for (size_t k = 0; k < r.harmonics.size(); ++k) {
        v += r.harmonics[k] * std::sin(kTwoPi * loopPhase * cycles * static_cast<double>(k + 1));
      }
    }
    v /= static_cast<double>(voices.size());
    if (n < attackLength) {
      const double fade = 1.0 - static_cast<double>(n) / static_cast<double>(attackLength);
      const double phase = static_cast<double>(n) / kPeriod;
      for (size_t k = 0; k < r.attack.size(); ++k) {
        v += r.attack[k] * fade * fade * std::sin(kTwoPi * phase * static_cast<double>(k + 1));
      }
      v += r.thump * std::pow(fade, 12) * noise.next();
    }
    s[n] = v;
  }
  synth::normalise(s, 0.9);
  synth::fadeEnds(s, 8, 0);
  Sample out;
  out.name = name;
  out.data = synth::toPcm16(s);
  out.loopStart = static_cast<uint32_t>(attackLength);
  out.loopLength = static_cast<uint32_t>(loopLength);
  tune(out, kPeriod * kMiddleC);
  return out;
}

Sample makeDrum(const std::string& name, double seconds,
                const std::function<double(double, synth::Noise&)>& voice) {
  Signal s(static_cast<size_t>(seconds * kDrumRate));
  synth::Noise noise(11);
  for (size_t n = 0; n < s.size(); ++n) s[n] = voice(static_cast<double>(n) / kDrumRate, noise);
  synth::normalise(s, 0.9);
  synth::fadeEnds(s, 4, s.size() / 4);
  Sample out;
  out.name = name;
  out.data = synth::toPcm16(s);
  tune(out, kDrumRate);
  return out;
}

// A pitch that falls from `from` to `to` Hz; the phase is integrated so the sweep is smooth.
double kick(double t, synth::Noise& noise) {
  const double f0 = 110, f1 = 46, rate = 18;
  const double phase = f1 * t + (f0 - f1) * (1 - std::exp(-rate * t)) / rate;
  const double click = t < 0.004 ? noise.next() * (1 - t / 0.004) * 0.3 : 0;
  return std::sin(kTwoPi * phase) * synth::decay(t, 0.09) + click;
}

Sample filteredNoise(const std::string& name, double seconds, synth::Biquad filter, double attack,
                     double half, double toneHz = 0) {
  return makeDrum(name, seconds, [=](double t, synth::Noise& noise) mutable {
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double body = toneHz > 0 ? 0.5 * std::sin(kTwoPi * toneHz * t) * synth::decay(t, 0.03) : 0;
    return (filter.process(noise.next()) + body) * rise * synth::decay(t, half);
  });
}

double ride(double t, synth::Noise& noise) {
  // Inharmonic partials of a struck plate, with a little high hiss.
  static const double partials[] = {523, 761, 1109, 1487, 2213, 3181, 4079};
  double v = 0;
  for (double f : partials) v += std::sin(kTwoPi * f * t) / std::sqrt(f / 500);
  return (v * 0.25 + 0.3 * noise.next() * synth::decay(t, 0.02)) * synth::decay(t, 0.4);
}

Instrument tonal(const std::string& kind, const ToneRecipe& recipe, Envelope env, uint16_t fadeout) {
  Instrument in;
  in.name = kind;
  in.sample = makeTone(kind, recipe);
  in.volume = std::move(env);
  in.fadeout = fadeout;
  return in;
}

Instrument drum(Sample sample) {
  Instrument in;
  in.name = sample.name;
  in.sample = std::move(sample);
  return in;
}

}  // namespace

Instrument MakeInstrument(const std::string& kind) {
  using K = synth::Biquad::Kind;
  if (kind == "pad") {
    std::vector<double> h;
    for (int k = 1; k <= 16; ++k) h.push_back(1.0 / std::pow(k, 1.4));
    return tonal(kind, {h, {}, 0, 0, true}, {{{0, 0}, {30, 40}, {60, 52}}, 2}, 120);
  }
  if (kind == "bell") {
    return tonal(kind, {{1, 0, 0.08, 0, 0.03}, {0, 0, 0.3, 0.7, 0, 0.2}, 48, 0, false},
                 {{{0, 64}, {10, 42}, {40, 22}, {120, 8}, {250, 0}}, -1}, 900);
  }
  if (kind == "harp") {
    std::vector<double> h;
    for (int k = 1; k <= 10; ++k) h.push_back(1.0 / (k * k));
    return tonal(kind, {h, {0, 0.4, 0.3, 0.2, 0.15}, 24, 0.05, false},
                 {{{0, 64}, {8, 36}, {40, 12}, {100, 0}}, -1}, 700);
  }
  if (kind == "softbass") {
    return tonal(kind, {{1, 0.25, 0.08}, {0, 0.3, 0.1}, 16, 0.05, false},
                 {{{0, 64}, {20, 50}, {120, 34}, {300, 24}}, 3}, 500);
  }
  if (kind == "upright") {
    return tonal(kind, {{1, 0.5, 0.25, 0.12, 0.06}, {0, 0.6, 0.5, 0.35, 0.25, 0.15, 0.1}, 12, 0.2, false},
                 {{{0, 64}, {4, 52}, {16, 30}, {40, 14}, {80, 0}}, -1}, 1500);
  }
  if (kind == "epiano") {
    return tonal(kind, {{1, 0.12, 0.03}, {0, 0, 0.3, 0, 0, 0.2, 0, 0, 0, 0, 0, 0, 0, 0.15}, 32, 0, true},
                 {{{0, 64}, {12, 44}, {60, 28}, {160, 10}, {300, 0}}, -1}, 900);
  }
  if (kind == "lead") {
    Instrument in = tonal(kind, {{1, 0.6, 0.45, 0.3, 0.22, 0.15, 0.1, 0.07, 0.05, 0.03}, {}, 4, 0.15, false},
                          {{{0, 0}, {3, 56}, {8, 46}}, 2}, 2500);
    in.vibratoSweep = 40;
    in.vibratoDepth = 3;
    in.vibratoRate = 10;
    return in;
  }
  if (kind == "kick") return drum(makeDrum(kind, 0.4, kick));
  if (kind == "brush")
    return drum(filteredNoise(kind, 0.3, {K::Bandpass, 3000, 0.7, kDrumRate}, 0.01, 0.06, 190));
  if (kind == "hat") return drum(filteredNoise(kind, 0.12, {K::Highpass, 7000, 0.7, kDrumRate}, 0, 0.02));
  if (kind == "shaker")
    return drum(filteredNoise(kind, 0.15, {K::Bandpass, 5000, 1.2, kDrumRate}, 0.015, 0.04));
  if (kind == "ride") return drum(makeDrum(kind, 1.5, ride));
  throw std::invalid_argument("unknown instrument kind \"" + kind + "\"");
}

}  // namespace nk::xm
