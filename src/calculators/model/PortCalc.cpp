#include "calculators/model/PortCalc.h"

#include <cmath>
#include <numbers>

#include "common/NumberText.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;
// The tuning range the diameter rule is made for (Hz).
constexpr double kLowestTuning = 10, kHighestTuning = 150;
// The minimum diameter is three quarters of the recommended one.
constexpr double kMinimumShare = 0.75;

std::string Number(double value, int decimals, bool english) {
  return english ? FormatFixed(value, 2, decimals) : FormatFixedComma(value, 2, decimals);
}

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

PortDiameterResult ComputePortDiameter(double xmaxMm, double fbHz, int ports, double membraneDiameterCm) {
  PortDiameterResult r;
  if (ports < 1) return r;
  const double d = membraneDiameterCm;
  // The rules of thumb share the membrane area pi/4 D^2 among the ports.
  r.fifthArea = kPi / 20 * d * d / ports;
  r.fifthDiameter = std::sqrt(4 * r.fifthArea / kPi);
  r.tenthArea = kPi / 40 * d * d / ports;
  r.tenthDiameter = std::sqrt(4 * r.tenthArea / kPi);
  if (!(xmaxMm > 0 && fbHz >= kLowestTuning && fbHz <= kHighestTuning)) return r;
  // The port's air must carry the driver's volume velocity Sd Xmax 2 pi fb without chuffing:
  // an area proportional to Sd Xmax fb, here in the rule's own units (m^2 m Hz -> cm).
  const double membraneArea = kPi / 4 * (d / 100) * (d / 100);
  r.recommended = 100 / std::sqrt(double(ports)) * std::sqrt(membraneArea * (xmaxMm / 1000) * fbHz);
  r.minimum = kMinimumShare * r.recommended;
  r.displacement = membraneArea * xmaxMm;
  r.valid = AllFinite({r.recommended, r.minimum, r.displacement});
  return r;
}

PortDiameterTexts PortDiameterTextsOf(const PortDiameterResult& r, bool english) {
  PortDiameterTexts t;
  if (r.valid) {
    t.minimum = std::string(english ? "minimum inner tube diameter " : "minimaler Rohrinnendurchmesser ") +
                Number(r.minimum, 1, english) + " cm";
    t.recommended = std::string(english ? "recommendable inner tube diameter " : "empfohlener Rohrinnendurchmesser ") +
                    Number(r.recommended, 1, english) + " cm";
    t.displacement =
        std::string(english ? "maximum air displacing of speaker Vd = " : "maximale Luftverdrängung des Chassis Vd = ") +
        Number(r.displacement, 2, english) + " l";
  } else {
    t.minimum = "min. d";
    t.recommended = "di";
    t.displacement = "Vd ";
  }
  t.fifth = std::string(english ? "better 1/5 of membrane surface: " : "besser 1/5 der Membranfläche: ") +
            Number(r.fifthArea, 1, english) + " cm², d=" + Number(r.fifthDiameter, 1, english) + " cm";
  t.tenth = std::string(english ? "min. 1/10 of membrane surface: " : "mindestens 1/10 der Membranfläche: ") +
            Number(r.tenthArea, 1, english) + " cm², d=" + Number(r.tenthDiameter, 1, english) + " cm";
  return t;
}

PortLengthTexts TransformPortLength(double lengthCm, double diameterCm, bool english) {
  PortLengthTexts t;
  if (!(lengthCm > 0 && diameterCm > 0)) return t;
  // Lengths in metres, end corrections in radii (d/200 m).
  const double radius = diameterCm / 200;
  const double effective = lengthCm / 100 + kEndCorrectionOneFlush * radius;
  const double flush = (effective - kEndCorrectionBothFlush * radius) * 100;
  const double free = (effective - kEndCorrectionBothFree * radius) * 100;
  // A short, wide port has no length left once both flanged ends take their share.
  if (flush > 0 && std::isfinite(flush))
    t.bothFlush = std::string(english ? "both sides flush-mounted, length " : "beide Seite bündig am Gehäuse, Länge ") +
                  Number(flush, 1, english) + " cm";
  if (free > 0 && std::isfinite(free))
    t.bothFree = std::string(english ? "both sides projected (free-standing), length "
                                     : "beide Seiten freistehend und offen, Länge ") +
                 Number(free, 1, english) + " cm";
  return t;
}

std::optional<double> ConvertPortLength(double d1, double l1, int n1, double d2, int n2, bool endCorrection) {
  if (!(d1 > 1.5 && d1 < 30 && d2 > 1.5 && d2 < 30 && l1 > 2 && l1 < 500 && n1 > 0 && n2 > 0)) return std::nullopt;
  const double ratio = (n2 * d2 * d2) / (n1 * d1 * d1);
  // With the correction, the given length plus the end correction of one port of the same total
  // area scales with the area, and the new port's own correction comes off again.
  const double l2 = endCorrection ? ratio * (l1 + kEndCorrectionOneFlush * std::sqrt(double(n1)) * d1 / 2) -
                                        kEndCorrectionOneFlush * std::sqrt(double(n2)) * d2 / 2
                                  : ratio * l1;
  if (!(l2 > 2 && l2 < 500)) return std::nullopt;
  return l2;
}

std::string ConvertPortLengthText(std::optional<double> length, bool english) {
  if (!length) return "?";
  return std::string(english ? "neccessery new length " : "notwendige neue Länge ") + FormatFixed(*length, 2, 1) + " cm";
}

TubeTunnelResult ConvertTubeTunnel(const TubeTunnelInput& in) {
  TubeTunnelResult r;
  const int tubes = in.tubes > 0 ? in.tubes : 1;
  const int tunnels = in.tunnels > 0 ? in.tunnels : 1;
  const double width = in.tunnelWidth;
  const auto diameterOf = [tubes](double area) { return area > 0 ? std::sqrt(4 * area / kPi) / std::sqrt(double(tubes)) : 0.0; };
  const auto heightOf = [tunnels, width](double area) { return width > 0 ? area / (tunnels * width) : 0.0; };
  switch (in.given) {
    case TubeTunnelGiven::Tube:
      r.tubeDiameter = in.tubeDiameter;
      r.area = kPi / 4 * in.tubeDiameter * in.tubeDiameter * tubes;
      r.tunnelHeight = heightOf(r.area);
      break;
    case TubeTunnelGiven::Tunnel:
      r.tunnelHeight = in.tunnelHeight;
      r.area = width * in.tunnelHeight * tunnels;
      r.tubeDiameter = diameterOf(r.area);
      break;
    case TubeTunnelGiven::CrossSection:
      r.area = in.area;
      if (in.area > 0 && width > 0) {
        r.tubeDiameter = diameterOf(in.area);
        r.tunnelHeight = heightOf(in.area);
      }
      break;
  }
  // Typed values near the limit of a double can overflow a square; such a result is left at 0.
  for (double* v : {&r.tubeDiameter, &r.tunnelHeight, &r.area})
    if (!std::isfinite(*v)) *v = 0;
  return r;
}

std::string PortNumberText(double value, bool english) { return Number(value, 1, english); }

std::string TakenTuningText(double fb, bool english) {
  if (!(fb >= 10 && fb < 200)) return "30";
  return Number(fb, 1, english);
}

}  // namespace velomare
