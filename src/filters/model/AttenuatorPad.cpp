#include "filters/model/AttenuatorPad.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace velomare {
namespace {

// Every number of the pad: a decimal point in both languages, cut to 7 characters by dropping
// decimals ("10874.91" shows "10874.9"; a larger power keeps all its integer digits).
constexpr std::size_t kPadNumberWidth = 7;
std::string Num(double value, int decimals) { return CutDecimals(FormatFixed(value, 0, decimals), kPadNumberWidth); }

bool AllFinite(const LPadValues& v) {
  for (double x : {v.r1, v.r2, v.r3, v.newImpedance, v.voltage, v.current, v.currentR3, v.powerR1, v.powerR2,
                   v.powerR3, v.powerR3Full, v.newPower, v.relativePower, v.newRelativePower})
    if (!std::isfinite(x)) return false;
  return true;
}

}  // namespace

int PercentGaugeTruncated(double percent) {
  if (!std::isfinite(percent)) return 0;
  return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

int PercentGaugeRounded(double percent) {
  if (!std::isfinite(percent)) return 0;
  const double x = std::clamp(percent, 0.0, 100.0);
  const double below = std::floor(x);
  const double fraction = x - below;
  int n = static_cast<int>(below);
  if (fraction > 0.5 || (fraction == 0.5 && n % 2 != 0)) ++n;
  return n;
}

LPadResult ComputeLPad(const LPadInput& in) {
  LPadResult out;
  const double z = ReadNumber(in.impedance);
  const double p = ReadNumber(in.power);
  LPadValues v;
  v.attenuation = 0.1 * in.attenuationPosition;
  const std::string a = Num(v.attenuation, 1);

  const auto invalid = [&] {
    out.Label4 = "R1";
    out.Label5 = "R2";
    out.Label6 = "R3";
    out.Label8 = "Watt";
    out.Gauge1 = 0;
    return out;
  };
  if (!(v.attenuation <= 50 && v.attenuation > 0 && z > 0 && p > 0)) return invalid();

  const double g = std::pow(10.0, v.attenuation / 20.0);
  v.r2 = z / (g - 1);
  v.r1 = z - z * v.r2 / (z + v.r2);
  v.r3 = z * g - z;
  v.voltage = std::sqrt(p * z);
  v.current = std::sqrt(p / z);
  v.currentR3 = v.voltage / (z + v.r3);
  v.powerR1 = v.r1 * p / z;
  v.powerR2 = (z - v.r1) * p / (v.r2 + z);
  v.newPower = p * z / (v.r3 + z);
  v.powerR3 = v.newPower * v.r3 / (z + v.r3);
  v.powerR3Full = v.r3 * p / (v.r3 + z);
  v.relativePower = 100 * std::pow(10.0, -v.attenuation / 10.0);
  v.newRelativePower = 100 * v.newPower / p;
  v.newImpedance = v.r3 + z;
  if (!AllFinite(v)) return invalid();

  out.valid = true;
  out.values = v;
  const bool en = in.english;
  out.Label3 = (en ? "attenuation (" : "Dämpfung (") + a + " dB) :";
  out.Label4 = "R1 = " + Num(v.r1, 2) + " Ohm, " + Num(v.powerR1, 2) + " W";
  out.Label5 = "R2 = " + Num(v.r2, 2) + " Ohm, " + Num(v.powerR2, 2) + " W";
  out.Label6 = "R3 = " + Num(v.r3, 2) + " Ohm, " + Num(v.powerR3, 2) + " W (" + Num(v.powerR3Full, 2) + "W)";
  out.Label30 = (en ? "new impedance Z = " : "neue Impedanz Z = ") + Num(v.newImpedance, 2) + (en ? " Ohms" : " Ohm");
  const std::string u = Num(v.voltage, 2);
  if (en) {
    out.Label10 = "2 resistors version : U = " + u + " Vrms, I = " + Num(v.current, 2) + " Arms";
    out.Label8 = "1 resistor version : U = " + u + " Vrms, I = " + Num(v.currentR3, 2) + " Arms, P = " +
                 Num(v.newPower, 2) + " W";
  } else {
    out.Label10 = "Version mit 2 Widerständen : Ueff = " + u + " V, Ieff = " + Num(v.current, 2) + " A";
    out.Label8 = "Version mit 1 Widerstand : Ueff = " + u + " V, Ieff = " + Num(v.currentR3, 2) + " A, P = " +
                 Num(v.newPower, 2) + " W";
  }
  out.Gauge1 = PercentGaugeTruncated(v.relativePower);
  out.Gauge3 = PercentGaugeRounded(v.newRelativePower);
  return out;
}

}  // namespace velomare
