// The port calculations against hand-worked numbers: the port diameter rule for the default and
// a 17 cm driver, end corrections in radii, the Helmholtz relation between port area and length,
// and circle and rectangle areas; their guards and every bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>

#include "calculators/model/PortCalc.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;

bool HoldsNonFinite(const std::string& text) {
  static const std::regex pattern("nan|inf", std::regex::icase);
  return std::regex_search(text, pattern);
}

TEST(PortDiameterModel, DefaultDriverDisplacesItsConeAreaTimesXmax) {
  // Sd = pi/4 25.3^2 = 502.7 cm^2; times 0.5 cm = 251 cm^3.
  const PortDiameterResult r = ComputePortDiameter(5, 30, 1, default_driver::kDia);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(r.displacement, kPi / 4 * 25.3 * 25.3 * 0.5 / 1000, 1e-12);
  const PortDiameterTexts t = PortDiameterTextsOf(r, false);
  EXPECT_EQ(t.displacement, "maximale Luftverdrängung des Chassis Vd = 0,25 l");
  // Rules of thumb: one tenth and one fifth of the cone area, and the diameters of those circles.
  EXPECT_NEAR(r.tenthArea, kPi / 4 * 25.3 * 25.3 / 10, 1e-9);
  EXPECT_NEAR(r.fifthArea, kPi / 4 * 25.3 * 25.3 / 5, 1e-9);
  EXPECT_NEAR(r.tenthDiameter, 25.3 / std::sqrt(10.0), 1e-9);
  EXPECT_NEAR(r.fifthDiameter, 25.3 / std::sqrt(5.0), 1e-9);
  EXPECT_EQ(t.tenth, "mindestens 1/10 der Membranfläche: 50,3 cm², d=8,0 cm");
  EXPECT_EQ(t.fifth, "besser 1/5 der Membranfläche: 100,5 cm², d=11,3 cm");
}

TEST(PortDiameterModel, SeventeenCentimetreDriverGivesTheWorkedExample) {
  const PortDiameterResult r = ComputePortDiameter(5, 30, 1, 17);
  const PortDiameterTexts de = PortDiameterTextsOf(r, false);
  EXPECT_EQ(de.minimum, "minimaler Rohrinnendurchmesser 4,4 cm");
  EXPECT_EQ(de.recommended, "empfohlener Rohrinnendurchmesser 5,8 cm");
  EXPECT_EQ(de.displacement, "maximale Luftverdrängung des Chassis Vd = 0,11 l");
  EXPECT_EQ(de.fifth, "besser 1/5 der Membranfläche: 45,4 cm², d=7,6 cm");
  EXPECT_EQ(de.tenth, "mindestens 1/10 der Membranfläche: 22,7 cm², d=5,4 cm");
  const PortDiameterTexts en = PortDiameterTextsOf(r, true);
  EXPECT_EQ(en.minimum, "minimum inner tube diameter 4.4 cm");
  EXPECT_EQ(en.recommended, "recommendable inner tube diameter 5.8 cm");
  EXPECT_EQ(en.displacement, "maximum air displacing of speaker Vd = 0.11 l");
  EXPECT_EQ(en.fifth, "better 1/5 of membrane surface: 45.4 cm², d=7.6 cm");
  EXPECT_EQ(en.tenth, "min. 1/10 of membrane surface: 22.7 cm², d=5.4 cm");
}

TEST(PortDiameterModel, DiameterScalesWithTheRootOfExcursionTuningAndPortCount) {
  const double base = ComputePortDiameter(4, 30, 1, 20).recommended;
  EXPECT_NEAR(ComputePortDiameter(16, 30, 1, 20).recommended, 2 * base, 1e-12);
  EXPECT_NEAR(ComputePortDiameter(4, 120, 1, 20).recommended, 2 * base, 1e-12);
  // Four ports share the area: each has half the diameter, the total area stays.
  EXPECT_NEAR(ComputePortDiameter(4, 30, 4, 20).recommended, base / 2, 1e-12);
  EXPECT_NEAR(ComputePortDiameter(4, 30, 1, 20).minimum, 0.75 * base, 1e-12);
  const PortDiameterResult two = ComputePortDiameter(4, 30, 2, 20);
  EXPECT_NEAR(two.tenthArea * 2, ComputePortDiameter(4, 30, 1, 20).tenthArea, 1e-12);
}

TEST(PortDiameterModel, ValidOnlyForPositiveXmaxAndTuningFrom10To150Hz) {
  EXPECT_TRUE(ComputePortDiameter(5, 150, 1, 17).valid);
  EXPECT_FALSE(ComputePortDiameter(5, 150.1, 1, 17).valid);
  EXPECT_TRUE(ComputePortDiameter(5, 10, 1, 17).valid);
  EXPECT_FALSE(ComputePortDiameter(5, 9.99, 1, 17).valid);
  EXPECT_FALSE(ComputePortDiameter(0, 30, 1, 17).valid);
  EXPECT_FALSE(ComputePortDiameter(-1, 30, 1, 17).valid);
  EXPECT_FALSE(ComputePortDiameter(NAN, 30, 1, 17).valid);
  const PortDiameterResult invalid = ComputePortDiameter(0, 30, 1, 17);
  const PortDiameterTexts t = PortDiameterTextsOf(invalid, false);
  EXPECT_EQ(t.minimum, "min. d");
  EXPECT_EQ(t.recommended, "di");
  EXPECT_EQ(t.displacement, "Vd ");
  // The rules of thumb need only the cone.
  EXPECT_EQ(t.tenth, "mindestens 1/10 der Membranfläche: 22,7 cm², d=5,4 cm");
}

TEST(PortDiameterModel, DriverWithoutDiameterGivesZeros) {
  const PortDiameterResult r = ComputePortDiameter(5, 30, 1, 0);
  EXPECT_TRUE(r.valid);
  const PortDiameterTexts t = PortDiameterTextsOf(r, false);
  EXPECT_EQ(t.minimum, "minimaler Rohrinnendurchmesser 0,0 cm");
  EXPECT_EQ(t.displacement, "maximale Luftverdrängung des Chassis Vd = 0,00 l");
  EXPECT_EQ(t.tenth, "mindestens 1/10 der Membranfläche: 0,0 cm², d=0,0 cm");
}

TEST(PortLengthModel, EndCorrectionsMoveTheLengthByTheirDifferenceInRadii) {
  // Effective length L + 1.463 r stays; both flush take 1.7 r, both free 1.226 r:
  // L 20 cm, r 4 cm gives 20 - 0.237 * 4 = 19.05 and 20 + 0.237 * 4 = 20.95.
  PortLengthTexts t = TransformPortLength(20, 8, false);
  EXPECT_EQ(t.bothFlush, "beide Seite bündig am Gehäuse, Länge 19,1 cm");
  EXPECT_EQ(t.bothFree, "beide Seiten freistehend und offen, Länge 20,9 cm");
  t = TransformPortLength(20, 8, true);
  EXPECT_EQ(t.bothFlush, "both sides flush-mounted, length 19.1 cm");
  EXPECT_EQ(t.bothFree, "both sides projected (free-standing), length 20.9 cm");
  // The textbook corrections per end, flanged 0.849 r and free 0.613 r, summed and rounded.
  EXPECT_NEAR(kEndCorrectionOneFlush, 0.849 + 0.613, 2e-3);
  EXPECT_NEAR(kEndCorrectionBothFlush, 2 * 0.849, 3e-3);
  EXPECT_NEAR(kEndCorrectionBothFree, 2 * 0.613, 1e-12);
}

TEST(PortLengthModel, NoLengthAtOrBelowZeroIsShown) {
  // L 1 cm, d 10 cm: both flush would be 1 - 0.237 * 5 = -0.185 cm.
  PortLengthTexts t = TransformPortLength(1, 10, false);
  EXPECT_EQ(t.bothFlush, "");
  EXPECT_EQ(t.bothFree, "beide Seiten freistehend und offen, Länge 2,2 cm");
  // 1.185 cm with d 10 cm is exactly 0: not shown either.
  t = TransformPortLength(0.237 * 5, 10, false);
  EXPECT_EQ(t.bothFlush, "");
  for (auto [l, d] : {std::pair{0.0, 8.0}, {20.0, 0.0}, {-5.0, 8.0}, {20.0, -1.0}, {NAN, 8.0}}) {
    t = TransformPortLength(l, d, false);
    EXPECT_EQ(t.bothFlush, "");
    EXPECT_EQ(t.bothFree, "");
  }
}

TEST(PortLengthConversion, InitialValuesGiveTheWorkedExample) {
  EXPECT_EQ(ConvertPortLengthText(ConvertPortLength(8, 14.5, 1, 7.5, 1, true), false), "notwendige neue Länge 12.4 cm");
  EXPECT_EQ(ConvertPortLengthText(ConvertPortLength(8, 14.5, 1, 7.5, 1, false), false), "notwendige neue Länge 12.7 cm");
  EXPECT_EQ(ConvertPortLengthText(ConvertPortLength(8, 14.5, 1, 7.5, 1, true), true), "neccessery new length 12.4 cm");
}

TEST(PortLengthConversion, SameTuningKeepsAreaOverEffectiveLength) {
  // Helmholtz: fb^2 ~ A / (V Leff). Without correction, twice the area needs twice the length.
  EXPECT_NEAR(*ConvertPortLength(10, 20, 1, 10, 2, false), 40.0, 1e-12);
  EXPECT_NEAR(*ConvertPortLength(10, 20, 2, 10, 1, false), 10.0, 1e-12);
  EXPECT_NEAR(*ConvertPortLength(10, 20, 1, 5, 1, false), 5.0, 1e-12);
  // With it, A / (L + 1.463 r_equivalent) is the same on both sides; one equivalent port of the
  // same total area has the radius sqrt(N) D / 2.
  const double l2 = *ConvertPortLength(8, 14.5, 1, 6, 3, true);
  const auto areaOverLength = [](double d, int n, double l) {
    return n * kPi / 4 * d * d / (l + 1.463 * std::sqrt(double(n)) * d / 2);
  };
  EXPECT_NEAR(areaOverLength(6, 3, l2), areaOverLength(8, 1, 14.5), 1e-9);
}

TEST(PortLengthConversion, GuardsGiveAQuestionMark) {
  EXPECT_FALSE(ConvertPortLength(1.5, 14.5, 1, 7.5, 1, true));
  EXPECT_FALSE(ConvertPortLength(8, 14.5, 1, 30, 1, true));
  EXPECT_FALSE(ConvertPortLength(8, 2, 1, 7.5, 1, true));
  EXPECT_FALSE(ConvertPortLength(8, 500, 1, 7.5, 1, true));
  EXPECT_FALSE(ConvertPortLength(8, 14.5, 0, 7.5, 1, true));
  // A result outside 2..500 cm: 29 cm ports eight times over from a 2 cm one.
  EXPECT_FALSE(ConvertPortLength(2, 100, 1, 29, 8, false));
  EXPECT_FALSE(ConvertPortLength(29, 3, 8, 2, 1, false));
  EXPECT_FALSE(ConvertPortLength(NAN, 14.5, 1, 7.5, 1, true));
  EXPECT_EQ(ConvertPortLengthText(std::nullopt, false), "?");
}

TEST(TubeTunnelModel, AreasOfCirclesAndRectanglesConvert) {
  TubeTunnelInput in;
  in.tubeDiameter = 8, in.tunnelWidth = 10;
  TubeTunnelResult r = ConvertTubeTunnel(in);
  EXPECT_NEAR(r.area, kPi * 16, 1e-12);
  EXPECT_EQ(PortNumberText(r.area, false), "50,3");
  EXPECT_EQ(PortNumberText(r.tunnelHeight, false), "5,0");

  // Two tubes of 10 cm: 157.1 cm^2, 15.7 cm high in a 10 cm wide tunnel; or two such tunnels.
  in.tubeDiameter = 10, in.tubes = 2;
  r = ConvertTubeTunnel(in);
  EXPECT_EQ(PortNumberText(r.area, true), "157.1");
  EXPECT_EQ(PortNumberText(r.tunnelHeight, true), "15.7");
  in.tunnels = 2;
  EXPECT_NEAR(ConvertTubeTunnel(in).tunnelHeight, r.tunnelHeight / 2, 1e-12);

  // A given tunnel 10 x 20 cm: 200 cm^2, one tube of sqrt(800 / pi) = 15.96 cm, or 4 of half that.
  in = TubeTunnelInput{};
  in.given = TubeTunnelGiven::Tunnel;
  in.tunnelWidth = 10, in.tunnelHeight = 20;
  r = ConvertTubeTunnel(in);
  EXPECT_NEAR(r.area, 200, 1e-12);
  EXPECT_NEAR(r.tubeDiameter, std::sqrt(800 / kPi), 1e-12);
  in.tubes = 4;
  EXPECT_NEAR(ConvertTubeTunnel(in).tubeDiameter, std::sqrt(800 / kPi) / 2, 1e-12);

  // A given cross-section gives both; converting back gives the area again.
  in = TubeTunnelInput{};
  in.given = TubeTunnelGiven::CrossSection;
  in.area = 120, in.tunnelWidth = 8, in.tubes = 3, in.tunnels = 2;
  r = ConvertTubeTunnel(in);
  EXPECT_NEAR(3 * kPi / 4 * r.tubeDiameter * r.tubeDiameter, 120, 1e-9);
  EXPECT_NEAR(2 * 8 * r.tunnelHeight, 120, 1e-9);
}

TEST(TubeTunnelModel, GuardsLeaveZeros) {
  TubeTunnelInput in;
  in.tubeDiameter = 8, in.tunnelWidth = 0;
  EXPECT_EQ(ConvertTubeTunnel(in).tunnelHeight, 0.0);
  in.given = TubeTunnelGiven::Tunnel;
  in.tunnelHeight = -3, in.tunnelWidth = 10;
  EXPECT_EQ(ConvertTubeTunnel(in).tubeDiameter, 0.0);
  EXPECT_EQ(PortNumberText(ConvertTubeTunnel(in).area, false), "-30,0");
  in.given = TubeTunnelGiven::CrossSection;
  in.area = 0;
  EXPECT_EQ(ConvertTubeTunnel(in).tubeDiameter, 0.0);
  EXPECT_EQ(ConvertTubeTunnel(in).tunnelHeight, 0.0);
  in.area = 50, in.tunnelWidth = 0;
  EXPECT_EQ(ConvertTubeTunnel(in).tubeDiameter, 0.0);
  // Squares of huge typed numbers overflow: 0, never inf.
  in = TubeTunnelInput{};
  in.tubeDiameter = 1e200, in.tunnelWidth = 10;
  const TubeTunnelResult r = ConvertTubeTunnel(in);
  EXPECT_EQ(r.area, 0.0);
  EXPECT_FALSE(HoldsNonFinite(PortNumberText(r.tunnelHeight, false)));
}

TEST(ReflexTuningText, TakesTuningsFrom10To200HzElse30) {
  EXPECT_EQ(TakenTuningText(0, false), "30");
  EXPECT_EQ(TakenTuningText(9.9, false), "30");
  EXPECT_EQ(TakenTuningText(10, false), "10,0");
  EXPECT_EQ(TakenTuningText(42.34, false), "42,3");
  EXPECT_EQ(TakenTuningText(42.34, true), "42.3");
  EXPECT_EQ(TakenTuningText(180, false), "180,0");
  EXPECT_EQ(TakenTuningText(199.99, false), "200,0");
  EXPECT_EQ(TakenTuningText(200, false), "30");
  EXPECT_EQ(TakenTuningText(NAN, false), "30");
}

TEST(PortModels, BadInputNeverShowsNanOrInf) {
  const double values[] = {0, -1, 1e17, 1e300, NAN, INFINITY, -INFINITY};
  for (double a : values)
    for (double b : values) {
      const PortDiameterTexts d = PortDiameterTextsOf(ComputePortDiameter(a, b, 1, 25.3), false);
      for (const std::string* t : {&d.minimum, &d.recommended, &d.displacement, &d.fifth, &d.tenth})
        EXPECT_FALSE(HoldsNonFinite(*t)) << *t;
      const PortLengthTexts l = TransformPortLength(a, b, true);
      EXPECT_FALSE(HoldsNonFinite(l.bothFlush + l.bothFree));
      EXPECT_FALSE(HoldsNonFinite(ConvertPortLengthText(ConvertPortLength(a, b, 1, a, 2, true), true)));
      for (TubeTunnelGiven given : {TubeTunnelGiven::Tube, TubeTunnelGiven::Tunnel, TubeTunnelGiven::CrossSection}) {
        TubeTunnelInput in;
        in.given = given;
        in.tubeDiameter = in.tunnelHeight = in.area = a;
        in.tunnelWidth = b;
        const TubeTunnelResult r = ConvertTubeTunnel(in);
        for (double v : {r.tubeDiameter, r.tunnelHeight, r.area}) EXPECT_FALSE(HoldsNonFinite(PortNumberText(v, false)));
      }
    }
}

}  // namespace
}  // namespace velomare
