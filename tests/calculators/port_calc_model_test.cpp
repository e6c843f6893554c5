// The port calculations against hand-worked numbers: the diameter rule, end corrections in radii,
// the Helmholtz relation of area and length, circles and rectangles; their guards and bad input.
#include <cmath>
#include <numbers>
#include <vector>

#include "TestSupport.h"
#include "calculators/model/PortCalc.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"

namespace velomare::test {
namespace {

using Texts = std::vector<std::string>;
constexpr double kPi = std::numbers::pi;

Texts All(const PortDiameterTexts& t) { return {t.minimum, t.recommended, t.displacement, t.fifth, t.tenth}; }

TEST(PortDiameterModel, WorkedExamples) {
  // Sd = pi/4 25.3^2 = 502.7 cm^2; times 0.5 cm = 251 cm^3; one tenth and one fifth of the cone
  // area are circles of D / sqrt(10) and D / sqrt(5).
  const PortDiameterResult r = ComputePortDiameter(5, 30, 1, default_driver::kDia);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(r.displacement, kPi / 4 * 25.3 * 25.3 * 0.5 / 1000, 1e-12);
  EXPECT_NEAR(r.tenthArea, kPi / 4 * 25.3 * 25.3 / 10, 1e-9);
  EXPECT_NEAR(r.fifthArea, kPi / 4 * 25.3 * 25.3 / 5, 1e-9);
  EXPECT_NEAR(r.fifthDiameter, 25.3 / std::sqrt(5.0), 1e-9);
  EXPECT_EQ(All(PortDiameterTextsOf(ComputePortDiameter(5, 30, 1, 17), false)),
            (Texts{"minimaler Rohrinnendurchmesser 4,4 cm", "empfohlener Rohrinnendurchmesser 5,8 cm",
                   "maximale Luftverdrängung des Chassis Vd = 0,11 l", "besser 1/5 der Membranfläche: 45,4 cm², d=7,6 cm",
                   "mindestens 1/10 der Membranfläche: 22,7 cm², d=5,4 cm"}));
  EXPECT_EQ(All(PortDiameterTextsOf(ComputePortDiameter(5, 30, 1, 17), true)),
            (Texts{"minimum inner tube diameter 4.4 cm", "recommendable inner tube diameter 5.8 cm",
                   "maximum air displacing of speaker Vd = 0.11 l", "better 1/5 of membrane surface: 45.4 cm², d=7.6 cm",
                   "min. 1/10 of membrane surface: 22.7 cm², d=5.4 cm"}));
  // A driver without a diameter gives zeros.
  EXPECT_EQ(PortDiameterTextsOf(ComputePortDiameter(5, 30, 1, 0), false).minimum, "minimaler Rohrinnendurchmesser 0,0 cm");
}

TEST(PortDiameterModel, DiameterScalesWithTheRootOfExcursionTuningAndPortCount) {
  const PortDiameterResult base = ComputePortDiameter(4, 30, 1, 20);
  EXPECT_NEAR(ComputePortDiameter(16, 30, 1, 20).recommended, 2 * base.recommended, 1e-12);
  EXPECT_NEAR(ComputePortDiameter(4, 120, 1, 20).recommended, 2 * base.recommended, 1e-12);
  // Four ports share the area: each has half the diameter, the total area stays.
  const PortDiameterResult four = ComputePortDiameter(4, 30, 4, 20);
  EXPECT_NEAR(four.recommended, base.recommended / 2, 1e-12);
  EXPECT_NEAR(four.tenthArea * 4, base.tenthArea, 1e-12);
  EXPECT_NEAR(base.minimum, 0.75 * base.recommended, 1e-12);
}

TEST(PortDiameterModel, ValidOnlyForPositiveXmaxAndTuningFrom10To150Hz) {
  const struct { double xmax, fb; bool valid; } rows[] = {
      {5, 150, true}, {5, 150.1, false}, {5, 10, true}, {5, 9.99, false}, {0, 30, false}, {-1, 30, false},
      {NAN, 30, false}};
  for (const auto& row : rows)
    EXPECT_EQ(ComputePortDiameter(row.xmax, row.fb, 1, 17).valid, row.valid) << row.xmax << " mm, " << row.fb << " Hz";
  // The rules of thumb need only the cone.
  EXPECT_EQ(All(PortDiameterTextsOf(ComputePortDiameter(0, 30, 1, 17), false)),
            (Texts{"min. d", "di", "Vd ", "besser 1/5 der Membranfläche: 45,4 cm², d=7,6 cm",
                   "mindestens 1/10 der Membranfläche: 22,7 cm², d=5,4 cm"}));
}

TEST(PortLengthModel, EndCorrectionsMoveTheLengthByTheirDifferenceInRadii) {
  // Effective length L + 1.463 r stays; both flush take 1.7 r, both free 1.226 r:
  // L 20 cm, r 4 cm gives 20 - 0.237 * 4 = 19.05 and 20 + 0.237 * 4 = 20.95.
  PortLengthTexts t = TransformPortLength(20, 8, false);
  EXPECT_EQ((Texts{t.bothFlush, t.bothFree}),
            (Texts{"beide Seite bündig am Gehäuse, Länge 19,1 cm", "beide Seiten freistehend und offen, Länge 20,9 cm"}));
  t = TransformPortLength(20, 8, true);
  EXPECT_EQ((Texts{t.bothFlush, t.bothFree}),
            (Texts{"both sides flush-mounted, length 19.1 cm", "both sides projected (free-standing), length 20.9 cm"}));
  // The textbook corrections per end, flanged 0.849 r and free 0.613 r, summed and rounded.
  EXPECT_NEAR(kEndCorrectionOneFlush, 0.849 + 0.613, 2e-3);
  EXPECT_NEAR(kEndCorrectionBothFlush, 2 * 0.849, 3e-3);
  EXPECT_NEAR(kEndCorrectionBothFree, 2 * 0.613, 1e-12);
  // No length at or below zero is shown. L 1 cm, d 10 cm: both flush would be 1 - 0.237 * 5 =
  // -0.185 cm; 1.185 cm is exactly 0.
  t = TransformPortLength(1, 10, false);
  EXPECT_EQ((Texts{t.bothFlush, t.bothFree}), (Texts{"", "beide Seiten freistehend und offen, Länge 2,2 cm"}));
  EXPECT_EQ(TransformPortLength(0.237 * 5, 10, false).bothFlush, "");
  for (auto [l, d] : {std::pair{0.0, 8.0}, {20.0, 0.0}, {-5.0, 8.0}, {20.0, -1.0}, {NAN, 8.0}}) {
    t = TransformPortLength(l, d, false);
    EXPECT_EQ(t.bothFlush + t.bothFree, "") << l << " cm, " << d << " cm";
  }
}

TEST(PortLengthConversion, SameTuningKeepsAreaOverEffectiveLength) {
  EXPECT_EQ(ConvertPortLengthText(ConvertPortLength(8, 14.5, 1, 7.5, 1, true), false), "notwendige neue Länge 12.4 cm");
  EXPECT_EQ(ConvertPortLengthText(ConvertPortLength(8, 14.5, 1, 7.5, 1, false), true), "neccessery new length 12.7 cm");
  // Helmholtz: fb^2 ~ A / (V Leff). Without correction, twice the area needs twice the length.
  EXPECT_NEAR(*ConvertPortLength(10, 20, 1, 10, 2, false), 40.0, 1e-12);
  EXPECT_NEAR(*ConvertPortLength(10, 20, 2, 10, 1, false), 10.0, 1e-12);
  EXPECT_NEAR(*ConvertPortLength(10, 20, 1, 5, 1, false), 5.0, 1e-12);
  // With it, A / (L + 1.463 r_equivalent) is the same on both sides; one equivalent port of the
  // same total area has the radius sqrt(N) D / 2.
  const auto areaOverLength = [](double d, int n, double l) {
    return n * kPi / 4 * d * d / (l + 1.463 * std::sqrt(double(n)) * d / 2);
  };
  EXPECT_NEAR(areaOverLength(6, 3, *ConvertPortLength(8, 14.5, 1, 6, 3, true)), areaOverLength(8, 1, 14.5), 1e-9);
}

TEST(PortLengthConversion, GuardsGiveAQuestionMark) {
  const struct { const char* name; double d1, l1; int n1; double d2; int n2; } rows[] = {
      {"d1 1.5", 1.5, 14.5, 1, 7.5, 1}, {"d2 30", 8, 14.5, 1, 30, 1}, {"l1 2", 8, 2, 1, 7.5, 1},
      {"d1 30", 30, 14.5, 1, 29, 1},    {"d2 1.5", 8, 14.5, 1, 1.5, 1}, {"n2 0", 8, 14.5, 1, 7.5, 0},
      {"l1 500", 8, 500, 1, 7.5, 1},   {"n1 0", 8, 14.5, 0, 7.5, 1},  {"d1 nan", NAN, 14.5, 1, 7.5, 1},
      // A result outside 2..500 cm: 29 cm ports eight times over from a 2 cm one, and back.
      {"over 500", 2, 100, 1, 29, 8},  {"under 2", 29, 3, 8, 2, 1}};
  for (const auto& row : rows)
    EXPECT_FALSE(ConvertPortLength(row.d1, row.l1, row.n1, row.d2, row.n2, true)) << row.name;
  // The result's bounds are strict too: four ports of the same diameter need four times the length
  // without correction, 4 x 125 = 500 cm exactly, and a quarter of 8 cm is 2 cm exactly.
  EXPECT_FALSE(ConvertPortLength(10, 125, 1, 10, 4, false));
  EXPECT_FALSE(ConvertPortLength(10, 8, 4, 10, 1, false));
  EXPECT_NEAR(*ConvertPortLength(10, 124, 1, 10, 4, false), 496.0, 1e-12);
  EXPECT_EQ(ConvertPortLengthText(std::nullopt, false), "?");
}

TEST(TubeTunnelModel, AreasOfCirclesAndRectanglesConvert) {
  // Two tubes of 10 cm: 157.1 cm^2, 15.7 cm high in a 10 cm wide tunnel; or two such tunnels.
  TubeTunnelInput in{.tubeDiameter = 10, .tunnelWidth = 10, .tubes = 2};
  TubeTunnelResult r = ConvertTubeTunnel(in);
  EXPECT_NEAR(r.area, 2 * kPi * 25, 1e-12);
  EXPECT_EQ(PortNumberText(r.area, true), "157.1");
  EXPECT_EQ(PortNumberText(r.tunnelHeight, false), "15,7");
  in.tunnels = 2;
  EXPECT_NEAR(ConvertTubeTunnel(in).tunnelHeight, r.tunnelHeight / 2, 1e-12);
  // A given tunnel 10 x 20 cm: 200 cm^2, one tube of sqrt(800 / pi) = 15.96 cm, or 4 of half that.
  in = TubeTunnelInput{.given = TubeTunnelGiven::Tunnel, .tunnelWidth = 10, .tunnelHeight = 20};
  r = ConvertTubeTunnel(in);
  EXPECT_NEAR(r.area, 200, 1e-12);
  EXPECT_NEAR(r.tubeDiameter, std::sqrt(800 / kPi), 1e-12);
  in.tubes = 4;
  EXPECT_NEAR(ConvertTubeTunnel(in).tubeDiameter, std::sqrt(800 / kPi) / 2, 1e-12);
  // A given cross-section gives both; converting back gives the area again.
  in = TubeTunnelInput{.given = TubeTunnelGiven::CrossSection, .tunnelWidth = 8, .area = 120, .tunnels = 2, .tubes = 3};
  r = ConvertTubeTunnel(in);
  EXPECT_NEAR(3 * kPi / 4 * r.tubeDiameter * r.tubeDiameter, 120, 1e-9);
  EXPECT_NEAR(2 * 8 * r.tunnelHeight, 120, 1e-9);
}

TEST(TubeTunnelModel, GuardsLeaveZeros) {
  EXPECT_EQ(ConvertTubeTunnel({.tubeDiameter = 8, .tunnelWidth = 0}).tunnelHeight, 0.0);
  const TubeTunnelResult negative =
      ConvertTubeTunnel({.given = TubeTunnelGiven::Tunnel, .tunnelWidth = 10, .tunnelHeight = -3});
  EXPECT_EQ(negative.tubeDiameter, 0.0);
  EXPECT_EQ(PortNumberText(negative.area, false), "-30,0");
  TubeTunnelResult r = ConvertTubeTunnel({.given = TubeTunnelGiven::CrossSection, .tunnelWidth = 10, .area = 0});
  EXPECT_EQ(r.tubeDiameter + r.tunnelHeight, 0.0);
  EXPECT_EQ(ConvertTubeTunnel({.given = TubeTunnelGiven::CrossSection, .tunnelWidth = 0, .area = 50}).tubeDiameter, 0.0);
  // Squares of huge typed numbers overflow: 0, never inf.
  r = ConvertTubeTunnel({.tubeDiameter = 1e200, .tunnelWidth = 10});
  EXPECT_EQ(r.area, 0.0);
  EXPECT_FALSE(ShowsNonFinite(PortNumberText(r.tunnelHeight, false)));
}

TEST(ReflexTuningText, TakesTuningsFrom10To200HzElse30) {
  const struct { double fb; const char* text; } rows[] = {
      {0, "30"}, {9.9, "30"}, {10, "10,0"}, {42.34, "42,3"}, {199.99, "200,0"}, {200, "30"}, {NAN, "30"}};
  for (const auto& row : rows) EXPECT_EQ(TakenTuningText(row.fb, false), row.text) << row.fb;
  EXPECT_EQ(TakenTuningText(42.34, true), "42.3");
}

TEST(PortModels, BadInputNeverShowsNanOrInf) {
  const double values[] = {0, -1, 1e17, 1e300, NAN, INFINITY, -INFINITY};
  for (double a : values)
    for (double b : values) {
      Texts texts = All(PortDiameterTextsOf(ComputePortDiameter(a, b, 1, 25.3), false));
      const PortLengthTexts l = TransformPortLength(a, b, true);
      texts.insert(texts.end(), {l.bothFlush, l.bothFree, ConvertPortLengthText(ConvertPortLength(a, b, 1, a, 2, true), true)});
      for (TubeTunnelGiven given : {TubeTunnelGiven::Tube, TubeTunnelGiven::Tunnel, TubeTunnelGiven::CrossSection}) {
        const TubeTunnelResult r = ConvertTubeTunnel({given, a, b, a, a});
        for (double v : {r.tubeDiameter, r.tunnelHeight, r.area}) texts.push_back(PortNumberText(v, false));
      }
      for (const std::string& t : texts) EXPECT_FALSE(ShowsNonFinite(t)) << t;
    }
}

TEST(PortDiameterModel, DefaultDriverDisplacesItsConeAreaTimesXmax) {
  const PortDiameterResult r = ComputePortDiameter(5, 30, 1, default_driver::kDia);
  EXPECT_NEAR(r.tenthDiameter, 25.3 / std::sqrt(10.0), 1e-9);
  const PortDiameterTexts t = PortDiameterTextsOf(r, false);
  EXPECT_EQ(t.displacement, "maximale Luftverdrängung des Chassis Vd = 0,25 l");
  EXPECT_EQ(t.tenth, "mindestens 1/10 der Membranfläche: 50,3 cm², d=8,0 cm");
  EXPECT_EQ(t.fifth, "besser 1/5 der Membranfläche: 100,5 cm², d=11,3 cm");
}

TEST(PortDiameterModel, DriverWithoutDiameterGivesZeros) {
  const PortDiameterResult r = ComputePortDiameter(5, 30, 1, 0);
  EXPECT_TRUE(r.valid);
  const PortDiameterTexts t = PortDiameterTextsOf(r, false);
  EXPECT_EQ(t.displacement, "maximale Luftverdrängung des Chassis Vd = 0,00 l");
  EXPECT_EQ(t.tenth, "mindestens 1/10 der Membranfläche: 0,0 cm², d=0,0 cm");
}

TEST(PortLengthConversion, InitialValuesGiveTheWorkedExample) {
  EXPECT_EQ(ConvertPortLengthText(ConvertPortLength(8, 14.5, 1, 7.5, 1, false), false), "notwendige neue Länge 12.7 cm");
  EXPECT_EQ(ConvertPortLengthText(ConvertPortLength(8, 14.5, 1, 7.5, 1, true), true), "neccessery new length 12.4 cm");
  // A result outside 2..500 cm without the end correction as well.
  EXPECT_FALSE(ConvertPortLength(2, 100, 1, 29, 8, false));
  EXPECT_FALSE(ConvertPortLength(29, 3, 8, 2, 1, false));
}

TEST(TubeTunnelModel, OneTubeOfEightCentimetres) {
  TubeTunnelInput in;
  in.tubeDiameter = 8, in.tunnelWidth = 10;
  const TubeTunnelResult r = ConvertTubeTunnel(in);
  EXPECT_NEAR(r.area, kPi * 16, 1e-12);
  EXPECT_EQ(PortNumberText(r.area, false), "50,3");
  EXPECT_EQ(PortNumberText(r.tunnelHeight, false), "5,0");
  in.tubeDiameter = 10, in.tubes = 2;
  EXPECT_EQ(PortNumberText(ConvertTubeTunnel(in).tunnelHeight, true), "15.7");
  EXPECT_EQ(TakenTuningText(180, false), "180,0");
}

}  // namespace
}  // namespace velomare::test
