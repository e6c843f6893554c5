// The closed-box design and response model against textbook values worked out by hand: the
// closed-box relations fc = fs sqrt(1 + alpha), Qtc = Qts' sqrt(1 + alpha) and the second-order
// high pass of corner fc and quality Qtc, written here in its normalised form r = f / fc.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <vector>

#include "TestSupport.h"
#include "enclosures/model/ClosedBox.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

// The second-order high pass at r = f / fc, as any textbook writes it.
double HighPassDb(double r, double qtc) {
  const double r2 = r * r;
  return 20.0 * std::log10(r2 / std::sqrt((1 - r2) * (1 - r2) + (r / qtc) * (r / qtc)));
}

const ClosedDriver kDefaultDriver{0.41, 6.8, 29.0, 244.0, 2.1};
const ClosedDriver kExampleDriver{0.35, 6.0, 30.0, 50.0, 0.5};

ClosedInputs QtcMode(const char* qtc, int drivers = 1, const char* rs = "0") { return {qtc, "10", rs, drivers - 1, true}; }
ClosedInputs VolumeMode(const char* volume, int drivers = 1, const char* rs = "0") { return {"0,707", volume, rs, drivers - 1, false}; }

ClosedDesign Designed(const ClosedInputs& in, const ClosedDriver& driver, ClosedDesignTexts* texts = nullptr,
                      bool english = false) {
  ClosedDesign d;
  UpdateSeriesResistance(d, in.seriesRText, driver);
  const ClosedDesignTexts t = in.qtcMode ? ClosedDesignFromQtc(d, in, driver, english)
                                         : ClosedDesignFromVolume(d, in, driver, english);
  if (texts) *texts = t;
  return d;
}

TEST(ClosedDesign, VolumesAndTotalsMatchTheClosedBoxRelationsForOneAndSeveralDrivers) {
  const ClosedDesign b = Designed(QtcMode("0,707"), kDefaultDriver), critical = Designed(QtcMode("1"), kDefaultDriver);
  // Three drivers see three times the Vas: three times the volume for the same Qtc and fc, and
  // the gross volume holds three displacements.
  const ClosedDesign three = Designed(QtcMode("0,707", 3), kDefaultDriver), two = Designed(QtcMode("0,707", 2), kDefaultDriver);
  const double expected[][3] = {{b.volume, 123.6, 0.05},        {b.fc, 50.0, 0.05},         {b.totalVolume, 123.6 + 2.1, 0.05},
                                {critical.volume, 49.3, 0.05}, {critical.fc, 70.7, 0.05},  {three.volume, 3 * b.volume, 1e-9},
                                {three.fc, b.fc, 1e-9},        {three.totalVolume, 3 * b.volume + 3 * 2.1, 1e-9},
                                {two.volume, 2 * b.volume, 1e-9}, {two.fc, b.fc, 1e-9}};
  for (const auto& [value, worked, within] : expected) EXPECT_NEAR(value, worked, within) << worked;
}

TEST(ClosedDesign, WorkedExamplesGiveTheseTexts) {
  ClosedDesignTexts t;
  ClosedDesign d = Designed(QtcMode("0,707"), kExampleDriver, &t);
  EXPECT_TRUE(t.ran && t.valid);
  EXPECT_NEAR(d.volume, 16.23, 0.005);
  EXPECT_EQ(t.otherEdit.value_or("-"), "16,2");
  // No excursion peak at Butterworth.
  EXPECT_EQ(t.fgLabel + "|" + t.fcLabel + "|" + t.totalLabel + "|" + t.peakLabel.value_or("-"),
            "Untere Grenzfrequenz fg = 60,6 Hz|Resonanzfrequenz fc = 60,6 Hz|l, insges. 16,7 l|");

  // Volume mode, 1 ohm in front of two drivers: Qts' = 0.35 x 7 / 6 = 0.4083 (not the textbook
  // 0.4030, which raises Qes only).
  d = Designed(VolumeMode("40", 2, "1"), kExampleDriver, &t);
  EXPECT_NEAR(d.qtsR, 0.35 * 7.0 / 6.0, 1e-12);
  ASSERT_TRUE(t.valid);
  EXPECT_EQ(t.otherEdit.value_or("-"), "0,764");
  EXPECT_EQ(t.fcLabel + "|" + t.fgLabel + "|" + t.peakLabel.value_or("-"),
            "Resonanzfrequenz fc = 56,1 Hz|Untere Grenzfrequenz fg = 52,3 Hz|Xmax bei 21,2Hz");
  d = Designed(VolumeMode("40", 2, "1"), kExampleDriver, &t, true);
  EXPECT_EQ(t.totalLabel, "liter, total 41,0 l");
  EXPECT_EQ(t.peakLabel.value_or("-"), "Xmax at 21,2Hz");
  EXPECT_EQ(t.fgLabel, "lower cut frequency fg = 52,3 Hz");
  EXPECT_EQ(t.fcLabel, "resonance frequency fc = 56,1 Hz");
  const ClosedResponse r = ClosedResponseOf(d, kExampleDriver);
  const double levels[][2] = {{20, -17.84}, {50, -3.48}, {100, -0.04}, {400, 0.02}};
  for (const auto& [f, level] : levels) EXPECT_NEAR(*ClosedResponseLevel(r, f), level, 0.005) << f;
}

TEST(ClosedDesign, TheResponseIsTheSecondOrderHighPassOfTheDesign) {
  for (const char* qtc : {"0,5", "0,7071", "1", "1,4"}) {
    const ClosedDesign d = Designed(QtcMode(qtc, 3, "0,5"), kDefaultDriver);
    ASSERT_TRUE(d.lastDesignValid) << qtc;
    const ClosedResponse r = ClosedResponseOf(d, kDefaultDriver);
    for (double f : {3.0, 17.0, d.fc, 61.5, 150.0, 399.0})
      EXPECT_NEAR(*ClosedResponseLevel(r, f), HighPassDb(f / d.fc, d.qtc), 1e-9) << qtc << " " << f;
  }
  // fs 25, Qts' chosen so that A = 4: fc = 50 Hz. Textbook points of the high pass.
  const auto levelAt = [](double qtc, double r) { return *ClosedResponseLevel({25.0, 30.0, qtc / 2.0, 10.0, 1}, 50.0 * r); };
  const double points[][3] = {{0.70710678, 1, -3.01}, {1.0, 1, 0.0}, {0.5, 1, -6.02}, {1.0, std::sqrt(2.0), 1.25},
                              {0.7071, 200, 0.0}};
  for (const auto& [qtc, r, level] : points) EXPECT_NEAR(levelAt(qtc, r), level, 0.005) << qtc << " " << r;
  EXPECT_NEAR(levelAt(0.7071, 0.01) - levelAt(0.7071, 0.005), 12.04, 0.01);  // 12 dB per octave
  EXPECT_NEAR(levelAt(1.0, 1), 0.0, 1e-9);
  EXPECT_NEAR(levelAt(0.7071, 200), 0.0, 1e-3);
  // Qtc 1 peaks at r = sqrt(2).
  EXPECT_LT(levelAt(1.0, 1.3), levelAt(1.0, std::sqrt(2.0)));
  EXPECT_LT(levelAt(1.0, 1.5), levelAt(1.0, std::sqrt(2.0)));
  // No value where its terms vanish: f, Qts', Vb or fs not above 0.
  const std::pair<ClosedResponse, double> none[] = {
      {{30, 50, 0.0, 20, 1}, 40}, {{30, 50, 0.4, -20, 1}, 40}, {{0, 50, 0.4, 20, 1}, 40}, {{30, 50, 0.4, 20, 1}, 0},
      {{30, 50, 0.4, 20, 1}, -3}, {{30, 50, 0.4, 0.0, 1}, 40}};
  for (const auto& [n, f] : none) EXPECT_FALSE(ClosedResponseLevel(n, f)) << n.fs << " " << n.qtsR << " " << n.volume << " " << f;
}

TEST(ClosedDesign, CutoffF3IsWhereTheHighPassIsThreeDecibelsDownAndExcursionPeaksBelowFc) {
  for (const auto& [q, ratio] : {std::pair{0.5, 1.554}, {0.70710678, 1.0}, {1.0, 0.786}})
    EXPECT_NEAR(CutoffF3(100, q) / 100, ratio, 0.0005) << q;
  for (double q : {0.3, 0.6, 0.9, 1.7}) EXPECT_NEAR(HighPassDb(CutoffF3(80, q) / 80, q), -3.0103, 1e-6) << q;
  for (const auto& [fc, q] : {std::pair{10.0, 0.707}, {50.0, 0.19}, {std::nan(""), 0.7}}) EXPECT_EQ(CutoffF3(fc, q), 0);
  // The excursion peaks at fc sqrt(1 - 1 / (2 Qtc^2)): fc / sqrt(2) for Qtc 1.
  const ClosedDesign d = Designed(QtcMode("1"), kDefaultDriver);
  EXPECT_NEAR(d.peakFrequency, d.fc / std::sqrt(2.0), 1e-9);
  // ... while the level peaks above it.
  const ClosedResponse r = ClosedResponseOf(d, kDefaultDriver);
  EXPECT_GT(*ClosedResponseLevel(r, d.fc * std::sqrt(2.0)), *ClosedResponseLevel(r, d.fc * 1.2));
}

TEST(ClosedDesign, ValidityBoundsOfTheQtcAndVolumeDesigns) {
  const ClosedDriver lowQ{0.25, 6.0, 30.0, 50.0, 0.5}, tenth{0.1, 6.0, 30.0, 50.0, 0.5};
  const struct {
    ClosedInputs in;
    const ClosedDriver& driver;
    bool valid;
  } cases[] = {
      {QtcMode("0,3"), lowQ, false},           {QtcMode("0,31"), lowQ, true},  // Qtc > 0.3
      {QtcMode("0,35"), kExampleDriver, false}, {QtcMode("0,36"), kExampleDriver, true},  // Qtc > Qts'
      {QtcMode("0,5"), tenth, true},                                                        // Qts' >= 0.1
      {VolumeMode("0,2"), kExampleDriver, false}, {VolumeMode("0,21"), kExampleDriver, true},
      // A series resistance that is no number: the Qtc design refuses, the volume design takes 0 ohm.
      {QtcMode("0,707", 1, "abc"), kExampleDriver, false}, {VolumeMode("40", 1, "abc"), kExampleDriver, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Designed(c.in, c.driver).lastDesignValid, c.valid) << c.in.qtcText << " " << c.in.volumeText;
  EXPECT_DOUBLE_EQ(Designed(VolumeMode("40", 1, "abc"), kExampleDriver).qtsR, 0.35);
}

TEST(ClosedDesign, FailedDesignShowsBareLabelsKeepsResultsAndClearsTheValidFlag) {
  ClosedDesign d;
  ClosedDesignFromQtc(d, QtcMode("0,707"), kExampleDriver, false);
  const double volume = d.volume;
  const ClosedDesignTexts t = ClosedDesignFromQtc(d, QtcMode("1,0", 3, "x"), kExampleDriver, false);
  EXPECT_TRUE(t.ran && !t.valid && !t.peakLabel && !t.otherEdit);
  EXPECT_EQ(t.fgLabel + t.fcLabel + t.totalLabel, "fgfcl");
  // The old volume stays beside the newly read Qtc and N.
  EXPECT_EQ((std::vector<double>{d.volume, d.qtc, double(d.driverCount)}), (std::vector<double>{volume, 1.0, 3}));
  EXPECT_FALSE(d.lastDesignValid || ClosedStoreValid(d, kExampleDriver) || ClosedPrintValid(d, kExampleDriver));
  // The other mode's routine only takes the driver snapshot.
  const ClosedDriver other{0.5, 6.0, 40.0, 60.0, 0.5};
  ClosedDesignFromQtc(d, QtcMode("0,707"), kExampleDriver, false);
  EXPECT_FALSE(ClosedDesignFromVolume(d, QtcMode("0,707"), other, false).ran);
  EXPECT_TRUE(d.lastDesignValid && !ClosedDriverChanged(d, other) && ClosedDriverChanged(d, kExampleDriver));
}

TEST(ClosedDesign, ZeroReNegativeStiffnessAndBadTextsNeverGiveNanOrInf) {
  const ClosedDriver noRe{0.35, 0.0, 30.0, 50.0, 0.5};
  ClosedDesignTexts t;
  EXPECT_TRUE(Designed(QtcMode("0,707"), noRe, &t).qtsR == 0 && !t.valid);
  EXPECT_FALSE(ClosedPlotDrawable(Designed(VolumeMode("40"), noRe, &t), noRe, true) || t.valid);
  // 1 + N Vas / Vb <= 0: a negative Vas larger than the box.
  Designed(VolumeMode("40"), {0.35, 6.0, 30.0, -50.0, 0.5}, &t);
  EXPECT_FALSE(t.valid);
  EXPECT_EQ(t.fgLabel, "fg");

  const std::regex nonFinite("\\b(nan|inf)", std::regex::icase);
  for (const char* text : {"abc", "", "-", "1e999", "999999999999999999999999999999", "-5", ",", "0"}) {
    for (bool qtcMode : {true, false}) {
      const ClosedDesign bad = Designed({text, text, text, 0, qtcMode}, kDefaultDriver, &t, true);
      for (const std::string& s : {t.fgLabel, t.fcLabel, t.totalLabel, t.peakLabel.value_or(""), t.otherEdit.value_or("")})
        EXPECT_FALSE(std::regex_search(s, nonFinite)) << text << " " << s;
      for (double v : {bad.qtc, bad.volume, bad.fc, bad.fg, bad.totalVolume, bad.qtsR, bad.peakFrequency})
        EXPECT_TRUE(std::isfinite(v)) << text;
    }
  }
}

TEST(ClosedDesign, DiagramStoreAndPrintGuards) {
  const ClosedDriver tenHz{0.35, 6.0, 10.0, 50.0, 0.5}, lowQ{0.25, 6.0, 30.0, 50.0, 0.5}, noQ{0, 6.0, 30.0, 50.0, 0.5};
  const struct {
    const ClosedDriver& driver;
    bool logPlot, linearPlot, store, print;
  } cases[] = {
      {kExampleDriver, true, true, true, true},
      {tenHz, true, false, true, true},  // the linear diagram needs fs > 10 Hz, the page accepts 10 Hz
      {lowQ, true, true, true, false},   // the page wants Qts' > 0.3
  };
  for (const auto& c : cases) {
    const ClosedDesign d = Designed(QtcMode("0,707"), c.driver);
    EXPECT_EQ((std::vector<bool>{ClosedPlotDrawable(d, c.driver, true), ClosedPlotDrawable(d, c.driver, false),
                                 ClosedStoreValid(d, c.driver), ClosedPrintValid(d, c.driver)}),
              (std::vector<bool>{c.logPlot, c.linearPlot, c.store, c.print})) << c.driver.qts << " " << c.driver.fs;
  }
  EXPECT_FALSE(ClosedPlotDrawable(Designed(VolumeMode("40"), noQ), noQ, true));  // a box volume, but no Qts
}

TEST(ClosedDesign, TipStartPrintTitleAndPointerCaptions) {
  EXPECT_EQ(std::string(ClosedTipFor(0.65).text) + ClosedTipFor(0.66).text, "0,707100");
  EXPECT_TRUE(ClosedTipFor(0.65).qtcMode && !ClosedTipFor(0.66).qtcMode);
  EXPECT_TRUE(ClosedStartsInQtcMode(0.69) && !ClosedStartsInQtcMode(0.70));
  EXPECT_EQ(ClosedPrintTitle(Designed(QtcMode("0,707"), kExampleDriver), "Maker", "Model"),
            "Velomare 3.2.5: 1x Maker Model in geschl. Volumen16.2l, R 0.00 Ohm");
  EXPECT_EQ(ClosedPointerCaption(false, true, true, 58.21, -3.49), "geschlossenes Gehäuse (Kurve -3,5 dB bei 58,2 Hz)");
  EXPECT_EQ(ClosedPointerCaption(true, false, true, 0, 0), "closed box");
  EXPECT_EQ(ClosedPointerCaption(true, true, false, 58.21, -3.49), "closed box (cursor 58,2Hz / -3,5dB)");
  EXPECT_EQ(ClosedPointerCaption(true, true, true, 7, 0), "closed box (curve 0,0 dB at 7,0 Hz)");
  EXPECT_EQ(ClosedPointerCaption(false, false, false, 0, 0), "geschlossenes Gehäuse ");
  // Integer digits are never cut.
  EXPECT_EQ(ClosedPointerCaption(true, true, false, 123456789012.0, 1), "closed box (cursor 123456789012Hz / 1,0dB)");
}

using ClosedSection = test::TempFileTest;
TEST_F(ClosedSection, KeepsBothKeysOnlyInRangeAndReadsThemBack) {
  platform::IniFile ini(path);
  ASSERT_TRUE(WriteClosedSection(ini, {16.2, 0.5}));
  platform::IniFile back(path);
  EXPECT_EQ(back.ReadString("Geschlossen", "Volumen", "") + " " + back.ReadString("Geschlossen", "Serienwiderstand", ""),
            "16.2 0.5");
  const ClosedSavedValues read = ReadClosedSection(back).value();
  EXPECT_EQ((std::vector<double>{read.volume, read.seriesR}), (std::vector<double>{16.2, 0.5}));
  // Out of range: neither key is touched.
  for (ClosedSavedValues bad : {ClosedSavedValues{2000, 0}, ClosedSavedValues{10, -1}, ClosedSavedValues{0, 0}}) {
    platform::IniFile again(path);
    EXPECT_TRUE(WriteClosedSection(again, bad));
    EXPECT_EQ(platform::IniFile(path).ReadString("Geschlossen", "Volumen", ""), "16.2");
  }
  for (const char* stored : {"2500", "12a"}) {
    platform::IniFile(path).WriteString("Geschlossen", "Volumen", stored);
    EXPECT_FALSE(ReadClosedSection(platform::IniFile(path))) << stored;
  }
  // A volume text that is no number is 0 and not kept.
  EXPECT_EQ(ClosedValuesFromEdits("12a", "0").volume, 0);
  EXPECT_TRUE(!ClosedValuesKeepable(ClosedValuesFromEdits("12a", "0")) && ClosedValuesKeepable(ClosedValuesFromEdits("16,2", "0,5")));
  EXPECT_EQ(ClosedStoredNumberText(123.456789012345) + " " + ClosedStoredNumberText(0.0000012), "123.456789012345 0.0000012");
}

}  // namespace
}  // namespace velomare
