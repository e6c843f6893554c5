#pragma once
// The user band spectrum: a name and a level in dB for each of 24 half-octave bands from 32 Hz to
// 90 kHz, stored in the section "spectrum" of an ini file (the settings file, or a spectrum file
// of the same layout). The settings window edits it and the attenuator window estimates the
// power of its loudspeaker from it; both read and write it only through this file.
//
// How to use it:
//   - kSpectrumBands lists the bands in band order: the ini key, the label a band has in the
//     spectrum editor's grid, and the level of the built-in spectrum "Dance", which is the
//     default of every band that a file does not hold.
//   - ReadSpectrumSection gives the name and the 24 level texts as the file holds them (the
//     "Dance" values where a key is missing); the texts are not checked, since each reader has
//     its own rule for a level that is no number.
//   - WriteSpectrumSection writes "Name" and the 24 band keys in band order (whatever order the
//     section held them in) as one replacement of the file; every other section and key stays,
//     and a failed write leaves the file untouched.
// How the levels become numbers (limits, powers) belongs to the reader, not to this table.
#include <array>
#include <string>

namespace velomare {

namespace platform {
class IniFile;
}

inline constexpr int kSpectrumBandCount = 24;
inline constexpr const char* kSpectrumSection = "spectrum";
inline constexpr const char* kSpectrumNameKey = "Name";
inline constexpr const char* kDanceSpectrumName = "Dance";

struct SpectrumBand {
  const char* key;         // the key in the section "spectrum"
  const char* gridLabel;   // the band as the spectrum editor's grid names it
  const char* danceLevel;  // dB, as text
};

// Four grid labels differ from their keys ("64 Hz" / "63", "5.6 kHz" / "5k7", "11.2 kHz" /
// "11k", "22.5 kHz" / "22k"): files written by earlier versions carry these keys.
inline constexpr std::array<SpectrumBand, kSpectrumBandCount> kSpectrumBands = {{
    {"32", "32 Hz", "-6"},       {"45", "45 Hz", "0"},         {"63", "64 Hz", "-2"},
    {"90", "90 Hz", "-4"},       {"125", "125 Hz", "-6"},      {"180", "180 Hz", "-10"},
    {"250", "250 Hz", "-9"},     {"360", "360 Hz", "-12"},     {"500", "500 Hz", "-15"},
    {"710", "710 Hz", "-18"},    {"1k", "1 kHz", "-12"},       {"1k4", "1.4 kHz", "-14"},
    {"2k", "2 kHz", "-12"},      {"2k8", "2.8 kHz", "-10"},    {"4k", "4 kHz", "-8"},
    {"5k7", "5.6 kHz", "-6"},    {"8k", "8 kHz", "-24"},       {"11k", "11.2 kHz", "-30"},
    {"16k", "16 kHz", "-40"},    {"22k", "22.5 kHz", "-60"},   {"32k", "32 kHz", "-100"},
    {"45k", "45 kHz", "-100"},   {"64k", "64 kHz", "-100"},    {"90k", "90 kHz", "-100"},
}};

struct SpectrumTexts {
  std::string name;
  std::array<std::string, kSpectrumBandCount> levels;  // band order, as stored
};

// The built-in spectrum "Dance".
SpectrumTexts DanceSpectrum();

// The section "spectrum" of the file; missing keys (or a missing file) give the "Dance" values.
SpectrumTexts ReadSpectrumSection(const platform::IniFile& ini);

// "Name", then the band keys in band order; false when the file could not be written.
bool WriteSpectrumSection(platform::IniFile& ini, const SpectrumTexts& spectrum);

}  // namespace velomare
