#include <gtest/gtest.h>

#include <QByteArray>
#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>

#include "common/NumberText.h"

using namespace velomare;

namespace {

// The double nearest to a decimal text with a point, read by the standard library.
double Nearest(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// ./test.sh runs the suite under a comma locale and names it in VELOMARE_TEST_LOCALE, so that a
// number the program converts through the C library's locale writes or reads "0,5" and fails its
// test. QApplication took the locale from the environment before any test ran; should the C
// library lack it, every test would pass in the C locale without anyone noticing.
TEST(NumberTextLocale, TheSuiteRunsUnderTheCommaLocaleTheScriptAskedFor) {
  const QByteArray asked = qgetenv("VELOMARE_TEST_LOCALE");
  if (asked.isEmpty()) GTEST_SKIP() << "run without ./test.sh: no locale asked for";
  const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
  EXPECT_STREQ(std::localeconv()->decimal_point, ",")
      << "./test.sh asked for " << asked.constData() << ", the C library has " << (numeric ? numeric : "no locale")
      << " in effect";
}

TEST(IsNumberText, AcceptsSignDigitsAndOneSeparatorOnly) {
  for (const char* text : {"0", "00", "05", "0,5", "0.5", "0.25", ",5", "5,", "-007", "-0,5", "1500", "12345678901234567890"})
    EXPECT_EQ(IsNumberText(text), -1) << text;
  for (const char* text : {"", "-", ",", "-,", "007", "00,5", "1,2,3", "1.000,5", " 5", "5 ", "+5", "1e3", "12-3",
                           "--1", "abc", "1e999", "\xE4", "0x10"})
    EXPECT_EQ(IsNumberText(text), 0) << text;
}

TEST(TextToFloat, ReadsDigitsExactlyWithItsQuirks) {
  const std::pair<const char*, double> rows[] = {
      {"0,410", 0.41}, {"0.410", 0.41}, {"-2,5", -2.5}, {"5,", 5.0}, {",5", 0.5}, {"1500", 1500.0}, {"", 0.0},
      {"-", 0.0},
      // Summing rounded products would give 0.30000000000000004 and pass a "> 0.3" guard.
      {"0,3", 0.3}, {"0,1", 0.1}, {"5,0", 5.0}, {"0,05", 0.05}, {"123456,789", 123456.789},
      // A second separator or a letter is a zero digit that takes a place.
      {"1,234.5", 10234.5}, {"1a5", 105.0},
      // The 17th decimal is still exact; the 18th decimal and the 10^18 place weigh 1.
      {"0,00000000000000001", 1e-17}, {"0,00000000000000009", 9e-17}, {"0,000000000000000001", 1.0},
      {"1000000000000000000", 1.0}, {"2000000000000000005", 7.0}, {"100000000000000000", 1e17}};
  for (auto [text, value] : rows) EXPECT_EQ(TextToFloat(text), value) << text;
  EXPECT_FALSE(TextToFloat("0,3") > 0.3);
  EXPECT_FALSE(TextToFloat("5,0") > 5.0);
}

TEST(TextToFloat, RoundTripsEveryFormattedValue) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> magnitude(-6, 12);
  for (int i = 0; i < 5000; ++i) {
    const double value = std::pow(10.0, magnitude(random)) * ((i % 2) ? 1 : -1);
    for (int decimals : {0, 1, 2, 3, 7, 15}) {
      const std::string text = FormatFixed(value, 1, decimals);
      const double expected = Nearest(text);
      ASSERT_EQ(TextToFloat(DotToComma(text)), expected) << text;
      ASSERT_EQ(ReadNumber(DotToComma(text)), expected) << text;
    }
  }
}

TEST(ReadNumber, IsZeroForTextsThatAreNotNumbersAndPow10MultipliesOnlyInsideItsRange) {
  for (const char* text : {"abc", "1,234.5", "007"}) EXPECT_EQ(ReadNumber(text), 0.0) << text;
  EXPECT_EQ(ReadNumber("-007"), -7.0);
  EXPECT_TRUE(std::isfinite(ReadNumber(std::string(400, '9'))));  // far beyond the double range
  EXPECT_EQ(Pow10(17), 1e17);
  EXPECT_EQ(Pow10(1), 10.0);
  for (int n : {18, 0, -1}) EXPECT_EQ(Pow10(n), 1.0) << n;
  EXPECT_DOUBLE_EQ(Pow10Neg(3), 0.001);
  for (int n : {0, 18}) EXPECT_EQ(Pow10Neg(n), 1.0) << n;
  EXPECT_EQ(DigitValue('7') + DigitValue('9') + DigitValue(',') + DigitValue('a') + DigitValue('0'), 16);
  for (auto [digit, value] : {std::pair{'0', 0}, {'7', 7}, {'9', 9}, {',', 0}, {'a', 0}})
    EXPECT_EQ(DigitValue(digit), value) << digit;
  EXPECT_EQ(DotToComma("12.5"), "12,5");
  EXPECT_EQ(DotToComma("1,5"), "1,5");
  EXPECT_EQ(DotToComma("1.2,3."), "1,2,3,");
}

TEST(FormatFixed, PadsToWidthAndRoundsAndCutDecimalsOnlyCuts) {
  EXPECT_EQ(FormatFixed(8, 2, 0) + FormatFixed(92.5494, 3, 1) + FormatFixed(2.68937, 2, 2), " 892.52.69");
  EXPECT_EQ(FormatFixed(0.41, 2, 3), "0.410");
  EXPECT_EQ(FormatFixed(8, 2, 0), " 8");
  EXPECT_EQ(FormatFixed(92.5494, 3, 1), "92.5");
  EXPECT_EQ(FormatFixed(2.68937, 2, 2), "2.69");
  EXPECT_EQ(FormatFixed(-2.5, 6, 2), " -2.50");
  EXPECT_EQ(FormatFixed(1234.5678, 1, 2), "1234.57");
  EXPECT_EQ(FormatFixedComma(0.41, 2, 3), "0,410");
  EXPECT_EQ(FormatFixed(std::nan(""), 3, 1) + FormatFixed(HUGE_VAL, 3, 1), "??");
  // CutDecimals drops decimals, never integer digits.
  EXPECT_EQ(CutDecimals("123.456", 5) + " " + CutDecimals("123.456", 4) + " " + CutDecimals("123456.7", 3) + " " +
                CutDecimals("12.5", 15) + " " + CutDecimals("123456789", 3),
            "123.4 123 123456 12.5 123456789");
}

TEST(FormatPlain, WritesPlainDecimalWithoutExponent) {
  const std::pair<double, const char*> rows[] = {
      {0.41, "0.41"}, {1500, "1500"}, {1e-6, "0.000001"}, {1e20, "100000000000000000000"}, {-244, "-244"}, {0, "0"}};
  for (auto [value, text] : rows) EXPECT_EQ(FormatPlain(value, 15), text) << text;
  EXPECT_EQ(FormatPlain(1.5e-7, 15, ','), "0,00000015");
  // Seven significant digits.
  EXPECT_EQ(FormatPlain(2.0420392015706, 7) + " " + FormatPlain(502.72551, 7) + " " + FormatPlain(8, 7) + " " +
                FormatPlain(0.68384633, 7) + " " + FormatPlain(std::nan(""), 7),
            "2.042039 502.7255 8 0.6838463 0");
  // Read back, a stored value is the value that was written.
  for (double v : {0.41, 0.513, 244.0, 6.8, 25.3, 1500.0, 1e-9, 123456789.125})
    EXPECT_EQ(TextToFloat(FormatPlain(v, 15, ',')), v) << v;
}

TEST(TruncToIntAndPowerXY, CutTowardZeroClampAndNeverGiveANonFiniteValue) {
  const std::pair<double, int> rows[] = {{60.99, 60}, {-1.13, -1}, {-0.5, 0}, {3e12, 1000000000},
                                         {-3e12, -1000000000}, {std::nan(""), 0}, {-HUGE_VAL, 0}};
  for (auto [value, truncated] : rows) EXPECT_EQ(TruncToInt(value), truncated) << value;
  EXPECT_NEAR(PowerXY(10, 2), 100.0, 1e-12);  // PowerXY is exp(y ln x) and never non-finite
  EXPECT_NEAR(PowerXY(10, -0.5), 0.31622776601683794, 1e-15);
  for (auto [x, y] : {std::pair{0.0, 2.0}, {-10.0, 2.0}, {10.0, 400.0}}) EXPECT_EQ(PowerXY(x, y), 0.0) << x << " " << y;
}

}  // namespace
