// The pad against the textbook constant-impedance L-pad with k = 10^(-A/20): R1 = Z (1 - k),
// R2 = Z k / (1 - k), R3 = Z (1/k - 1); then the worked texts, the gauges and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "TestSupport.h"
#include "filters/model/AttenuatorPad.h"

namespace velomare {
namespace {

LPadResult Pad(const std::string& z, const std::string& p, int position, bool english = true) {
  return ComputeLPad({z, p, position, english});
}

// A number text with either separator, read by std::from_chars rather than the program.
double Parse(const std::string& text) { return test::LeadingNumber(text); }

void ExpectRelative(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual / expected, 1.0, 1e-9) << what << ": " << actual << " vs " << expected;
}

TEST(AttenuatorPad, TextbookLPadValuesForEightOhms) {
  const LPadValues six = Pad("8", "10", 60).values;
  EXPECT_NEAR(six.r1, 3.991, 5e-4);
  EXPECT_NEAR(six.r2, 8.038, 5e-4);
  const LPadValues ten = Pad("8", "10", 100).values;
  EXPECT_NEAR(ten.r1, 5.470, 5e-4);
  EXPECT_NEAR(ten.r2, 3.700, 5e-4);
}

TEST(AttenuatorPad, EveryValidInputMeetsTheTextbookRelations) {
  for (const char* zText : {"2", "4", "8", "8,5", "16", "0.1", "600"}) {
    for (const char* pText : {"0.5", "10", "100", "12345.678"}) {
      for (int position = 1; position <= 300; position += 7) {
        const LPadResult r = Pad(zText, pText, position);
        ASSERT_TRUE(r.valid) << zText << " " << pText << " " << position;
        const LPadValues& v = r.values;
        const double z = Parse(zText);
        const double p = Parse(pText);
        const double a = position / 10.0;
        const double k = std::pow(10.0, -a / 20);
        ExpectRelative(v.r1, z * (1 - k), "R1");
        ExpectRelative(v.r2, z * k / (1 - k), "R2");
        ExpectRelative(v.r1 + v.r2 * z / (v.r2 + z), z, "input impedance");
        ExpectRelative(v.powerR1 + v.powerR2 + p * k * k, p, "energy");
        ExpectRelative(v.r3, z * (1 / k - 1), "R3");
        ExpectRelative(v.newImpedance, z / k, "Zneu");
        ExpectRelative(v.newPower, p * k, "Pneu");
        ExpectRelative(v.voltage, std::sqrt(p * z), "Ueff");
        ExpectRelative(v.current, std::sqrt(p / z), "Ieff");
        // With R3 the same voltage drives Z/k: the current falls by k, R3 takes its I^2 R share.
        ExpectRelative(v.currentR3, std::sqrt(p / z) * k, "I3");
        ExpectRelative(v.powerR3, v.currentR3 * v.currentR3 * v.r3, "P_R3");
        ExpectRelative(v.powerR3Full, p * (1 - k), "P_R3 of the full power");
        ExpectRelative(v.relativePower, 100 * k * k, "relative power");
        ExpectRelative(v.newRelativePower, 100 * k, "new relative power");
        EXPECT_EQ(r.Gauge1, static_cast<int>(100 * k * k));
        EXPECT_EQ(*r.Gauge3, static_cast<int>(std::nearbyint(100 * k)));
      }
    }
  }
}

TEST(AttenuatorPad, WorkedExampleTextsInBothLanguages) {
  const LPadResult en = Pad("8", "10", 10, true), de = Pad("8", "10", 10, false);
  EXPECT_EQ(*en.Label3 + "|" + en.Label4 + "|" + en.Label5 + "|" + en.Label6 + "|" + *en.Label30 + "|" + *en.Label10 + "|" +
                en.Label8,
            "attenuation (1.0 dB) :|R1 = 0.87 Ohm, 1.09 W|R2 = 65.56 Ohm, 0.97 W|R3 = 0.98 Ohm, 0.97 W (1.09W)|"
            "new impedance Z = 8.98 Ohms|2 resistors version : U = 8.94 Vrms, I = 1.12 Arms|"
            "1 resistor version : U = 8.94 Vrms, I = 1.00 Arms, P = 8.91 W");
  EXPECT_EQ(*de.Label3 + "|" + *de.Label30 + "|" + *de.Label10 + "|" + de.Label8,
            "Dämpfung (1.0 dB) :|neue Impedanz Z = 8.98 Ohm|Version mit 2 Widerständen : Ueff = 8.94 V, Ieff = 1.12 A|"
            "Version mit 1 Widerstand : Ueff = 8.94 V, Ieff = 1.00 A, P = 8.91 W");
  EXPECT_EQ(en.Gauge1 + *en.Gauge3, 79 + 89);
  EXPECT_EQ(en.Gauge1, 79);
  EXPECT_EQ(*en.Gauge3, 89);
  EXPECT_EQ(de.Label4, "R1 = 0.87 Ohm, 1.09 W");
}

TEST(AttenuatorPad, TheEndsOfTheScrollBar) {
  const LPadResult most = Pad("4", "50", 300);
  EXPECT_EQ(most.Label4, "R1 = 3.87 Ohm, 48.42 W");  // 50 W (1 - 10^-1.5)
  EXPECT_EQ(most.Label5.substr(0, 14), "R2 = 0.13 Ohm,");
  EXPECT_EQ(most.Label6.substr(0, 16), "R3 = 122.49 Ohm,");
  EXPECT_EQ(*most.Label30, "new impedance Z = 126.49 Ohms");
  EXPECT_EQ(most.Gauge1, 0);  // 0.1 % truncates
  EXPECT_EQ(*most.Gauge3, 3);
  const LPadResult least = Pad("8", "10", 1);
  EXPECT_EQ(least.Label5.substr(0, 16), "R2 = 690.88 Ohm,");
  EXPECT_EQ(least.Label4.substr(0, 14), "R1 = 0.09 Ohm,");
  EXPECT_EQ(least.Gauge1, 97);
  EXPECT_EQ(*least.Gauge3, 99);
}

TEST(AttenuatorPad, NumbersAreCutToSevenCharactersButKeepEveryIntegerDigit) {
  const LPadResult r = Pad("8", "100000", 10);
  EXPECT_EQ(r.Label4, "R1 = 0.87 Ohm, 10874.9 W");
  EXPECT_NE(r.Label8.find("P = 89125.0 W"), std::string::npos) << r.Label8;
  const LPadResult huge = Pad("8", "100000000", 10);
  EXPECT_EQ(huge.Label4, "R1 = 0.87 Ohm, 10874906 W");
  EXPECT_NE(huge.Label8.find("P = 89125093 W"), std::string::npos) << huge.Label8;
}

TEST(AttenuatorPad, EitherDecimalSeparatorReadsAlike) {
  EXPECT_EQ(Pad("8,5", "10", 30).Label6, Pad("8.5", "10", 30).Label6);
  EXPECT_NE(Pad("8,5", "10", 30).Label6, Pad("8", "10", 30).Label6);
}

TEST(AttenuatorPad, BadInputShowsTheInvalidTextsAndLeavesTheRestUnchanged) {
  const std::string longText(32, '7');
  for (const std::string& bad : {std::string("abc"), std::string(""), std::string("0"), std::string("-8"),
                                 std::string("1e999"), std::string("8 "), std::string("+8"), std::string("0,0")}) {
    for (bool inImpedance : {true, false}) {
      const LPadResult r = inImpedance ? Pad(bad, "10", 10) : Pad("8", bad, 10);
      EXPECT_FALSE(r.valid) << bad;
      EXPECT_EQ(r.Label4 + r.Label5 + r.Label6 + r.Label8, "R1R2R3Watt");
      EXPECT_EQ(r.Gauge1, 0);
      EXPECT_FALSE(r.Label3 || r.Label30 || r.Label10 || r.Gauge3) << "these keep their old state";
    }
  }
  // Positions the scroll bar never gives are refused as well.
  EXPECT_FALSE(Pad("8", "10", 0).valid || Pad("8", "10", 501).valid);
  EXPECT_FALSE(Pad("8", "10", -5).valid);
  EXPECT_TRUE(Pad("8", "10", 500).valid);
  // Digit runs far beyond a double's precision stay finite.
  for (const std::string& text : {std::string("99999999999999999999"), longText, "0," + longText}) {
    const LPadResult r = Pad(text, text, 150);
    ASSERT_TRUE(r.valid) << text;
    for (const std::string& s : {*r.Label3, r.Label4, r.Label5, r.Label6, *r.Label30, *r.Label10, r.Label8})
      EXPECT_TRUE(s.find("nan") == s.npos && s.find("inf") == s.npos && s.find('?') == s.npos) << s;
  }
}

TEST(AttenuatorPad, GaugesAreHeldToTheirRangeBeforeTheIntegerConversion) {
  for (auto [percent, gauge] : {std::pair{79.9, 79}, std::pair{-3.0, 0}, std::pair{1e300, 100}, std::pair{double(NAN), 0}})
    EXPECT_EQ(PercentGaugeTruncated(percent), gauge) << percent;
  // An exact half goes to the even neighbour.
  for (auto [percent, gauge] : {std::pair{88.5, 88}, std::pair{89.5, 90}, std::pair{0.5, 0}, std::pair{88.51, 89},
                                std::pair{250.0, 100}, std::pair{-0.7, 0}, std::pair{double(INFINITY), 0}})
    EXPECT_EQ(PercentGaugeRounded(percent), gauge) << percent;
}

}  // namespace
}  // namespace velomare
