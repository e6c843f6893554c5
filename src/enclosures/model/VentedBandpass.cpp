#include "enclosures/model/VentedBandpass.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/Helmholtz.h"
#include "enclosures/model/ReflexBox.h"

namespace velomare {
namespace {

// The derived fields are cut to this many characters (decimals only).
constexpr std::size_t kFieldChars = 15;

std::string FieldText(double value, int width) { return CutDecimals(FormatFixed(value, width, 1), kFieldChars); }
std::string PresetText(double value) { return FormatFixed(value, 1, 1); }

VentpassChamberTexts UpdateChamber(VentpassChamber& c, const VentpassChamberFields& in,
                                   UnbuildableChamber unbuildable) {
  c.volume = ReadNumber(in.volume);
  c.portLength = ReadNumber(in.length);
  VentpassChamberTexts texts;
  if (!in.crossSection) {
    c.portDiameter = ReadNumber(in.diameter);
    c.portArea = c.portDiameter > 0 ? TubeAreaOf(c.portDiameter) : 0.0;
    texts.derivedTube = FieldText(c.portArea, 1);
  } else {
    c.portArea = ReadNumber(in.area);
    c.portDiameter = c.portArea > 0 ? TubeDiameterOf(c.portArea) : 0.0;
    texts.derivedTube = FieldText(c.portDiameter, 1);
  }
  if (c.volume > 0 && c.portLength > 0 && c.portDiameter > 0)
    c.tuning = HelmholtzTuning(c.portDiameter / 2, c.volume, c.portLength);
  else if (unbuildable == UnbuildableChamber::NoTuning)
    c.tuning = 0;
  texts.tuning = FieldText(c.tuning, 2);
  return texts;
}

bool AllFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

VentpassDriver VentpassDriverFromCommitted() { return {ChassisQts, ChassisVas, ChassisFs}; }

VentpassTexts UpdateVentpass(VentpassState& state, const VentpassChamberFields& chamber1,
                             const VentpassChamberFields& chamber2, UnbuildableChamber unbuildable) {
  VentpassTexts texts;
  texts.chamber1 = UpdateChamber(state.chamber1, chamber1, unbuildable);
  texts.chamber2 = UpdateChamber(state.chamber2, chamber2, unbuildable);
  return texts;
}

int UpdateVentpassQl(VentpassState& state, bool autoQl, int scrollPosition) {
  if (!autoQl) {
    state.ql = scrollPosition;
    return scrollPosition;
  }
  const double v1 = state.chamber1.volume, v2 = state.chamber2.volume;
  if (v1 > 0 && v2 > 0) {
    // Limited while still a double: a few 1e-16 litres give a root far beyond any int.
    const double q = std::trunc(std::sqrt(6000.0 / (v1 + v2) + 1.0));
    state.ql = static_cast<int>(std::clamp(q, 1.0, 100.0));
  }
  state.ql = std::clamp(state.ql, 1, 100);
  return state.ql;
}

std::string VentpassQlLabel(bool english, int scrollPosition) {
  return std::string(english ? "loss factor quality Ql = " : "Verlustfaktor Ql = ") + std::to_string(scrollPosition);
}

bool ApplyVentpassPreset(int index, VentpassState& state, const VentpassDriver& driver,
                         const VentpassFieldWriter& write) {
  if (index < 0 || index > 2) return false;
  const double qts = driver.qts, vas = driver.vas, fs = driver.fs;
  const double d1 = state.chamber1.portDiameter;
  if (!(qts > 0 && vas > 0 && fs > 0 && d1 > 0) || !AllFinite({qts, vas, fs, d1})) return false;
  const double area = TubeAreaOf(d1);

  if (index == 0) {
    const double v1 = static_cast<double>(ReflexRuleVolume(qts, vas, 1));
    if (!(v1 > 0)) return false;
    const double l1 = static_cast<double>(ReflexRulePortLength(area, qts, fs, v1));
    // The target of chamber 2 is twice chamber 1's tuning, from the unrounded values.
    if (!(l1 + kHelmholtzEndCorrection * d1 / 2 > 0)) return false;
    const double target = 2.0 * HelmholtzTuning(d1 / 2, v1, l1);
    const double d2 = std::sqrt(3.0) * d1;
    const double v2 = v1 / 2;
    if (!(target > 0) || !AllFinite({v1, l1, d2, v2, target})) return false;
    write(VentpassField::Volume1, PresetText(v1));
    write(VentpassField::Length1, PresetText(l1));
    state.chamber2.portDiameter = d2;
    write(VentpassField::Diameter2, PresetText(d2));
    write(VentpassField::Volume2, PresetText(v2));
    // Chamber 2's diameter as the writes left it: re-read from its one-decimal field, or derived
    // from the cross-section field.
    const double l2 = HelmholtzTubeLength(state.chamber2.portDiameter / 2, target, v2);
    if (std::isfinite(l2)) write(VentpassField::Length2, PresetText(l2));
    return true;
  }

  const double v1 = qts >= 0.6 ? 100.0 : 0.8 * vas / (std::pow(0.8 / qts, 2) - 1.0);
  if (!(v1 > 0)) return false;
  const double l1 = static_cast<double>(ReflexRulePortLength(area, qts, fs, v1));
  const double d2 = std::sqrt(2.0) * d1;
  const double v2 = index == 1 ? 2.0 * vas * qts * qts : 0.7071 * v1;
  if (!AllFinite({v1, l1, d2, v2})) return false;
  write(VentpassField::Volume1, PresetText(v1));
  write(VentpassField::Length1, PresetText(l1));
  state.chamber2.portDiameter = d2;
  write(VentpassField::Diameter2, PresetText(d2));
  write(VentpassField::Volume2, PresetText(v2));
  return true;
}

VentpassResponseInputs VentpassResponseInputsOf(const VentpassState& state, const VentpassDriver& driver) {
  return {state.chamber1.tuning, state.chamber2.tuning, state.chamber1.volume, state.chamber2.volume,
          static_cast<double>(state.ql), driver.qts, driver.vas, driver.fs};
}

VentpassResponse VentpassResponseOf(const VentpassResponseInputs& in) {
  const double f1 = in.f1, f2 = in.f2, q = in.ql, fs = in.fs, qts = in.qts;
  const double f1s = f1 * f1, f2s = f2 * f2, fss = fs * fs;
  const double r1 = in.vas / in.v1, r2 = in.vas / in.v2;
  VentpassResponse r;
  // Chamber 1's loss terms carry F1²/F2 where a leakage loss at its own tuning would carry F1:
  // the curve is this model's, and stored and exported curves must stay comparable.
  r.a[5] = f1s / (f2 * q) + fs / qts + f2 / q;
  r.a[4] = fss * (r2 + r1 + 1) + fs * (f1s / (f2 * qts * q) + f2 / (qts * q)) + f1s + f2s;
  r.a[3] = 2 * f1s * f2 / q + (f2s + f1s) * fs / qts + fss * (f1s / (f2 * q) * (r2 + 1) + f2 / q * (r1 + 1));
  r.a[2] = f1s * f2s + 2 * f1s * f2 * fs / (qts * q) + fss * (f2s * (r1 + 1) + f1s * (r2 + 1));
  r.a[1] = f1s * f2 * (2 * fss / q + f2 * fs / qts);
  r.a[0] = f1s * f2s * fss;
  r.gain = std::fabs(f2s - f1s);
  return r;
}

std::optional<double> VentpassResponseLevel(const VentpassResponse& r, double f) {
  const double f2 = f * f, f4 = f2 * f2;
  const double re = -f4 * f2 + r.a[4] * f4 - r.a[2] * f2 + r.a[0];
  const double im = r.a[5] * f4 * f - r.a[3] * f2 * f + r.a[1] * f;
  const double level = std::log(f4 * r.gain / std::hypot(re, im)) * 20.0 / std::log(10.0);
  if (!std::isfinite(level)) return std::nullopt;
  return level;
}

bool VentpassSimulationValid(const VentpassState& s, const VentpassDriver& d) {
  const double f1 = s.chamber1.tuning, f2 = s.chamber2.tuning;
  return d.qts >= 0.05 && s.chamber1.volume > 0 && s.chamber2.volume > 0 && d.vas > 1 && d.fs > 10 && f1 > 0 &&
         f2 > 0 && f1 != f2 && s.ql >= 1;
}

bool VentpassExportListValid(const VentpassState& s, const VentpassDriver& d) {
  return VentpassSimulationValid(s, d) && s.chamber1.portLength > 0 && s.chamber2.portLength > 0 &&
         s.chamber1.portDiameter > 0 && s.chamber2.portDiameter > 0;
}

bool VentpassExportFileValid(const VentpassState& s, const VentpassDriver& d) {
  return d.qts > 0.01 && d.fs > 1 && d.vas > 0.1 && s.chamber1.volume > 0.1 && s.chamber2.volume > 0.1 &&
         s.chamber1.tuning > 1 && s.ql > 0 && s.chamber2.tuning > 1;
}

std::optional<ComparisonLevels> VentpassLevels(const VentpassState& state, const VentpassDriver& driver) {
  const VentpassResponse response = VentpassResponseOf(VentpassResponseInputsOf(state, driver));
  ComparisonLevels levels{};
  for (int f = 1; f <= kComparisonLevelCount; ++f) {
    const std::optional<double> level = VentpassResponseLevel(response, f);
    if (!level) return std::nullopt;
    levels[static_cast<std::size_t>(f - 1)] = *level;
  }
  return levels;
}

ComparisonHeader VentpassComparisonHeader(const VentpassState& s, bool pushPull) {
  ComparisonHeader header = HeaderForCommittedDriver(BoxType::VentedBandpass);
  header.Multiple = pushPull ? 2 : 1;
  header.BoxQl = s.ql;
  header.Volume1 = s.chamber1.volume;
  header.Volume2 = s.chamber2.volume;
  header.PortArea1 = s.chamber1.portArea;
  header.PortLength1 = s.chamber1.portLength;
  header.PortArea2 = s.chamber2.portArea;
  header.PortLength2 = s.chamber2.portLength;
  return header;
}

VentedBandpassExportValues VentpassExportValues(const VentpassState& s, bool pushPull) {
  return {pushPull,
          s.chamber1.volume,
          s.chamber2.volume,
          s.ql,
          s.chamber1.portDiameter,
          s.chamber1.portLength,
          s.chamber2.portDiameter,
          s.chamber2.portLength};
}

std::string VentpassCaption(bool english, bool pushPull) {
  if (english) return pushPull ? "vented band pass box 6th order with push-pull" : "vented band pass box 6th order";
  return pushPull ? "Ventilierter Bandpass 6. Ordnung mit Push-Pull-Prinzip" : "Ventilierter Bandpass 6. Ordnung";
}

}  // namespace velomare
