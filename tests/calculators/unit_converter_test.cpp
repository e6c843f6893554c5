// The unit converter against the exact definitions (1 in = 25.4 mm, 1 ft^3 = 1728 in^3), its own
// rounded factors, the feet and inches with their carry, the rounding of read-outs, bad input.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "calculators/model/UnitConverter.h"

namespace velomare::test {
namespace {

TEST(UnitConverter, DefaultsGiveTheReadOutsOfTheFirstPaint) {
  const MassTexts mass = ConvertMass(2, MassUnit::Kilogram);
  EXPECT_EQ(mass.labels, (std::array<std::string, 3>{"=2000.0 g", "=70.55 oz av.", "=4.409 lb av."}));

  const AreaTexts area = ConvertArea(50, AreaUnit::SquareCentimetre);
  EXPECT_EQ(area.labels, (std::array<std::string, 4>{"=5000.0 qmm", "=0.005 qm", "=7.75 sq.in.", "=0.054 sq.ft"}));

  const VolumeTexts volume = ConvertVolume(10, VolumeUnit::Litre);
  EXPECT_EQ(volume.labels, (std::array<std::string, 12>{"=10000000 mm³", "=10000 cm³", "=0.010 m³", "=610.24 cu.in.",
                                                        "=0.353 cu.ft", "=18.16 US dry pint", "=9.08 US dry quart",
                                                        "=1.14 US peck", "=84.544 US li. gill", "=21.136 US li. pint",
                                                        "=10.568 US li. quart", "=2.642 US gallon"}));

  const LengthTexts length = ConvertLength(10, 0, LengthUnit::Centimetre);
  EXPECT_EQ(length.labels, (std::array<std::string, 4>{"=100.0 mm", "=0.100 m", "=3.94 in.", "=0.328 ft"}));
  EXPECT_FALSE(length.feetInchesVisible);  // 0.328 ft is below one foot
  EXPECT_TRUE(length.valid && mass.valid && area.valid && volume.valid);
}

TEST(UnitConverter, ExactDefinitionsOfInchFootAndTheirSquaresAndCubes) {
  EXPECT_EQ(ConvertLength(1, 0, LengthUnit::Inch).labels,
            (std::array<std::string, 4>{"=25.4 mm", "=2.54 cm", "=0.025 m", "=0.083 ft"}));
  // 1 ft^3 = 1728 in^3 = 1728 x 16.387064 cm^3 = 28.316846592 l. The cubic-foot row shows cubic inches, " cu.in".
  const auto cubicFoot = ConvertVolume(1, VolumeUnit::CubicFoot).labels;
  EXPECT_EQ(std::vector<std::string>(cubicFoot.begin(), cubicFoot.begin() + 5),
            (std::vector<std::string>{"=28316847 mm³", "=28316.8 cm³", "=28.317 l", "=0.028 m³", "=1728.000 cu.in"}));
  // 1 ft^2 = 144 in^2 = 929.0304 cm^2; the square-foot row shows square inches, " sq.in".
  EXPECT_EQ(ConvertArea(1, AreaUnit::SquareFoot).labels,
            (std::array<std::string, 4>{"=92903 qmm", "=929.0 qcm", "=0.093 qm.", "=144.0 sq.in"}));
  // 1 lb = 16 oz, both ways.
  EXPECT_EQ(ConvertMass(1, MassUnit::Pound).labels[2], "=16.000 oz av.");
  EXPECT_EQ(ConvertMass(16, MassUnit::Ounce).labels[2], "=1.000 lb av.");
  // 1 m = 39.37 in = 3.281 ft; 1 m^3 = 1000 l.
  EXPECT_EQ(ConvertLength(1, 0, LengthUnit::Metre).labels,
            (std::array<std::string, 4>{"=1000 mm", "=100 cm", "=39.37 in.", "=3.281 ft"}));
  EXPECT_EQ(ConvertVolume(1, VolumeUnit::CubicMetre).labels[2], "=1000.00 l");
  EXPECT_EQ(ConvertVolume(1, VolumeUnit::CubicMetre).labels[0], "=1000000000 mm³");
}

TEST(UnitConverter, OunceAndPoundAndTheUsMeasuresUseTheConvertersRoundedFactors) {
  // 1 oz = 28.35 g and 1 lb = 453.6 g here (textbook 28.3495 g and 453.592 g).
  EXPECT_EQ(ConvertMass(1, MassUnit::Pound).labels[0], "=453.6 g");
  EXPECT_EQ(ConvertMass(10, MassUnit::Pound).labels[1], "=4.536 kg");
  EXPECT_EQ(ConvertMass(100, MassUnit::Ounce).labels[0], "=2835.0 g");
  EXPECT_EQ(ConvertMass(453.6, MassUnit::Gram).labels[2], "=1.000 lb av.");
  // The gallon is 32 gills of 0.11828125 l = 3.785 l (textbook 3.785412 l, which would read 9.999).
  // The peck is 16 dry pints of 0.550625 l = 8.81 l.
  const auto gallons = ConvertVolume(37.85, VolumeUnit::Litre).labels, pecks = ConvertVolume(88.1, VolumeUnit::Litre).labels;
  EXPECT_EQ(std::vector<std::string>(gallons.begin() + 8, gallons.end()),
            (std::vector<std::string>{"=320.000 US li. gill", "=80.000 US li. pint", "=40.000 US li. quart", "=10.000 US gallon"}));
  EXPECT_EQ(std::vector<std::string>(pecks.begin() + 5, pecks.begin() + 8),
            (std::vector<std::string>{"=160.00 US dry pint", "=80.00 US dry quart", "=10.00 US peck"}));
}

TEST(UnitConverter, UsMeasuresFollowFromTheLitresWhateverTheSource) {
  // 1 l typed as litres, as cubic centimetres, as cubic millimetres and as cubic metres.
  const auto us = [](const VolumeTexts& v) { return std::vector<std::string>(v.labels.begin() + 5, v.labels.end()); };
  const auto litre = us(ConvertVolume(1, VolumeUnit::Litre));
  EXPECT_EQ(us(ConvertVolume(1000, VolumeUnit::CubicCentimetre)), litre);
  EXPECT_EQ(us(ConvertVolume(0.001, VolumeUnit::CubicMetre)), litre);
  // The smallest source shows the dry measures with three decimals.
  EXPECT_EQ(us(ConvertVolume(1000000, VolumeUnit::CubicMillimetre))[0], "=1.816 US dry pint");
  EXPECT_EQ(litre[0], "=1.82 US dry pint");
  // A cubic inch is 16.387064 cm^3 exactly.
  const auto cubicInch = ConvertVolume(1000, VolumeUnit::CubicInch).labels;
  EXPECT_EQ(std::vector<std::string>(cubicInch.begin(), cubicInch.begin() + 5),
            (std::vector<std::string>{"=16387064 mm³", "=16387.1 cm³", "=16.387 l", "=0.016 m³", "=0.579 cu.ft"}));
}

TEST(UnitConverter, DecimalsBelongToTheLabelAndTheSource) {
  // Kilograms show one decimal from a gram source and three from an ounce source.
  EXPECT_EQ(ConvertMass(2, MassUnit::Gram).labels[0], "=0.0 kg");
  EXPECT_EQ(ConvertMass(2, MassUnit::Ounce).labels[1], "=0.057 kg");
  // Square inches: two decimals from square centimetres, one from square metres.
  EXPECT_EQ(ConvertArea(1, AreaUnit::SquareMetre).labels,
            (std::array<std::string, 4>{"=1000000 qmm", "=10000.0 qcm", "=1550.0 sq.in.", "=10.76 sq.ft"}));
  EXPECT_EQ(ConvertArea(100, AreaUnit::SquareMillimetre).labels,
            (std::array<std::string, 4>{"=1.00 qcm", "=0.000 qm", "=0.16 sq.in.", "=0.001 sq.ft"}));
  EXPECT_EQ(ConvertArea(1, AreaUnit::SquareInch).labels,
            (std::array<std::string, 4>{"=645.2 qmm", "=6.45 qcm", "=0.001 qm", "=0.007 sq.ft"}));
  EXPECT_EQ(ConvertVolume(1000, VolumeUnit::CubicMillimetre).labels[3], "=0.061 cu.in.");
  EXPECT_EQ(ConvertLength(254, 0, LengthUnit::Millimetre).labels,
            (std::array<std::string, 4>{"=25.40 cm", "=0.254 m", "=10.00 in.", "=0.833 ft"}));
}

TEST(UnitConverter, FeetAndInchesWithTheirCarry) {
  // 182 cm = 71.65 in = 5 ft 11.65 in: from 11.5 inches on the next foot begins; 5 ft 11.4 in
  // stays below the carry and shows its inches rounded down.
  const struct { double length; LengthUnit unit; const char* feetInches; } rows[] = {
      {100, LengthUnit::Centimetre, "=3ft 3in"}, {182, LengthUnit::Centimetre, "=6ft 0in"},
      {71.4, LengthUnit::Inch, "=5ft 11in"},     {12, LengthUnit::Inch, "=1ft 0in"},
      {304.8, LengthUnit::Millimetre, "=1ft 0in"}, {23.5, LengthUnit::Inch, "=2ft 0in"}};
  for (const auto& row : rows) {
    const LengthTexts t = ConvertLength(row.length, 0, row.unit);
    EXPECT_TRUE(t.feetInchesVisible) << row.length;
    EXPECT_EQ(t.feetInches, row.feetInches) << row.length;
  }
  EXPECT_EQ(ConvertLength(182, 0, LengthUnit::Centimetre).labels[3], "=5.971 ft");
  // Below one foot the read-out hides and no new text is given.
  const LengthTexts short30 = ConvertLength(30, 0, LengthUnit::Centimetre);
  EXPECT_EQ(short30.labels[3], "=0.984 ft");
  EXPECT_FALSE(short30.feetInchesVisible || short30.feetInches.has_value());
}

TEST(UnitConverter, FeetAndInchesAlwaysAddUpToTheLengthInInches) {
  // For any length from one foot on, feet x 12 + inches is the length in whole inches (within
  // the rounding of the inches), and the inches read 0 to 11.
  for (double cm = 30.5; cm < 1000; cm += 0.37) {
    const LengthTexts t = ConvertLength(cm, 0, LengthUnit::Centimetre);
    ASSERT_TRUE(t.feetInchesVisible && t.feetInches.has_value()) << cm;
    int feet = -1, inches = -1;
    ASSERT_EQ(std::sscanf(t.feetInches->c_str(), "=%dft %din", &feet, &inches), 2) << *t.feetInches;
    EXPECT_TRUE(inches >= 0 && inches <= 11) << *t.feetInches;
    EXPECT_NEAR(feet * 12 + inches, cm / 2.54, 0.5 + 1e-9) << *t.feetInches << " for " << cm << " cm";
  }
}

TEST(UnitConverter, FootAndInchSourceCombinesFeetAndInches) {
  const LengthTexts t = ConvertLength(5, 6, LengthUnit::FootInch);
  EXPECT_EQ(t.labels, (std::array<std::string, 4>{"=1676.4 mm", "=167.64 cm", "=1.676 m", "=66.00 in"}));
  EXPECT_FALSE(t.feetInchesVisible);
  // 12 inches are a foot and not allowed as inches; 0 feet is no length even with inches.
  for (const auto& [feet, inches] : {std::pair{5.0, 12.0}, {0.0, 6.0}, {5.0, -1.0}}) {
    const LengthTexts bad = ConvertLength(feet, inches, LengthUnit::FootInch);
    EXPECT_FALSE(bad.valid) << feet << " ft " << inches << " in";
    EXPECT_EQ(bad.labels, (std::array<std::string, 4>{"?", "?", "?", "?"}));
  }
  EXPECT_EQ(ConvertLength(5, 11.99, LengthUnit::FootInch).labels[3], "=71.99 in");
  // The inches are checked whatever the source.
  EXPECT_FALSE(ConvertLength(10, 12, LengthUnit::Centimetre).valid);
}

TEST(UnitConverter, AnInvalidGroupShowsOnlyQuestionMarksAndHidesTheFeetAndInches) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double bad : {0.0, -5.0, -0.0, nan, inf, -inf}) {
    const LengthTexts length = ConvertLength(bad, 0, LengthUnit::Centimetre);
    EXPECT_FALSE(length.valid);
    EXPECT_EQ(length.labels, (std::array<std::string, 4>{"?", "?", "?", "?"}));
    // No stale feet-and-inches text may stand beside the question marks.
    EXPECT_FALSE(length.feetInchesVisible || length.feetInches.has_value());
    std::string others;
    for (const std::string& text : ConvertArea(bad, AreaUnit::SquareFoot).labels) others += text;
    for (const std::string& text : ConvertVolume(bad, VolumeUnit::CubicMillimetre).labels) others += text;
    for (const std::string& text : ConvertMass(bad, MassUnit::Ounce).labels) others += text;
    EXPECT_EQ(others, std::string(4 + 12 + 3, '?')) << bad;
  }
  EXPECT_FALSE(ConvertLength(10, nan, LengthUnit::FootInch).valid);
}

TEST(UnitConverter, HugeValuesGiveLongDigitStringsNeverAnExponent) {
  const double huge = 999999999999999999.0;  // about the largest a number text can read
  const LengthTexts length = ConvertLength(huge, 0, LengthUnit::Metre);
  std::vector<std::string> all(length.labels.begin(), length.labels.end());
  all.push_back(length.feetInches.value_or(""));
  for (const auto& labels : {ConvertVolume(huge, VolumeUnit::CubicFoot).labels, ConvertVolume(huge, VolumeUnit::CubicMetre).labels})
    all.insert(all.end(), labels.begin(), labels.end());
  for (const auto& s : ConvertArea(huge, AreaUnit::SquareFoot).labels) all.push_back(s);
  for (const auto& s : ConvertMass(huge, MassUnit::Pound).labels) all.push_back(s);
  for (const std::string& text : all) {
    // "=" and then only digits and a decimal point up to the unit (or the "ft" of the feet).
    const std::size_t end = text.find_first_not_of("0123456789.", 1);
    ASSERT_NE(end, std::string::npos) << text;
    EXPECT_TRUE(end > 1 && (text[end] == ' ' || text.compare(end, 2, "ft") == 0)) << text;
  }
}

TEST(UnitConverter, ReadOutsRoundHalfwayValuesAwayFromZero) {
  // 2.5 is exactly halfway and rounds up, as a person rounds; 0.0625 lb is exactly 1 oz.
  // Values that only look halfway lie just below or above it as binary numbers: 1.005 is
  // 1.00499999999999989..., 0.0025 is 0.00250000000000000005...
  const struct { double value; int decimals; const char* text; } rows[] = {
      {2.5, 0, "3"},     {0.125, 2, "0.13"},  {-2.5, 0, "-3"},     {1.005, 2, "1.00"},
      {0.0025, 3, "0.003"}, {70.5479, 2, "70.55"}, {INFINITY, 2, "?"}, {NAN, 2, "?"},
      {0.0, 2, "0.00"},  {0.004, 2, "0.00"}};
  for (const auto& row : rows) EXPECT_EQ(FixedText(row.value, row.decimals), row.text) << row.value;
  EXPECT_EQ(ConvertMass(1, MassUnit::Ounce).labels[2], "=0.063 lb av.");
  EXPECT_EQ(ConvertLength(0.0025, 0, LengthUnit::Metre).labels[0], "=3 mm");
}

// The number in a read-out such as "=25.4 mm".
double Number(const std::string& text) { return LeadingNumber(text.substr(1)); }

TEST(UnitConverter, ReadOutsOfTheSmallestSourceAndTheLongestNumber) {
  EXPECT_EQ(ConvertVolume(1000000, VolumeUnit::CubicMillimetre).labels[8], ConvertVolume(1, VolumeUnit::Litre).labels[8]);
  EXPECT_EQ(ConvertVolume(1000, VolumeUnit::CubicMillimetre).labels[0], "=1.000 cm³");
  const LengthTexts metre = ConvertLength(100, 0, LengthUnit::Centimetre);
  EXPECT_EQ(metre.labels[3], "=3.281 ft");
  // 10^18 m^3 are 10^27 mm^3: twenty-eight digits.
  const std::string mm3 = ConvertVolume(999999999999999999.0, VolumeUnit::CubicMetre).labels[0];
  EXPECT_EQ(mm3.size(), std::string("=").size() + 28 + std::string(" mm³").size()) << mm3;
}
TEST(UnitConverter, EveryLengthSourceAgreesOnTheSameLength) {
  // One metre typed in each unit gives the same metres and feet, within the read-out's rounding.
  EXPECT_NEAR(Number(ConvertLength(1000, 0, LengthUnit::Millimetre).labels[1]), 1.0, 5e-4);
  EXPECT_NEAR(Number(ConvertLength(100, 0, LengthUnit::Centimetre).labels[1]), 1.0, 5e-4);
  EXPECT_NEAR(Number(ConvertLength(39.3700787, 0, LengthUnit::Inch).labels[2]), 1.0, 5e-4);
  EXPECT_NEAR(Number(ConvertLength(3, 3.3700787, LengthUnit::FootInch).labels[2]), 1.0, 5e-4);
  for (LengthUnit unit : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre}) {
    const double x = unit == LengthUnit::Millimetre ? 1000 : unit == LengthUnit::Centimetre ? 100 : 1;
    EXPECT_EQ(ConvertLength(x, 0, unit).labels[3], "=3.281 ft");
  }
  EXPECT_EQ(ConvertLength(39.3700787, 0, LengthUnit::Inch).labels[3], "=3.281 ft");
}

TEST(UnitConverter, EveryVolumeSourceAgreesOnTheSameVolume) {
  // One cubic metre typed in each unit: 1 in = 25.4 mm exactly, so 1 m^3 = 61023.744 cu.in. =
  // 35.3147 cu.ft (1728 cu.in. each). Each read-out is found by its unit, whatever its place.
  const auto shown = [](const VolumeTexts& v, const std::string& unit) {
    for (const std::string& label : v.labels)
      if (label.size() > unit.size() && label.compare(label.size() - unit.size(), unit.size(), unit) == 0)
        return Number(label);
    ADD_FAILURE() << "no read-out in" << unit;
    return 0.0;
  };
  const double cubicInches = 1e9 / (25.4 * 25.4 * 25.4), cubicFeet = cubicInches / 1728;
  const std::pair<VolumeUnit, double> sources[] = {
      {VolumeUnit::CubicMillimetre, 1e9}, {VolumeUnit::CubicCentimetre, 1e6}, {VolumeUnit::Litre, 1000},
      {VolumeUnit::CubicMetre, 1},        {VolumeUnit::CubicInch, cubicInches}};
  for (const auto& [unit, value] : sources) {
    SCOPED_TRACE(static_cast<int>(unit));
    EXPECT_NEAR(shown(ConvertVolume(value, unit), " cu.ft"), cubicFeet, 5e-4);
  }
  for (const auto& [unit, value] : sources)
    if (unit != VolumeUnit::CubicInch) EXPECT_NEAR(shown(ConvertVolume(value, unit), " cu.in."), cubicInches, 5e-3);
  EXPECT_NEAR(shown(ConvertVolume(cubicFeet, VolumeUnit::CubicFoot), " cu.in"), cubicInches, 5e-3);
  EXPECT_NEAR(shown(ConvertVolume(cubicFeet, VolumeUnit::CubicFoot), " m³"), 1.0, 5e-4);
}

// Whether no input from the bound down to a millionth of it, typed in any source unit (the bound
// in each unit given), shows a longer text in a label than the longest text given for it.
template <std::size_t N, class Convert>
::testing::AssertionResult NoLongerTexts(const TextsUpTo<N>& longest, std::initializer_list<double> bounds,
                                         Convert shown) {
  int unit = 0;
  for (const double bound : bounds) {
    for (int step = 0; step <= 600; ++step) {
      const std::vector<std::string> texts = shown(bound * std::pow(10.0, -step / 100.0), unit);
      for (std::size_t label = 0; label < texts.size(); ++label) {
        std::size_t most = 0;
        for (const std::string& text : longest[label]) most = std::max(most, text.size());
        if (texts[label].size() > most)
          return ::testing::AssertionFailure() << texts[label] << " is longer than the texts of label " << label;
      }
    }
    ++unit;
  }
  return ::testing::AssertionSuccess();
}

template <class Texts>
std::vector<std::string> All(const Texts& texts) { return {texts.labels.begin(), texts.labels.end()}; }

TEST(UnitConverter, TextsUpToABoundAreTheLongestEachLabelShows) {
  // 100 m² in each area unit; the square-foot row writes no decimal.
  EXPECT_EQ(AreaTextsUpTo(100)[0], (std::vector<std::string>{"=1000000.00 qcm", "=100000000.0 qmm", "=100000000 qmm",
                                                             "=100000000.0 qmm", "=100000000 qmm"}));
  EXPECT_EQ(MassTextsUpTo(100)[2],
            (std::vector<std::string>{"=220.459 lb av.", "=220.459 lb av.", "=220.459 lb av.", "=3527.337 oz av."}));
  EXPECT_EQ(VolumeTextsUpTo(10)[6][0], "=9080.590 US dry quart");
  // 100 m are 328 ft 1 in, yet 327 ft 11 in is longer; below 1 ft 11 in only the bound shows.
  EXPECT_EQ(LengthTextsUpTo(100)[4], (std::vector<std::string>{"=328ft 1in", "=327ft 11in"}));
  EXPECT_EQ(LengthTextsUpTo(0.5)[4], std::vector<std::string>{"=1ft 8in"});

  const double inch = 0.0254, pound = 0.4536, cubicInches = 10 / std::pow(inch, 3);
  EXPECT_TRUE(NoLongerTexts(AreaTextsUpTo(100), {1e8, 1e6, 100, 100 / (inch * inch), 100 / (inch * inch * 144)},
                            [](double x, int unit) { return All(ConvertArea(x, AreaUnit(unit))); }));
  EXPECT_TRUE(NoLongerTexts(VolumeTextsUpTo(10), {1e10, 1e7, 1e4, 10, cubicInches, cubicInches / 1728},
                            [](double x, int unit) { return All(ConvertVolume(x, VolumeUnit(unit))); }));
  EXPECT_TRUE(NoLongerTexts(MassTextsUpTo(100), {1e5, 100, 16 * 100 / pound, 100 / pound},
                            [](double x, int unit) { return All(ConvertMass(x, MassUnit(unit))); }));
  EXPECT_TRUE(NoLongerTexts(LengthTextsUpTo(100), {1e5, 1e4, 100, 100 / inch, 100 / inch / 12}, [](double x, int unit) {
    const LengthTexts t = ConvertLength(x, 0, LengthUnit(unit));
    std::vector<std::string> texts = All(t);
    if (t.feetInchesVisible) texts.push_back(*t.feetInches);
    return texts;
  }));
}

}  // namespace
}  // namespace velomare::test
