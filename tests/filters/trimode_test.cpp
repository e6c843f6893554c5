// The trimode crossover model against textbook formulas (Butterworth low pass, first-order high
// pass, the loaded LC low pass scanned with std::complex), its steps, caption and section.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "filters/model/StandardValues.h"
#include "filters/model/Trimode.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;

// The values the window holds after its component handlers re-read the edit texts.
TrimodeValues AsShown(const TrimodeDesign& d) {
  return {d.values.zsub, d.values.zsat, d.values.fg, ReadNumber(d.lsubText), ReadNumber(d.csubText),
          ReadNumber(d.csatText)};
}

// The first whole frequency from 49 to 1001 Hz at which the loaded LC low pass is 3 dB down.
int ScannedCutOff(double r, double lmH, double cuF) {
  const double l = lmH / 1000, c = cuF / 1e6;
  for (int f = 49; f <= 1001; ++f) {
    const double w = 2 * kPi * f;
    if (std::abs(1.0 / std::complex<double>(1 - w * w * l * c, w * l / r)) <= 0.70711) return f;
  }
  return 10;
}

TEST(TrimodeDesign, ButterworthCoilThreeTenthsCapacitorAndFirstOrderHighPass) {
  for (const auto& [r, rs, f] : {std::tuple{8.0, 4.0, 100.0}, std::tuple{2.0, 4.0, 60.0}, std::tuple{4.0, 2.0, 250.0}}) {
    const TrimodeDesign d = ComputeTrimode(FormatPlain(r, 15), FormatPlain(rs, 15), FormatPlain(f, 15));
    EXPECT_NEAR(d.values.lsub, std::sqrt(2.0) * r / (2 * kPi * f) * 1e3, 1e-9);
    EXPECT_NEAR(d.values.csub, 0.3 / (std::sqrt(2.0) * r * 2 * kPi * f) * 1e6, 1e-9);
    EXPECT_NEAR(d.values.csat, 1 / (2 * kPi * f * rs) * 1e6, 1e-9);
  }
  const TrimodeDesign d = ComputeTrimode("8", "4", "100");
  EXPECT_EQ(d.lsubText + " " + d.csubText + " " + d.csatText, "18,01 42,20 397,89");
  const TrimodeDesign d2 = ComputeTrimode("2", "4", "60");
  EXPECT_EQ(d2.lsubText + " " + d2.csubText + " " + d2.csatText, "7,50 281,35 663,15");
}

TEST(TrimodeDesign, GuardsLeaveComponentsZeroAndTextsEmpty) {
  for (const auto& [zsub, zsat, fg] : {std::tuple{"8", "4", "20"}, std::tuple{"abc", "", "100"},
                                       std::tuple{"-8", "-4", "100"}, std::tuple{"8", "4", "1e999"},
                                       std::tuple{"0,99", "0,5", "100"}}) {
    const TrimodeDesign d = ComputeTrimode(zsub, zsat, fg);
    EXPECT_EQ(d.values.lsub + d.values.csub + d.values.csat, 0) << zsub;
    EXPECT_EQ(d.values.lsub, 0) << zsub;
    EXPECT_EQ(d.values.csub, 0) << zsub;
    EXPECT_EQ(d.values.csat, 0) << zsub;
    EXPECT_EQ(d.lsubText + d.csubText + d.csatText, "");
    const TrimodeInfo info = TrimodeInfoText(d.values, false);
    EXPECT_EQ(info.label4 + info.label8, "--");
    EXPECT_EQ(info.label8Hint, "falsche Werte, Grenzfrequenz unter 50Hz oder über 1kHz");
    EXPECT_FALSE(ComputeTrimodeLevels(d.values).drawable);
  }
  // One ohm designs, but the read-outs ask for more than one ohm.
  const TrimodeDesign one = ComputeTrimode("1", "1", "100");
  EXPECT_TRUE(one.values.lsub > 0 && one.values.csat > 0);
  const TrimodeInfo info = TrimodeInfoText(AsShown(one), true);
  EXPECT_EQ(info.label4 + info.label8, "--");
  EXPECT_NE(info.label8Hint.find("50 Hz"), std::string::npos);
}

TEST(TrimodeDesign, CutTextsDropDecimalsOnlyAndReadBackAsShown) {
  EXPECT_EQ(TrimodeComponentText(15915494.309), "15915494,3");
  EXPECT_EQ(TrimodeComponentText(12345678901.234), "12345678901");
  const TrimodeDesign d = ComputeTrimode("100000000", "4", "100");
  EXPECT_EQ(d.lsubText, "225079079");  // sqrt 2 · 10^8 / (2 pi 100) · 1000
}

TEST(TrimodeInfo, DefaultsGiveTheWorkedReadOuts) {
  const TrimodeDesign d = ComputeTrimode("8", "4", "100");
  for (const TrimodeValues& v : {AsShown(d), d.values}) {
    const TrimodeInfo de = TrimodeInfoText(v, false);
    EXPECT_EQ(de.label4, "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = 100.0 Hz");
    EXPECT_EQ(de.label8, "obere Grenzfrequenz des Tiefpasses f= 83 Hz, Güte Q= 0.39, Res.frequ. f= 182.6 Hz");
    EXPECT_EQ(de.label8Hint, "");
    const TrimodeInfo en = TrimodeInfoText(v, true);
    EXPECT_EQ(en.label4, "high pass cut frequency fu (-3dB) = 100.0 Hz");
    EXPECT_EQ(en.label8, "low pass cut frequency f= 83 Hz, quality Q= 0.39, res. frequ. f= 182.6 Hz");
  }
}

TEST(TrimodeInfo, LoadedLowPassMatchesTheTextbook) {
  for (const auto& [r, l, c] : {std::tuple{8.0, 18.01, 42.2}, std::tuple{4.0, 3.3, 47.0}, std::tuple{6.0, 27.0, 220.0},
                                std::tuple{2.0, 7.5, 281.35}}) {
    TrimodeValues v{r, 4, 100, l, c, 100};
    const TrimodeInfo info = TrimodeInfoText(v, false);
    const double lh = l / 1000, cf = c / 1e6;
    EXPECT_NEAR(info.f0, 1 / (2 * kPi * std::sqrt(lh * cf)), 1e-9);
    EXPECT_NEAR(info.q, r * std::sqrt(cf / lh), 1e-12);
    const int fc = ScannedCutOff(r, l, c);
    if (fc > 50 && fc <= 1000) {
      EXPECT_EQ(info.fc, fc);
      EXPECT_NE(info.label8.find("f= " + std::to_string(fc) + " Hz"), std::string::npos) << info.label8;
    } else {
      EXPECT_EQ(info.label8, "-");
    }
  }
  // The scan's edges: fc 50 is not shown, 51 and 1000 are; fc is about 0.83 fg.
  EXPECT_EQ(TrimodeInfoText(AsShown(ComputeTrimode("2", "4", "60")), false).label8, "-");
  EXPECT_EQ(TrimodeInfoText(AsShown(ComputeTrimode("8", "4", "61")), false).fc, 51);
  const TrimodeInfo high = TrimodeInfoText(AsShown(ComputeTrimode("8", "4", "1210")), true);
  EXPECT_EQ(high.fc, 1000);
  EXPECT_NE(high.label8.find("f= 1000 Hz"), std::string::npos) << high.label8;
  // A satellite capacitor of 0.80 µF is not above 1.
  EXPECT_EQ(TrimodeInfoText(AsShown(ComputeTrimode("8", "200", "1000")), false).label4, "-");
}

TEST(TrimodeLevels, SatelliteIsThreeDecibelsDownAtItsCutOffAndBranchesSumAsPowers) {
  const TrimodeLevels l = ComputeTrimodeLevels({8, 4, 100, 18.01, 42.2, 1e6 / (2 * kPi * 100 * 4)});
  ASSERT_TRUE(l.drawable);
  EXPECT_FALSE(ComputeTrimodeLevels({8, 4, 100, 18.01, 0, 442}).drawable);  // no sub capacitor
  EXPECT_NEAR(l.sat[100], -10 * std::log10(2.0), 1e-9);  // grid point 100 is 100 Hz
  EXPECT_NEAR(l.sat[290], 0, 0.01);
  // The sub's level against the textbook transfer function at every grid point.
  for (int i = kFastGridFirst; i <= kFastGridLast; ++i) {
    const double w = 2 * kPi * FastFilterGrid(i);
    const double h = std::abs(1.0 / std::complex<double>(1 - w * w * 0.01801 * 42.2e-6, w * 0.01801 / 8));
    EXPECT_NEAR(l.sub[i], std::max(-30.0, 20 * std::log10(h)), 1e-9) << i;
    EXPECT_GE(l.sat[i], -30);
  }
  // Both branches far below -30 dB at 10 Hz: the sum is -30 + 10 log10 2.
  const TrimodeLevels low = ComputeTrimodeLevels({1, 1, 100, 999, 9999, 1.01});
  EXPECT_EQ(low.sat[10], -30);
  EXPECT_EQ(low.sub[10], -30);
  EXPECT_NEAR(low.sum[10], -30 + 10 * std::log10(2.0), 1e-12);
  // One branch at 0 dB, the other limited: the sum barely moves.
  EXPECT_NEAR(l.sum[290], 10 * std::log10(std::pow(10, l.sat[290] / 10) + std::pow(10, -3.0)), 1e-9);
}

TEST(TrimodeDiagram, ScalesAndCursorReadOutInvertEachOther) {
  EXPECT_EQ(TrimodeX(100, 700) + TrimodeY(-30, 475), 216 + 430);
  EXPECT_EQ(std::vector<int>({TrimodeX(10, 700), TrimodeX(100, 700), TrimodeY(10, 475), TrimodeY(0, 475), TrimodeY(-30, 475)}),
            std::vector<int>({15, 15 + 201, 210, 265, 475 - 45}));
  EXPECT_EQ(*TrimodeCursorCaption(15, 210, 700, 475, false), "Trimode-Weiche für Car-HiFi (Cursor 10,0 Hz / 10,0 dB)");
  EXPECT_EQ(*TrimodeCursorCaption(216, 430, 700, 475, true),
            "trimode crossover for Car-HiFi (cursor 100,0 Hz / -30,0 dB)");
  EXPECT_FALSE(TrimodeCursorCaption(300, 190, 700, 475, false));
  EXPECT_TRUE(TrimodeCursorCaption(300, 191, 700, 475, false));
  // Too small to scale a read-out: the plain caption.
  EXPECT_FALSE(TrimodeCursorCaption(300, 300, 30, 475, false) || TrimodeCursorCaption(300, 300, 700, 255, false));
  EXPECT_FALSE(TrimodeCursorCaption(300, 300, 10, 100, false));
  EXPECT_EQ(std::string(TrimodePlainCaption(false)), "Trimode-Weiche für Car-HiFi ");
}

TEST(TrimodeSteps, FrequencyStepsByRangeAndStopAtTheirEnds) {
  using D = UpDownDirection;
  // An empty "to": no step.
  const struct { const char* from; D direction; const char* to; } rows[] = {
      {"21", D::Down, "20"},    {"20", D::Down, ""},       {"500", D::Down, "499"},  {"501", D::Down, "491"},
      {"1001", D::Down, "901"}, {"499", D::Up, "500"},     {"500", D::Up, "510"},    {"995", D::Up, "1005"},
      {"9999", D::Up, "10099"}, {"10000", D::Up, ""},      {"abc", D::Up, "1"},      {"abc", D::Down, ""},
      {"99999999999999999999", D::Up, ""}};
  for (const auto& row : rows)
    EXPECT_EQ(StepTrimodeFrequencyText(row.from, row.direction).value_or(""), row.to) << row.from;
}

TEST(TrimodeSteps, ComponentsStepThroughTheSeriesWithFourPointThreeInsideTheirRanges) {
  using D = UpDownDirection;
  const ComponentStepRule &lsub = kTrimodeLsubSteps, &csub = kTrimodeCsubSteps, &csat = kTrimodeCsatSteps;
  const struct { const char* from; D direction; const ComponentStepRule& rule; const char* to; } rows[] = {
      {"3.9", D::Up, csub, "4.30"},    {"4,3", D::Up, csub, "4.70"},       {"4,7", D::Down, csub, "4.30"},
      {"5", D::Up, lsub, "5.60"},      {"5", D::Down, lsub, "4.70"},      {"1", D::Down, lsub, "0.91"},        {"18,01", D::Up, lsub, "22.00"},
      {"397,89", D::Up, csat, "430.00"}, {"2200", D::Down, csat, "1800.00"}, {"100", D::Up, lsub, ""},
      {"0,1", D::Down, lsub, ""},      {"1000", D::Up, csub, ""},           {"1", D::Down, csub, ""},
      {"10", D::Up, csat, ""},         {"2200", D::Up, csat, ""},           {"10", D::Down, csat, ""}
  };
  for (const auto& row : rows)
    EXPECT_EQ(StepComponentText(row.from, row.direction, row.rule).value_or(""), row.to) << row.from;
  // Never a step from a text that is no positive number in range.
  for (const ComponentStepRule* rule : {&lsub, &csub, &csat}) {
    for (const char* bad : {"", "abc", "-", "0", "-5", "1e999"})
      for (D d : {D::Up, D::Down}) EXPECT_FALSE(StepComponentText(bad, d, *rule)) << bad;
    EXPECT_FALSE(StepComponentText("123456789012345678901234567890", D::Up, *rule));
  }
}

TEST(TrimodeSteps, EveryStepLandsOnASeriesValueAndUpThenDownReturns) {
  const int series[] = {100, 120, 150, 180, 220, 270, 330, 390, 430, 470, 560, 680, 750, 820, 910};
  for (double decade : {0.01, 0.1, 1.0, 10.0, 100.0, 1000.0}) {
    for (std::size_t k = 0; k < std::size(series); ++k) {
      const double value = series[k] / 100.0 * decade;
      const double next = (k + 1 < std::size(series) ? series[k + 1] / 100.0 : 10.0) * decade;
      const double previous = (k > 0 ? series[k - 1] / 100.0 : 0.91) * decade;
      EXPECT_NEAR(TriStepStandardUp(value), next, next * 1e-9) << value;
      EXPECT_NEAR(TriStepStandardDown(value), previous, previous * 1e-9) << value;
      EXPECT_NEAR(TriStepStandardDown(TriStepStandardUp(value)), value, value * 1e-9) << value;
    }
  }
  for (double x : {0.0, -1.0, -1e300, std::nan(""), HUGE_VAL}) {
    EXPECT_TRUE(TriStepStandardUp(x) == x || std::isnan(x));
    EXPECT_TRUE(TriStepStandardDown(x) == x || std::isnan(x));
  }
}

using TrimodeSection = test::TempFileTest;

TEST_F(TrimodeSection, SavesSixPlainNumbersWithDefaultsForNonNumbers) {
  platform::IniFile ini(path);
  ASSERT_TRUE(SaveTrimodeSection(ini, {"6,5", "x", "", "18,01", "42.20", "-"}));
  EXPECT_EQ(test::ReadFileBytes(path), "[Trimode]\r\nZsub=6.5\r\nZsat=4\r\nfg=100\r\nLsub=18.01\r\nCsub=42.2\r\nCsat=0\r\n");
  const TrimodeRestore r = ReadTrimodeSection(platform::IniFile(path));
  EXPECT_EQ(r.zsub + " " + r.zsat + " " + r.fg + " " + r.lsub.value_or("-") + " " + r.csub.value_or("-"), "6.5 4 100 18.01 42.2");
  EXPECT_FALSE(r.csat);
}

TEST_F(TrimodeSection, RestoreTakesValuesInsideTheirRangesAndFallsBackOtherwise) {
  const auto restored = [&](const char* bytes) {
    test::WriteFileBytes(path, bytes);
    const TrimodeRestore r = ReadTrimodeSection(platform::IniFile(path));
    return r.zsub + " " + r.zsat + " " + r.fg + " " + r.lsub.value_or("-") + " " + r.csub.value_or("-") + " " +
           r.csat.value_or("-");
  };
  EXPECT_EQ(restored("[Trimode]\r\nZsub=100\r\nZsat=1\r\nfg=20000\r\nLsub=999,5\r\nCsub=9999\r\nCsat=999\r\n"),
            "100 1 20000 999.5 9999 999");
  EXPECT_EQ(restored("[Trimode]\r\nZsub=100.5\r\nZsat=0,9\r\nfg=20\r\nLsub=1000\r\nCsub=10000\r\nCsat=1000\r\n"),
            "8 4 100 - - -");
  EXPECT_EQ(restored("[Trimode]\nZsub=abc\nZsat=-4\nfg=1e3\nLsub=-1\nCsub=99999999999999999999\n"), "8 4 100 - - -");
  EXPECT_EQ(restored(""), "8 4 100 - - -");
  const TrimodeRestore missing = ReadTrimodeSection(platform::IniFile(dir.filePath("missing.ini").toStdString()));
  EXPECT_EQ(missing.zsub + missing.zsat + missing.fg, "84100");
}

}  // namespace
}  // namespace velomare
