// The closed bandpass design against its worked examples and the textbook relations: the
// S/Qt design equations, the Helmholtz tuning with its end correction, the reference sensitivity and
// the fourth-order bandpass response; the design tables' steps; the hand edits; the guards that
// keep non-finite numbers from the labels, the slots and the file; the kept section.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "enclosures/model/ClosedBandpass.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;

BandpassDriver Example() { return {0.4, 0.45, 30.0, 100.0}; }

BandpassInputs Inputs(int s = 6, int qt = 100, const char* tube = "10") { return {s, qt, false, tube}; }

// The design, then the hand edits as the window runs them with the design's texts.
BandpassEditTexts DesignAndRecalc(ClosedBandpassState& st, const BandpassInputs& in, const BandpassDriver& d,
                                  bool english = false) {
  const BandpassEditTexts texts = DesignClosedBandpass(st, in, d, english);
  if (RecalcBandpassFromEdits(st, texts.portLength, texts.vg, texts.vr, d).updateQl) UpdateBandpassQl(st, true, 10);
  return texts;
}

TEST(ClosedBandpassDesign, WorkedExampleGivesVolumesLimitsGainPortAndItsHandEditsTuneTo75Hz) {
  ClosedBandpassState st;
  const BandpassEditTexts texts = DesignClosedBandpass(st, Inputs(), Example(), false);
  ASSERT_TRUE(st.designValid);
  const double expected[][2] = {{st.midFrequency, 75.0}, {st.fb, 75.0},          {st.vr, 23.04},
                                {st.vg, 100.0 / 5.25},   {st.lowerLimit, 47.25}, {st.upperLimit, 118.5},
                                {st.gain, 2.7361},       {st.ripple, 0.35}};
  for (const auto& [value, worked] : expected) EXPECT_NEAR(value, worked, 1e-9) << worked;
  EXPECT_NEAR(st.spl, 92.42, 0.01);
  EXPECT_NEAR(st.portLength, 10.89, 0.005);
  EXPECT_EQ(texts.portLength + " " + texts.vg + " " + texts.vr, "10,9 19,0 23,0");
  EXPECT_EQ(DesignClosedBandpass(st, Inputs(), Example(), true).portLength, "10.9");
  DesignAndRecalc(st, Inputs(), Example());
  EXPECT_EQ((std::vector<double>{st.portLength, st.vg, st.vr, double(st.ql)}), (std::vector<double>{10.9, 19, 23, 12}));
  EXPECT_NEAR(st.tuning, 75.05, 0.005);
}

TEST(ClosedBandpassDesign, FollowsTheTextbookEquationsOverTheWholeRange) {
  for (double qts : {0.2, 0.33, 0.41, 0.6, 0.9}) {
    for (int s = 4; s <= 7; ++s) {
      ClosedBandpassState st;
      st.s = s / 10.0;
      const QtRange range = SetQtRangeForS(st, qts);
      for (int qt = range.minimum; qt <= range.maximum; qt += 7) {
        const BandpassDriver d{qts, 0.5, 40.0, 80.0};
        DesignClosedBandpass(st, Inputs(s, qt), d, true);
        const double q = qt / 100.0, sv = s / 10.0;
        if (qt == static_cast<int>(std::lround(qts * 100))) continue;  // Qt = Qts has no sealed chamber
        ASSERT_TRUE(st.designValid);
        EXPECT_NEAR(st.fb, q * 40.0 / qts, 1e-9);
        EXPECT_NEAR(st.vr, std::pow(2 * sv * qts, 2) * 80.0, 1e-9);
        EXPECT_NEAR(st.vg, 80.0 / (std::pow(q / qts, 2) - 1), 1e-6 * st.vg);
        // Push-pull halves both volumes and lowers the gain by 3 dB.
        ClosedBandpassState pp;
        SetPushPull(pp, true);
        DesignClosedBandpass(pp, Inputs(s, qt), d, true);
        EXPECT_TRUE(std::fabs(pp.vr - st.vr / 2) < 1e-9 && std::fabs(pp.vg - st.vg / 2) < 1e-9) << pp.vr << " " << pp.vg;
        EXPECT_NEAR(pp.gain, st.gain - 3.0, 1e-12);
        EXPECT_NEAR(pp.spl, st.spl - 3.0, 1e-9);  // the reference level keeps the whole Vas
      }
    }
  }
  // The reference level is 112 + 10 log10 eta0, eta0 = 4 pi^2 fs^3 Vas / (c^3 Qes), c = 343 m/s.
  ClosedBandpassState st;
  DesignClosedBandpass(st, Inputs(), Example(), false);
  const double eta = 4 * kPi * kPi * std::pow(30.0, 3) * 0.1 / (std::pow(343.0, 3) * 0.45);
  EXPECT_NEAR(st.spl - st.gain, 112 + 10 * std::log10(eta), 1e-6);
}

TEST(ClosedBandpassDesign, PushPullWorkedExampleHalvesTheChambers) {
  ClosedBandpassState st;
  SetPushPull(st, true);
  DesignClosedBandpass(st, Inputs(), Example(), false);
  EXPECT_NEAR(st.vr, 11.52, 1e-9);
  EXPECT_NEAR(st.vg, 9.5238, 1e-4);
  EXPECT_NEAR(st.gain, 2.7361 - 3.0, 1e-9);
}

TEST(ClosedBandpassDesign, HandEditsGiveTheHelmholtzTuningQtcAndQl) {
  // f = c / (2 pi) sqrt(A / (V Leff)), c = 344.4 m/s, Leff = L + 1.463 r, SI units.
  for (double d : {5.0, 7.5, 10.0, 14.0}) {
    for (double vr : {8.0, 23.0, 60.0}) {
      for (double length : {3.0, 12.5, 40.0}) {
        ClosedBandpassState st;
        st.portDiameter = d;
        RecalcBandpassFromEdits(st, FormatFixed(length, 1, 1), "20", FormatFixed(vr, 1, 1), Example());
        const double r = d / 200.0, leff = (length + 1.463 * d / 2) / 100.0;
        const double expected = 344.4 / (2 * kPi) * std::sqrt(kPi * r * r / (vr / 1000.0 * leff));
        EXPECT_NEAR(st.tuning, expected, expected * 0.001) << d << " " << vr << " " << length;
      }
    }
  }
  ClosedBandpassState st;
  const BandpassDriver d{0.4, 0.45, 30.0, 50.0};
  EXPECT_EQ(RecalcBandpassFromEdits(st, "5", "25", "20", d).qtcLabel, "Qtc = 0.69");  // 0.4 sqrt(3)
  SetPushPull(st, true);
  EXPECT_EQ(RecalcBandpassFromEdits(st, "5", "25", "20", d).qtcLabel, "Qtc = 0.57");  // 0.4 sqrt(2)
  SetPushPull(st, false);
  st.portDiameter = 10;
  const BandpassRecalcTexts texts = RecalcBandpassFromEdits(st, "20", "25", "20", d);
  EXPECT_EQ(texts.frLabel, "fr = 65.7 Hz");
  ASSERT_TRUE(texts.updateQl);
  EXPECT_EQ(UpdateBandpassQl(st, true, 10), 13);
  // An emptied port length: no tuning, but the sealed chamber's Qtc stands.
  const BandpassRecalcTexts empty = RecalcBandpassFromEdits(st, "", "25", "20", d);
  EXPECT_EQ(empty.frLabel + " " + empty.qtcLabel, "fr = 0.0 Hz Qtc = 0.69");
  EXPECT_FALSE(empty.updateQl);
  // Without one of the volumes there is no Qtc.
  EXPECT_EQ(RecalcBandpassFromEdits(st, "5", "25", "", d).qtcLabel, "Qtc = 0.00");
  EXPECT_EQ(RecalcBandpassFromEdits(st, "5", "0", "20", d).qtcLabel, "Qtc = 0.00");
}

TEST(ClosedBandpassDesign, QtcStandsBesideAPortThatCannotBeBuilt) {
  // Qts 0.449, Qes 0.668, Vas 38.1 l, fs 77.5 Hz, 10 cm tube, S 0.6, Qt 1.0: fb = 77.5 / 0.449 =
  // 172.61 Hz, Vr = (1.2 x 0.449)^2 x 38.1 = 11.06 l, Vg = 38.1 / ((1 / 0.449)^2 - 1) = 9.59 l, and
  // the port 94400 x 25 / (172.61^2 x 11.06) - 7.315 = -0.15 cm.
  const BandpassDriver driver{0.449, 0.668, 77.5, 38.1};
  ClosedBandpassState st;
  st.portDiameter = 10;
  const BandpassEditTexts texts = DesignClosedBandpass(st, Inputs(), driver, false);
  EXPECT_EQ(texts.portLength + " " + texts.vg + " " + texts.vr, "-0,2 9,6 11,1");
  // Qtc = 0.449 sqrt(38.1 / 9.6 + 1) = 1.0009 from the volume as shown; no tuning.
  const BandpassRecalcTexts shown = RecalcBandpassFromEdits(st, texts.portLength, texts.vg, texts.vr, driver);
  EXPECT_EQ(shown.qtcLabel + " " + shown.frLabel, "Qtc = 1.00 fr = 0.0 Hz");
  EXPECT_NEAR(st.qtc, 1.0009, 1e-4);
  EXPECT_FALSE(shown.updateQl || BandpassStoreValid(st, driver) || BandpassPlotDrawable(st, driver));
  // With push-pull the sealed chamber sees half the Vas: 0.449 sqrt(19.05 / 9.6 + 1).
  SetPushPull(st, true);
  EXPECT_EQ(RecalcBandpassFromEdits(st, "-0,2", "9,6", "11,1", driver).qtcLabel, "Qtc = 0.78");
}

TEST(ClosedBandpassDesign, AutomaticQlIsTheWholePartClampedTo1To100) {
  const struct {
    double vr;
    int ql;
  } cases[] = {{23.0, 12},  // sqrt(130.4) + 1 = 12.42
               {17.0, 14}, {10.0, 18}, {3000.0 / (3.6 * 3.6), 4},  // 4.6: rounding would give 5
               {1e-9, 100}, {1e30, 1}, {0, 1}};                     // 0 keeps the value before
  ClosedBandpassState st;
  for (const auto& c : cases) {
    st.vr = c.vr;
    EXPECT_EQ(UpdateBandpassQl(st, true, 50), c.ql) << c.vr;
  }
  EXPECT_EQ(UpdateBandpassQl(st, false, 37), 37);
  EXPECT_EQ(st.ql, 37);
  EXPECT_EQ(BandpassQlLabel(false, 37), "Verlustfaktor Ql = 37");
  EXPECT_EQ(BandpassQlLabel(true, 7), "loss factor quality Ql = 7");
}

TEST(ClosedBandpassTables, StepsHoldFromTheirFirstQtAndTheLinesMeetAtTheirThresholds) {
  const struct {
    double (*table)(double, double);
    double s, qt, value;
  } cells[] = {
      {BandpassTableA, 0.6, 1.0, 0.63},   {BandpassTableB, 0.6, 1.0, 1.58},   {BandpassTableA, 0.5, 0.63, 0.28},
      {BandpassTableA, 0.5, 0.62, 0.26},  {BandpassTableA, 0.4, 1.06, 0.499}, {BandpassTableA, 0.4, 1.07, 0.423},
      {BandpassTableA, 0.4, 1.09, 0.423}, {BandpassTableA, 0.4, 1.10, 0.548}, {BandpassTableA, 0.4, 0.10, 0.307},
      {BandpassTableA, 0.4, 3.00, 1.3},   {BandpassTableB, 0.4, 1.97, 3.01},  {BandpassTableA, 0.7, 0.45, 0.22},
      {BandpassTableA, 0.7, 1.12, 0.83},  {BandpassTableB, 0.7, 1.01, 1.43},  {BandpassTableB, 0.5, 1.22, 2.014},
      {BandpassTableB, 0.5, 0.96, 1.785}, {BandpassTableA, 0.5, 0.96, 0.51},  {BandpassTableA, 0.8, 1.0, 0.0},
      {BandpassTableB, 0.3, 1.0, 0.0},    {BandpassLineFit, 0.9, 1.0, 0.0},
  };
  for (const auto& c : cells) EXPECT_DOUBLE_EQ(c.table(c.s, c.qt), c.value) << c.s << " " << c.qt;
  const double thresholds[][3] = {{0.4, 1.25, 0.1}, {0.5, 1.0, 0.01}, {0.6, 0.833, 0.01}, {0.7, 0.7143, 0.01}};
  for (const auto& [s, qt, within] : thresholds)
    EXPECT_NEAR(BandpassLineFit(s, qt - 0.0001), BandpassLineFit(s, qt), within) << s;
  for (double s : {0.4, 0.5, 0.6, 0.7})
    for (int q = 40; q < 200; ++q)
      EXPECT_LE(BandpassTableB(s, q / 100.0), BandpassTableB(s, (q + 1) / 100.0)) << s << " " << q;
}

TEST(ClosedBandpassDesign, QtRangeAndValidityAtTheDriverLimits) {
  ClosedBandpassState st;
  const int mins[] = {80, 60, 50, 45}, maxs[] = {200, 160, 130, 110};
  for (int s = 4; s <= 7; ++s) {
    st.s = s / 10.0;
    const QtRange r = SetQtRangeForS(st, 0.3);
    EXPECT_TRUE(r.minimum == mins[s - 4] && r.maximum == maxs[s - 4] && r.enabled) << s;
  }
  st.s = 0.6;
  EXPECT_EQ(SetQtRangeForS(st, 0.62).minimum, 63);  // whole part of 62 + 1
  for (double qts : {1.0, 1.15, 1.5, 40.0, 1e300}) {
    st.s = qts == 1.0 ? 0.6 : 0.7;
    const QtRange r = SetQtRangeForS(st, qts);
    EXPECT_TRUE(!r.enabled && r.minimum <= r.maximum) << qts;
    if (qts == 1.0) continue;
    DesignClosedBandpass(st, Inputs(7, r.minimum), {qts, 0.5, 30, 100}, false);
    EXPECT_FALSE(st.designValid);
  }
  DesignClosedBandpass(st, Inputs(6, 120), {1.0, 0.5, 30, 100}, false);
  EXPECT_TRUE(st.designValid);  // Qts 1 is the last valid one
  DesignClosedBandpass(st, Inputs(6, 120), {0.1, 0.5, 30, 100}, false);
  EXPECT_FALSE(st.designValid);
  EXPECT_EQ(st.vg + st.fb, 0);
  // A driver without fs or without Vas has no chambers to design: no numbers in the labels.
  for (const BandpassDriver d : {BandpassDriver{0.4, 0.45, 0, 100}, BandpassDriver{0.4, 0.45, 30, 0}}) {
    DesignClosedBandpass(st, Inputs(), d, true);
    EXPECT_FALSE(st.designValid) << d.fs << " " << d.vas;
    const BandpassResultTexts t = ShowBandpassResults(st, true);
    EXPECT_EQ(t.label11 + "|" + t.label5 + "|" + t.label6 + "|" + t.label13,
              "resonance frequency fr =  Hz|lower frequency fgl =  Hz|upper frequency fgu =  Hz|efficiency =  dB");
  }
  // Qt equal to Qts: no sealed chamber, empty edits, but the limits stay.
  const BandpassEditTexts texts = DesignClosedBandpass(st, Inputs(6, 50), {0.5, 0.5, 30, 100}, false);
  EXPECT_TRUE(st.vg == 0 && st.portLength == 1.0);
  EXPECT_EQ(texts.portLength + texts.vg + texts.vr, "");
  EXPECT_EQ(ShowBandpassResults(st, false).label5, "untere Grenzfrequenz fgunten = 14 Hz");  // 60 x 0.23
}

TEST(ClosedBandpassDesign, TunnelIsTheCircleOfEqualArea) {
  ClosedBandpassState st;
  BandpassInputs in{6, 100, true, "10", "10", "5"};
  DesignClosedBandpass(st, in, Example(), false);
  EXPECT_NEAR(st.portDiameter, std::sqrt(200 / kPi), 1e-12);
  // A side of 0 or below: no diameter, the area keeps its value, the label loses its number.
  in.heightText = "-5";
  DesignClosedBandpass(st, in, Example(), false);
  EXPECT_EQ(st.portDiameter, 0);
  EXPECT_NEAR(st.portArea, 50.0, 1e-9);
  EXPECT_EQ(ShowBandpassResults(st, true).label10, "tunnel/tube cross section  cm²");
}

TEST(ClosedBandpassResults, LabelsUseAPointInBothLanguagesAndHideNumbersWhileInvalid) {
  ClosedBandpassState st;
  DesignAndRecalc(st, Inputs(), Example());
  const BandpassResultTexts de = ShowBandpassResults(st, false);
  const BandpassResultTexts en = ShowBandpassResults(st, true);
  // Fixed-width numbers; 118.5 goes to the even neighbour.
  EXPECT_EQ(de.label2 + "|" + de.label1 + "|" + de.label10 + "|" + de.label11 + "|" + de.label5 + "|" + de.label6 + "|" +
                de.label12 + "|" + de.label13 + "|" + de.label15 + "|" + en.well,
            "Gesamtgüte / Qt = 1.00|Kurvenform / S = 0.6|Tunnel-/Rohrfläche =  79 cm²|Resonanzfrequenz fr = 75.0 Hz|"
            "untere Grenzfrequenz fgunten = 47 Hz|obere Grenzfrequenz fgoben = 118 Hz|Schalldruck =  92 dB|"
            "Wirkungsgrad = 2.7 dB|Mittelfrequenz fm = 75.0 Hz|peak to valley = 0.35dB");
  EXPECT_EQ(de.well, "Welligkeit = 0.35dB");
  EXPECT_EQ(en.label13, "efficiency = 2.7 dB");
  DesignClosedBandpass(st, Inputs(), {1.2, 0.5, 30, 100}, true);
  const BandpassResultTexts invalid = ShowBandpassResults(st, true);
  EXPECT_EQ(invalid.label11 + "|" + invalid.label5 + "|" + invalid.label12 + "|" + invalid.label13,
            "resonance frequency fr =  Hz|lower frequency fgl =  Hz|SPL =  dB|efficiency =  dB");
}

// The textbook fourth-order bandpass: the vented box's lossy denominator (Small) for the driver
// stiffened by the sealed chamber (fc = fs sqrt(1 + Vas/Vg), Qtc = Qts sqrt(1 + Vas/Vg), its
// compliance ratio to the vented chamber Vas / (1 + Vas/Vg) / Vr), over the port's s² fb².
double TextbookBandpassDb(double qts, double fs, double vas, double vg, double vr, double fb, double ql, double f) {
  const double k = std::sqrt(1 + vas / vg), fc = fs * k, qtc = qts * k, alpha = vas / (k * k) / vr;
  const std::complex<double> s(0, f);
  const std::complex<double> d = s * s * s * s + s * s * s * (fb / ql + fc / qtc) +
                                 s * s * ((alpha + 1) * fc * fc + fb * fb + fc * fb / (qtc * ql)) +
                                 s * (fc * fc * fb / ql + fb * fb * fc / qtc) + fc * fc * fb * fb;
  return 20 * std::log10(f * f * fb * fb / std::abs(d));
}

TEST(ClosedBandpassResponse, IsTheTextbookFourthOrderBandpassOfTheEditedChambers) {
  ClosedBandpassState st;
  DesignAndRecalc(st, Inputs(), Example());
  ASSERT_NE(st.vg, st.vr);  // 19 and 23 litres: an exchange of the chambers shows
  for (bool pushPull : {false, true}) {
    SetPushPull(st, pushPull);
    const BandpassLevelInputs in = BandpassLevelInputsOf(st, Example());
    const double vas = pushPull ? 50.0 : 100.0;
    for (double f : {1.0, 20.0, 47.0, 75.0, 118.0, 400.0})
      EXPECT_NEAR(*BandpassLevel(in, f), TextbookBandpassDb(0.4, 30, vas, 19, 23, st.tuning, 12, f), 1e-9) << f;
  }
  SetPushPull(st, false);
  const BandpassLevelInputs in = BandpassLevelInputsOf(st, Example());
  EXPECT_NEAR(*BandpassLevel(in, 2) - *BandpassLevel(in, 1), 12.04, 0.05);  // 12 dB per octave each side
  EXPECT_NEAR(*BandpassLevel(in, 4000) - *BandpassLevel(in, 8000), 12.04, 0.05);
  double best = -1e9, at = 0;
  for (int f = 10; f <= 400; ++f)
    if (*BandpassLevel(in, f) >= best) best = *BandpassLevel(in, f), at = f;
  EXPECT_TRUE(at > st.lowerLimit && at < st.upperLimit) << at;
  EXPECT_LT(std::fabs(best), 6.0);  // within a few dB of 0 in the pass band, as the normalisation intends
}

TEST(ClosedBandpassStore, RefusesAPortThatDoesNotTuneAndCarriesTheEditedChambers) {
  // The built-in driver with an 8 cm tube at S 0.6, Qt 1.0 gives a negative port length.
  const BandpassDriver d{0.41, 0.513, 29.0, 244.0};
  ClosedBandpassState st;
  EXPECT_EQ(DesignAndRecalc(st, Inputs(6, 100, "8"), d).portLength, "-0,7");
  EXPECT_FALSE(st.tuning != 0 || BandpassStoreValid(st, d) || BandpassPlotDrawable(st, d));
  DesignAndRecalc(st, Inputs(6, 100, "abc"), d);
  EXPECT_FALSE(BandpassStoreValid(st, d));
  // A wider tube tunes, and every level at 1..400 Hz is finite.
  DesignAndRecalc(st, Inputs(6, 100, "12"), d);
  ASSERT_TRUE(BandpassStoreValid(st, d));
  const auto levels = BandpassLevels(st, d);  // kept alive for the loop
  for (double level : levels.value()) EXPECT_TRUE(std::isfinite(level));

  DesignAndRecalc(st, Inputs(), Example());
  const ComparisonHeader h = BandpassComparisonHeader(st, true);
  EXPECT_EQ(h.BoxType, BoxType::ClosedBandpass);
  EXPECT_EQ((std::vector<double>{double(h.Multiple), double(h.BoxQl), h.Volume1, h.Volume2, h.PortLength1, h.PortArea2,
                                 double(BandpassComparisonHeader(st, false).Multiple)}),
            (std::vector<double>{2, 12, 19, 23, 10.9, 0, 1}));
  EXPECT_NEAR(h.PortArea1, 25 * kPi, 1e-9);
  const ClosedBandpassExportValues v = BandpassExportValues(st, false, true, "12,5", "x");
  EXPECT_EQ((std::vector<double>{v.vg, v.vr}), (std::vector<double>{19, 23}));
  EXPECT_EQ(v.tunnelWidthText + v.tunnelHeightText, "12,5x");
}

TEST(ClosedBandpassInput, BadEditTextsNeverShowNanOrInf) {
  const char* texts[] = {"", "abc", "0", "-5", "1e999", "123456789012345678901234567890", ",", "-", "1,2,3"};
  for (const char* a : texts) {
    for (const char* b : texts) {
      ClosedBandpassState st;
      BandpassInputs in = Inputs(6, 100, a);
      in.tunnel = std::string(b).size() % 2 == 0;
      in.widthText = a;
      in.heightText = b;
      const BandpassEditTexts e = DesignAndRecalc(st, in, Example());
      const BandpassRecalcTexts r = RecalcBandpassFromEdits(st, a, b, a, Example());
      const BandpassResultTexts l = ShowBandpassResults(st, false);
      for (const std::string& t : {e.portLength, e.vg, e.vr, r.qtcLabel, r.frLabel, l.label10, l.label11, l.label12})
        EXPECT_FALSE(test::ShowsNonFinite(t)) << a << " | " << b << " -> " << t;
      if (BandpassStoreValid(st, Example())) {
        const auto levels = BandpassLevels(st, Example());  // kept alive for the loop
        for (double level : levels.value()) EXPECT_TRUE(std::isfinite(level));
      }
    }
  }
}

TEST(ClosedBandpassCaption, ReadOutUsesACommaInGermanAndAPointInEnglish) {
  EXPECT_EQ(BandpassPointerCaption(true, false, true, false, 58.24, -3.46),
            "closed band pass subwoofer (cursor 58.2Hz / -3.5dB)");
  EXPECT_EQ(BandpassPointerCaption(false, true, true, true, 58.24, -3.46),
            "Geschlossenes Bandpaßgehäuse mit Push-Pull-Prinzip (Kurve -3,5 dB bei 58,2 Hz)");
  EXPECT_EQ(BandpassPointerCaption(true, true, true, true, 5.0, 0.0),
            "closed band pass subwoofer with push-pull (curve 0.0 dB at 5.0 Hz)");
  EXPECT_EQ(BandpassPointerCaption(false, false, false, false, 5.0, 0.0), "Geschlossenes Bandpaßgehäuse");
}

std::string Summary(const BandpassSavedValues& v) {
  return v.tubeText + " " + v.widthText + " " + v.heightText + " " + std::to_string(v.sPosition) + " " +
         std::to_string(v.qtPosition) + " " + std::to_string(v.pushPull) + std::to_string(v.tunnel);
}

using ClosedBandpassSection = test::TempFileTest;

TEST_F(ClosedBandpassSection, DamagedValuesTakeTheFallbacksAndGoodOnesComeBack) {
  platform::IniFile ini(path);
  EXPECT_EQ(Summary(ReadBandpassSection(ini)), "8 10 5 6 100 00");
  ASSERT_TRUE(WriteBandpassSection(ini, BandpassValuesFromControls("12,5", "abc", "7", 4, 183, true, true)));
  platform::IniFile back(path);
  EXPECT_EQ(back.ReadString("geschl.Bandpass", "Durchmesser", ""), "12.5");
  EXPECT_EQ(back.ReadString("geschl.Bandpass", "Tunnelbreite", ""), "10");
  EXPECT_EQ(Summary(ReadBandpassSection(back)), "12.5 10 7 4 183 11");
  // Damaged values take their fallbacks, one key after the other.
  const std::tuple<const char*, std::vector<const char*>, const char*> damaged[] = {
      {"Qt", {"210", "30", "abc", "1e5", "99.5"}, "12.5 10 7 4 100 11"},
      {"S", {"3", "8", "x", "5,5"}, "12.5 10 7 6 100 11"},
      {"Durchmesser", {"0", "100", "-3", "nan", "inf"}, "8 10 7 6 100 11"}};
  for (const auto& [key, values, restored] : damaged) {
    for (const char* value : values) {
      back.WriteString("geschl.Bandpass", key, value);
      EXPECT_EQ(Summary(ReadBandpassSection(back)), restored) << key << "=" << value;
    }
  }
}

}  // namespace
}  // namespace velomare
