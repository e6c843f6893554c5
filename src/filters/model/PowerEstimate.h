#pragma once
// How much of an amplifier's power reaches a loudspeaker behind a crossover branch: the program
// material as a spectrum of 24 half-octave bands (32 Hz to 90 kHz, band 1 to 24), the branch as
// a high pass and a low pass of order 0 (none) to 4, each with a cut-off band. The estimate is
// the total power times the spectrum's power share that passes both filters.
//
// Powers are linear (1.0 = 0 dB), levels in dB. The user spectrum comes from the section
// "spectrum" (common/BandSpectrum.h); its limits and its conversion to powers are this tool's.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/BandSpectrum.h"

namespace velomare {

namespace platform {
class IniFile;
}

inline constexpr int kBandCount = kSpectrumBandCount;
using BandValues = std::array<double, kBandCount>;  // index 0 is band 1
using BandLevels = std::array<int, kBandCount>;

// "32Hz" ... "90kHz" for bands 1 to 24, "0" below, "100kHz" above.
std::string BandLabel(int band);
// The short name a band's bar shows as its hint ("32", "1,4k", "90k"); empty outside 1 to 24.
const char* BandHint(int band);

// The six built-in spectra, entries 0 to 5 of the spectrum list.
inline constexpr int kBuiltInSpectrumCount = 6;
inline constexpr int kUserSpectrumEntry = 6;
inline constexpr int kDefaultSpectrumEntry = 3;
BandValues BuiltInSpectrum(int entry);  // all 0 outside 0 to 5
const char* BuiltInSpectrumName(int entry, bool english);

// The power weight of each band behind a filter of the given order (0 = none, 1 to 4) with its
// cut-off at `cutoffBand` (1 to 24). The weights are fixed tables close to, but not equal to,
// a first-order roll-off of 3 dB per half octave and order: 0.5 at the cut-off band, 1.0 two or
// three bands into the pass band, and a fixed factor per band into the stop band.
BandValues FilterWeights(int order, int cutoffBand, bool highPass);
// The cut-off band of a vertical scroll-bar position 0 to 23 (the top is 90 kHz).
int CutoffBandOfPosition(int position);

struct EstimateInput {
  BandValues spectrum{};           // the active spectrum's powers
  std::string_view totalPower;     // Edit3, W
  int highPassOrder = 0, highPassPosition = 11;
  int lowPassOrder = 0, lowPassPosition = 20;
  bool english = false;
};

struct EstimateResult {
  BandValues share{}, filteredShare{}, filteredPower{};
  BandLevels level{}, filteredLevel{};  // whole dB, -100 for a band without power
  double passedShare = 0;               // Sf, the sum of the filtered shares
  // The estimate in W; absent when the total power is no number above 0 (the last one stays).
  std::optional<double> estimatedPower;
  std::string Label29;
};

EstimateResult EstimatePower(const EstimateInput& input);

// The 24 bar values (0 to 40) of levels in dB: -40 dB and below empty, 0 dB and above full.
BandLevels SpectrumBarValues(const BandLevels& levels);

// The power estimate as the pad's power field takes it: two decimals, a decimal point, cut to 15
// characters by dropping decimals.
std::string EstimateForPowerField(double estimatedPower);

// The user spectrum as this tool sees it: each level by the number-field rule (a text that is no
// number counts as 0 dB), held to -100 to 0 dB, as a power.
struct UserSpectrum {
  std::string name;
  BandValues power{};
};
inline constexpr double kLowestUserLevel = -100.0;
double LimitedUserLevel(std::string_view levelText);
UserSpectrum UserSpectrumOf(const SpectrumTexts& texts);
UserSpectrum LoadUserSpectrum(const platform::IniFile& ini);
// Levels with two decimals and a decimal point ("-6.00", "0.00", "-100.00").
SpectrumTexts NormalisedSpectrumTexts(const UserSpectrum& spectrum);

// Closing the attenuator window stores the spectrum normalised. It reads the section afresh from
// `ini` (which the caller has just opened), so a spectrum saved by another window or program
// since the attenuator's last read is kept, not replaced by that older copy. A section that is
// already normalised is not written again.
enum class SpectrumSave { Unchanged, Written, Failed };
struct SpectrumSaveResult {
  SpectrumSave outcome = SpectrumSave::Unchanged;
  UserSpectrum spectrum;  // what the section holds now
};
SpectrumSaveResult SaveUserSpectrum(platform::IniFile& ini);

}  // namespace velomare
