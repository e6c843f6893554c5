#include "filters/model/ImpedanceCorrection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/NumberText.h"

namespace velomare {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kTwoPi = 2 * kPi;

// The resonance circuit brings the peak down to this multiple of Re.
constexpr long double kTargetPeakFactor = 1.3L;
// The Zobel resistor is 1.5 Re rather than the textbook Re: it keeps the correction slightly
// above the voice coil's resistance. Kept as designed.
constexpr long double kZobelFactor = 1.5L;
// Share of the power that the Zobel resistor takes at 10 kHz, and that reactance's frequency
// (100 = 10^6 / 10 kHz with C in µF).
constexpr long double kZobelPowerShare = 0.05L;
constexpr long double kZobelReactanceAt10k = 100.0L;
// R1 carries 10 P / fres watts.
constexpr long double kR1PowerFactor = 10.0L;
// The coil rule L = Qes Re / (2 pi fs) in mH, with 159.2 in place of 1000 / (2 pi) = 159.155.
constexpr double kCoilConstant = 159.2;
// Nominal impedance of a voice coil of DC resistance Re.
constexpr double kNominalFactor = 1.44;
// A divisor of R1's formula below this share of 1/(1.3 Re) is a rounding remnant of
// Zmax = 1.3 Re, not a real difference: R1 then counts as 0.
constexpr long double kR1DivisorRemnant = 1e-12L;

// Each number text of the window is cut to 10 characters, dropping decimals only.
constexpr std::size_t kNumberWidth = 10;

// The diagram's axes.
constexpr int kPlotLeft = 15;
constexpr int kPlotTop = 210;
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 45;
constexpr long double kFrequencyDecadeShare = 0.3L;   // of W - 30
constexpr long double kImpedanceDecadeShare = 0.333L;  // of H - 255, not 1/3: kept as designed
constexpr int kImpedanceAxisReserve = 255;
constexpr int kFrequencyAxisReserve = 30;
constexpr long double kCurveCap = 1000.0L;
// The read-out's constant, close to ln 10 / 0.333 = 6.91467 but not equal to it: kept.
constexpr long double kReadoutConstant = 6.9147L;
constexpr int kReadoutTop = 205;

std::string Number(long double value, int decimals) {
  return CutDecimals(FormatFixed(static_cast<double>(value), 1, decimals), kNumberWidth);
}

int ToPixel(long double value) {
  if (std::isnan(value)) return 0;
  constexpr long double kLimit = 1e6L;
  return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

bool AllFinite(std::initializer_list<long double> values) {
  return std::all_of(values.begin(), values.end(), [](long double v) { return std::isfinite(v); });
}

}  // namespace

ImpInputs ReadImpInputs(const std::array<std::string, 6>& texts) {
  return ImpInputs{ReadNumber(texts[0]), ReadNumber(texts[1]), ReadNumber(texts[2]),
                   ReadNumber(texts[3]), ReadNumber(texts[4]), ReadNumber(texts[5])};
}

ImpNetworks ComputeImpNetworks(const ImpInputs& in) {
  ImpNetworks out;
  out.in = in;
  const bool valid = in.re > 1 && in.le > 0 && in.power > 0 && in.zmax > in.re && in.coil > 0 && in.fres > 10;
  if (!valid) return out;

  // Zobel network (textbook Cz = Le / Rz^2, with Rz = 1.5 Re).
  const long double r2 = in.re / 2 + in.re;
  const long double c2 = in.le / ((kZobelFactor * in.re) * (kZobelFactor * in.re));
  const long double voltage = std::sqrt(in.power * in.re);
  const long double current = std::sqrt(in.power / in.re);
  const long double reactanceAt1Hz = 1e6L / (kTwoPi * c2);
  const long double voltageC2 = voltage * reactanceAt1Hz / (in.re + reactanceAt1Hz);
  const long double powerR2 =
      kZobelPowerShare * current * voltage * r2 / (r2 + kZobelReactanceAt10k / (kTwoPi * c2));

  // Resonance circuit: R1 in parallel with the peak Zmax gives 1.3 Re; L and C1 resonate at fres.
  const long double targetConductance = 1 / (kTargetPeakFactor * in.re);
  const long double divisor = targetConductance - 1 / in.zmax;
  const long double r1 = std::fabs(divisor) < kR1DivisorRemnant * targetConductance ? 0 : 1 / divisor;
  const long double c1 = 1e9L / (4 * kPi * kPi * in.fres * in.fres * in.coil);
  const long double powerR1 = kR1PowerFactor * in.power / in.fres;
  const long double voltageC1 = std::sqrt(kTargetPeakFactor * in.power * in.re);

  if (!AllFinite({r1, c1, powerR1, voltageC1, r2, c2, powerR2, voltageC2})) return out;
  out.valid = true;
  out.r1 = r1;
  out.c1 = c1;
  out.powerR1 = powerR1;
  out.voltageC1 = voltageC1;
  out.r2 = r2;
  out.c2 = c2;
  out.powerR2 = powerR2;
  out.voltageC2 = voltageC2;
  return out;
}

ImpLines ImpResultLines(const ImpNetworks& n, bool english) {
  ImpLines lines;
  lines.r1 = n.r1 > 1 && n.powerR1 > 0
                 ? (english ? "resistor R1=" + Number(n.r1, 1) + " ohms; " + Number(n.powerR1, 1) + " W"
                            : "Widerstand R1=" + Number(n.r1, 1) + " Ohm; " + Number(n.powerR1, 1) + " W")
                 : "R1 ";
  lines.r2 = n.r2 > 1 && n.powerR2 > 0
                 ? (english ? "resistor R2=" + Number(n.r2, 1) + " ohms; " + Number(n.powerR2, 1) + " W"
                            : "Widerstand R2=" + Number(n.r2, 1) + " Ohm; " + Number(n.powerR2, 1) + " W")
                 : "R2 ";
  lines.c1 = n.c1 > 0 && n.voltageC1 > 0
                 ? (english ? "capacitor C1=" : "Kondensator C1=") + Number(n.c1, 2) + " µF; " +
                       Number(n.voltageC1, 1) + " V"
                 : "C1 ";
  // The English C2 line joins its values with " µF / ", the others with a semicolon: kept.
  lines.c2 = n.c2 > 0 && n.voltageC2 > 0
                 ? (english ? "capacitor C2=" + Number(n.c2, 2) + " µF / " : "Kondensator C2=" + Number(n.c2, 2) + " µF; ") +
                       Number(n.voltageC2, 1) + " V"
                 : "C2 ";
  return lines;
}

std::optional<std::string> ImpPowerLabel(std::string_view reText) {
  if (!IsNumberText(reText)) return std::string("Watt (8 Ohm)");
  const double re = TextToFloat(reText);
  if (!(re > 0.5)) return std::nullopt;
  return "Watt (" + Number(kNominalFactor * re, 0) + " Ohm)";
}

std::string ImpCoilText(const ImpInputs& lastRead, double qes) {
  if (!(lastRead.re > 0 && lastRead.fres > 10 && qes > 0)) return "0";
  const double coil = static_cast<double>(kCoilConstant * qes * lastRead.re / lastRead.fres);
  if (!std::isfinite(coil)) return "0";
  return DotToComma(Number(coil, 2));
}

std::optional<std::string> ImpReEditText(double chassisRe) {
  if (!(chassisRe > 0) || !std::isfinite(chassisRe)) return std::nullopt;
  return DotToComma(Number(chassisRe, 1));
}

std::optional<std::string> ImpLeEditText(double chassisLe) {
  if (!(chassisLe > 0) || !std::isfinite(chassisLe)) return std::nullopt;
  return FormatFixed(chassisLe, 1, 0);
}

Complex ImpNetworkImpedance(const ImpNetworks& n, long double frequency) {
  const long double omega = kTwoPi * frequency;
  const Complex one{1, 0};
  const Complex zobel{n.r2, -1e6L / (omega * n.c2)};
  const Complex resonance{n.r1, omega * n.in.coil / 1000 - 1e6L / (omega * n.c1)};
  Complex zobelAdmittance, resonanceAdmittance, admittance, impedance;
  ComplexDividePolar(one, zobel, zobelAdmittance);
  ComplexDividePolar(one, resonance, resonanceAdmittance);
  ComplexAdd(zobelAdmittance, resonanceAdmittance, admittance);
  ComplexDividePolar(one, admittance, impedance);
  return impedance;
}

ImpCurve ComputeImpCurve(const ImpNetworks& n) {
  ImpCurve curve;
  curve.drawable = n.valid && n.c1 > 0 && n.c2 > 0 && n.in.re > 0 && n.in.fres > 10 && n.r1 != 0;
  if (!curve.drawable) return curve;
  for (int i = kFastGridFirst; i <= kFastGridLast; ++i) {
    long double magnitude = ComplexMagnitude(ImpNetworkImpedance(n, FastFilterGrid(i)));
    if (std::isnan(magnitude)) magnitude = 0;
    curve.magnitude[static_cast<std::size_t>(i - kFastGridFirst)] =
        static_cast<double>(std::min(magnitude, kCurveCap));
  }
  return curve;
}

int ImpDiagramX(long double frequency, int outerWidth) {
  const long double decade = kFrequencyDecadeShare * (outerWidth - kFrequencyAxisReserve);
  return ToPixel(std::log10(frequency) * decade + (kPlotLeft - decade));
}

int ImpDiagramY(long double impedance, int outerHeight) {
  const long double decade = kImpedanceDecadeShare * (outerHeight - kImpedanceAxisReserve);
  return ToPixel((outerHeight - kBottomMargin) - std::log10(impedance) * decade);
}

ImpDiagram LayOutImpDiagram(const ImpCurve& curve, int w, int h) {
  ImpDiagram d;
  if (!curve.drawable) return d;
  d.drawn = true;
  d.left = kPlotLeft;
  d.right = w - kRightMargin;
  d.top = kPlotTop;
  d.bottom = h - kBottomMargin;
  // 10 and 100 ohm, and 100, 1000 and 10000 Hz, close one run of lines and open the next.
  for (int i = 1; i <= 30; ++i) {
    const int z = i <= 10 ? i : i <= 20 ? 10 * (i - 10) : 100 * (i - 20);
    d.impedanceLines.push_back(ImpDiagramY(z, h));
  }
  for (int i = 1; i <= 32; ++i) {
    const int f = i <= 10 ? 10 * i : i <= 20 ? 100 * (i - 10) : i <= 30 ? 1000 * (i - 20) : 10000 * (i - 30);
    d.frequencyLines.push_back(ImpDiagramX(f, w));
  }
  // The impedance labels stand at exact thirds while the lines use 0.333: kept as designed.
  const int rows = h - kImpedanceAxisReserve;
  const int columns = w - kFrequencyAxisReserve;
  const int below = h - 40;
  d.labels = {
      {"1k", 1, kPlotTop},
      {"100", 1, ToPixel(197 + rows / 3.0L)},
      {"10", 1, ToPixel(197 + 2 * rows / 3.0L)},
      {"1 Ohm", 1, h - 58},
      {"10 Hz", 5, below},
      {"100", ToPixel(0.295L * columns) + 5, below},
      {"1k", ToPixel(0.61L * columns) + 5, below},
      {"10k", ToPixel(0.91L * columns) + 5, below},
  };
  d.curve.reserve(kFastGridPoints);
  for (int i = kFastGridFirst; i <= kFastGridLast; ++i) {
    const double magnitude = curve.magnitude[static_cast<std::size_t>(i - kFastGridFirst)];
    // No lower limit: a magnitude below 1 ohm lies below the bottom line.
    const int y = magnitude > 0 ? ImpDiagramY(magnitude, h) : h - kBottomMargin;
    d.curve.push_back({ImpDiagramX(FastFilterGrid(i), w), y});
  }
  return d;
}

const char* ImpPlainCaption(bool english) { return english ? "impedance correction" : "Impedanzkorrektur"; }

ImpCursorReadout ImpCursorCaption(int x, int y, int w, int h, bool english) {
  ImpCursorReadout plain{ImpPlainCaption(english), false};
  if (y <= kReadoutTop) return plain;
  // Below these sizes the axes have no extent and the inverse would divide by zero.
  if (h <= kImpedanceAxisReserve || w <= kFrequencyAxisReserve) return plain;
  const long double decade = kFrequencyDecadeShare * (w - kFrequencyAxisReserve);
  const long double frequency = std::exp(std::log(10.0L) * (x + decade - kPlotLeft) / decade);
  const long double impedance =
      std::exp(kReadoutConstant * (h - kBottomMargin - y) / static_cast<long double>(h - kImpedanceAxisReserve));
  if (!AllFinite({frequency, impedance}) || frequency > 1e300L || impedance > 1e300L) return plain;
  const std::string f = DotToComma(FormatFixed(static_cast<double>(frequency), 1, 1));
  const std::string z = DotToComma(FormatFixed(static_cast<double>(impedance), 1, 1));
  if (english) return {"impedance correction (cursor " + f + " Hz / " + z + " ohms)", true};
  return {"Impedanzkorrektur (Cursor " + f + " Hz / " + z + " Ohm)", true};
}

}  // namespace velomare
