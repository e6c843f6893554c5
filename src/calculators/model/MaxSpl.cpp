#include "calculators/model/MaxSpl.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

// Reference sound pressure, 20 micropascal: 0 dB SPL.
constexpr double kReferencePressure = 0.00002;
// A radiator that turns all of 1 W into sound gives 112 dB at 1 m (half space).
constexpr double kPerfectSensitivity = 112.0;
// The range of sensitivities the efficiency read-out and the first group accept.
constexpr double kLowestSensitivity = 70.0;
// Placement gains: a wall halves the radiation space, a corner quarters it.
constexpr double kWallGain = 3.01;
constexpr double kCornerGain = 6.02;
// The prefill trusts a driver only above these (Hz, litres, -).
constexpr double kPrefillMinFs = 5.0, kPrefillMinVas = 1.0, kPrefillMinQes = 0.05;

std::string EfficiencyText(double sensitivity, bool english, const char* outOfRange) {
  if (!(sensitivity >= kLowestSensitivity && sensitivity <= kPerfectSensitivity)) return outOfRange;
  return std::string(english ? "efficiency = " : "Wirkungsgrad = ") + FormatFixed(EfficiencyPercent(sensitivity), 2, 2) +
         " %";
}

std::string Whole(int value) { return std::to_string(value); }

double DistanceMetres(const SplGroupInput& group) { return group.distanceTenths / 10.0; }

// The read-outs of a group that do not depend on the gate.
SplGroupTexts ReadoutsOf(const SplGroupInput& group, double sensitivity, bool english, const char* outOfRange) {
  SplGroupTexts texts;
  texts.efficiency = EfficiencyText(sensitivity, english, outOfRange);
  texts.power = Whole(group.power) + " W";
  texts.count = Whole(group.count);
  texts.distance = FormatFixedComma(DistanceMetres(group), 2, 2) + " m";
  return texts;
}

double LevelOf(const SplGroupInput& group, double sensitivity) {
  return GroupLevel(sensitivity, group.power, group.count, DistanceMetres(group));
}

BarColour ColourOfLevel(double level) {
  if (level < 90) return {0, 0, 0};
  if (level < 100) return {128, 128, 128};
  if (level < 110) return {255, 255, 255};
  if (level < 120) return {0, 128, 0};
  if (level < 130) return {0, 255, 0};
  return {255, 0, 0};
}

}  // namespace

double GroupLevel(double sensitivity, double power, double count, double distanceMetres) {
  if (!(power > 0) || !(count > 0) || !(distanceMetres > 0)) return NAN;
  return sensitivity + 10 * std::log10(power) + 10 * std::log10(count) - 20 * std::log10(distanceMetres);
}

double EfficiencyPercent(double sensitivity) { return 100 * std::pow(10.0, (sensitivity - kPerfectSensitivity) / 10); }

double PressureOfLevel(double level) { return kReferencePressure * std::pow(10.0, level / 20); }

double LoudnessOfLevel(double phon) { return std::pow(2.0, (phon - 40) / 10); }

MaxSplResult ComputeMaxSpl(const MaxSplInput& input) {
  MaxSplResult r;
  const bool english = input.english;
  const double s1 = ReadNumber(input.groups[0].sensitivity);
  // Groups 2 and 3 take any sensitivity, in or out of the efficiency's range.
  const double s2 = ReadNumber(input.groups[1].sensitivity);
  const double s3 = ReadNumber(input.groups[2].sensitivity);
  // Every group's read-outs and the power of all drivers follow their own controls, whatever the
  // first sensitivity says: a bar that moves must never leave a stale number beside it.
  r.groups[0] = ReadoutsOf(input.groups[0], s1, english, "%");
  r.groups[1] = ReadoutsOf(input.groups[1], s2, english, "Wirkungsgrad in %");
  r.groups[2] = ReadoutsOf(input.groups[2], s3, english, "%");
  const long long w1 = 1LL * input.groups[0].power * input.groups[0].count;
  const long long w2 = input.group2Used ? 1LL * input.groups[1].power * input.groups[1].count : 0;
  const long long w3 = input.group3Used ? 1LL * input.groups[2].power * input.groups[2].count : 0;
  r.powerText = std::string(english ? "power of all speakers " : "Leistung aller Chassis ") +
                FormatFixed(double(w1 + w2 + w3), 3, 0) + " W";
  r.pressureText = "-";
  // 112 dB itself still shows an efficiency (100 %) but no level.
  if (!(s1 >= kLowestSensitivity && s1 < kPerfectSensitivity)) return r;

  const double l1 = LevelOf(input.groups[0], s1);
  const double l2 = LevelOf(input.groups[1], s2);
  const double l3 = LevelOf(input.groups[2], s3);
  const double p1 = PressureOfLevel(l1);
  const double p2 = input.group2Used ? PressureOfLevel(l2) : 0.0;
  const double p3 = input.group3Used ? PressureOfLevel(l3) : 0.0;
  const double x1 = p1 / kReferencePressure, x2 = p2 / kReferencePressure, x3 = p3 / kReferencePressure;
  const double sum = x1 * x1 + x2 * x2 + x3 * x3;
  double total = sum > 0 ? 10 * std::log10(sum) : NAN;
  if (input.placement == Placement::NearWall) total += kWallGain;
  if (input.placement == Placement::Corner) total += kCornerGain;
  const double loudness = LoudnessOfLevel(total);
  const double pressure = PressureOfLevel(total);

  // A sensitivity typed far out of range in group 2 or 3 overflows the pressure: then there is
  // no total to show, as for a first group out of range.
  for (double v : {l1, l2, l3, p1, p2, p3, total, loudness, pressure})
    if (!std::isfinite(v)) return r;

  r.levelShown = true;
  r.totalLevel = total;
  r.firstLevel = l1;
  r.barValue = static_cast<int>(std::lround(
      std::clamp(total, double(MaxSplResult::kBarMinimum), double(MaxSplResult::kBarMaximum))));
  r.barColour = ColourOfLevel(l1);
  r.totalText = FormatFixedComma(total, 3, 1) + " dB";
  r.pressureText = std::string(english ? "pressure " : "Druck ") + FormatFixedComma(pressure, 3, 1) +
                   (english ? " Pa, loudness " : " Pa, Lautheit ") + FormatFixedComma(loudness, 2, 1) + " sone";
  return r;
}

std::optional<std::string> PrefillSensitivity(double fs, double vas, double qes) {
  if (!(fs > kPrefillMinFs && vas > kPrefillMinVas && qes > kPrefillMinQes)) return std::nullopt;
  const std::optional<double> spl = ReferenceSpl(fs, vas, qes);
  if (!spl) return std::nullopt;
  return FormatFixedComma(*spl, 3, 1);
}

}  // namespace velomare
