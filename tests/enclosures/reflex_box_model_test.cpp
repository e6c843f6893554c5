// The bass-reflex design and response model against values worked out apart from the code: the
// rule-of-thumb example by hand, Small's lossy vented-box response as a complex polynomial, the
// Helmholtz tuning with c = 344.1 m/s, and the alignment tables against the QB3 and BB4
// alignments computed afresh at QL = 7.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <vector>

#include "common/NumberText.h"
#include "enclosures/model/ReflexBox.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

const ReflexDriver kExample{0.35L, 6.0L, 50.0L, 30.0L, 0.5L};

// The window's rule-of-thumb sequence: the length edit takes its text, then the volume edit.
ReflexDesign TipDesign(const ReflexDriver& driver, int drivers = 1, const char* diameter = "10") {
  ReflexDesign d;
  d.driverCount = drivers;
  const auto tip = StartReflexTip(d, diameter, driver);
  EXPECT_TRUE(tip.has_value());
  if (!tip) return d;
  RecalcReflexFromLength(d, tip->lengthText, driver);
  FinishReflexTip(d, driver);
  ShowReflexResults(d, true, 10, false);
  RecalcReflexFromVolume(d, tip->volumeText, driver);
  ShowReflexResults(d, true, 10, false);
  return d;
}

// Small's lossy vented box: |s^4 / (s^4 + a1 s^3 + a2 s^2 + a3 s + 1)| with s = j (f/fs) / sqrt(h).
double SmallLevel(double f, double fs, double fb, double qt, double ql, double alpha) {
  const double h = fb / fs, sh = std::sqrt(h);
  const double a1 = (ql + h * qt) / (sh * ql * qt);
  const double a2 = (h + (alpha + 1 + h * h) * ql * qt) / (h * ql * qt);
  const double a3 = (h * ql + qt) / (sh * ql * qt);
  const std::complex<double> s(0, f / fs / sh);
  const auto s2 = s * s, s4 = s2 * s2;
  return 20 * std::log10(std::abs(s4 / (s4 + a1 * s2 * s + a2 * s2 + a3 * s + 1.0)));
}

TEST(ReflexModel, RuleOfThumbMeetsTheWorkedExample) {
  const ReflexDesign d = TipDesign(kExample);
  // Volume and length read back from "36,9" and "52,6".
  EXPECT_EQ((std::vector<double>{double(d.boxVolume), double(d.portLength), double(d.ql)}), (std::vector<double>{36.9, 52.6, 10}));
  EXPECT_NEAR(static_cast<double>(d.portArea), 25 * std::numbers::pi, 1e-9);
  EXPECT_EQ(FormatFixed(double(d.tuning), 1, 1) + " " + FormatFixed(double(d.cutoff), 1, 1), "32.6 33.9");
  EXPECT_EQ(ReflexGrossLabel(d, true, kGrossAfterVolume), "l, total 41.5 l");
  EXPECT_TRUE(d.lastDesignValid);

  for (int drivers : {1, 2}) {
    ReflexDesign first{.driverCount = drivers};
    const auto tip = StartReflexTip(first, "10", kExample).value();
    EXPECT_EQ(tip.volumeText + " " + tip.lengthText, drivers == 1 ? "36,9 52,6" : "73,7 22,4");
  }
}

TEST(ReflexModel, RuleOfThumbAtItsShortestPortIsADesignFromTheTextsShown) {
  // Qts 0.591, Vas 37.7 l, fs 68.6 Hz, Re 2, 2.1 l own volume, one 10 cm port (A = 78.54 cm²):
  // Vb = 15 x 37.7 x 0.591^2.87 = 124.994 l ("125,0"); the rule's port 168939 x 78.54 x 0.591^1.8
  // / (68.6² x 124.994) - 0.88 x 8.862 = 0.95 cm is raised to 2 cm ("2,0").
  const ReflexDriver driver{0.591L, 2.0L, 37.7L, 68.6L, 2.1L};
  ReflexDesign first;
  const ReflexTipTexts texts = StartReflexTip(first, "10", driver).value();
  EXPECT_EQ(texts.volumeText + " " + texts.lengthText, "125,0 2,0");
  ReflexDesign d = TipDesign(driver);
  EXPECT_TRUE(d.lastDesignValid && ReflexStoreValid(d, driver) && ReflexPrintValid(d, driver) &&
              ReflexPlotDrawable(d, driver, true) && ReflexPlotDrawable(d, driver, false));
  // fb from the volume and length as shown: sqrt(30000 x 78.54 / (125.0 x (2.0 + 7.4975))) =
  // 44.550 Hz; the unrounded 124.994 l gave 44.551 and so "44.6".
  EXPECT_NEAR(static_cast<double>(d.tuning), 44.54986, 1e-4);
  const ReflexResultTexts shown = ShowReflexResults(d, true, 10, false);
  EXPECT_EQ(shown.tuningLabel, "Rohrabstimmfrequenz fr = 44.5 Hz");
  // 125.0 + 2.1 + 78.54 x 2.0 / 1000 = 127.26 l; Ql = int(sqrt(3000 / 125) + 1) = 5.
  EXPECT_EQ(ReflexGrossLabel(d, true, kGrossAfterVolume), "l, total 127.3 l");
  EXPECT_EQ(d.ql, 5);
  // The same design when neither edit runs its handler (both already showed these texts).
  ReflexDesign unchanged;
  ASSERT_TRUE(StartReflexTip(unchanged, "10", driver));
  FinishReflexTip(unchanged, driver);
  EXPECT_TRUE(unchanged.boxVolume == 125.0L && unchanged.portLength == 2.0L && unchanged.tuning == d.tuning &&
              unchanged.grossVolume == d.grossVolume && unchanged.lastDesignValid);
  // The guard takes 2 cm, as the diameter's; a typed length below it still fails.
  ReflexDesign typed = d;
  EXPECT_FALSE(RecalcReflexFromLength(typed, "1,99", driver) || typed.lastDesignValid);
  EXPECT_FALSE(ReflexStoreValid(typed, driver) || ReflexPrintValid(typed, driver));
  EXPECT_TRUE(RecalcReflexFromLength(typed, "2", driver) && ReflexStoreValid(typed, driver));
  // The alignments' length text leaves the design to the length edit.
  const ReflexDesign before = typed;
  EXPECT_EQ(ReflexAlignmentLengthText(typed, ReflexAlignmentFor(2, driver).value()).value(), "0,5");
  EXPECT_EQ(typed.portLength, before.portLength);
}

TEST(ReflexModel, TuningIsTheHelmholtzResonanceWithSpeedOfSound3441) {
  // (c / 2 pi) sqrt(S / (V (L + 0.846 sqrt A))) in SI units.
  const double c = 344.1, area = 78.54, volume = 36.9, length = 52.6;
  const double si = c / (2 * std::numbers::pi) *
                    std::sqrt(area * 1e-4 / (volume * 1e-3 * (length + 0.846 * std::sqrt(area)) * 1e-2));
  EXPECT_NEAR(static_cast<double>(ReflexTuningOf(area, volume, length)), si, si * 2e-4);
  // The alignment length tunes the box back to its target.
  const long double l = ReflexPortLengthFor(area, 34.2L, 27.8L);
  EXPECT_NEAR(static_cast<double>(ReflexTuningOf(area, 27.8L, l)), 34.2, 1e-9);
  EXPECT_EQ(ReflexTuningOf(area, 0, length), 0);
}

TEST(ReflexModel, RuleOfThumbLimitsVolumeAndLengthAndKeepsItsGuard) {
  EXPECT_EQ((std::vector<long double>{ReflexTipVolume(0.1L, 1.5L, 1), ReflexTipVolume(0.9L, 5000.0L, 8),
                                       ReflexTipPortLength(1.0L, 0.1L, 100.0L, 1000.0L),
                                       ReflexTipPortLength(10000.0L, 0.9L, 10.0L, 1.0L)}),
            (std::vector<long double>{1, 10000, 2, 200}));
  ReflexDesign d;
  // 2 cm passes the design guard, not the tip's; fs 0.
  EXPECT_FALSE(StartReflexTip(d, "2", kExample) || StartReflexTip(d, "abc", kExample) ||
               StartReflexTip(d, "10", {0.35L, 6.0L, 50.0L, 0.0L, 0.5L}));
  // A series resistance raises Qts' and the volume, and lowers fg.
  ReflexDesign withR{.seriesR = 1.0L};
  ASSERT_TRUE(StartReflexTip(withR, "10", kExample));
  EXPECT_NEAR(static_cast<double>(withR.qtsEffective), 0.35 * 7 / 6, 1e-15);
  EXPECT_TRUE(withR.boxVolume > 36.9L && ReflexLowerCutoff(30, withR.qtsEffective) < ReflexLowerCutoff(30, 0.35L));
  // int(sqrt(3000 / Vb) + 1) within 1..100; the value before for a volume not above 0.
  const long double volumes[] = {0.3L, 1e-30L, 1, 10, 36.9L, 100, 3000, 10000, 0};
  const int ql[] = {100, 100, 55, 18, 10, 6, 2, 1, 7};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(ReflexAutoQl(volumes[i], 7), ql[i]) << static_cast<double>(volumes[i]);
  EXPECT_EQ(ReflexAutoQl(-5, 0), 1);
}

TEST(ReflexModel, AFailedGuardKeepsTheLastDesignAndMarksItInvalid) {
  ReflexDesign d = TipDesign(kExample);
  const long double fb = d.tuning, area = d.portArea, gross = d.grossVolume;
  EXPECT_FALSE(RecalcReflexFromGeometry(d, "1", kExample));
  EXPECT_FALSE(RecalcReflexFromGeometry(d, "1,9", kExample));
  EXPECT_TRUE(d.tuning == fb && d.portArea == area);
  EXPECT_FALSE(d.lastDesignValid || ReflexStoreValid(d, kExample) || ReflexPrintValid(d, kExample));
  // A port of 2 cm is the smallest the design, the diagram, the store and the page take.
  ASSERT_TRUE(RecalcReflexFromGeometry(d, "2", kExample));
  EXPECT_NEAR(static_cast<double>(d.portArea), std::numbers::pi, 1e-12);
  EXPECT_TRUE(ReflexPlotDrawable(d, kExample, true) && ReflexPlotDrawable(d, kExample, false) && ReflexStoreValid(d, kExample) &&
              ReflexPrintValid(d, kExample));
  EXPECT_TRUE(RecalcReflexFromGeometry(d, "10", kExample));
  EXPECT_TRUE(ReflexStoreValid(d, kExample));
  // A 1.5 cm port length stores nothing, though the logarithmic diagram still draws it.
  EXPECT_FALSE(RecalcReflexFromLength(d, "1,5", kExample));
  EXPECT_EQ(d.grossVolume, gross);
  EXPECT_EQ(ReflexGrossLabel(d, false, kGrossAfterLength), "l ");
  EXPECT_FALSE(ReflexStoreValid(d, kExample) || ReflexPlotDrawable(d, kExample, false));
  EXPECT_TRUE(ReflexPlotDrawable(d, kExample, true));
  const ReflexDriver noRe{0.35L, 0.0L, 50.0L, 30.0L, 0.5L};
  EXPECT_EQ(ReflexEffectiveQts(noRe, 1), 0);
  EXPECT_FALSE(RecalcReflexFromGeometry(d, "10", noRe));
}

TEST(ReflexModel, ResultLabelsAsShownAndTheirBareForms) {
  ReflexDesign d = TipDesign(kExample);
  const ReflexResultTexts de = ShowReflexResults(d, true, 10, false);
  EXPECT_EQ(de.qlLabel + "|" + de.cutoffLabel + "|" + de.tuningLabel + "|" + de.areaLabel,
            "Verlustfaktor Ql = 10|Untere Grenzfrequenz fg = 33.9 Hz|Rohrabstimmfrequenz fr = 32.6 Hz|"
            "Rohrfläche = 78.5 cm²");
  const ReflexResultTexts en = ShowReflexResults(d, false, 42, true);
  EXPECT_EQ(en.qlLabel, "loss factor quality Ql = 42");
  EXPECT_EQ(en.cutoffLabel, "lower cut frequency fg = 33.9 Hz");
  EXPECT_EQ(en.tuningLabel, "tube tuning frequency fr = 32.6 Hz");
  EXPECT_EQ(en.areaLabel, "tube cross section = 78.5 sqcm");
  EXPECT_EQ(d.ql, 42);
  d.cutoff = 10;
  d.tuning = 9.9L;
  const ReflexResultTexts bare = ShowReflexResults(d, true, 10, false);
  EXPECT_EQ(bare.cutoffLabel + "|" + bare.tuningLabel + "|" + bare.areaLabel, "fg |fr |cm² ");
}

TEST(ReflexModel, ResponseIsSmallsLossyVentedBox) {
  for (double qts : {0.2, 0.35, 0.5}) {
    for (int ql : {1, 7, 100}) {
      for (int drivers : {1, 3}) {
        const ReflexDesign d{.qtsEffective = qts, .driverCount = drivers, .boxVolume = 40, .tuning = 27.5L, .ql = ql};
        const auto r = ReflexResponseOf(d, kExample).value();
        for (double f : {1.0, 13.0, 27.5, 30.0, 61.0, 400.0})
          EXPECT_NEAR(*ReflexResponseLevel(r, f), SmallLevel(f, 30, 27.5, qts, ql, drivers * 50.0 / 40.0), 1e-9) << qts << " " << ql << " " << f;
      }
    }
  }
  // Lossless fourth-order Butterworth: -3.01 dB at fs, -24.10 dB an octave below.
  ReflexDesign b4{.qtsEffective = 0.3827L, .boxVolume = 50 / std::sqrt(2.0L), .tuning = 30, .ql = 1000000000};
  const auto r = ReflexResponseOf(b4, kExample).value();
  EXPECT_NEAR(*ReflexResponseLevel(r, 30), -3.01, 0.005);
  EXPECT_NEAR(*ReflexResponseLevel(r, 15), -24.10, 0.005);
  EXPECT_FALSE(ReflexResponseLevel(r, 0) || ReflexResponseLevel(r, -3));
  b4.ql = 0;
  EXPECT_FALSE(ReflexResponseOf(b4, kExample));
}

// The QB3 alignment at QL = 7: A1 = A2 = 0 of the squared magnitude, so a2 = a1^2 / 2 and
// a2^2 + 2 = 2 a1 a3; h by bisection, then alpha from a2.
std::pair<double, double> QB3At(double qt) {
  const double ql = 7;
  const auto a1a3 = [&](double h) {
    const double s = std::sqrt(h);
    return std::pair{(ql + h * qt) / (s * ql * qt), (h * ql + qt) / (s * ql * qt)};
  };
  const auto g = [&](double h) {
    const auto [a1, a3] = a1a3(h);
    return a1 * a1 * a1 * a1 / 4 + 2 - 2 * a1 * a3;
  };
  double lo = 0.3, hi = 0.3;
  while (g(lo) * g(hi + 0.001) > 0) hi += 0.001;
  hi += 0.001;
  lo = hi - 0.001;
  for (int i = 0; i < 100; ++i) {
    const double m = (lo + hi) / 2;
    (g(lo) * g(m) <= 0 ? hi : lo) = m;
  }
  const double h = (lo + hi) / 2;
  const double a2 = a1a3(h).first * a1a3(h).first / 2;
  return {(a2 * h * ql * qt - h) / (ql * qt) - 1 - h * h, h};
}

TEST(ReflexModel, TablesAgreeWithTheAlignmentsComputedAtQl7) {
  // Cells stored with a larger difference (0.0009 to 0.01); kept as stored.
  const auto exempt = [](double q, std::initializer_list<double> keys) {
    for (double k : keys)
      if (std::fabs(q - k) < 1e-9) return true;
    return false;
  };
  for (int i = 10; i <= 56; ++i) {
    const double q = i / 100.0;
    const auto [alpha, h] = QB3At(q);
    if (!exempt(q, {0.14, 0.30, 0.31})) EXPECT_NEAR(50 / QB3Volume(q, 50), alpha, 1.5e-4) << q;
    if (!exempt(q, {0.17})) EXPECT_NEAR(QB3Tuning(q, 1), h, 1.5e-4) << q;
  }
  for (int i = 20; i <= 70; ++i) {
    const double q = i / 100.0;
    const double alpha = 0.25 * (1 / q - 1 / 7.0) * (1 / q - 1 / 7.0);
    if (!exempt(q, {0.25, 0.35, 0.37})) EXPECT_NEAR(50 / BB4Volume(q, 50), alpha, 1.5e-4) << q;
  }
}

TEST(ReflexModel, TableLookupRulesAtTheEdgesAndHalfway) {
  const struct {
    double (*table)(double qts, double vasOrFs);
    double qts, factor;  // the volume is Vas / factor, the tuning fs x factor
    bool volume;
  } cases[] = {
      {BB4Volume, 0.35, 1.8467, true},   {QB3Volume, 0.35, 1.7964, true},  {QB3Tuning, 0.35, 1.1395, false},
      {C4Volume, 0.35, 1.8347, true},    {C4Tuning, 0.35, 1.0926, false},
      // Halfway: no key matches (as the double values decide); 1 is the start value.
      {BB4Volume, 0.355, 1, true},       {QB3Volume, 0.105, 34.3925, true}, {QB3Volume, 0.115, 23.5499, true},
      {QB3Volume, 0.125, 1, true},
      // Below and above the ranges; a row below the range overrides the below-range value.
      {QB3Volume, 0.05, 34.3925, true},  {QB3Tuning, 0.05, 3.8416, false},  {BB4Volume, 0.05, 6.0, true},
      {C4Volume, 0.05, 3.8931, true},    {C4Tuning, 0.05, 1, false},        {QB3Volume, 0.8, 0.0111, true},
      {QB3Tuning, 0.8, 0.76, false},     {BB4Volume, 0.8, 0.4133, true},    {C4Volume, 0.8, 0.19, true},
      {C4Tuning, 0.8, 0.6, false},       {BB4Volume, 0.197, 5.898, true},   {BB4Volume, 0.19, 6.0, true},
      {C4Volume, 0.705, 0.19, true},     {C4Volume, 0.245, 3.8931, true},  // both ends belong to the outside values
      {C4Volume, 0.25, 3.8961, true},    {C4Tuning, 0.25, 1.0338, false},   {C4Volume, 0.70, 0.1946, true},
  };
  for (const auto& c : cases) {
    const double expected = c.volume ? 50 / c.factor : 30 * c.factor;
    EXPECT_NEAR(c.table(c.qts, c.volume ? 50 : 30), expected, 1e-12 * expected) << c.qts << " " << c.factor;
  }
  // Every C4 key is found: a higher Qts needs a larger box all through the table.
  for (int i = 26; i <= 70; ++i) EXPECT_GT(C4Volume(i / 100.0, 50), C4Volume((i - 1) / 100.0, 50)) << i;
}

TEST(ReflexModel, C4TablesFollowASmoothCurveOfQts) {
  // The C4 alignment's Vas / Vb and fb / fs are smooth functions of Qts: every inner row lies
  // within 2 % of the parabola through its neighbours, and each end row within 1 % of the cubic
  // through the three rows next to it. A single misstored cell stands out by far more.
  const auto ratio = [](int i) { return 1 / C4Volume(i / 100.0, 1); };
  const auto tuning = [](int i) { return C4Tuning(i / 100.0, 1); };
  for (const auto& [table, name] : {std::pair<std::function<double(int)>, const char*>{ratio, "volume"}, {tuning, "tuning"}}) {
    for (int i = 26; i <= 69; ++i)
      EXPECT_LT(std::fabs(table(i - 1) - 2 * table(i) + table(i + 1)), 0.02 * table(i)) << name << " " << i;
    EXPECT_LT(std::fabs(table(25) - (3 * table(26) - 3 * table(27) + table(28))), 0.01 * table(25)) << name;
    EXPECT_LT(std::fabs(table(70) - (3 * table(69) - 3 * table(68) + table(67))), 0.01 * table(70)) << name;
  }
}

TEST(ReflexModel, AlignmentsGiveVolumeAndTargetTuning) {
  const ReflexAlignment ie4 = ReflexAlignmentFor(5, kExample).value();
  EXPECT_EQ(ReflexEditText(ie4.volume) + " " + FormatFixed(double(ie4.tuning), 1, 1), "29,6 33.5");
  EXPECT_EQ(ReflexEditText(ReflexAlignmentFor(2, kExample)->volume), "27,1");
  EXPECT_EQ(ReflexAlignmentFor(2, kExample)->tuning, 30);
  EXPECT_EQ(ReflexEditText(ReflexAlignmentFor(4, kExample)->volume), ReflexEditText(50 / 1.06L));
  EXPECT_FALSE(ReflexAlignmentFor(0, kExample) || ReflexAlignmentFor(7, kExample) ||
               ReflexAlignmentFor(1, {0.35L, 6.0L, 0.0L, 30.0L, 0.5L}));  // no Vas
  // The length is not limited: a large volume with a high tuning gives a negative length.
  ReflexDesign d{.portArea = 78.5L};
  EXPECT_EQ(ReflexAlignmentLengthText(d, ReflexAlignment{1000, 200}).value().front(), '-');
}

TEST(ReflexModel, PrintTitleAndCaptions) {
  ReflexDesign d = TipDesign(kExample);
  EXPECT_EQ(ReflexPrintTitle(d, "ACME", "W1"),
            "Velomare 3.2.5: 1x ACME W1 in Reflexbox 36.9l, R=0.00 Ohm,  1 Rohre a 10.0 cm, Länge 52.6 cm, "
            "Verl.Faktor 10");
  EXPECT_EQ(ReflexPointerCaption(true, true, true, 45, -2.7), "reflex vented box (curve 45,0Hz / -2,7dB)");
  EXPECT_EQ(ReflexPointerCaption(false, false, true, 45, -2.7), "Baßreflex-Gehäuse");
  EXPECT_EQ(ReflexPointerCaption(false, true, false, 45, -2.7), "Baßreflex-Gehäuse (Cursor 45,0Hz / -2,7dB)");
}

TEST(ReflexModel, StoredSectionRangesAndFallbacks) {
  const auto restored = [](const ReflexStoredValues& v) {
    const ReflexRestore r = ReflexRestoreFrom(v);
    return r.diameterText + " " + r.lengthText + " " + r.volumeText + " " + r.seriesRText + " " +
           std::to_string(r.portItem) + " " + std::to_string(r.ql) + " " + std::to_string(r.autoQl) +
           std::to_string(r.runTip);
  };
  EXPECT_EQ(restored({}), "10 10 100 0 0 10 11");
  // Each value just inside its range, then just outside.
  EXPECT_EQ(restored({99.5, 199.5, 0.5, 99.5, 8, 100, false}), "99.5 199.5 0.5 99.5 7 100 00");
  EXPECT_EQ(restored({100, 200, 0, 100, 9, 101, true}), "10 10 100 0 0 10 11");
  const ReflexRestore mixed = ReflexRestoreFrom(ReflexStoredValues{150, 20.5, 30, 0.5, 3, 12, false});
  EXPECT_EQ(mixed.diameterText + " " + mixed.lengthText, "10 20.5");
  EXPECT_TRUE(mixed.portItem == 2 && mixed.ql == 12 && !mixed.autoQl && !mixed.runTip) << mixed.portItem << " " << mixed.ql;

  QTemporaryDir dir;
  const std::string path = dir.filePath("velomar.ini").toStdString();
  {
    platform::IniFile ini(path);
    ASSERT_TRUE(WriteReflexSection(ini, ReflexValuesFromControls("", "abc", "", "1,5", 3, 17, false)));
  }
  const ReflexStoredValues back = ReadReflexSection(platform::IniFile(path));
  // 10, 10 and 100 for texts that are no number.
  EXPECT_EQ((std::vector<double>{back.diameter, back.length, back.volume, back.seriesR}),
            (std::vector<double>{10, 10, 100, 1.5}));
  EXPECT_TRUE(back.ports == 4 && back.ql == 17 && !back.autoQl) << back.ports << " " << back.ql;
}

}  // namespace
}  // namespace velomare
