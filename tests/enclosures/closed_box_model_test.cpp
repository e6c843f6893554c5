// The closed-box design and response model against textbook values worked out by hand: the
// closed-box relations fc = fs sqrt(1 + alpha), Qtc = Qts' sqrt(1 + alpha) and the second-order
// high pass of corner fc and quality Qtc, written here in its normalised form r = f / fc.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <regex>

#include "common/NumberText.h"
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

ClosedInputs QtcMode(const char* qtc, int drivers = 1, const char* rs = "0") {
  return {qtc, "10", rs, drivers - 1, true};
}
ClosedInputs VolumeMode(const char* volume, int drivers = 1, const char* rs = "0") {
  return {"0,707", volume, rs, drivers - 1, false};
}

ClosedDesign Designed(const ClosedInputs& in, const ClosedDriver& driver) {
  ClosedDesign d;
  UpdateSeriesResistance(d, in.seriesRText, driver);
  if (in.qtcMode)
    ClosedDesignFromQtc(d, in, driver, false);
  else
    ClosedDesignFromVolume(d, in, driver, false);
  return d;
}

TEST(ClosedDesign, DefaultDriverVolumesMatchTheClosedBoxRelations) {
  const ClosedDesign butterworth = Designed(QtcMode("0,707"), kDefaultDriver);
  EXPECT_NEAR(butterworth.volume, 123.6, 0.05);
  EXPECT_NEAR(butterworth.fc, 50.0, 0.05);
  const ClosedDesign critical = Designed(QtcMode("1"), kDefaultDriver);
  EXPECT_NEAR(critical.volume, 49.3, 0.05);
  EXPECT_NEAR(critical.fc, 70.7, 0.05);
  // Two drivers see twice the Vas: twice the volume for the same Qtc and fc.
  const ClosedDesign two = Designed(QtcMode("0,707", 2), kDefaultDriver);
  EXPECT_NEAR(two.volume, 2 * butterworth.volume, 1e-9);
  EXPECT_NEAR(two.fc, butterworth.fc, 1e-9);
}

TEST(ClosedDesign, QtcModeExampleGivesVolumeTextsAndNoPeakAtButterworth) {
  ClosedDesign d;
  const ClosedDesignTexts t = ClosedDesignFromQtc(d, QtcMode("0,707"), kExampleDriver, false);
  EXPECT_TRUE(t.ran);
  EXPECT_TRUE(t.valid);
  EXPECT_NEAR(d.volume, 16.23, 0.005);
  ASSERT_TRUE(t.otherEdit);
  EXPECT_EQ(*t.otherEdit, "16,2");
  EXPECT_EQ(t.fgLabel, "Untere Grenzfrequenz fg = 60,6 Hz");
  EXPECT_EQ(t.fcLabel, "Resonanzfrequenz fc = 60,6 Hz");
  EXPECT_EQ(t.totalLabel, "l, insges. 16,7 l");
  ASSERT_TRUE(t.peakLabel);
  EXPECT_EQ(*t.peakLabel, "");
}

TEST(ClosedDesign, VolumeModeWithResistorAndTwoDriversRaisesQtsNotQes) {
  ClosedDesign d;
  UpdateSeriesResistance(d, "1", kExampleDriver);
  EXPECT_NEAR(d.qtsR, 0.35 * 7.0 / 6.0, 1e-12);  // 0.4083, not the textbook 0.4030
  const ClosedDesignTexts t = ClosedDesignFromVolume(d, VolumeMode("40", 2, "1"), kExampleDriver, false);
  ASSERT_TRUE(t.valid);
  EXPECT_EQ(*t.otherEdit, "0,764");
  EXPECT_EQ(t.fcLabel, "Resonanzfrequenz fc = 56,1 Hz");
  EXPECT_EQ(t.fgLabel, "Untere Grenzfrequenz fg = 52,3 Hz");
  EXPECT_EQ(*t.peakLabel, "Xmax bei 21,2Hz");
  const ClosedDesignTexts en = ClosedDesignFromVolume(d, VolumeMode("40", 2, "1"), kExampleDriver, true);
  EXPECT_EQ(*en.peakLabel, "Xmax at 21,2Hz");
  EXPECT_EQ(en.fgLabel, "lower cut frequency fg = 52,3 Hz");
  EXPECT_EQ(en.fcLabel, "resonance frequency fc = 56,1 Hz");
  EXPECT_EQ(en.totalLabel, "liter, total 41,0 l");

  const ClosedResponse r = ClosedResponseOf(d, kExampleDriver);
  EXPECT_NEAR(*ClosedResponseLevel(r, 20), -17.84, 0.005);
  EXPECT_NEAR(*ClosedResponseLevel(r, 50), -3.48, 0.005);
  EXPECT_NEAR(*ClosedResponseLevel(r, 100), -0.04, 0.005);
  EXPECT_NEAR(*ClosedResponseLevel(r, 400), 0.02, 0.005);
}

TEST(ClosedDesign, TheResponseIsTheSecondOrderHighPassOfTheDesign) {
  for (const char* qtc : {"0,5", "0,7071", "1", "1,4"}) {
    ClosedDesign d;
    ClosedDesignFromQtc(d, QtcMode(qtc, 3, "0,5"), kDefaultDriver, false);
    ASSERT_TRUE(d.lastDesignValid) << qtc;
    const ClosedResponse r = ClosedResponseOf(d, kDefaultDriver);
    for (double f : {3.0, 17.0, d.fc, 61.5, 150.0, 399.0})
      EXPECT_NEAR(*ClosedResponseLevel(r, f), HighPassDb(f / d.fc, d.qtc), 1e-9) << qtc << " " << f;
  }
}

TEST(ClosedDesign, ResponseAtCornerAndPeakAndAsymptotes) {
  const auto levelAt = [](double qtc, double r) {
    // fs 25, Qts' chosen so that A = 4: fc = 50 Hz.
    const ClosedResponse resp{25.0, 30.0, qtc / 2.0, 10.0, 1};
    return *ClosedResponseLevel(resp, 50.0 * r);
  };
  EXPECT_NEAR(levelAt(0.70710678, 1), -3.01, 0.005);
  EXPECT_NEAR(levelAt(1.0, 1), 0.0, 1e-9);
  EXPECT_NEAR(levelAt(0.5, 1), -6.02, 0.005);
  EXPECT_NEAR(levelAt(1.0, std::sqrt(2.0)), 1.25, 0.005);
  EXPECT_LT(levelAt(1.0, 1.3), levelAt(1.0, std::sqrt(2.0)));
  EXPECT_LT(levelAt(1.0, 1.5), levelAt(1.0, std::sqrt(2.0)));
  // 12 dB per octave far below the corner, 0 dB far above.
  EXPECT_NEAR(levelAt(0.7071, 0.01) - levelAt(0.7071, 0.005), 12.04, 0.01);
  EXPECT_NEAR(levelAt(0.7071, 200), 0.0, 1e-3);
}

TEST(ClosedDesign, CutoffF3IsWhereTheHighPassIsThreeDecibelsDown) {
  EXPECT_NEAR(CutoffF3(100, 0.5) / 100, 1.554, 0.0005);
  EXPECT_NEAR(CutoffF3(100, 0.70710678) / 100, 1.000, 0.0005);
  EXPECT_NEAR(CutoffF3(100, 1.0) / 100, 0.786, 0.0005);
  for (double q : {0.3, 0.6, 0.9, 1.7}) EXPECT_NEAR(HighPassDb(CutoffF3(80, q) / 80, q), -3.0103, 1e-6) << q;
  EXPECT_EQ(CutoffF3(10, 0.707), 0);
  EXPECT_EQ(CutoffF3(50, 0.19), 0);
  EXPECT_EQ(CutoffF3(std::numeric_limits<double>::quiet_NaN(), 0.7), 0);
}

TEST(ClosedDesign, ExcursionPeakLiesBelowFcAndLevelPeakAbove) {
  ClosedDesign d;
  ClosedDesignFromQtc(d, QtcMode("1"), kDefaultDriver, false);
  // The excursion of the closed box peaks at fc sqrt(1 - 1 / (2 Qtc^2)): fc / sqrt(2) for Qtc 1.
  EXPECT_NEAR(d.peakFrequency, d.fc / std::sqrt(2.0), 1e-9);
  const ClosedResponse r = ClosedResponseOf(d, kDefaultDriver);
  EXPECT_GT(*ClosedResponseLevel(r, d.fc * std::sqrt(2.0)), *ClosedResponseLevel(r, d.fc * 1.2));
}

TEST(ClosedDesign, ValidityBoundsOfTheQtcAndVolumeDesigns) {
  const ClosedDriver lowQ{0.25, 6.0, 30.0, 50.0, 0.5};
  EXPECT_FALSE(Designed(QtcMode("0,3"), lowQ).lastDesignValid);
  EXPECT_TRUE(Designed(QtcMode("0,31"), lowQ).lastDesignValid);
  // Qtc must exceed Qts'.
  EXPECT_FALSE(Designed(QtcMode("0,35"), kExampleDriver).lastDesignValid);
  EXPECT_TRUE(Designed(QtcMode("0,36"), kExampleDriver).lastDesignValid);
  const ClosedDriver tenth{0.1, 6.0, 30.0, 50.0, 0.5};
  EXPECT_TRUE(Designed(QtcMode("0,5"), tenth).lastDesignValid);
  EXPECT_FALSE(Designed(VolumeMode("0,2"), kExampleDriver).lastDesignValid);
  EXPECT_TRUE(Designed(VolumeMode("0,21"), kExampleDriver).lastDesignValid);
  // A series resistance that is no number: the Qtc design refuses, the volume design takes 0 ohm.
  EXPECT_FALSE(Designed(QtcMode("0,707", 1, "abc"), kExampleDriver).lastDesignValid);
  const ClosedDesign volume = Designed(VolumeMode("40", 1, "abc"), kExampleDriver);
  EXPECT_TRUE(volume.lastDesignValid);
  EXPECT_DOUBLE_EQ(volume.qtsR, 0.35);
}

TEST(ClosedDesign, FailedDesignShowsBareLabelsKeepsResultsAndClearsTheValidFlag) {
  ClosedDesign d;
  ClosedDesignFromQtc(d, QtcMode("0,707"), kExampleDriver, false);
  const double volume = d.volume;
  const ClosedDesignTexts t = ClosedDesignFromQtc(d, QtcMode("1,0", 3, "x"), kExampleDriver, false);
  EXPECT_TRUE(t.ran);
  EXPECT_FALSE(t.valid);
  EXPECT_EQ(t.fgLabel, "fg");
  EXPECT_EQ(t.fcLabel, "fc");
  EXPECT_EQ(t.totalLabel, "l");
  EXPECT_FALSE(t.peakLabel);
  EXPECT_FALSE(t.otherEdit);
  EXPECT_EQ(d.volume, volume);  // the old volume stays beside the newly read Qtc and N
  EXPECT_DOUBLE_EQ(d.qtc, 1.0);
  EXPECT_EQ(d.driverCount, 3);
  EXPECT_FALSE(d.lastDesignValid);
  EXPECT_FALSE(ClosedStoreValid(d, kExampleDriver));
  EXPECT_FALSE(ClosedPrintValid(d, kExampleDriver));
}

TEST(ClosedDesign, TheOtherModesRoutineOnlyTakesTheSnapshot) {
  ClosedDesign d;
  ClosedDesignFromQtc(d, QtcMode("0,707"), kExampleDriver, false);
  const ClosedDriver other{0.5, 6.0, 40.0, 60.0, 0.5};
  const ClosedDesignTexts t = ClosedDesignFromVolume(d, QtcMode("0,707"), other, false);
  EXPECT_FALSE(t.ran);
  EXPECT_TRUE(d.lastDesignValid);
  EXPECT_FALSE(ClosedDriverChanged(d, other));
  EXPECT_TRUE(ClosedDriverChanged(d, kExampleDriver));
}

TEST(ClosedDesign, ZeroReOrNegativeStiffnessIsAnInvalidDesignNotADivisionByZero) {
  const ClosedDriver noRe{0.35, 0.0, 30.0, 50.0, 0.5};
  ClosedDesign d;
  ClosedDesignTexts t = ClosedDesignFromQtc(d, QtcMode("0,707"), noRe, false);
  EXPECT_FALSE(t.valid);
  EXPECT_EQ(d.qtsR, 0);
  d = {};
  t = ClosedDesignFromVolume(d, VolumeMode("40"), noRe, false);
  EXPECT_FALSE(t.valid);
  EXPECT_FALSE(ClosedPlotDrawable(d, noRe, true));
  // 1 + N Vas / Vb <= 0: a negative Vas larger than the box.
  const ClosedDriver negative{0.35, 6.0, 30.0, -50.0, 0.5};
  d = {};
  t = ClosedDesignFromVolume(d, VolumeMode("40"), negative, false);
  EXPECT_FALSE(t.valid);
  EXPECT_EQ(t.fgLabel, "fg");
}

TEST(ClosedDesign, BadTextsNeverGiveNanOrInf) {
  const char* texts[] = {"abc", "", "-", "1e999", "999999999999999999999999999999", "-5", ",", "0"};
  for (const char* text : texts) {
    for (bool qtcMode : {true, false}) {
      ClosedDesign d;
      ClosedInputs in{text, text, text, 0, qtcMode};
      UpdateSeriesResistance(d, text, kDefaultDriver);
      const ClosedDesignTexts t =
          qtcMode ? ClosedDesignFromQtc(d, in, kDefaultDriver, true) : ClosedDesignFromVolume(d, in, kDefaultDriver, true);
      for (const std::string& s : {t.fgLabel, t.fcLabel, t.totalLabel, t.peakLabel.value_or(""), t.otherEdit.value_or("")}) {
        EXPECT_FALSE(std::regex_search(s, std::regex("\\b(nan|inf)", std::regex::icase))) << text << " " << s;
      }
      for (double v : {d.qtc, d.volume, d.fc, d.fg, d.totalVolume, d.qtsR, d.peakFrequency})
        EXPECT_TRUE(std::isfinite(v)) << text;
    }
  }
}

TEST(ClosedDesign, ResponseLevelHasNoValueWhereItsTermsVanish) {
  EXPECT_FALSE(ClosedResponseLevel({30, 50, 0.4, 20, 1}, 0));
  EXPECT_FALSE(ClosedResponseLevel({30, 50, 0.4, 20, 1}, -3));
  EXPECT_FALSE(ClosedResponseLevel({30, 50, 0.0, 20, 1}, 40));
  EXPECT_FALSE(ClosedResponseLevel({30, 50, 0.4, 0.0, 1}, 40));
  EXPECT_FALSE(ClosedResponseLevel({0, 50, 0.4, 20, 1}, 40));
}

TEST(ClosedDesign, DiagramStoreAndPrintGuards) {
  ClosedDesign d = Designed(QtcMode("0,707"), kExampleDriver);
  EXPECT_TRUE(ClosedPlotDrawable(d, kExampleDriver, true));
  EXPECT_TRUE(ClosedPlotDrawable(d, kExampleDriver, false));
  EXPECT_TRUE(ClosedStoreValid(d, kExampleDriver));
  EXPECT_TRUE(ClosedPrintValid(d, kExampleDriver));
  // fs = 10 Hz: the linear diagram needs more than 10 Hz, the page accepts 10 Hz.
  const ClosedDriver tenHz{0.35, 6.0, 10.0, 50.0, 0.5};
  d = Designed(QtcMode("0,707"), tenHz);
  EXPECT_TRUE(ClosedPlotDrawable(d, tenHz, true));
  EXPECT_FALSE(ClosedPlotDrawable(d, tenHz, false));
  EXPECT_TRUE(ClosedPrintValid(d, tenHz));
  // Qts' of 0.25 is designed and drawn, but not printed (the page wants Qts' > 0.3).
  const ClosedDriver lowQ{0.25, 6.0, 30.0, 50.0, 0.5};
  d = Designed(QtcMode("0,707"), lowQ);
  EXPECT_TRUE(ClosedStoreValid(d, lowQ));
  EXPECT_FALSE(ClosedPrintValid(d, lowQ));
}

TEST(ClosedDesign, TipAndStartThresholds) {
  EXPECT_TRUE(ClosedTipFor(0.65).qtcMode);
  EXPECT_STREQ(ClosedTipFor(0.65).text, "0,707");
  EXPECT_FALSE(ClosedTipFor(0.66).qtcMode);
  EXPECT_STREQ(ClosedTipFor(0.66).text, "100");
  EXPECT_TRUE(ClosedStartsInQtcMode(0.69));
  EXPECT_FALSE(ClosedStartsInQtcMode(0.70));
}

TEST(ClosedDesign, PrintTitleAndPointerCaptions) {
  ClosedDesign d = Designed(QtcMode("0,707"), kExampleDriver);
  EXPECT_EQ(ClosedPrintTitle(d, "Maker", "Model"),
            "Velomare 3.2.5: 1x Maker Model in geschl. Volumen16.2l, R 0.00 Ohm");
  EXPECT_EQ(ClosedPointerCaption(true, true, false, 58.21, -3.49), "closed box (cursor 58,2Hz / -3,5dB)");
  EXPECT_EQ(ClosedPointerCaption(false, true, true, 58.21, -3.49),
            "geschlossenes Gehäuse (Kurve -3,5 dB bei 58,2 Hz)");
  EXPECT_EQ(ClosedPointerCaption(true, true, true, 7, 0), "closed box (curve 0,0 dB at 7,0 Hz)");
  EXPECT_EQ(ClosedPointerCaption(false, false, false, 0, 0), "geschlossenes Gehäuse ");
  EXPECT_EQ(ClosedPointerCaption(true, false, true, 0, 0), "closed box");
  // Integer digits are never cut.
  EXPECT_EQ(ClosedPointerCaption(true, true, false, 123456789012.0, 1), "closed box (cursor 123456789012Hz / 1,0dB)");
}

class ClosedSection : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  std::string Path() const { return dir.filePath("velomar.ini").toStdString(); }
  QTemporaryDir dir;
};

TEST_F(ClosedSection, KeepsBothKeysOnlyInRangeAndReadsThemBack) {
  platform::IniFile ini(Path());
  ASSERT_TRUE(WriteClosedSection(ini, {16.2, 0.5}));
  platform::IniFile back(Path());
  EXPECT_EQ(back.ReadString("Geschlossen", "Volumen", ""), "16.2");
  EXPECT_EQ(back.ReadString("Geschlossen", "Serienwiderstand", ""), "0.5");
  const auto read = ReadClosedSection(back);
  ASSERT_TRUE(read);
  EXPECT_DOUBLE_EQ(read->volume, 16.2);
  EXPECT_DOUBLE_EQ(read->seriesR, 0.5);
  // Out of range: neither key is touched.
  for (ClosedSavedValues bad : {ClosedSavedValues{2000, 0}, ClosedSavedValues{10, -1}, ClosedSavedValues{0, 0}}) {
    platform::IniFile again(Path());
    EXPECT_TRUE(WriteClosedSection(again, bad));
    EXPECT_EQ(platform::IniFile(Path()).ReadString("Geschlossen", "Volumen", ""), "16.2");
  }
  platform::IniFile hand(Path());
  hand.WriteString("Geschlossen", "Volumen", "2500");
  EXPECT_FALSE(ReadClosedSection(platform::IniFile(Path())));
  hand.WriteString("Geschlossen", "Volumen", "12a");
  EXPECT_FALSE(ReadClosedSection(platform::IniFile(Path())));
}

TEST(ClosedSectionValues, AVolumeTextThatIsNoNumberIsZeroAndNotKept) {
  const ClosedSavedValues v = ClosedValuesFromEdits("12a", "0");
  EXPECT_EQ(v.volume, 0);
  EXPECT_FALSE(ClosedValuesKeepable(v));
  EXPECT_TRUE(ClosedValuesKeepable(ClosedValuesFromEdits("16,2", "0,5")));
  EXPECT_EQ(ClosedStoredNumberText(123.456789012345), "123.456789012345");
  EXPECT_EQ(ClosedStoredNumberText(0.0000012), "0.0000012");
}

}  // namespace
}  // namespace velomare
