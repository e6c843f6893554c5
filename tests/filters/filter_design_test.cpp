// The filter designers' model: component values against the worked examples and against a
// ladder network solved here from the shown elements, the validity rules, the texts, the
// quality read-out, the up-down steps, the cursor read-out and the settings sections.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <map>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "filters/model/FilterDesign.h"

namespace velomare {
namespace {

using Cx = std::complex<double>;
constexpr double kPi = 3.14159265358979323846;

std::map<Component, std::string> Texts(const FilterCalculation& c) {
  std::map<Component, std::string> m;
  for (const auto& w : c.writes) m[w.component] = w.text;
  return m;
}

// Level in dB at frequency f of a ladder driven by a voltage source, series element first,
// loaded by R. Each element is a series or shunt inductor (mH) or capacitor (µF); 0 is absent.
struct Element {
  bool series;
  bool inductor;
  double value;
};
double LadderLevel(const std::vector<Element>& ladder, double r, double f) {
  const double w = 2 * kPi * f;
  // Walk from the load back to the source, carrying the impedance seen and the voltage ratio.
  Cx z = r;
  Cx gain = 1.0;  // Vout / Vnode at the current node
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

TEST(FilterParts, WorkedExamplesOfTheHighAndLowPass) {
  const FilterCalculation hp = CalcHighPassParts("4", "2000", 2, Characteristic::Butterworth);
  EXPECT_NEAR(hp.c1, 14.0674, 1e-4);
  EXPECT_NEAR(hp.l1, 0.450158, 1e-6);
  EXPECT_EQ(hp.c2, 0.0);
  EXPECT_EQ(hp.l2, 0.0);
  auto t = Texts(hp);
  EXPECT_EQ(t[Component::C1], "14,07");
  EXPECT_EQ(t[Component::L1], "0,45");
  EXPECT_EQ(t[Component::C2], "0,00");
  EXPECT_EQ(t[Component::L2], "0,00");
  // Written last to first.
  ASSERT_EQ(hp.writes.size(), 4u);
  EXPECT_EQ(hp.writes[0].component, Component::L2);
  EXPECT_EQ(hp.writes[3].component, Component::C1);

  const FilterCalculation lp = CalcLowPassParts("4", "2000", 2, Characteristic::Butterworth);
  t = Texts(lp);
  EXPECT_EQ(t[Component::L1], "0,45");
  EXPECT_EQ(t[Component::C1], "14,067");
  EXPECT_EQ(t[Component::L2], "0,00");
  EXPECT_EQ(t[Component::C2], "0,000");
  ASSERT_EQ(lp.writes.size(), 4u);
  EXPECT_EQ(lp.writes[0].component, Component::C2);
  EXPECT_EQ(lp.writes[3].component, Component::L1);

  // Third-order Butterworth high pass at 4 ohm, 2 kHz: 0.1061/(Rf), 0.1194·R/f, 0.3183/(Rf).
  const FilterCalculation hp3 = CalcHighPassParts("4", "2000", 3, Characteristic::Butterworth);
  EXPECT_NEAR(hp3.c1, 0.1061e6 / 8000, 0.01);
  EXPECT_NEAR(hp3.l1, 0.1194e3 * 4 / 2000, 0.0002);
  EXPECT_NEAR(hp3.c2, 0.3183e6 / 8000, 0.01);
  t = Texts(hp3);
  EXPECT_EQ(t[Component::C1], "13,26");
  EXPECT_EQ(t[Component::L1], "0,24");
  EXPECT_EQ(t[Component::C2], "39,79");
}

TEST(FilterParts, LadderLevelAtTheCutOffMatchesTheAlignment) {
  const struct {
    int order;
    Characteristic ch;
    double level;
    double tolerance;
  } cases[] = {{1, Characteristic::Butterworth, -3.0103, 1e-3}, {2, Characteristic::Butterworth, -3.0103, 1e-3},
               {3, Characteristic::Butterworth, -3.0103, 2e-3}, {4, Characteristic::Butterworth, -3.0103, 2e-3},
               {2, Characteristic::Bessel, -3.0103, 2e-3},      {3, Characteristic::Bessel, -3.0103, 2e-2},
               {4, Characteristic::Bessel, -3.0103, 2e-2},      {4, Characteristic::Linkwitz, -6.0206, 2e-2},
               {2, Characteristic::Linkwitz, -3.006, 2e-3}};
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
  EXPECT_NEAR(lp.l1, 1.886e3, 1e-6 * 1.886e3);
  EXPECT_NEAR(lp.c1, 1.591e6, 1e-6 * 1.591e6);
  EXPECT_NEAR(lp.l2, 0.943e3, 1e-6 * 0.943e3);
  EXPECT_NEAR(lp.c2, 0.3536e6, 1e-6 * 0.3536e6);
  const FilterCalculation hp = CalcHighPassParts("1", FormatFixed(f, 1, 17), 4, Characteristic::Linkwitz);
  EXPECT_NEAR(hp.c1, 1e6 / 1.886, 1e-6 * hp.c1);
  EXPECT_NEAR(hp.l1, 1e3 / 1.591, 1e-6 * hp.l1);
  EXPECT_NEAR(hp.c2, 1e6 / 0.943, 1e-6 * hp.c2);
  EXPECT_NEAR(hp.l2, 1e3 / 0.3536, 1e-6 * hp.l2);
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
    EXPECT_EQ(Texts(hp)[Component::C1], "0,00");
  }
}

TEST(FilterParts, InvalidHighAndLowPassInputsAreStoredButChangeNoComponent) {
  for (const auto& [z, f] : {std::pair{"0", "2000"}, std::pair{"4", "-5"}, std::pair{"abc", "2000"},
                             std::pair{"4", ""}, std::pair{"4", "1e999"}, std::pair{"-", "2000"}}) {
    const FilterCalculation c = CalcHighPassParts(z, f, 2, Characteristic::Butterworth);
    EXPECT_FALSE(c.componentsChanged) << z << " " << f;
    EXPECT_TRUE(c.writes.empty());
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
  EXPECT_EQ(Texts(c)[Component::C1], "15915494,3");
  EXPECT_EQ(ReadNumber(Texts(c)[Component::C1]), 15915494.3);
  // More integer digits than the width: all of them stay.
  const FilterCalculation big = CalcHighPassParts("0,0001", "0,001", 1, Characteristic::Butterworth);
  EXPECT_EQ(Texts(big)[Component::C1], "1591549430918");
  // Thirty digits and the smallest readable frequency: finite texts, no "inf" or "nan".
  const FilterCalculation huge =
      CalcLowPassParts("999999999999999999999999999999", "0,0000000000000001", 4, Characteristic::Bessel);
  for (const auto& w : huge.writes) {
    EXPECT_EQ(w.text.find("inf"), std::string::npos);
    EXPECT_EQ(w.text.find("nan"), std::string::npos);
    EXPECT_TRUE(IsNumberText(w.text)) << w.text;
  }
}

TEST(FilterParts, BandPassExamplesAndValidity) {
  FilterCalculation c = CalcBandPassParts("4", "1000", "5000", 3);
  EXPECT_NEAR(c.c1, 28.1349, 1e-4);
  EXPECT_NEAR(c.l2, 0.900316, 1e-6);
  EXPECT_NEAR(c.l1, 0.180063, 1e-6);
  EXPECT_NEAR(c.c2, 5.62698, 1e-5);
  auto t = Texts(c);
  EXPECT_EQ(t[Component::C1], "28,13");
  EXPECT_EQ(t[Component::L2], "0,900");
  EXPECT_EQ(t[Component::L1], "0,180");
  EXPECT_EQ(t[Component::C2], "5,63");
  EXPECT_EQ(c.writes[0].component, Component::C1);
  EXPECT_EQ(c.writes[1].component, Component::C2);
  EXPECT_EQ(c.writes[2].component, Component::L1);
  EXPECT_EQ(c.writes[3].component, Component::L2);
  EXPECT_EQ(c.secondStageEnabled, true);

  c = CalcBandPassParts("4", "1000", "5000", 0);
  t = Texts(c);
  EXPECT_EQ(t[Component::C1], "39,79");
  EXPECT_EQ(t[Component::L1], "0,127");
  EXPECT_EQ(t[Component::L2], "0,000");
  EXPECT_EQ(t[Component::C2], "0,00");
  EXPECT_EQ(c.secondStageEnabled, false);

  // Each 12 dB preset's halves: the high-pass half at fgu, the low-pass half at fgo, as in the
  // high- and low-pass designers.
  for (const auto& [preset, ch] : {std::pair{1, Characteristic::Linkwitz}, std::pair{2, Characteristic::Bessel},
                                   std::pair{3, Characteristic::Butterworth}}) {
    c = CalcBandPassParts("8", "300", "3000", preset);
    const FilterCalculation hp = CalcHighPassParts("8", "300", 2, ch);
    const FilterCalculation lp = CalcLowPassParts("8", "3000", 2, ch);
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
    EXPECT_TRUE(c.componentsChanged);
    EXPECT_EQ(c.c1 + c.l1 + c.c2 + c.l2, 0.0);
    for (const auto& w : c.writes) EXPECT_EQ(w.text, "0,00");
    EXPECT_FALSE(c.secondStageEnabled.has_value());
  }
  c = CalcBandPassParts("4", "1000", "5000", kNoPresetChosen);
  EXPECT_FALSE(c.componentsChanged);
  EXPECT_TRUE(c.writes.empty());
  EXPECT_FALSE(c.secondStageEnabled.has_value());
  EXPECT_EQ(c.fo, 5000.0);
}

FilterValues Values(double z, double c1, double l1, double c2 = 0, double l2 = 0) {
  FilterValues v;
  v.z = z, v.c1 = c1, v.l1 = l1, v.c2 = c2, v.l2 = l2;
  return v;
}

TEST(FilterQuality, HighAndLowPassByOrder) {
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(4, 31.25, 1), 2, true), "quality = 0.707");
  EXPECT_EQ(FilterQualityText(FilterKind::LowPass, Values(4, 31.25, 1), 2, false), "Güte = 0,707");
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(4, 31.25, 0), 2, true), "quality = 0.000");
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(4, 1, 1), 1, true), "quality = 0.707");
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(4, 1, 1), 1, false), "Güte = 0,707");
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(4, 1, 1), 3, true), "");
  EXPECT_EQ(FilterQualityText(FilterKind::LowPass, Values(4, 1, 1), 4, false), "");
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(0, 1, 1), 2, true), "Q ?");
  EXPECT_EQ(FilterQualityText(FilterKind::LowPass, Values(-1, 1, 1), 1, false), "Q ?");
  // A quality with more than ten characters loses decimals only.
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(1e8, 1e6, 1e-3), 2, true), "quality = 100000000000");
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, Values(4, 32, 1), 2, true), "quality = 0.716");
}

TEST(FilterQuality, ComputedSecondOrderDesignsShowTheirAlignment) {
  // From the values as the edits show them.
  const auto shown = [](const FilterCalculation& c) {
    FilterValues v;
    TakeCalculation(v, c);
    for (const auto& w : c.writes) v.Of(w.component) = ReadNumber(w.text);
    return v;
  };
  const struct {
    Characteristic ch;
    const char* q;
  } cases[] = {{Characteristic::Butterworth, "0,707"}, {Characteristic::Bessel, "0,578"},
               {Characteristic::Linkwitz, "0,500"}};
  for (const auto& c : cases) {
    const FilterCalculation hp = CalcHighPassParts("4", "2000", 2, c.ch);
    EXPECT_EQ(FilterQualityText(FilterKind::HighPass, shown(hp), 2, false), std::string("Güte = ") + c.q);
  }
  // The low pass shows its inductor with two decimals only: 0,43 mH makes its Bessel 0,580.
  EXPECT_EQ(FilterQualityText(FilterKind::LowPass, shown(CalcLowPassParts("4", "2000", 2, Characteristic::Butterworth)), 2, true),
            "quality = 0.707");
  EXPECT_EQ(FilterQualityText(FilterKind::LowPass, shown(CalcLowPassParts("4", "2000", 2, Characteristic::Linkwitz)), 2, true),
            "quality = 0.500");
  EXPECT_EQ(FilterQualityText(FilterKind::LowPass, shown(CalcLowPassParts("4", "2000", 2, Characteristic::Bessel)), 2, true),
            "quality = 0.580");
  // Before the edits round, Bessel is 1/sqrt(3).
  FilterValues exact;
  TakeCalculation(exact, CalcHighPassParts("4", "2000", 2, Characteristic::Bessel));
  EXPECT_EQ(FilterQualityText(FilterKind::HighPass, exact, 2, true), "quality = 0.577");
}

TEST(FilterQuality, BandPass) {
  const FilterCalculation first = CalcBandPassParts("4", "1000", "5000", 0);
  FilterValues v;
  TakeCalculation(v, first);
  // sqrt(L1/C1)/Z with L1 = Z/(2π fo), C1 = 1/(2π fu Z): sqrt(fu/fo) = 0.447.
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, v, 0, true),
            "quality = 0.7; total resonant circuit quality 0.447");
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, v, 0, false), "Güte = 0,7; Gesamt-Schwingkreis-Güte 0,447");
  TakeCalculation(v, CalcBandPassParts("4", "1000", "5000", 3));
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, v, 0, true), "quality of low pass 0.707; quality of high pass 0.707");
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, v, 0, false), "Güte des Tiefpasses 0,707; Güte des Hochpasses 0,707");
  // Undefined cases read "Q ?"; L1 or C1 too small keeps the label.
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, Values(0, 10, 1), 0, true), "Q ?");
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, Values(4, 10, 1, 5, 0), 0, true), "Q ?");
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, Values(4, 10, 1, -5, 1), 0, true), "Q ?");
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, Values(4, 10, 1, 5, -1), 0, true), "Q ?");
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, Values(4, 0.0001, 1), 0, true), std::nullopt);
  EXPECT_EQ(FilterQualityText(FilterKind::BandPass, Values(4, 10, 0), 0, true), std::nullopt);
}

TEST(FilterSteps, ComponentStepsInsideTheirRanges) {
  const ComponentStepRule c1{0.5, false, 0.0001, 1000, false, 2};
  EXPECT_EQ(StepComponentText("4,7", UpDownDirection::Up, c1), "5.60");
  EXPECT_EQ(StepComponentText("4,7", UpDownDirection::Down, c1), "3.90");
  EXPECT_EQ(StepComponentText("0,5", UpDownDirection::Down, c1), std::nullopt);
  EXPECT_EQ(StepComponentText("1000", UpDownDirection::Up, c1), std::nullopt);
  EXPECT_EQ(StepComponentText("abc", UpDownDirection::Up, c1), std::nullopt);
  EXPECT_EQ(StepComponentText("abc", UpDownDirection::None, c1), "1.00");
  EXPECT_EQ(StepComponentText("1000", UpDownDirection::Down, c1), "910.00");
  // No upper bound going down: from 1e18 on a value comes back unchanged, as plain digits.
  EXPECT_EQ(StepComponentText("9900", UpDownDirection::Down, c1), "9100.00");
  const std::string thirtyNines(30, '9');
  EXPECT_EQ(StepComponentText(thirtyNines, UpDownDirection::Down, c1), FormatFixed(ReadNumber(thirtyNines), 1, 2));
  const ComponentStepRule inclusive{0.02, true, 0.0001, 100, true, 3};
  EXPECT_EQ(StepComponentText("0,02", UpDownDirection::Down, inclusive), "0.018");
  EXPECT_EQ(StepComponentText("100", UpDownDirection::Up, inclusive), "120.000");
  EXPECT_EQ(StepComponentText("0,0001", UpDownDirection::Up, inclusive), std::nullopt);
}

TEST(FilterSteps, FrequencyStepsByDecade) {
  const auto step = [](const char* v, UpDownDirection d) {
    return StepFrequencyText(FrequencyEdit::Single, v, "", d);
  };
  EXPECT_EQ(step("100", UpDownDirection::Down), "99");
  EXPECT_EQ(step("100", UpDownDirection::Up), "110");
  EXPECT_EQ(step("1000", UpDownDirection::Down), "990");
  EXPECT_EQ(step("1000", UpDownDirection::Up), "1100");
  EXPECT_EQ(step("10000", UpDownDirection::Down), "9900");
  EXPECT_EQ(step("10000", UpDownDirection::Up), "11000");
  EXPECT_EQ(step("24000", UpDownDirection::Up), "25000");
  EXPECT_EQ(step("25000", UpDownDirection::Up), std::nullopt);
  EXPECT_EQ(step("20", UpDownDirection::Down), std::nullopt);
  EXPECT_EQ(step("50000", UpDownDirection::Down), "49000");
  EXPECT_EQ(step("-7", UpDownDirection::Up), "-6");
  EXPECT_EQ(step("12,6", UpDownDirection::Up), "14");
  EXPECT_EQ(step("x", UpDownDirection::None), "2000");
  // Band pass: within 19 to 25100 Hz and against the partner.
  const auto band = [](FrequencyEdit e, const char* v, const char* partner, UpDownDirection d) {
    return StepFrequencyText(e, v, partner, d);
  };
  EXPECT_EQ(band(FrequencyEdit::BandLower, "1000", "1000", UpDownDirection::Up), std::nullopt);
  EXPECT_EQ(band(FrequencyEdit::BandUpper, "1000", "1000", UpDownDirection::Down), std::nullopt);
  EXPECT_EQ(band(FrequencyEdit::BandLower, "1000", "1000", UpDownDirection::Down), "990");
  EXPECT_EQ(band(FrequencyEdit::BandUpper, "1000", "1000", UpDownDirection::Up), "1100");
  EXPECT_EQ(band(FrequencyEdit::BandLower, "18", "5000", UpDownDirection::Up), std::nullopt);
  EXPECT_EQ(band(FrequencyEdit::BandLower, "19", "5000", UpDownDirection::Up), "20");
  EXPECT_EQ(band(FrequencyEdit::BandUpper, "25100", "1000", UpDownDirection::Down), "24100");
  EXPECT_EQ(band(FrequencyEdit::BandUpper, "26000", "1000", UpDownDirection::Down), std::nullopt);
  EXPECT_EQ(band(FrequencyEdit::BandLower, "1000", "x", UpDownDirection::Down), std::nullopt);
  EXPECT_EQ(band(FrequencyEdit::BandUpper, "0", "1000", UpDownDirection::Up), std::nullopt);
}

TEST(FilterCursor, ReadOutInvertsTheDiagramGeometry) {
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 210, 700, 518, true), "high pass (cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 210, 700, 518, false), "Hochpass (Cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 200, 700, 518, true), std::nullopt);
  // One decade per 0.3·(W − 30) pixels, 40 dB and 360° over H − 255 pixels.
  EXPECT_EQ(CursorCaption(FilterKind::LowPass, 15 + 201, 210 + 263, 700, 518, true),
            "low pass (cursor 100,0 Hz / -30,0 dB / -180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::BandPass, 15, 170, 661, 480, true), "band pass (cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(CursorCaption(FilterKind::BandPass, 15, 165, 661, 480, true), std::nullopt);
  EXPECT_EQ(CursorCaption(FilterKind::BandPass, 15, 300, 661, 215, true), std::nullopt);
  EXPECT_EQ(CursorCaption(FilterKind::HighPass, 15, 300, 30, 518, true), std::nullopt);
  EXPECT_STREQ(PlainCaption(FilterKind::HighPass, false), "Hochpass ");
  EXPECT_STREQ(PlainCaption(FilterKind::LowPass, true), "low pass");
}

class FilterSections : public ::testing::Test {
 protected:
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("velomare-filter-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::string path = (dir / "velomar.ini").string();
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }
};

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
  const platform::IniFile ini(path);
  FilterRestore r = ReadFilterSection(ini, FilterKind::HighPass);
  EXPECT_EQ(r.z, "8.5");
  EXPECT_EQ(r.f, "2500");
  EXPECT_EQ(r.order, 4);
  EXPECT_EQ(r.characteristic, Characteristic::Linkwitz);
  EXPECT_EQ(r.c1, "999");
  EXPECT_EQ(r.l1, "9999");
  EXPECT_EQ(r.c2, std::nullopt);
  EXPECT_EQ(r.l2, std::nullopt);

  r = ReadFilterSection(ini, FilterKind::LowPass);
  EXPECT_EQ(r.z, "4");
  EXPECT_EQ(r.f, "2000");
  EXPECT_EQ(r.order, 2);
  EXPECT_EQ(r.characteristic, Characteristic::Butterworth);
  EXPECT_EQ(r.l1, std::nullopt);
  EXPECT_EQ(r.c1, std::nullopt);

  r = ReadFilterSection(ini, FilterKind::BandPass);
  EXPECT_EQ(r.z, "4");
  EXPECT_EQ(r.f, "1000");
  EXPECT_EQ(r.fo, "5000");  // not above the stored fu
  EXPECT_EQ(r.presetIndex, 0);

  // A missing file or section: every default.
  const platform::IniFile none((dir / "missing.ini").string());
  r = ReadFilterSection(none, FilterKind::BandPass);
  EXPECT_EQ(r.z, "4");
  EXPECT_EQ(r.f, "1000");
  EXPECT_EQ(r.fo, "5000");
  EXPECT_EQ(r.presetIndex, 3);
}

TEST_F(FilterSections, AFailedWriteIsReported) {
  std::filesystem::create_directories(dir / "velomar.ini");  // a folder where the file should be
  platform::IniFile ini(path);
  EXPECT_FALSE(SaveFilterSection(ini, FilterKind::LowPass, {"4", "2000", "", "", "", "", "", 2}));
}

}  // namespace
}  // namespace velomare
