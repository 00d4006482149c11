#include "effects.h"

#include <cmath>

#include "voices.h"

namespace nk::sfx {
namespace {

using synth::decay;
using synth::kTwoPi;
using synth::Signal;
using K = synth::Biquad::Kind;

auto constant(double v) {
  return [v](double) { return v; };
}

// Filtered noise with an envelope.
Signal noiseBurst(double seconds, synth::Biquad filter, const std::function<double(double)>& level,
                  uint32_t seed) {
  synth::Noise noise(seed);
  return Generate(seconds, [&](double t) { return filter.process(noise.next()) * level(t); });
}

// A struck piece of metal: inharmonic partials dying away.
Signal metal(double seconds, const std::vector<double>& partials, double half) {
  return Generate(seconds, [&](double t) {
    double v = 0;
    for (double f : partials) v += std::sin(kTwoPi * f * t);
    return v * decay(t, half) / static_cast<double>(partials.size());
  });
}

Signal menuClick() {
  Signal s = Tone(0.06, constant(2200), {1, 0.3}, [](double t) { return decay(t, 0.006); });
  Mix(s,
      noiseBurst(
          0.01, {K::Highpass, 3000, 0.7, kRate}, [](double t) { return decay(t, 0.002); }, 3),
      0, 0.5);
  return s;
}

Signal menuMove() {
  return Tone(
      0.09, [](double t) { return 620 + 3000 * t; }, {1, 0, 0.2}, [](double t) { return decay(t, 0.03); });
}

Signal doorSwitch() {
  // The latch snaps, then the door's weight thumps against its frame.
  Signal s = noiseBurst(
      0.05, {K::Bandpass, 2500, 2, kRate}, [](double t) { return decay(t, 0.006); }, 9);
  Mix(s,
      noiseBurst(
          0.2, {K::Lowpass, 900, 0.8, kRate}, [](double t) { return decay(t, 0.03); }, 4),
      0.12, 0.8);
  Mix(s, Tone(0.2, constant(140), {1, 0.4}, [](double t) { return decay(t, 0.04); }), 0.12, 0.7);
  return s;
}

Signal lockWithKey() {
  Signal s;
  for (int i = 0; i < 3; ++i) Mix(s, metal(0.05, {3900, 5200, 6100}, 0.008), 0.06 * i, 0.6);
  Mix(s,
      noiseBurst(
          0.15, {K::Bandpass, 1500, 1.5, kRate}, [](double t) { return decay(t, 0.015); }, 12),
      0.3);
  Mix(s, Tone(0.15, constant(320), {1, 0.5}, [](double t) { return decay(t, 0.025); }), 0.3, 0.6);
  return s;
}

Signal moneyTaken() {
  // Two coins ringing, the second a fourth above.
  Signal s = metal(0.45, {1976, 2637, 5274}, 0.07);
  Mix(s, metal(0.45, {2637, 3520, 7040}, 0.08), 0.08);
  return s;
}

Signal keyJingle() {
  // A bunch of keys: small metal hits at uneven moments.
  const double hits[] = {0.0, 0.05, 0.11, 0.14, 0.22, 0.27, 0.36};
  const double pitch[] = {1.0, 1.13, 0.94, 1.21, 1.05, 0.9, 1.17};
  Signal s;
  for (size_t i = 0; i < std::size(hits); ++i) {
    const double p = pitch[i];
    Mix(s, metal(0.2, {3100 * p, 4470 * p, 5830 * p, 7210 * p}, 0.025), hits[i],
        1.0 - 0.08 * static_cast<double>(i));
  }
  return s;
}

Signal gunshot() {
  Signal s = noiseBurst(
      0.9, {K::Lowpass, 2500, 0.7, kRate}, [](double t) { return std::min(1.0, t / 0.002) * decay(t, 0.05); },
      21);
  // The room answers: a darker, longer tail.
  Mix(s,
      noiseBurst(
          0.9, {K::Lowpass, 700, 0.7, kRate}, [](double t) { return 0.5 * decay(t, 0.18); }, 22),
      0.01);
  Mix(s,
      Tone(
          0.3, [](double t) { return 90 * decay(t, 0.1) + 40; }, {1},
          [](double t) { return decay(t, 0.05); }),
      0);
  return s;
}

Signal timesUp() {
  // Three falling steps and a long, wobbling last one.
  const double notes[] = {392.0, 370.0, 349.2};
  const std::vector<double> brass{1, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1};
  Signal s;
  for (int i = 0; i < 3; ++i) {
    Mix(s,
        Tone(0.4, constant(notes[i]), brass,
             [](double t) { return std::min(1.0, t / 0.02) * decay(t, 0.3); }),
        0.42 * i);
  }
  Mix(s,
      Tone(
          1.4, [](double t) { return 329.6 * (1 + 0.012 * std::sin(kTwoPi * 5 * t)) * (1 - 0.04 * t); },
          brass, [](double t) { return std::min(1.0, t / 0.02) * decay(t, 0.6); }),
      1.26);
  return s;
}

Signal siren() {
  // Two tones, half a second each, gliding into one another.
  auto pitch = [](double t) {
    const double phase = std::fmod(t, 1.0);
    const double glide = std::clamp((phase < 0.5 ? phase : phase - 0.5) / 0.05, 0.0, 1.0);
    return phase < 0.5 ? 660 + 220 * (1 - glide) : 880 - 220 * (1 - glide);
  };
  return Tone(4.0, pitch, {1, 0.5, 0.33, 0.2, 0.12}, constant(1.0));
}

Signal clockTick() {
  Signal s = metal(0.07, {1800, 3250}, 0.006);
  Mix(s,
      noiseBurst(
          0.01, {K::Highpass, 4000, 0.7, kRate}, [](double t) { return decay(t, 0.002); }, 31),
      0, 0.4);
  return s;
}

Signal fanfare() {
  const std::vector<double> brass{1, 0.8, 0.6, 0.45, 0.3, 0.2, 0.12, 0.08};
  const double arpeggio[] = {523.3, 659.3, 784.0};
  Signal s;
  for (int i = 0; i < 3; ++i) {
    Mix(s,
        Tone(0.3, constant(arpeggio[i]), brass,
             [](double t) { return std::min(1.0, t / 0.01) * decay(t, 0.25); }),
        0.14 * i);
  }
  for (double f : {523.3, 659.3, 784.0, 1046.5}) {
    Mix(s,
        Tone(
            1.3, [f](double t) { return f * (1 + 0.004 * std::sin(kTwoPi * 5.5 * t)); }, brass,
            [](double t) { return std::min(1.0, t / 0.02) * decay(t, 0.5); }),
        0.42, 0.5);
  }
  return s;
}

Signal scream() {
  // "Ahhh": an open vowel, the pitch leaping up and sliding down as the breath runs out.
  auto pitch = [](double t) {
    return (520 + 120 * std::sin(synth::kPi * std::min(t / 0.4, 1.0)) - 150 * t) *
           (1 + 0.02 * std::sin(kTwoPi * 6 * t));
  };
  auto level = [](double t) { return std::min(1.0, t / 0.05) * (t < 0.8 ? 1.0 : decay(t - 0.8, 0.12)); };
  return Voice(1.2, pitch, 850, 1250, 2900, level, 0.15);
}

Signal grunt() {
  // "Argh": low and rough, the vowel darkening as it closes.
  auto pitch = [](double t) { return 150 - 60 * t + 8 * std::sin(kTwoPi * 23 * t); };
  auto level = [](double t) { return std::min(1.0, t / 0.03) * decay(t, 0.2); };
  return Voice(0.6, pitch, 700, 1100, 1700, level, 0.35);
}

}  // namespace

const std::vector<Effect>& Effects() {
  static const std::vector<Effect> effects{
      {"CLICK4.wav", "menu click", menuClick},
      {"SOUND2.wav", "menu move blip", menuMove},
      {"SWITCH-2.wav", "door latch and thump", doorSwitch},
      {"BRFCSOPN.wav", "key turning in a lock", lockWithKey},
      {"CLICK22.wav", "coins taken", moneyTaken},
      {"MYSTERY.wav", "key jingle", keyJingle},
      {"MUS_6.wav", "gunshot", gunshot},
      {"DOWNER.wav", "time-out downer", timesUp},
      {"POLICE_S.wav", "police siren", siren},
      {"CUT.wav", "clock tick", clockTick},
      {"TUTFILL.wav", "safe and game complete fanfare", fanfare},
      {"AHHH.wav", "scream", scream},
      {"WIP_RW.wav", "grunt", grunt},
  };
  return effects;
}

Signal Render(const Effect& effect) {
  Signal s = effect.make();
  synth::normalise(s, 0.89);  // -1 dBFS
  synth::fadeEnds(s, static_cast<size_t>(0.002 * kRate), static_cast<size_t>(0.02 * kRate));
  return s;
}

}  // namespace nk::sfx
