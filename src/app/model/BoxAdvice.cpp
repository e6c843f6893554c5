#include "app/model/BoxAdvice.h"

#include <cmath>

#include "common/NumberText.h"

namespace velomare {
namespace {

// Speed of sound 344 m/s, in cm/s: 34400 / dia is the frequency whose wavelength equals the
// membrane diameter; the critical limit puts that wavelength at 0.55 (from 16 cm up) or 0.525
// of the diameter (34400 / 0.55 = 62545.5, 34400 / 0.525 = 65523.8).
constexpr double kSoundSpeedCm = 34400.0;
constexpr double kCriticalLarge = 62545.5;
constexpr double kCriticalSmall = 65523.8;
constexpr double kLargeDiameterCm = 16.0;

// [a, b], (a, b), [a, b) and (a, b] as the rules write them.
bool Closed(double x, double a, double b) { return x >= a && x <= b; }
bool Open(double x, double a, double b) { return x > a && x < b; }
bool FromA(double x, double a, double b) { return x >= a && x < b; }
bool ToB(double x, double a, double b) { return x > a && x <= b; }

int ClosedBoxSum(const BoxAdvice& a, const AdviceDriver& d) {
  int s1 = 0, s3 = 0;
  if (Closed(a.ebp, 40, 65)) s1 = 3;
  else if (Open(a.ebp, 30, 40) || ToB(a.ebp, 65, 75)) s1 = 2;
  else if (ToB(a.ebp, 75, 80)) s1 = 1;
  if (Closed(d.fs, 40, 50)) s3 = 1;
  else if (d.fs < 40) s3 = 2;
  return s1 + s3;
}

int BassReflexSum(const BoxAdvice& a, const AdviceDriver& d) {
  int s1 = 0, s3 = 0;
  if (Closed(a.ebp, 80, 110)) s1 = 3;
  else if (FromA(a.ebp, 70, 80) || ToB(a.ebp, 110, 120)) s1 = 2;
  else if (FromA(a.ebp, 45, 70) || ToB(a.ebp, 120, 130)) s1 = 1;
  if (Closed(d.qts, 0.3, 0.38)) s3 = 2;
  else if (Open(d.qts, 0.25, 0.3) || Open(d.qts, 0.38, 0.45)) s3 = 1;
  return s1 + s3;
}

int ClosedBandpassSum(const BoxAdvice& a, const AdviceDriver& d) {
  int s1 = 0, s2 = 0, s3 = 0;
  if (Closed(a.fsOverQts, 30, 70)) s1 = 3;
  else if (ToB(a.fsOverQts, 70, 80)) s1 = 2;
  else if (ToB(a.fsOverQts, 80, 100)) s1 = 1;
  if (Closed(2 * d.qts * d.qts * d.vas, 5, 50)) s2 = 1;
  if (Closed(a.q60, 0.6, 1)) s3 = 1;
  return s1 + s2 + s3;
}

int VentedBandpassSum(const BoxAdvice& a, const AdviceDriver& d) {
  int s1 = 0, s3 = 0;
  if (Closed(a.ebp, 80, 100)) s1 = 3;
  else if (Open(a.ebp, 70, 80) || Open(a.ebp, 100, 110)) s1 = 2;
  else if (ToB(a.ebp, 60, 70) || Closed(a.ebp, 110, 120)) s1 = 1;
  if (ToB(d.qts, 0.32, 0.38)) s3 = 2;
  else if (Closed(d.qts, 0.30, 0.32) || Open(d.qts, 0.38, 0.44)) s3 = 1;
  return s1 + s3;
}

int FreeAirSum(const BoxAdvice& a) {
  int s1 = 0;
  if (Open(a.qtc, 0.43, 0.5) || FromA(a.qtc, 1, 1.2)) s1 = 1;
  else if (FromA(a.qtc, 0.5, 0.7) || FromA(a.qtc, 0.8, 1)) s1 = 2;
  else if (FromA(a.qtc, 0.7, 0.8)) s1 = 3;
  return s1 + (a.f3 < 70 ? 1 : 0) + (a.f3 < 50 ? 1 : 0);
}

int OpenBoxSum(const BoxAdvice& a, const AdviceDriver& d) {
  int s1 = 0;
  if (Open(d.qts, 0.7, 1) || Open(d.qts, 1.6, 3)) s1 = 2;
  else if (Closed(d.qts, 1, 1.6)) s1 = 3;
  return s1 + (ToB(d.fs, 35, 55) ? 1 : 0) + (Closed(a.ebp, 10, 20) ? 1 : 0);
}

int ExpoHornSum(const AdviceDriver& d) {
  return (ToB(d.qts, 0.1, 0.3) ? 1 : 0) + (Closed(d.fs, 20, 30) ? 1 : 0) + (d.fs < 30 && d.qts <= 0.2 ? 2 : 0);
}

int TransmissionLineSum(const BoxAdvice& a, const AdviceDriver& d) {
  int s2 = 0, s3 = 0;
  if (Closed(d.fs, 20, 25)) s2 = 2;
  else if (ToB(d.fs, 25, 30)) s2 = 1;
  if (FromA(a.ebp, 35, 40)) s3 = 2;
  else if (Open(a.ebp, 40, 50) || a.ebp < 35) s3 = 1;
  return (Open(d.qts, 0.3, 0.5) ? 1 : 0) + s2 + s3;
}

struct RatioStep {
  double below;
  double ratio;
};
// Lower bound of each row is the upper bound of the row before; 1.0 at 0.75 is a kept step.
constexpr RatioStep kRatioSteps[] = {
    {0.5, 1.6},   {0.55, 1.55}, {0.6, 1.4},  {0.65, 1.21}, {0.7, 1.12}, {0.75, 1.01}, {0.8, 1.0},  {0.85, 0.9},
    {0.9, 0.86},  {0.95, 0.83}, {1.0, 0.81}, {1.05, 0.79}, {1.1, 0.77}, {1.15, 0.76}, {1.2, 0.75}, {1.25, 0.74},
    {1.3, 0.73},  {1.4, 0.72},  {1.5, 0.71}, {1.6, 0.7},   {1.75, 0.69}, {1.9, 0.68}, {2.1, 0.67},
};
constexpr double kRatioAbove = 0.66;

}  // namespace

bool AdviceGuardPasses(const AdviceDriver& d) {
  return d.qts > 0.05 && d.qes > 0.05 && d.qes > d.qts && d.vas > 1 && d.fs > 5;
}

double QuantizeRatio(double qtc) {
  if (!(qtc > 0)) return 0;
  for (const RatioStep& step : kRatioSteps)
    if (qtc < step.below) return step.ratio;
  return kRatioAbove;
}

std::optional<BoxAdvice> AdviseBoxTypes(const AdviceDriver& d, double vb) {
  if (!AdviceGuardPasses(d) || !(vb > 0 && vb < 2001)) return std::nullopt;
  BoxAdvice a;
  a.ebp = d.fs / d.qes;
  a.fsOverQts = d.fs / d.qts;
  a.q60 = (60 / d.fs) * d.qts;
  a.qtc = d.qts * std::sqrt(d.vas / vb + 1);
  a.fc = (a.qtc / d.qts) * d.fs;
  a.f3 = QuantizeRatio(a.qtc) * a.fc;
  // The diameter has no guard of its own: a text without a number beats a division by zero.
  if (d.dia > 0) {
    const double critical = (d.dia >= kLargeDiameterCm ? kCriticalLarge : kCriticalSmall) / d.dia;
    const double advisable = kSoundSpeedCm / d.dia;
    if (std::isfinite(critical)) a.foCritical = critical;
    if (std::isfinite(advisable)) a.foAdvisable = advisable;
  }
  auto set = [&a](AdvisedBox box, int sum) { a.sums[static_cast<int>(box)] = sum; };
  set(AdvisedBox::Closed, ClosedBoxSum(a, d));
  set(AdvisedBox::BassReflex, BassReflexSum(a, d));
  set(AdvisedBox::ClosedBandpass, ClosedBandpassSum(a, d));
  set(AdvisedBox::VentedBandpass, VentedBandpassSum(a, d));
  set(AdvisedBox::FreeAir, FreeAirSum(a));
  set(AdvisedBox::OpenBox, OpenBoxSum(a, d));
  set(AdvisedBox::ExpoHorn, ExpoHornSum(d));
  set(AdvisedBox::TransmissionLine, TransmissionLineSum(a, d));
  return a;
}

const char* SuitabilityWord(int sum, bool english) {
  if (sum >= 5) return english ? "very good" : "sehr gut";
  if (sum == 4) return english ? "good" : "gut";
  if (sum == 3) return english ? "possible" : "möglich";
  if (sum == 2) return english ? "partly" : "bedingt";
  if (sum == 1) return english ? "bad" : "schlecht";
  return english ? "impossible" : "ungeeignet";
}

int SymbolCount(int sum) { return sum <= 0 ? 0 : (sum >= 5 ? 5 : sum); }

namespace {

struct Prefix {
  const char* german;
  const char* english;
};
// By AdvisedBox.
constexpr Prefix kResultPrefixes[kAdvisedBoxCount] = {
    {"Eignung für geschlossenes Gehäuse : ", "suitability for a closed box : "},
    {"Eignung für Baßreflexgehäuse : ", "suitability for a reflex (vented) box : "},
    {"Eignung für geschlossenen Bandpass : ", "suitability for a closed band pass box : "},
    {"Eignung für ventilierten Bandpass : ", "suitability for a vented band pass box : "},
    {"Free-Air-Betrieb : ", "suitability for Free-Air : "},
    {"Eignung für offene Box (z.B. PA) : ", "suitability for an open box (e.g. PA) : "},
    {"Eignung für Exponentialhorn : ", "suitability for an exponential horn system : "},
    {"Eignung für Transmissionline-Systeme : ", "suitability for a transmissionline system : "},
};

}  // namespace

AdviceTexts FormatAdvice(const BoxAdvice& a, bool english, const std::string& maker, const std::string& name) {
  AdviceTexts t;
  t.caption = std::string(english ? "advice for selection for " : "Gehäusetyp-Tips für ") + maker + " " + name;
  for (int i = 0; i < kAdvisedBoxCount; ++i) {
    t.words[i] = SuitabilityWord(a.sums[i], english);
    t.rows[i] = std::string(english ? kResultPrefixes[i].english : kResultPrefixes[i].german) + t.words[i];
  }
  const std::string fc = FormatFixed(a.fc, 3, 0), f3 = FormatFixed(a.f3, 3, 0), qtc = FormatFixed(a.qtc, 1, 2);
  t.label7 = english ? "resonance fc=" + fc + " Hz / lower cut frequency = " + f3 + " Hz / quality Qtc=" + qtc
                     : "Resonanz fc=" + fc + " Hz / untere Grenzfrequenz fu=" + f3 + " Hz / Güte Qtc=" + qtc;
  t.label6 = "EBP (Efficiency-Bandwidth-Product=fs/Qes) : " + FormatFixed(a.ebp, 3, 1) + " (Hz)";
  t.label14 = "fs/Qts = " + FormatFixed(a.fsOverQts, 3, 1) + " (Hz)";
  t.label9 = english ? "critical upper cut frequency of this speaker : " : "kritische obere Grenzfrequenz des Chassis : ";
  t.label10 = english ? "maximum advisable upper cut frequency : " : "maximal empfehlenswerte obere Grenzfrequenz : ";
  if (a.foCritical) t.label9 += FormatFixed(*a.foCritical, 3, 0) + " Hz";
  if (a.foAdvisable) t.label10 += FormatFixed(*a.foAdvisable, 3, 0) + " Hz";
  return t;
}

}  // namespace velomare
