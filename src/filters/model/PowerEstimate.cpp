#include "filters/model/PowerEstimate.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

// The band names of the estimate. "2,0kHz" and its neighbours carry a decimal comma in both
// languages: they are names, not numbers.
constexpr const char* kBandLabels[kBandCount] = {
    "32Hz",   "45Hz",   "63Hz",   "90Hz",   "125Hz",  "180Hz",  "250Hz", "360Hz", "500Hz", "710Hz", "1,0kHz", "1,4kHz",
    "2,0kHz", "2,8kHz", "4,0kHz", "5,7kHz", "8,0kHz", "11kHz",  "16kHz", "22kHz", "32kHz", "45kHz", "64kHz",  "90kHz"};
constexpr const char* kBandHints[kBandCount] = {"32",  "45",  "63",   "90", "125",  "180", "250", "360",
                                                "500", "710", "1k",   "1,4k", "2k", "2,8k", "4k",  "5,7k",
                                                "8k",  "11k", "16k",  "22k", "32k",  "45k", "64k", "90k"};

constexpr const char* kSpectrumNames[kBuiltInSpectrumCount][2] = {
    {"weißes Rauschen 20kHz", "white noise 20kHz"},
    {"weißes Rauschen mit Oberwellen", "white noise and harmonics"},
    {"Musik-ähnlich 20kHz", "music-like 20kHz"},
    {"Musik-ähnlich 100kHz (Vorgabe)", "music-like 100kHz (default)"},
    {"rosa Rauschen 20kHz", "pink noise 20kHz"},
    {"rosa Rauschen 100kHz", "pink noise 100kHz"},
};

// Bands first..last (1-based) from `start`, each next band the previous one divided by `divisor`;
// returns the value the run would give the band after `last`.
double Run(BandValues& s, int first, int last, double start, double divisor) {
  double value = start;
  for (int band = first; band <= last; ++band) {
    s[band - 1] = value;
    value /= divisor;
  }
  return value;
}

// One filter order's weights by the distance d of a band from the cut-off band, counted towards
// the pass band: d of 3 and more passes fully; from d = 2 down to just above `runFrom` the fixed
// values (index 2 - d); from d = `runFrom` on into the stop band a geometric run from `runStart`,
// divided by `divisor` per band.
struct WeightTable {
  double nearCutoff[5];  // d = 2, 1, 0, -1, -2
  int runFrom;
  double runStart, divisor;
};
constexpr WeightTable kWeightTables[4] = {
    {{0.8128, 0.6761, 0.5, 0.3388, 0.1995}, -3, 0.125, 2},
    {{0.955, 0.8128, 0.5, 0.20893, 0}, -2, 0.0625, 4},
    {{1.0, 0.89125, 0.5, 0, 0}, -1, 0.125, 8},
    {{1.0, 0.9332543, 0.5, 0, 0}, -1, 0.0625, 16},
};

double Weight(const WeightTable& t, int d) {
  if (d >= 3) return 1.0;
  if (d > t.runFrom) return t.nearCutoff[2 - d];
  double w = t.runStart;
  for (int step = t.runFrom; step > d; --step) w /= t.divisor;
  return w;
}

int LevelOf(double power) { return power > 0 ? TruncToInt(10 * std::log10(power)) : -100; }

std::string Fixed2(double value) { return FormatFixed(value, 0, 2); }

}  // namespace

std::string BandLabel(int band) {
  if (band < 1) return "0";
  if (band > kBandCount) return "100kHz";
  return kBandLabels[band - 1];
}

const char* BandHint(int band) { return band >= 1 && band <= kBandCount ? kBandHints[band - 1] : ""; }

BandValues BuiltInSpectrum(int entry) {
  BandValues s{};
  const double root2 = std::sqrt(2.0);
  switch (entry) {
    case 0: Run(s, 1, 19, 1.0, 1.0); break;
    case 1: {
      Run(s, 1, 19, 1.0, 1.0);
      constexpr double kHarmonics[5] = {0.25, 0.0625, 0.015776, 0.003963, 0.000995};
      std::copy(std::begin(kHarmonics), std::end(kHarmonics), s.begin() + 19);
      break;
    }
    case 2:
      Run(s, 1, 11, 1.0, 1.0);
      Run(s, 12, 19, 1.0, root2);
      break;
    case 3: {
      Run(s, 1, 11, 1.0, 1.0);
      const double next = Run(s, 12, 18, 1.0, root2);
      Run(s, 19, 24, next, 3.0);
      break;
    }
    case 4: Run(s, 1, 19, 1.0, root2); break;
    case 5: Run(s, 1, 24, 1.0, root2); break;
    default: break;
  }
  return s;
}

const char* BuiltInSpectrumName(int entry, bool english) {
  if (entry < 0 || entry >= kBuiltInSpectrumCount) return "";
  return kSpectrumNames[entry][english ? 1 : 0];
}

int CutoffBandOfPosition(int position) { return kBandCount - std::clamp(position, 0, kBandCount - 1); }

BandValues FilterWeights(int order, int cutoffBand, bool highPass) {
  BandValues w;
  w.fill(1.0);
  if (order < 1 || order > 4) return w;
  for (int band = 1; band <= kBandCount; ++band) {
    const int d = highPass ? band - cutoffBand : cutoffBand - band;
    w[band - 1] = Weight(kWeightTables[order - 1], d);
  }
  return w;
}

EstimateResult EstimatePower(const EstimateInput& in) {
  EstimateResult r;
  const double total = ReadNumber(in.totalPower);
  const BandValues hp = FilterWeights(in.highPassOrder, CutoffBandOfPosition(in.highPassPosition), true);
  const BandValues tp = FilterWeights(in.lowPassOrder, CutoffBandOfPosition(in.lowPassPosition), false);

  double sum = 0;
  for (double p : in.spectrum) sum += p;
  for (int i = 0; i < kBandCount; ++i) {
    const double p = in.spectrum[i];
    r.level[i] = LevelOf(p);
    r.share[i] = sum > 0 ? p / sum : 1.0;
    r.filteredPower[i] = p * hp[i] * tp[i];
    r.filteredShare[i] = r.share[i] * hp[i] * tp[i];
    r.filteredLevel[i] = LevelOf(r.filteredPower[i]);
    r.passedShare += r.filteredShare[i];
  }

  const double estimate = r.passedShare * total;
  if (total > 0 && std::isfinite(estimate)) {
    r.estimatedPower = estimate;
    const std::string e = Fixed2(estimate), q = Fixed2(100 * r.passedShare);
    r.Label29 = in.english ? "output power = " + e + " W, acc. " + q + " %"
                           : "abgegebene Leistung = " + e + " W, entspr. " + q + " %";
  } else {
    r.Label29 = "-";
  }
  return r;
}

BandLevels SpectrumBarValues(const BandLevels& levels) {
  BandLevels bars{};
  for (int i = 0; i < kBandCount; ++i) bars[i] = std::clamp(levels[i], -40, 0) + 40;
  return bars;
}

std::string EstimateForPowerField(double estimatedPower) { return CutDecimals(Fixed2(estimatedPower), 15); }

double LimitedUserLevel(std::string_view levelText) {
  return std::clamp(ReadNumber(levelText), kLowestUserLevel, 0.0);
}

UserSpectrum UserSpectrumOf(const SpectrumTexts& texts) {
  UserSpectrum s;
  s.name = texts.name;
  for (int i = 0; i < kBandCount; ++i) s.power[i] = std::pow(10.0, LimitedUserLevel(texts.levels[i]) / 10.0);
  return s;
}

UserSpectrum LoadUserSpectrum(const platform::IniFile& ini) { return UserSpectrumOf(ReadSpectrumSection(ini)); }

SpectrumTexts NormalisedSpectrumTexts(const UserSpectrum& spectrum) {
  SpectrumTexts texts;
  texts.name = spectrum.name;
  for (int i = 0; i < kBandCount; ++i) {
    const double p = spectrum.power[i];
    const double level = p > 0 ? 10 * std::log10(p) : kLowestUserLevel;
    std::string text = Fixed2(level);
    // A level a hair below 0 dB would show as "-0.00".
    if (text == "-0.00") text = "0.00";
    texts.levels[i] = text;
  }
  return texts;
}

SpectrumSaveResult SaveUserSpectrum(platform::IniFile& ini) {
  SpectrumSaveResult result;
  result.spectrum = LoadUserSpectrum(ini);
  const SpectrumTexts normalised = NormalisedSpectrumTexts(result.spectrum);
  bool same = ini.ValueExists(kSpectrumSection, kSpectrumNameKey);
  for (int i = 0; same && i < kBandCount; ++i)
    same = ini.ValueExists(kSpectrumSection, kSpectrumBands[i].key) &&
           ini.ReadString(kSpectrumSection, kSpectrumBands[i].key, "") == normalised.levels[i];
  if (same) return result;
  result.outcome = WriteSpectrumSection(ini, normalised) ? SpectrumSave::Written : SpectrumSave::Failed;
  return result;
}

}  // namespace velomare
