#pragma once
#include <functional>

#include "synth.h"

namespace nk::sfx {

// Sound of `seconds` length, sample by sample from f(t).
synth::Signal Generate(double seconds, const std::function<double(double)>& f);

// A tone whose frequency follows pitch(t); the phase is integrated, so glides are smooth.
// `harmonics` amplitudes of partials 1, 2, 3, ... (all kept below the Nyquist frequency).
synth::Signal Tone(double seconds, const std::function<double(double)>& pitch,
                   const std::vector<double>& harmonics, const std::function<double(double)>& level);

// A voice: a buzzing source at pitch(t) through three vowel formants (Hz).
synth::Signal Voice(double seconds, const std::function<double(double)>& pitch, double f1, double f2,
                    double f3, const std::function<double(double)>& level, double breath);

// Adds b into a, starting `at` seconds in (a grows when needed).
void Mix(synth::Signal& a, const synth::Signal& b, double at, double gain = 1.0);

}  // namespace nk::sfx
