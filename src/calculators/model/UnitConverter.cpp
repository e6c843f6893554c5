#include "calculators/model/UnitConverter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/NumberText.h"

namespace velomare {
namespace {

// The converter's factors. The inch, the square inch and the cubic inch are exact; the ounce,
// the pound and the two US base measures are the converter's own rounded values (the gallon
// comes out as 3.785 l, not 3.7854 l), kept so that its read-outs stay what users know.
constexpr double kMillimetresPerInch = 25.4;
constexpr double kCentimetresPerInch = 2.54;
constexpr double kInchesPerFoot = 12;
constexpr double kSquareMillimetresPerSquareInch = 645.16;
constexpr double kSquareInchesPerSquareFoot = 144;
constexpr double kCubicMillimetresPerCubicInch = 16387.064;
constexpr double kCubicInchesPerCubicFoot = 1728;
constexpr double kGramsPerOunce = 28.35;
constexpr double kGramsPerPound = 453.6;
constexpr double kOuncesPerPound = 16;
constexpr double kLitresPerUsDryPint = 0.550625;
constexpr double kLitresPerUsGill = 0.11828125;

// The inches from which the feet-and-inches read-out rounds up to the next foot, and so the most
// inches it shows.
constexpr double kInchCarry = 11.5;
constexpr double kMostInchesShown = 11;

// The size of each source unit, in the order of the units, in the group's base unit (m, m², m³,
// kg): a bound in the base unit is the bound divided by it in the source unit.
constexpr std::array<double, 5> kMetresPerLengthUnit = {
    0.001, 0.01, 1, kMillimetresPerInch / 1000, kMillimetresPerInch * kInchesPerFoot / 1000};
constexpr std::array<double, 5> kSquareMetresPerAreaUnit = {
    1e-6, 1e-4, 1, kSquareMillimetresPerSquareInch / 1e6,
    kSquareMillimetresPerSquareInch * kSquareInchesPerSquareFoot / 1e6};
constexpr std::array<double, 6> kCubicMetresPerVolumeUnit = {
    1e-9, 1e-6, 1e-3, 1, kCubicMillimetresPerCubicInch / 1e9,
    kCubicMillimetresPerCubicInch * kCubicInchesPerCubicFoot / 1e9};
constexpr std::array<double, 4> kKilogramsPerMassUnit = {1e-3, 1, kGramsPerOunce / 1000, kGramsPerPound / 1000};

std::string Shown(double value, int decimals, const char* suffix) { return "=" + FixedText(value, decimals) + suffix; }

bool Positive(double value) { return std::isfinite(value) && value > 0; }

// A group is valid for a value above 0; an invalid one shows "?" in every label.
template <class Texts>
bool TakeValue(double value, Texts& out) {
  out.valid = Positive(value);
  if (!out.valid) out.labels.fill("?");
  return out.valid;
}

// What each label shows for the bound typed in each source unit. At a label's fixed decimals a
// larger value never shows fewer digits, so no smaller input gives a longer text.
template <std::size_t Labels, class Unit, std::size_t Units, class Convert>
TextsUpTo<Labels> TextsAtBound(double bound, const std::array<double, Units>& unitSizes, Convert convert) {
  TextsUpTo<Labels> texts;
  for (std::size_t unit = 0; unit < Units; ++unit) {
    const auto shown = convert(bound / unitSizes[unit], static_cast<Unit>(unit));
    for (std::size_t label = 0; label < shown.labels.size(); ++label) texts[label].push_back(shown.labels[label]);
  }
  return texts;
}

}  // namespace

TextsUpTo<5> LengthTextsUpTo(double metres) {
  auto texts = TextsAtBound<5, LengthUnit>(
      metres, kMetresPerLengthUnit, [](double value, LengthUnit source) { return ConvertLength(value, 0, source); });
  // The feet and inches break the rule above: below the bound's feet the inches may show two
  // digits (100 m reads 328 ft 1 in, while 327 ft 11 in is longer).
  const double feet = metres / kMetresPerLengthUnit[static_cast<std::size_t>(LengthUnit::FootInch)];
  const double twoDigitInches = kMostInchesShown / kInchesPerFoot;
  for (const double shown : {feet, std::floor(feet - twoDigitInches) + twoDigitInches}) {
    LengthTexts read;
    FeetAndInches(shown, read);
    if (read.feetInches) texts[4].push_back(*read.feetInches);
  }
  return texts;
}

TextsUpTo<4> AreaTextsUpTo(double squareMetres) {
  return TextsAtBound<4, AreaUnit>(squareMetres, kSquareMetresPerAreaUnit, ConvertArea);
}

TextsUpTo<12> VolumeTextsUpTo(double cubicMetres) {
  return TextsAtBound<12, VolumeUnit>(cubicMetres, kCubicMetresPerVolumeUnit, ConvertVolume);
}

TextsUpTo<3> MassTextsUpTo(double kilograms) {
  return TextsAtBound<3, MassUnit>(kilograms, kKilogramsPerMassUnit, ConvertMass);
}

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) return "?";
  if (decimals < 0) decimals = 0;
  if (decimals > 17) decimals = 17;
  // A value exactly halfway between two texts is a binary fraction (2.5, 0.125); the formatter
  // would round it to even, so such a tie is formatted from its rounded-up digits instead.
  const double scale = Pow10(decimals);
  const double scaled = value * scale;
  if (std::isfinite(scaled) && std::fma(value, scale, -scaled) == 0.0) {
    double whole = 0;
    if (std::modf(std::fabs(scaled), &whole) == 0.5) {
      char buffer[400];
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, whole + 1, std::chars_format::fixed, 0).ptr;
      std::string digits(buffer, end);
      if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
      if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
      return value < 0 ? "-" + digits : digits;
    }
  }
  return FormatFixed(value, 0, decimals);
}

void FeetAndInches(double feet, LengthTexts& texts) {
  if (!(feet >= 1) || !std::isfinite(feet)) {
    texts.feetInchesVisible = false;
    return;
  }
  texts.feetInchesVisible = true;
  double whole = std::trunc(feet);
  double inches = (feet - whole) * kInchesPerFoot;
  if (inches >= kInchCarry) {
    inches = 0;
    whole = whole + 1;
  }
  texts.feetInches = "=" + FixedText(whole, 0) + "ft " + FixedText(inches, 0) + "in";
}

LengthTexts ConvertLength(double value, double inches, LengthUnit source) {
  LengthTexts out;
  const double x = value;
  if (!Positive(x) || !std::isfinite(inches) || inches < 0 || inches >= kInchesPerFoot) {
    out.labels.fill("?");
    out.feetInchesVisible = false;
    return out;
  }
  out.valid = true;
  auto& l = out.labels;
  switch (source) {
    case LengthUnit::Millimetre: {
      const double cm = x / 10;
      const double m = cm / 100;
      const double in = x / kMillimetresPerInch;
      const double ft = in / kInchesPerFoot;
      l = {Shown(cm, 2, " cm"), Shown(m, 3, " m"), Shown(in, 2, " in."), Shown(ft, 3, " ft")};
      FeetAndInches(ft, out);
      break;
    }
    case LengthUnit::Centimetre: {
      const double mm = x * 10;
      const double m = x / 100;
      const double in = x / kCentimetresPerInch;
      const double ft = in / kInchesPerFoot;
      l = {Shown(mm, 1, " mm"), Shown(m, 3, " m"), Shown(in, 2, " in."), Shown(ft, 3, " ft")};
      FeetAndInches(ft, out);
      break;
    }
    case LengthUnit::Metre: {
      const double mm = x * 1000;
      const double cm = x * 100;
      const double in = cm / kCentimetresPerInch;
      const double ft = in / kInchesPerFoot;
      l = {Shown(mm, 0, " mm"), Shown(cm, 0, " cm"), Shown(in, 2, " in."), Shown(ft, 3, " ft")};
      FeetAndInches(ft, out);
      break;
    }
    case LengthUnit::Inch: {
      const double mm = kMillimetresPerInch * x;
      const double cm = kCentimetresPerInch * x;
      const double m = cm / 100;
      const double ft = x / kInchesPerFoot;
      l = {Shown(mm, 1, " mm"), Shown(cm, 2, " cm"), Shown(m, 3, " m"), Shown(ft, 3, " ft")};
      FeetAndInches(ft, out);
      break;
    }
    case LengthUnit::FootInch: {
      // The feet and the optional inches as one length in inches.
      const double total = (x + inches / kInchesPerFoot) * kInchesPerFoot;
      const double mm = kMillimetresPerInch * total;
      const double cm = kCentimetresPerInch * total;
      const double m = cm / 100;
      l = {Shown(mm, 1, " mm"), Shown(cm, 2, " cm"), Shown(m, 3, " m"), Shown(total, 2, " in")};
      out.feetInchesVisible = false;
      break;
    }
  }
  return out;
}

AreaTexts ConvertArea(double value, AreaUnit source) {
  AreaTexts out;
  if (!TakeValue(value, out)) return out;
  const double x = value;
  auto& l = out.labels;
  switch (source) {
    case AreaUnit::SquareMillimetre: {
      const double cm2 = x / 100;
      const double m2 = cm2 / 10000;
      const double sqin = x / kSquareMillimetresPerSquareInch;
      const double sqft = sqin / kSquareInchesPerSquareFoot;
      l = {Shown(cm2, 2, " qcm"), Shown(m2, 3, " qm"), Shown(sqin, 2, " sq.in."), Shown(sqft, 3, " sq.ft")};
      break;
    }
    case AreaUnit::SquareCentimetre: {
      const double mm2 = x * 100;
      const double m2 = x / 10000;
      const double sqin = mm2 / kSquareMillimetresPerSquareInch;
      const double sqft = sqin / kSquareInchesPerSquareFoot;
      l = {Shown(mm2, 1, " qmm"), Shown(m2, 3, " qm"), Shown(sqin, 2, " sq.in."), Shown(sqft, 3, " sq.ft")};
      break;
    }
    case AreaUnit::SquareMetre: {
      const double cm2 = x * 10000;
      const double mm2 = cm2 * 100;
      const double sqin = mm2 / kSquareMillimetresPerSquareInch;
      const double sqft = sqin / kSquareInchesPerSquareFoot;
      l = {Shown(mm2, 0, " qmm"), Shown(cm2, 1, " qcm"), Shown(sqin, 1, " sq.in."), Shown(sqft, 2, " sq.ft")};
      break;
    }
    case AreaUnit::SquareInch: {
      const double mm2 = kSquareMillimetresPerSquareInch * x;
      const double cm2 = mm2 / 100;
      const double m2 = cm2 / 10000;
      const double sqft = x / kSquareInchesPerSquareFoot;
      l = {Shown(mm2, 1, " qmm"), Shown(cm2, 2, " qcm"), Shown(m2, 3, " qm"), Shown(sqft, 3, " sq.ft")};
      break;
    }
    case AreaUnit::SquareFoot: {
      // The square-foot row names its units a little differently (" qm.", " sq.in"); kept.
      const double sqin = x * kSquareInchesPerSquareFoot;
      const double mm2 = kSquareMillimetresPerSquareInch * sqin;
      const double cm2 = mm2 / 100;
      const double m2 = cm2 / 10000;
      l = {Shown(mm2, 0, " qmm"), Shown(cm2, 1, " qcm"), Shown(m2, 3, " qm."), Shown(sqin, 1, " sq.in")};
      break;
    }
  }
  return out;
}

VolumeTexts ConvertVolume(double value, VolumeUnit source) {
  VolumeTexts out;
  if (!TakeValue(value, out)) return out;
  const double x = value;
  auto& l = out.labels;
  // Label12 to Label16 by the source; the US measures follow from the litres.
  std::array<std::string, 5> metric;
  double litres = 0;
  switch (source) {
    case VolumeUnit::CubicMillimetre: {
      const double cm3 = x / 1000;
      litres = cm3 / 1000;
      const double m3 = litres / 1000;
      const double cuin = x / kCubicMillimetresPerCubicInch;
      const double cuft = cuin / kCubicInchesPerCubicFoot;
      metric = {Shown(cm3, 3, " cm³"), Shown(litres, 3, " liter"), Shown(m3, 3, " m³"), Shown(cuin, 3, " cu.in."),
                Shown(cuft, 3, " cu.ft")};
      break;
    }
    case VolumeUnit::CubicCentimetre: {
      const double mm3 = x * 1000;
      litres = x / 1000;
      const double m3 = litres / 1000;
      const double cuin = mm3 / kCubicMillimetresPerCubicInch;
      const double cuft = cuin / kCubicInchesPerCubicFoot;
      metric = {Shown(mm3, 0, " mm³"), Shown(litres, 3, " liter"), Shown(m3, 3, " m³"), Shown(cuin, 2, " cu.in."),
                Shown(cuft, 3, " cu.ft")};
      break;
    }
    case VolumeUnit::Litre: {
      const double mm3 = x * 1000000;
      const double cm3 = x * 1000;
      const double m3 = x / 1000;
      const double cuin = mm3 / kCubicMillimetresPerCubicInch;
      const double cuft = cuin / kCubicInchesPerCubicFoot;
      litres = x;
      metric = {Shown(mm3, 0, " mm³"), Shown(cm3, 0, " cm³"), Shown(m3, 3, " m³"), Shown(cuin, 2, " cu.in."),
                Shown(cuft, 3, " cu.ft")};
      break;
    }
    case VolumeUnit::CubicMetre: {
      litres = x * 1000;
      const double cm3 = litres * 1000;
      const double mm3 = cm3 * 1000;
      const double cuin = mm3 / kCubicMillimetresPerCubicInch;
      const double cuft = cuin / kCubicInchesPerCubicFoot;
      metric = {Shown(mm3, 0, " mm³"), Shown(cm3, 1, " cm³"), Shown(litres, 2, " l"), Shown(cuin, 2, " cu.in."),
                Shown(cuft, 3, " cu.ft")};
      break;
    }
    case VolumeUnit::CubicInch: {
      const double mm3 = kCubicMillimetresPerCubicInch * x;
      const double cm3 = mm3 / 1000;
      litres = cm3 / 1000;
      const double m3 = litres / 1000;
      const double cuft = x / kCubicInchesPerCubicFoot;
      metric = {Shown(mm3, 0, " mm³"), Shown(cm3, 1, " cm³"), Shown(litres, 3, " l"), Shown(m3, 3, " m³"),
                Shown(cuft, 3, " cu.ft")};
      break;
    }
    case VolumeUnit::CubicFoot: {
      // The cubic-foot row shows the cubic inches where the others show cubic feet.
      const double cuin = x * kCubicInchesPerCubicFoot;
      const double mm3 = kCubicMillimetresPerCubicInch * cuin;
      const double cm3 = mm3 / 1000;
      litres = cm3 / 1000;
      const double m3 = litres / 1000;
      metric = {Shown(mm3, 0, " mm³"), Shown(cm3, 1, " cm³"), Shown(litres, 3, " l"), Shown(m3, 3, " m³"),
                Shown(cuin, 3, " cu.in")};
      break;
    }
  }

  std::copy(metric.begin(), metric.end(), l.begin());

  // The US measures follow from the litres by one chain whatever the source; the dry measures
  // show a third decimal only for the smallest source.
  const int dryDecimals = source == VolumeUnit::CubicMillimetre ? 3 : 2;
  const double dryPint = litres / kLitresPerUsDryPint;
  const double dryQuart = dryPint / 2;
  const double peck = dryQuart / 8;
  const double gill = litres / kLitresPerUsGill;
  const double liquidPint = gill / 4;
  const double liquidQuart = liquidPint / 2;
  const double gallon = liquidQuart / 4;
  l[5] = Shown(dryPint, dryDecimals, " US dry pint");
  l[6] = Shown(dryQuart, dryDecimals, " US dry quart");
  l[7] = Shown(peck, dryDecimals, " US peck");
  l[8] = Shown(gill, 3, " US li. gill");
  l[9] = Shown(liquidPint, 3, " US li. pint");
  l[10] = Shown(liquidQuart, 3, " US li. quart");
  l[11] = Shown(gallon, 3, " US gallon");
  return out;
}

MassTexts ConvertMass(double value, MassUnit source) {
  MassTexts out;
  if (!TakeValue(value, out)) return out;
  const double x = value;
  auto& l = out.labels;
  switch (source) {
    case MassUnit::Gram: {
      const double kg = x / 1000;
      const double oz = x / kGramsPerOunce;
      const double lb = x / kGramsPerPound;
      l = {Shown(kg, 1, " kg"), Shown(oz, 2, " oz av."), Shown(lb, 3, " lb av.")};
      break;
    }
    case MassUnit::Kilogram: {
      const double g = x * 1000;
      const double oz = g / kGramsPerOunce;
      const double lb = g / kGramsPerPound;
      l = {Shown(g, 1, " g"), Shown(oz, 2, " oz av."), Shown(lb, 3, " lb av.")};
      break;
    }
    case MassUnit::Ounce: {
      const double g = kGramsPerOunce * x;
      const double kg = g / 1000;
      const double lb = x / kOuncesPerPound;
      l = {Shown(g, 1, " g"), Shown(kg, 3, " kg"), Shown(lb, 3, " lb av.")};
      break;
    }
    case MassUnit::Pound: {
      const double g = kGramsPerPound * x;
      const double kg = g / 1000;
      const double oz = x * kOuncesPerPound;
      l = {Shown(g, 1, " g"), Shown(kg, 3, " kg"), Shown(oz, 3, " oz av.")};
      break;
    }
  }
  return out;
}

}  // namespace velomare
