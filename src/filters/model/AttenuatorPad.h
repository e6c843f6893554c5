#pragma once
// A resistive pad that lowers a loudspeaker's level by A dB, in two versions: the L-pad (R1 in
// series, R2 across the loudspeaker), which keeps the impedance the amplifier sees at Z, and a
// single series resistor R3, which raises it. Resistances in ohm, power in W, A in dB.
//
// Textbook constant-impedance L-pad, with k = 10^(-A/20) the voltage ratio:
//   R1 = Z (1 - k), R2 = Z k / (1 - k); the series resistor alone: R3 = Z (1/k - 1).
// The routine below computes them through g = 1/k in the form the window has always used; the
// tests hold the results to the textbook relations.
#include <optional>
#include <string>
#include <string_view>

namespace velomare {

struct LPadInput {
  std::string_view impedance;  // Edit1, ohm
  std::string_view power;      // Edit2, W delivered into Z
  int attenuationPosition = 10;  // ScrollBar1, tenths of a dB
  bool english = false;
};

struct LPadValues {
  double attenuation = 0;  // dB
  double r1 = 0, r2 = 0, r3 = 0, newImpedance = 0;
  double voltage = 0, current = 0, currentR3 = 0;  // Ueff, Ieff, I3
  double powerR1 = 0, powerR2 = 0, powerR3 = 0, powerR3Full = 0, newPower = 0;
  double relativePower = 0;     // percent after the L-pad
  double newRelativePower = 0;  // percent drawn with R3
};

// The texts and gauge values of one run. With invalid inputs the labels that keep their old text
// (Label3, Label30, Label10) and Gauge3 are left empty here.
struct LPadResult {
  bool valid = false;
  LPadValues values;
  std::optional<std::string> Label3;
  std::string Label4, Label5, Label6;
  std::optional<std::string> Label30, Label10;
  std::string Label8;
  int Gauge1 = 0;
  std::optional<int> Gauge3;
};

LPadResult ComputeLPad(const LPadInput& input);

// The gauges' integer conversions, held to 0..100 first: Gauge1 truncates, Gauge3 rounds half to
// even.
int PercentGaugeTruncated(double percent);
int PercentGaugeRounded(double percent);

}  // namespace velomare
