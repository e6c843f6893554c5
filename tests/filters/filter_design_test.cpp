// The filter designers' model: component values against worked examples and a ladder network
// solved here, the validity rules, texts, quality, steps, cursor read-out and settings sections.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include <QDir>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "filters/model/FilterDesign.h"

namespace velomare {
namespace {

using Cx = std::complex<double>;
constexpr double kPi = 3.14159265358979323846;

std::string C1Text(const FilterCalculation& c) {
  for (const auto& w : c.writes)
    if (w.component == Component::C1) return w.text;
  return "none";
}

// The texts in the order they are written, e.g. "L2=0,00 L1=0,45 C2=0,00 C1=14,07".
std::string Written(const FilterCalculation& c) {
  static const char* names[] = {"C1", "L1", "C2", "L2"};
  std::string out;
  for (const auto& w : c.writes) out += (out.empty() ? "" : " ") + std::string(names[int(w.component)]) + "=" + w.text;
  return out;
}

// Level in dB at frequency f of a ladder driven by a voltage source, series element first,
// loaded by R. Each element is a series or shunt inductor (mH) or capacitor (µF); 0 is absent.
struct Element {
  bool series, inductor;
  double value;
};
double LadderLevel(const std::vector<Element>& ladder, double r, double f) {
  const double w = 2 * kPi * f;
  // Walk from the load back to the source, carrying the impedance seen and the voltage ratio.
  Cx z = r, gain = 1.0;  // the impedance seen, Vout / Vnode at the current node
  for (auto it = ladder.rbegin(); it != ladder.rend(); ++it) {
    if (it->value == 0) continue;
    const Cx ze = it->inductor ? Cx(0, w * it->value * 1e-3) : Cx(0, -1.0 / (w * it->value * 1e-6));
    if (it->series) {
      gain *= z / (z + ze);
      z += ze;
    } else {
      z = z * ze / (z + ze);
    }
  }
  return 20 * std::log10(std::abs(gain));
}

std::vector<Element> HighPassLadder(const FilterCalculation& c) {
  return {{true, false, c.c1}, {false, true, c.l1}, {true, false, c.c2}, {false, true, c.l2}};
}
std::vector<Element> LowPassLadder(const FilterCalculation& c) {
  return {{true, true, c.l1}, {false, false, c.c1}, {true, true, c.l2}, {false, false, c.c2}};
}

TEST(FilterParts, WorkedExamplesOfTheHighAndLowPassWrittenLastToFirst) {
  const FilterCalculation hp = CalcHighPassParts("4", "2000", 2, Characteristic::Butterworth);
  EXPECT_NEAR(hp.c1, 14.0674, 1e-4);
  EXPECT_NEAR(hp.l1, 0.450158, 1e-6);
  EXPECT_EQ(hp.c2, 0.0);
  EXPECT_EQ(hp.l2, 0.0);
  EXPECT_EQ(Written(hp), "L2=0,00 L1=0,45 C2=0,00 C1=14,07");
  EXPECT_EQ(Written(CalcLowPassParts("4", "2000", 2, Characteristic::Butterworth)), "C2=0,000 L2=0,00 C1=14,067 L1=0,45");
  // Third-order Butterworth high pass at 4 ohm, 2 kHz: 0.1061/(Rf), 0.1194·R/f, 0.3183/(Rf).
  const FilterCalculation hp3 = CalcHighPassParts("4", "2000", 3, Characteristic::Butterworth);
  EXPECT_NEAR(hp3.c1, 0.1061e6 / 8000, 0.01);
  EXPECT_NEAR(hp3.l1, 0.1194e3 * 4 / 2000, 0.0002);
  EXPECT_NEAR(hp3.c2, 0.3183e6 / 8000, 0.01);
  EXPECT_EQ(Written(hp3), "L2=0,00 L1=0,24 C2=39,79 C1=13,26");
}

TEST(FilterParts, LadderLevelAtTheCutOffMatchesTheAlignment) {
  const struct { int order; Characteristic ch; double level, tolerance; } cases[] = {
      {1, Characteristic::Butterworth, -3.0103, 1e-3}, {2, Characteristic::Butterworth, -3.0103, 1e-3},
      {3, Characteristic::Butterworth, -3.0103, 2e-3}, {4, Characteristic::Butterworth, -3.0103, 2e-3},
      {2, Characteristic::Bessel, -3.0103, 2e-3},      {3, Characteristic::Bessel, -3.0103, 2e-2},
      {4, Characteristic::Bessel, -3.0103, 2e-2},      {4, Characteristic::Linkwitz, -6.0206, 2e-2},
      {2, Characteristic::Linkwitz, -3.006, 2e-3}
  };
  for (const auto& c : cases) {
    for (double r : {4.0, 8.0}) {
      for (double f : {100.0, 2500.0}) {
        const std::string rText = FormatFixed(r, 1, 0), fText = FormatFixed(f, 1, 0);
        const FilterCalculation hp = CalcHighPassParts(rText, fText, c.order, c.ch);
        const FilterCalculation lp = CalcLowPassParts(rText, fText, c.order, c.ch);
        EXPECT_NEAR(LadderLevel(HighPassLadder(hp), r, f), c.level, c.tolerance) << c.order << " " << int(c.ch);
        EXPECT_NEAR(LadderLevel(LowPassLadder(lp), r, f), c.level, c.tolerance) << c.order << " " << int(c.ch);
        // Deep in the stop band each order falls by its 20 dB per decade.
        const double slope = LadderLevel(HighPassLadder(hp), r, f / 1000) - LadderLevel(HighPassLadder(hp), r, f / 100);
        EXPECT_NEAR(slope, -20.0 * c.order, 0.1) << c.order;
        EXPECT_NEAR(LadderLevel(LowPassLadder(lp), r, f / 100), 0.0, 0.05) << c.order;
      }
    }
  }
}

TEST(FilterParts, LinkwitzRileyFourthOrderHasTheTextbookElements) {
  // g = 1.886, 1.591, 0.943, 0.3536 at R = 1 ohm, f = 1/(2π) Hz: the values themselves, in mH and µF.
  const double f = 1.0 / (2 * kPi);
  const FilterCalculation lp = CalcLowPassParts("1", FormatFixed(f, 1, 17), 4, Characteristic::Linkwitz);
  const FilterCalculation hp = CalcHighPassParts("1", FormatFixed(f, 1, 17), 4, Characteristic::Linkwitz);
  const double g[] = {1.886, 1.591, 0.943, 0.3536};
  const double low[] = {lp.l1 / 1e3, lp.c1 / 1e6, lp.l2 / 1e3, lp.c2 / 1e6};
  const double high[] = {1e6 / hp.c1, 1e3 / hp.l1, 1e6 / hp.c2, 1e3 / hp.l2};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(low[i] / g[i], 1, 1e-6) << i;
    EXPECT_NEAR(high[i] / g[i], 1, 1e-6) << i;
  }
}

TEST(FilterParts, OrderOneIgnoresTheCharacteristicAndMissingRowsGiveZeros) {
  for (Characteristic ch : {Characteristic::Butterworth, Characteristic::Bessel, Characteristic::Linkwitz,
                            Characteristic::PhaseLinear}) {
    const FilterCalculation hp = CalcHighPassParts("8", "1000", 1, ch);
    EXPECT_NEAR(hp.c1, 1e6 / (2 * kPi * 1000 * 8), 1e-9);
    EXPECT_EQ(hp.l1, 0.0);
  }
  for (const auto& [order, ch] : {std::pair{2, Characteristic::PhaseLinear}, std::pair{3, Characteristic::Linkwitz}}) {
    const FilterCalculation hp = CalcHighPassParts("8", "1000", order, ch);
    EXPECT_TRUE(hp.componentsChanged);
    EXPECT_EQ(hp.c1 + hp.l1 + hp.c2 + hp.l2, 0.0);
    EXPECT_EQ(C1Text(hp), "0,00");
  }
}

TEST(FilterParts, InvalidHighAndLowPassInputsAreStoredButChangeNoComponent) {
  for (const auto& [z, f] : {std::pair{"0", "2000"}, std::pair{"4", "-5"}, std::pair{"abc", "2000"},
                             std::pair{"4", ""}, std::pair{"4", "1e999"}, std::pair{"-", "2000"}}) {
    const FilterCalculation c = CalcHighPassParts(z, f, 2, Characteristic::Butterworth);
    EXPECT_FALSE(c.componentsChanged || !c.writes.empty()) << z << " " << f;
    FilterValues v;
    v.c1 = 7;
    TakeCalculation(v, c);
    EXPECT_EQ(v.c1, 7.0);
    EXPECT_EQ(v.z, ReadNumber(z));
  }
}

TEST(FilterParts, CutTextsDropDecimalsOnlyAndReadBackAsShown) {
  const FilterCalculation c = CalcHighPassParts("0,01", "1", 1, Characteristic::Butterworth);
  EXPECT_NEAR(c.c1, 15915494.309, 1e-3);
  EXPECT_EQ(C1Text(c), "15915494,3");
  EXPECT_EQ(ReadNumber(C1Text(c)), 15915494.3);
  // More integer digits than the width: all of them stay.
  const FilterCalculation big = CalcHighPassParts("0,0001", "0,001", 1, Characteristic::Butterworth);
  EXPECT_EQ(C1Text(big), "1591549430918");
  // Thirty digits and the smallest readable frequency: finite texts, no "inf" or "nan".
  const FilterCalculation huge =
      CalcLowPassParts("999999999999999999999999999999", "0,0000000000000001", 4, Characteristic::Bessel);
  for (const auto& w : huge.writes) {
    EXPECT_TRUE(IsNumberText(w.text)) << w.text;  // never "inf" or "nan"
  }
}

TEST(FilterParts, BandPassExamplesAndValidity) {
  FilterCalculation c = CalcBandPassParts("4", "1000", "5000", 3);
  EXPECT_NEAR(c.c1, 28.1349, 1e-4);
  EXPECT_NEAR(c.l2, 0.900316, 1e-6);
  EXPECT_NEAR(c.l1, 0.180063, 1e-6);
  EXPECT_NEAR(c.c2, 5.62698, 1e-5);
  EXPECT_EQ(Written(c), "C1=28,13 C2=5,63 L1=0,180 L2=0,900");
  EXPECT_EQ(c.secondStageEnabled, true);
  c = CalcBandPassParts("4", "1000", "5000", 0);
  EXPECT_EQ(Written(c), "C1=39,79 C2=0,00 L1=0,127 L2=0,000");
  EXPECT_EQ(c.secondStageEnabled, false);
  // Each 12 dB preset's halves: the high-pass half at fgu, the low-pass half at fgo, as in the
  // high- and low-pass designers.
  for (const auto& [preset, ch] : {std::pair{1, Characteristic::Linkwitz}, std::pair{2, Characteristic::Bessel},
                                   std::pair{3, Characteristic::Butterworth}}) {
    c = CalcBandPassParts("8", "300", "3000", preset);
    const FilterCalculation hp = CalcHighPassParts("8", "300", 2, ch), lp = CalcLowPassParts("8", "3000", 2, ch);
    EXPECT_NEAR(c.c1 / hp.c1 + c.l2 / hp.l1 + c.l1 / lp.l1 + c.c2 / lp.c1, 4, 1e-9) << preset;
    EXPECT_NEAR(c.c1, hp.c1, 1e-9 * hp.c1) << preset;
    EXPECT_NEAR(c.l2, hp.l1, 1e-9 * hp.l1) << preset;
    EXPECT_NEAR(c.l1, lp.l1, 1e-9 * lp.l1) << preset;
    EXPECT_NEAR(c.c2, lp.c1, 1e-9 * lp.c1) << preset;
  }
  EXPECT_FALSE(CalcBandPassParts("4", "1000", "1000", 3).writes.empty());
  EXPECT_NEAR(CalcBandPassParts("4", "1000", "1000", 3).c1, 28.1349, 1e-4);
  for (const auto& [z, fu, fo] : {std::tuple{"4", "10", "5000"}, std::tuple{"4", "2000", "1000"},
                                  std::tuple{"0", "1000", "5000"}, std::tuple{"x", "1000", "5000"}}) {
    c = CalcBandPassParts(z, fu, fo, 3);
    EXPECT_TRUE(c.componentsChanged && !c.secondStageEnabled.has_value());
    EXPECT_EQ(Written(c), "C1=0,00 C2=0,00 L1=0,00 L2=0,00") << z << " " << fu << " " << fo;
  }
  c = CalcBandPassParts("4", "1000", "5000", kNoPresetChosen);
  EXPECT_FALSE(c.componentsChanged || c.secondStageEnabled.has_value());
  EXPECT_TRUE(c.writes.empty());
  EXPECT_EQ(c.fo, 5000.0);
}

FilterValues Values(double z, double c1, double l1, double c2 = 0, double l2 = 0) {
  FilterValues v;
  v.z = z, v.c1 = c1, v.l1 = l1, v.c2 = c2, v.l2 = l2;
  return v;
}

TEST(FilterQuality, ByKindOrderAndLanguage) {
  const auto hp = FilterKind::HighPass, lp = FilterKind::LowPass, bp = FilterKind::BandPass;
  const struct { FilterKind kind; FilterValues v; int order; bool english; std::optional<std::string> text; } rows[] = {
      {hp, Values(4, 31.25, 1), 2, true, "quality = 0.707"},
      {lp, Values(4, 31.25, 1), 2, false, "Güte = 0,707"},
      {hp, Values(4, 31.25, 0), 2, true, "quality = 0.000"},
      {hp, Values(4, 1, 1), 1, true, "quality = 0.707"},
      {hp, Values(4, 1, 1), 1, false, "Güte = 0,707"},
      {hp, Values(4, 1, 1), 3, true, ""},
      {lp, Values(4, 1, 1), 4, false, ""},
      {hp, Values(0, 1, 1), 2, true, "Q ?"},
      {lp, Values(-1, 1, 1), 1, false, "Q ?"},
      // More than ten characters lose decimals only.
      {hp, Values(1e8, 1e6, 1e-3), 2, true, "quality = 100000000000"},
      {hp, Values(4, 32, 1), 2, true, "quality = 0.716"},
      // sqrt(L1/C1)/Z with L1 = Z/(2π fo), C1 = 1/(2π fu Z): sqrt(fu/fo) = 0.447.
      {bp, Values(4, 1e6 / (2 * kPi * 1000 * 4), 4e3 / (2 * kPi * 5000)), 0, true,
       "quality = 0.7; total resonant circuit quality 0.447"},
      {bp, Values(4, 1e6 / (2 * kPi * 1000 * 4), 4e3 / (2 * kPi * 5000)), 0, false,
       "Güte = 0,7; Gesamt-Schwingkreis-Güte 0,447"},
      {bp, Values(0, 10, 1), 0, true, "Q ?"},
      {bp, Values(4, 10, 1, 5, 0), 0, true, "Q ?"},
      {bp, Values(4, 10, 1, -5, 1), 0, true, "Q ?"},
      {bp, Values(4, 10, 1, 5, -1), 0, true, "Q ?"},
      // L1 or C1 too small keeps the label.
      {bp, Values(4, 0.0001, 1), 0, true, std::nullopt},
      {bp, Values(4, 10, 0), 0, true, std::nullopt},
  };
  for (const auto& row : rows)
    EXPECT_EQ(FilterQualityText(row.kind, row.v, row.order, row.english), row.text)
        << int(row.kind) << " " << row.v.z << " " << row.v.c1 << " " << row.v.l1 << " order " << row.order;
  FilterValues v;
  TakeCalculation(v, CalcBandPassParts("4", "1000", "5000", 3));
  EXPECT_EQ(FilterQualityText(bp, v, 0, false), "Güte des Tiefpasses 0,707; Güte des Hochpasses 0,707");
  EXPECT_EQ(FilterQualityText(bp, v, 0, true), "quality of low pass 0.707; quality of high pass 0.707");
  // The first-order preset as designed, not only as typed.
  TakeCalculation(v, CalcBandPassParts("4", "1000", "5000", 0));
  EXPECT_EQ(FilterQualityText(bp, v, 0, false), "Güte = 0,7; Gesamt-Schwingkreis-Güte 0,447");
}

TEST(FilterQuality, ComputedSecondOrderDesignsShowTheirAlignment) {
  // From the values as the edits show them.
  const auto shown = [](const FilterCalculation& c) {
    FilterValues v;
    TakeCalculation(v, c);
    for (const auto& w : c.writes) v.Of(w.component) = ReadNumber(w.text);
    return v;
  };
  const struct { Characteristic ch; const char* q; } cases[] = {
      {Characteristic::Butterworth, "0,707"}, {Characteristic::Bessel, "0,578"}, {Characteristic::Linkwitz, "0,500"}};
  for (const auto& c : cases) {
    const FilterCalculation hp = CalcHighPassParts("4", "2000", 2, c.ch);
    EXPECT_EQ(FilterQualityText(FilterKind::HighPass, shown(hp), 2, false), std::string("Güte = ") + c.q);
  }
  // The low pass shows its inductor with two decimals only: 0,43 mH makes its Bessel 0,580.
  const auto lowPass = [&](Characteristic ch) {
    return FilterQualityText(FilterKind::LowPass, shown(CalcLowPassParts("4", "2000", 2, ch)), 2, true);
  };
  EXPECT_EQ(lowPass(Characteristic::Butterworth), "quality = 0.707");
  EXPECT_EQ(lowPass(Characteristic::Linkwitz), "quality = 0.500");
  EXPECT_EQ(lowPass(Characteristic::Bessel), "quality = 0.580");
  // Before the edits round, Bessel is 1/sqrt(3).
  FilterValues exact;
  TakeCalculation(exact, CalcHighPassParts("4", "2000", 2, Characteristic::Bessel));
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, exact, 2, true), "quality = 0.577");
}

TEST(FilterSteps, ComponentStepsInsideTheirRanges) {
  using D = UpDownDirection;
  const ComponentStepRule c1{0.5, false, 0.0001, 1000, false, 2}, inclusive{0.02, true, 0.0001, 100, true, 3};
  // No upper bound going down: from 1e18 on a value comes back unchanged, as plain digits.
  const std::string thirtyNines(30, '9'), unchanged = FormatFixed(ReadNumber(thirtyNines), 1, 2);
  const struct { const char* from; D direction; const ComponentStepRule& rule; std::string to; } rows[] = {
      {"4,7", D::Up, c1, "5.60"},     {"4,7", D::Down, c1, "3.90"},     {"0,5", D::Down, c1, ""},
      {"1000", D::Up, c1, ""},        {"abc", D::Up, c1, ""},           {"abc", D::None, c1, "1.00"},
      {"1000", D::Down, c1, "910.00"}, {"9900", D::Down, c1, "9100.00"}, {thirtyNines.c_str(), D::Down, c1, unchanged},
      {"0,02", D::Down, inclusive, "0.018"}, {"100", D::Up, inclusive, "120.000"}, {"0,0001", D::Up, inclusive, ""}};
  for (const auto& row : rows) EXPECT_EQ(StepComponentText(row.from, row.direction, row.rule).value_or(""), row.to) << row.from;
}

TEST(FilterSteps, FrequencyStepsByDecadeInsideTheRangeAndAgainstThePartner) {
  using D = UpDownDirection;
  const auto single = FrequencyEdit::Single, lower = FrequencyEdit::BandLower, upper = FrequencyEdit::BandUpper;
  const struct { FrequencyEdit edit; const char* from; const char* partner; D direction; const char* to; } rows[] = {
      {single, "100", "", D::Down, "99"},       {single, "100", "", D::Up, "110"},     {single, "1000", "", D::Down, "990"},
      {single, "1000", "", D::Up, "1100"},      {single, "10000", "", D::Down, "9900"}, {single, "10000", "", D::Up, "11000"},
      {single, "24000", "", D::Up, "25000"},    {single, "25000", "", D::Up, ""},      {single, "20", "", D::Down, ""},
      {single, "50000", "", D::Down, "49000"},  {single, "-7", "", D::Up, "-6"},       {single, "12,6", "", D::Up, "14"},
      {single, "x", "", D::None, "2000"},       {lower, "1000", "1000", D::Up, ""},    {upper, "1000", "1000", D::Down, ""},
      {lower, "1000", "1000", D::Down, "990"},  {upper, "1000", "1000", D::Up, "1100"}, {lower, "18", "5000", D::Up, ""},
      {lower, "19", "5000", D::Up, "20"},       {upper, "25100", "1000", D::Down, "24100"},
      {upper, "26000", "1000", D::Down, ""},    {lower, "1000", "x", D::Down, ""},     {upper, "0", "1000", D::Up, ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(StepFrequencyText(row.edit, row.from, row.partner, row.direction).value_or(""), row.to)
        << int(row.edit) << " " << row.from << " partner " << row.partner << " direction " << int(row.direction);
}

TEST(FilterCursor, ReadOutInvertsTheDiagramGeometry) {
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 210, 700, 518, true), "high pass (cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 210, 700, 518, false), "Hochpass (Cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 200, 700, 518, true), std::nullopt);
  // One decade per 0.3·(W − 30) pixels, 40 dB and 360° over H − 255 pixels.
  EXPECT_EQ(CursorCaption(FilterKind::LowPass, 15 + 201, 210 + 263, 700, 518, true),
            "low pass (cursor 100,0 Hz / -30,0 dB / -180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::BandPass, 15, 170, 661, 480, true), "band pass (cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::BandPass, 15, 170, 661, 480, false), "Bandpass (Cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::LowPass, 15 + 201, 210 + 263, 700, 518, false),
            "Tiefpass (Cursor 100,0 Hz / -30,0 dB / -180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::BandPass, 15, 165, 661, 480, true), std::nullopt);
  EXPECT_EQ(CursorCaption(FilterKind::BandPass, 15, 300, 661, 215, true), std::nullopt);
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 300, 30, 518, true), std::nullopt);
  EXPECT_STREQ(PlainCaption(FilterKind::HighPass, false), "Hochpass ");
  EXPECT_STREQ(PlainCaption(FilterKind::LowPass, true), "low pass");
}

using FilterSections = test::TempFileTest;

TEST_F(FilterSections, KeysInOrderWithCrLfAndDefaultsForNonNumbers) {
  platform::IniFile ini(path);
  FilterCloseState s{"4", "", "", "14,07", "0,45", "0,00", "x", 2, Characteristic::Bessel};
  ASSERT_TRUE(SaveFilterSection(ini, FilterKind::HighPass, s));
  EXPECT_EQ(test::ReadFileBytes(path),
            "[Hochpass]\r\nZ=4\r\nf=1000\r\nGuete=2\r\nOrdnung=2\r\nC1=14.07\r\nL1=0.45\r\nC2=0\r\nL2=0\r\n");
  platform::IniFile band(path);
  ASSERT_TRUE(SaveFilterSection(band, FilterKind::BandPass, {"abc", "", "", "28,13", "0,180", "5,63", "0,900", 2}));
  platform::IniFile low(path);
  ASSERT_TRUE(SaveFilterSection(low, FilterKind::LowPass, {"8", "2500", "", "1", "2", "3", "4", 4,
                                                           Characteristic::PhaseLinear}));
  EXPECT_EQ(test::ReadFileBytes(path),
            "[Hochpass]\r\nZ=4\r\nf=1000\r\nGuete=2\r\nOrdnung=2\r\nC1=14.07\r\nL1=0.45\r\nC2=0\r\nL2=0\r\n\r\n"
            "[Bandpass]\r\nZ=4\r\nfu=1000\r\nfo=5000\r\nOrdnung=2\r\nL1=0.18\r\nC1=28.13\r\nL2=0.9\r\nC2=5.63\r\n\r\n"
            "[Tiefpass]\r\nZ=8\r\nfo=2500\r\nOrdnung=4\r\nGuete=4\r\nL1=2\r\nC1=1\r\nL2=4\r\nC2=3\r\n");
}

TEST_F(FilterSections, RestoreTakesValuesInsideTheirRangesAndDefaultsOtherwise) {
  test::WriteFileBytes(path,
                       "[Hochpass]\r\nZ=8,5\r\nf=2500\r\nGuete=3\r\nOrdnung=4\r\nC1=999\r\nL1=9999\r\nC2=1000\r\nL2=0\r\n"
                       "[Tiefpass]\r\nZ=0.5\r\nfo=20\r\nOrdnung=7\r\nguete=9\r\nL1=1000\r\nC1=abc\r\n"
                       "[Bandpass]\r\nZ=1001\r\nfu=20000\r\nfo=3000\r\nOrdnung=1\r\n");
  // Z, f, fo, order, characteristic, preset, then C1, L1, C2, L2 ("-" where none is restored).
  const auto restored = [](const platform::IniFile& ini, FilterKind kind) {
    const FilterRestore r = ReadFilterSection(ini, kind);
    std::string out = r.z + " " + r.f + " " + r.fo + " " + std::to_string(r.order) + " " +
                      std::to_string(int(r.characteristic)) + " " + std::to_string(r.presetIndex);
    for (const auto& c : {r.c1, r.l1, r.c2, r.l2}) out += " " + c.value_or("-");
    return out;
  };
  const platform::IniFile ini(path);
  EXPECT_EQ(restored(ini, FilterKind::HighPass), "8.5 2500  4 3 3 999 9999 - -");
  EXPECT_EQ(restored(ini, FilterKind::LowPass), "4 2000  2 1 3 - - - -");
  test::WriteFileBytes(path, "[Hochpass]\r\nf=20\r\n");  // 20 Hz itself is not above the range
  EXPECT_EQ(ReadFilterSection(platform::IniFile(path), FilterKind::HighPass).f, "2000");
  EXPECT_EQ(restored(ini, FilterKind::BandPass), "4 1000 5000 1 1 0 - - - -") << "fo not above the stored fu";
  EXPECT_EQ(restored(platform::IniFile(dir.filePath("missing.ini").toStdString()), FilterKind::BandPass), "4 1000 5000 2 1 3 - - - -");
}

TEST_F(FilterSections, AFailedWriteIsReported) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("velomar.ini"));  // a folder where the file should be
  platform::IniFile ini(path);
  EXPECT_FALSE(SaveFilterSection(ini, FilterKind::LowPass, {"4", "2000", "", "", "", "", "", 2}));
}

}  // namespace
}  // namespace velomare
