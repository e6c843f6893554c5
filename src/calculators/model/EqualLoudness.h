#pragma once
// Equal-loudness contours after the published relation of ISO 226:2003: the sound pressure level
// a pure tone needs at one of the 29 standard frequencies (20 Hz to 12.5 kHz) to sound as loud as
// a 1 kHz tone of the given loudness level in phon, and the threshold of hearing.
#include <array>

namespace velomare {

inline constexpr int kLoudnessFrequencyCount = 29;

// The standard frequencies, Hz.
const std::array<double, kLoudnessFrequencyCount>& LoudnessFrequencies();

// The level in dB SPL at standard frequency `index` for a loudness level in phon. The relation
// was measured for 20 to 90 phon; outside that it is an extrapolation, good enough for a picture.
double EqualLoudnessLevel(double phon, int index);

// The threshold of hearing (free field, binaural) at standard frequency `index`, dB SPL.
double HearingThreshold(int index);

}  // namespace velomare
