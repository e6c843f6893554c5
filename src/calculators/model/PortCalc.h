#pragma once
// Four small calculations around the port of a vented box: the smallest and the recommended
// port diameter for a driver's excursion, a port length moved between mountings of its ends, the
// length a port of another diameter and count needs for the same tuning, and circular tubes and
// rectangular tunnels of equal cross-section.
#include <optional>
#include <string>

namespace velomare {

// End corrections in port radii (the added length of air that moves with the port's ends): one
// end flanged (0.849) and one free (0.613), both flanged, both free.
inline constexpr double kEndCorrectionOneFlush = 1.463;
inline constexpr double kEndCorrectionBothFlush = 1.7;
inline constexpr double kEndCorrectionBothFree = 1.226;

// 1. The port diameter per driver.
struct PortDiameterResult {
  bool valid = false;             // Xmax > 0 and 10 <= fb <= 150
  double minimum = 0;             // cm
  double recommended = 0;         // cm
  double displacement = 0;        // Vd, litres
  double fifthArea = 0, fifthDiameter = 0;  // one fifth of the membrane area, cm^2 and cm
  double tenthArea = 0, tenthDiameter = 0;  // one tenth
};
PortDiameterResult ComputePortDiameter(double xmaxMm, double fbHz, int ports, double membraneDiameterCm);

struct PortDiameterTexts {
  std::string minimum;      // Label2
  std::string recommended;  // Label3
  std::string displacement; // Label5
  std::string fifth;        // Label7
  std::string tenth;        // Label8
};
// The texts of a result; numbers with a comma in German, a point in English. An invalid result
// gives the short placeholders "min. d", "di" and "Vd "; the rules of thumb are always shown.
PortDiameterTexts PortDiameterTextsOf(const PortDiameterResult& r, bool english);

// 2. A length computed for one end free and one flush, for both ends flush and both ends free.
struct PortLengthTexts {
  std::string bothFlush;  // Label11; empty when invalid or the length is not positive
  std::string bothFree;   // Label12
};
PortLengthTexts TransformPortLength(double lengthCm, double diameterCm, bool english);

// 3. The length N2 ports of diameter D2 need to tune like N1 ports of D1 and length L1. The same
// Helmholtz tuning at the same volume keeps the ratio of port area to effective length.
std::optional<double> ConvertPortLength(double d1, double l1, int n1, double d2, int n2, bool endCorrection);
// "notwendige neue Länge 12.4 cm" (always with a point) or "?".
std::string ConvertPortLengthText(std::optional<double> length, bool english);

// 4. Tubes and tunnels of the same total cross-section.
enum class TubeTunnelGiven { Tube, Tunnel, CrossSection };
struct TubeTunnelInput {
  TubeTunnelGiven given = TubeTunnelGiven::Tube;
  double tubeDiameter = 0;  // cm, Edit5
  double tunnelWidth = 0;   // cm, Edit6
  double tunnelHeight = 0;  // cm, Edit7
  double area = 0;          // cm^2, Edit9
  int tunnels = 1;
  int tubes = 1;
};
struct TubeTunnelResult {
  double tubeDiameter = 0, tunnelHeight = 0, area = 0;
};
// Fills the quantities that are not given; a quantity the guards leave uncomputed is 0.
TubeTunnelResult ConvertTubeTunnel(const TubeTunnelInput& in);

// A computed number for an edit or a label: one decimal, a comma in German.
std::string PortNumberText(double value, bool english);

// The tuning frequency the window takes from the bass-reflex design: with one decimal when
// 10 <= fb < 200 Hz, otherwise "30".
std::string TakenTuningText(double fb, bool english);

}  // namespace velomare
