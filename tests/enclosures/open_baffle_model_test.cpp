// The open baffle's model: tuning frequency, the level against textbook high passes, the three
// alphas, validity limits, the Qtc read-out, the store and file curve, the kept path and the
// diagram's markers on a 635 x 465 window, worked out by hand from the axis formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "TestSupport.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/OpenBaffle.h"
#include "enclosures/model/ResponsePlot.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

const OpenBaffleDriver kDefault{0.41, 29, 244};

double Level(const OpenBaffleDriver& d, double halfPath, double f, double alpha) {
  return OpenBaffleLevel(d, halfPath, f, alpha).value();
}

TEST(OpenBaffleTuning, HalfPathAndTuningFrequencyFromThePathInCentimetres) {
  EXPECT_EQ((std::vector<double>{OpenBaffleHalfPath("100"), OpenBaffleHalfPath("1,5"), OpenBaffleHalfPath("abc"),
                                 OpenBaffleHalfPath("-100")}),
            (std::vector<double>{0.5, 0.0075, 0, -0.5}));
  // c / (2 path) with c = 340 m/s.
  EXPECT_DOUBLE_EQ(*OpenBaffleTuningFrequency(OpenBaffleHalfPath("20")), 850.0);
  EXPECT_DOUBLE_EQ(*OpenBaffleTuningFrequency(0.5), 170.0);
  EXPECT_EQ(OpenBaffleTuningText(0.1, true), "lower cut tuning frequency 850 Hz");
  EXPECT_EQ(OpenBaffleTuningText(OpenBaffleHalfPath("10"), false), "untere Grenzfrequ. der Abstimmung 1700 Hz");
  EXPECT_EQ(OpenBaffleTuningText(0.5, false), "untere Grenzfrequ. der Abstimmung 170 Hz");
  // 0.01 <= d <= 500 m: D from 2 to 100000 cm; the smallest tuning pads to three places.
  EXPECT_EQ(OpenBaffleTuningText(OpenBaffleHalfPath("100000"), true), "lower cut tuning frequency   0 Hz");
  EXPECT_EQ(OpenBaffleTuningText(OpenBaffleHalfPath("2"), true), "lower cut tuning frequency 8500 Hz");
  for (const char* bad : {"100001", "1", "0", "-100", "-", "", "abc", "1e999", "123456789012345678901234567890"})
    EXPECT_EQ(OpenBaffleTuningText(OpenBaffleHalfPath(bad), false), "-") << bad;
}

TEST(OpenBaffleLevel, BaffleTermAloneIsAFirstOrderHighPassAtTheTuningFrequency) {
  // |1 / (1 - j fu / f)|: -10 log10(2) at fu, -10 log10(1 + 4) an octave below, -10 log10(1.25) above.
  const OpenBaffleDriver none{};
  EXPECT_NEAR(*OpenBaffleLevel(none, 0.5, 170, 1, false), -10 * std::log10(2.0), 1e-12);
  EXPECT_NEAR(*OpenBaffleLevel(none, 0.5, 85, 1, false), -10 * std::log10(5.0), 1e-12);
  EXPECT_NEAR(*OpenBaffleLevel(none, 0.5, 340, 1, false), -10 * std::log10(1.25), 1e-12);
}

TEST(OpenBaffleLevel, AtResonanceTheDriverTermIsQtsAndTheDefaultDriverReadsMinus23Point23) {
  // A second-order high pass at its corner has the magnitude Q.
  for (double qts : {0.3, 0.41, 0.707, 2.0}) {
    const OpenBaffleDriver d{qts, 40, 50};
    const double baffle = -10 * std::log10(1 + std::pow(170.0 / 40, 2));
    EXPECT_NEAR(Level(d, 0.5, 40, kOpenBaffleFileAlpha), 20 * std::log10(qts) + baffle, 1e-9);
  }
  EXPECT_NEAR(Level(kDefault, 0.5, 29, kOpenBaffleFileAlpha), -23.23, 0.005);
}

TEST(OpenBaffleLevel, TendsToZeroFarAboveAndFallsEighteenDecibelsPerOctaveFarBelow) {
  EXPECT_NEAR(Level(kDefault, 0.5, 100000, 1), 0.0, 0.01);
  for (double f : {0.25, 0.5, 1.0})
    EXPECT_NEAR(Level(kDefault, 0.5, f / 2, 1) - Level(kDefault, 0.5, f, 1), -20 * std::log10(8.0), 0.02) << f;
}

TEST(OpenBaffleLevel, TheThreeAlphasDifferSlightlyAtLowFrequenciesAndAgreeHigh) {
  EXPECT_NEAR(OpenBaffleDiagramAlpha(244), 1.01, 1e-15);
  EXPECT_NEAR(OpenBaffleDiagramAlpha(0.5), 1.01, 1e-15);
  const OpenBaffleDriver d{0.8, 30, 100};
  for (double f : {1.0, 10.0}) {
    const double above = Level(d, 0.5, f, kOpenBaffleFileAlpha) - Level(d, 0.5, f, OpenBaffleDiagramAlpha(100));
    EXPECT_TRUE(above > 0.0 && above < 0.1) << f << " " << above;
    EXPECT_GT(Level(d, 0.5, f, kOpenBaffleReadoutAlpha), Level(d, 0.5, f, OpenBaffleDiagramAlpha(100)));
  }
  for (int f = 101; f <= 400; ++f)
    EXPECT_NEAR(Level(d, 0.5, f, kOpenBaffleFileAlpha), Level(d, 0.5, f, OpenBaffleDiagramAlpha(100)), 0.01) << f;
}

TEST(OpenBaffleLevel, UndefinedInputsGiveNoLevelInsteadOfANonFiniteOne) {
  for (double halfPath : {0.0, -0.5, 1e-300}) EXPECT_FALSE(OpenBaffleLevel(kDefault, halfPath, 100, 1)) << halfPath;
  for (double f : {0.0, std::nan("")}) EXPECT_FALSE(OpenBaffleLevel(kDefault, 0.5, f, 1)) << f;
  // Neither Qts nor fs may be zero or negative, each on its own.
  for (const OpenBaffleDriver& d : {OpenBaffleDriver{0, 29, 244}, OpenBaffleDriver{0.41, 0, 244}, OpenBaffleDriver{0.41, 1e-300, 244},
                                    OpenBaffleDriver{-0.41, 29, 244}, OpenBaffleDriver{0.41, -29, 244}})
    EXPECT_FALSE(OpenBaffleLevel(d, 0.5, 100, 1)) << d.qts << " " << d.fs;
}

TEST(OpenBaffleValidity, TheDiagramIsStricterThanStoreAndExport) {
  const struct {
    OpenBaffleDriver driver;
    const char* path;
    bool diagram, exported;
  } cases[] = {
      {kDefault, "20", true, true},         {kDefault, "1000", true, true},      {kDefault, "1001", false, true},
      {kDefault, "19", false, true},        {kDefault, "2", false, true},        {kDefault, "10", false, true},       {kDefault, "1", false, false},
      {kDefault, "abc", false, false},      {{0.1, 10, 1.01}, "100", true, true}, {{0.09, 29, 244}, "100", false, true},
      {{0.41, 29, 1}, "100", false, true},  {{0.41, 9.9, 244}, "100", false, true}, {{0.01, 1.01, 0.1}, "100", false, true},
      {{0.009, 29, 244}, "100", false, false}, {{0.41, 1, 244}, "100", false, false},
      {{0.41, 29, 0.09}, "100", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::pair(OpenBaffleDiagramValid(c.driver, OpenBaffleHalfPath(c.path)), OpenBaffleExportValid(c.driver, OpenBaffleHalfPath(c.path))),
              std::pair(c.diagram, c.exported)) << c.driver.qts << " " << c.driver.fs << " " << c.path;
  }
}

TEST(OpenBaffleQtc, AmplitudeOfTheClampedDiagramLevelAtTheWholeHertzOfFs) {
  EXPECT_NEAR(OpenBaffleQtc(kDefault, 0.5), 0.0689, 0.0001);
  EXPECT_EQ(OpenBaffleQtcText(OpenBaffleQtc(kDefault, 0.5), 29, false), "Einbaugüte Qtc= 0.1 bei 29 Hz ");
  EXPECT_EQ(OpenBaffleQtcText(OpenBaffleQtc({0.8, 30, 100}, 0.5), 30, true), "Quality in box Qtc= 0.1 at 30 Hz ");
  // fs 35.7: the level at 35 Hz, the number 36.
  const OpenBaffleDriver d{0.8, 35.7, 100};
  const double at35 = Level(d, 0.5, 35, OpenBaffleDiagramAlpha(100));
  EXPECT_NEAR(OpenBaffleQtc(d, 0.5), std::pow(10, at35 / 20), 1e-12);
  EXPECT_EQ(OpenBaffleQtcText(OpenBaffleQtc(d, 0.5), 35.7, false), "Einbaugüte Qtc= 0.2 bei 36 Hz ");
  // Below -30 dB the amplitude is that of -30 dB.
  EXPECT_NEAR(OpenBaffleQtc({0.1, 29, 244}, 0.1), std::pow(10, -1.5), 1e-12);
  // The 10..400 Hz loop never reaches a resonance above 400 Hz; an invalid diagram has none.
  EXPECT_EQ(OpenBaffleQtc({0.41, 401, 244}, 0.5), 0.0);
  EXPECT_GT(OpenBaffleQtc({0.41, 400.9, 244}, 0.5), 0.0);
  EXPECT_EQ(OpenBaffleQtc(kDefault, 0.05), 0.0);
}

TEST(OpenBaffleFile, CurveUsesAlphaOneUnclampedFromOneHertz) {
  const ComparisonLevels levels = OpenBaffleFileLevels(kDefault, 0.5);
  EXPECT_NEAR(levels[28], -23.23, 0.005);
  EXPECT_LT(levels[0], -100.0);  // far below the diagram's -30 dB floor
  EXPECT_NEAR(levels[399], Level(kDefault, 0.5, 400, 1), 0);
  for (double l : levels) EXPECT_TRUE(std::isfinite(l));
}

class OpenBaffleWithDriver : public test::ProgramTest {};

TEST_F(OpenBaffleWithDriver, ComparisonHeaderKeepsTheHalfPathInMetresAndTheCommittedDriver) {
  ChassisManufacturer = "VISATON";
  ChassisName = "W 300 NG (8 Ohm)";
  ChassisSpl = 91.5;
  const ComparisonHeader h = OpenBaffleComparisonHeader(0.5);
  EXPECT_EQ(h.BoxType, BoxType::OpenBaffle);
  EXPECT_EQ(h.DriverLabel, "VISATON W 300 NG (8 Ohm)");
  EXPECT_EQ((std::vector<double>{h.PortLength1, h.DriverSpl, h.Volume1 + h.Volume2 + h.PortArea1 + h.PortArea2 + h.PortLength2,
                                 double(h.Multiple + h.BoxQl)}),
            (std::vector<double>{0.5, 91.5, 0, 0}));
}

TEST_F(OpenBaffleWithDriver, KeptPathIsAWholeNumberFromOneToAThousand) {
  EXPECT_EQ((std::vector{OpenBafflePathToKeep("250"), OpenBafflePathToKeep("1"), OpenBafflePathToKeep("1000")}),
            (std::vector<std::optional<int>>{250, 1, 1000}));
  for (const char* bad : {"2500", "1001", "0", "100,5", "100.0", "1,5", "99.9", "-5", "abc", "", "007",
                          "123456789012345678901234567890"})
    EXPECT_FALSE(OpenBafflePathToKeep(bad)) << bad;

  const std::string path = settings->SettingsPath();
  for (const char* stored : {"Abstand=1500", "Abstand=0", "Abstand=5000", "Abstand=zwanzig", "Abstand=", "Other=5"}) {
    settings->WriteSettings(std::string("[Offen]\r\n") + stored + "\r\n");
    EXPECT_FALSE(ReadOpenBaffleSection(platform::IniFile(path))) << stored;
  }
  settings->WriteSettings("[Options]\r\nSaveBox=1\r\n[Offen]\r\nAbstand=250\r\n");
  EXPECT_EQ(ReadOpenBaffleSection(platform::IniFile(path)), 250);

  platform::IniFile ini(path);
  EXPECT_TRUE(WriteOpenBaffleSection(ini, "2500"));  // nothing to write
  EXPECT_EQ(test::ReadFileBytes(path), "[Options]\r\nSaveBox=1\r\n[Offen]\r\nAbstand=250\r\n");
  EXPECT_TRUE(WriteOpenBaffleSection(ini, "40"));
  EXPECT_EQ(test::ReadFileBytes(path), "[Options]\r\nSaveBox=1\r\n[Offen]\r\nAbstand=40\r\n");
}

TEST(OpenBafflePointer, CaptionsInBothLanguagesWithDecimalCommas) {
  EXPECT_EQ(OpenBafflePointerCaption(true, true, true, 45, -2.7), "open box (curve -2,7 dB at 45,0 Hz)");
  EXPECT_EQ(OpenBafflePointerCaption(false, false, true, 45, -2.7), "offenes Gehäuse ");
  EXPECT_EQ(OpenBafflePointerCaption(false, true, false, 45, -2.7), "offenes Gehäuse (Cursor 45,0Hz / -2,7dB)");
  EXPECT_EQ(OpenBafflePointerCaption(true, true, false, 45, -2.7), "open box (cursor 45,0Hz / -2,7dB)");
  EXPECT_EQ(OpenBafflePointerCaption(false, true, true, 45, -2.7), "offenes Gehäuse (Kurve -2,7 dB bei 45,0 Hz)");
  EXPECT_EQ(OpenBafflePointerCaption(true, false, false, 45, -2.7), "open box");
  EXPECT_EQ(OpenBaffleCaption(false), "offenes Gehäuse");
}

// The diagram of the designed 635 x 465 window: Q = 605, P = 320, 0 dB at y = 180, -3 dB at 204.
std::optional<ResponsePlot> Diagram(const OpenBaffleDriver& d, double halfPath, int w = 635, int h = 465) {
  return ComputeResponsePlot(OpenBafflePlotStyle(), w, h,
                             [&](double f) { return *OpenBaffleLevel(d, halfPath, f, OpenBaffleDiagramAlpha(d.vas)); });
}

const PlotItem* TextStarting(const ResponsePlot& plot, const std::string& prefix) {
  for (const PlotItem& item : plot.items)
    if (item.kind == PlotItem::Text && item.text.rfind(prefix, 0) == 0) return &item;
  return nullptr;
}
bool HasLine(const ResponsePlot& plot, int x1, int y1, int x2, int y2) {
  return std::any_of(plot.items.begin(), plot.items.end(), [&](const PlotItem& i) {
    return i.kind == PlotItem::Line && i.x1 == x1 && i.y1 == y1 && i.x2 == x2 && i.y2 == y2;
  });
}
std::string Shown(const ResponsePlot& plot, const std::string& prefix) {
  const PlotItem* item = TextStarting(plot, prefix);
  return item ? item->text : "";
}

TEST(OpenBaffleDiagram, MarksTheFirstMinus3AndTheFirstPeakLeftOfThemNearTheRightEdge) {
  const struct {
    OpenBaffleDriver driver;
    double halfPath;
    const char* marks;
  } cases[] = {
      {kDefault, 0.5, "-3dB bei 188 Hz|"},
      {{0.8, 30, 100}, 0.5, "-3dB bei 169 Hz|"},
      {{2, 50, 50}, 0.3, "-3dB bei 268 Hz|max. -8dB/60.0 Hz"},  // -3 dB first at 268 Hz, first peak at 60 Hz
      {{3, 80, 50}, 0.5, "-3dB bei  69 Hz|max.  3dB/85.0 Hz"},  // first peak 2.62 dB at 85 Hz
  };
  for (const auto& c : cases) {
    const ResponsePlot plot = Diagram(c.driver, c.halfPath).value();
    EXPECT_EQ(Shown(plot, "-3dB") + "|" + Shown(plot, "max."), c.marks) << c.driver.qts << " " << c.driver.fs;
  }
  // x(188) = Trunc(15 + 376.37 log10(18.8)) = 494; marks at x 552 and 548 stand 155 pixels to the left.
  const auto plain = Diagram(kDefault, 0.5), left3 = Diagram({2, 50, 50}, 0.3), leftPeak = Diagram({3, 250, 50}, 0.5);
  const auto at = [](const ResponsePlot& plot, const char* prefix) {
    return std::make_pair(TextStarting(plot, prefix)->x1, TextStarting(plot, prefix)->y1);
  };
  EXPECT_EQ((std::vector{at(*plain, "-3dB"), at(*left3, "-3dB"), at(*leftPeak, "max.")}),
            (std::vector<std::pair<int, int>>{{549, 365}, {552 - 155, 365}, {548 - 155, 265}}));
  EXPECT_TRUE(HasLine(*plain, 494, 204, 579, 365) && HasLine(*left3, 552, 204, 552 - 115, 365) &&
              HasLine(*leftPeak, 548, 115, 548 - 115, 265));
  EXPECT_EQ(plain->cutoffFrequency + 1000 * plain->peakFrequency, 188 + 400000);
  EXPECT_EQ(left3->peakFrequency, 60);
  EXPECT_EQ(Shown(*leftPeak, "max."), "max.  8dB/261.0 Hz");  // the first peak 8.16 dB at 261 Hz
  EXPECT_EQ(plain->curve.front(), std::make_pair(15, 420));
  EXPECT_EQ(plain->curve.size(), 392u);
  // Frame without the right-hand line: top, bottom and left only.
  EXPECT_TRUE(HasLine(*plain, 15, 100, 15, 420) && HasLine(*plain, 15, 420, 620, 420) && HasLine(*plain, 15, 100, 620, 100) &&
              !HasLine(*plain, 620, 100, 620, 420));
  EXPECT_NEAR(OpenBaffleQtc({3, 80, 50}, 0.5), 1.277, 0.001);
  // -3 dB reached only at the last point, 400 Hz: still marked, to the left.
  const auto at400 = ComputeResponsePlot(OpenBafflePlotStyle(), 635, 465, [](double f) { return (f - 400) / 10 - 3; });
  EXPECT_EQ(Shown(*at400, "-3dB"), "-3dB bei 400 Hz");
}

TEST(OpenBaffleDiagram, PeakAtTwoHundredIsMarkedRightAndAt201Left) {
  const auto peakAt = [](double fp) {
    return *ComputeResponsePlot(OpenBafflePlotStyle(), 635, 465, [fp](double f) { return -(f - fp) * (f - fp) / 1000; });
  };
  const ResponsePlot at200 = peakAt(200), at201 = peakAt(201);
  const PlotItem *right = TextStarting(at200, "max."), *left = TextStarting(at201, "max.");
  ASSERT_TRUE(right && left);
  const PlotGeometry g{635, 465, 100};
  EXPECT_EQ(std::pair(right->x1, left->x1), std::pair(g.X(200, FrequencyAxis::Logarithmic), g.X(201, FrequencyAxis::Logarithmic) - 155));
  EXPECT_EQ(std::count_if(at200.items.begin(), at200.items.end(), [](const PlotItem& i) { return i.kind == PlotItem::Square; }), 2);
}

TEST(OpenBaffleDiagram, NothingInAWindowShorterThan146Pixels) {
  EXPECT_FALSE(Diagram(kDefault, 0.5, 635, 145) || Diagram(kDefault, 0.5, 30, 465));
  EXPECT_TRUE(Diagram(kDefault, 0.5, 635, 146));
  const PointerReading r = ReadPointer(OpenBafflePlotStyle(), 635, 120, 300, 110);
  EXPECT_TRUE(r.inArea && r.frequency == 0.0 && r.level == 0.0);
}

}  // namespace
}  // namespace velomare
