// Reading export files back: every layout the export writer makes, in both languages, with its
// box type and header; the response table's counting rules; the 440-line window; the messages;
// and that only an accepted file changes a slot.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "common/Encoding.h"
#include "enclosures/model/ClosedBox.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/SimulationExport.h"
#include "enclosures/model/SimulationImport.h"

namespace velomare {
namespace {

// A level that differs at every frequency, so a shifted row shows.
double Ramp(int f) { return -20 + 0.05 * f; }

std::string Export(const ExportBoxValues& box, bool english) {
  SimulationExport data{{"Maker", "Model", 0.35, 0.38, 30, 50, 87.41}, box, {}, english};
  for (int f = 1; f <= 400; ++f) data.levels[static_cast<std::size_t>(f - 1)] = Ramp(f);
  return *ComposeSimulationExport(data);
}

// A header, a "f (Hz)" line and `rows` rows "k<TAB>level" with LF or CR LF ends.
std::string Table(int rows, const std::string& eol = "\r\n") {
  std::string s = "banner" + eol + "Maker\tModel" + eol + "SPL (dB)\t90,0" + eol + eol + "in closed box" + eol + eol +
                  "f (Hz)\tlevel (dB)" + eol;
  for (int k = 1; k <= rows; ++k) s += std::to_string(k) + "\t" + std::to_string(k % 7) + ",5" + eol;
  return s;
}

class Import : public ::testing::Test {
 protected:
  void SetUp() override { ResetComparisonStore(); }
  void TearDown() override { ResetComparisonStore(); }
};

TEST_F(Import, EveryLayoutInBothLanguagesComesBackWithItsTypeHeaderAndLevels) {
  const ClosedBandpassExportValues cbp{true, 20, 30, 10, 8, 20, false, "10", "10"}, single{false, 20, 30, 10, 8, 20, false, "10", "10"};
  const struct {
    ExportBoxValues box;
    BoxType type;
    int multiple, ql;
    double volume1, volume2, area1, area2, length1, length2;
  } cases[] = {
      // The closed box writes no "Ql" line: 1. The open baffle's distance line is left aside.
      {ClosedExportValues{0.707, 36.5, 3, 0.2}, BoxType::Closed, 3, 1, 36.5, 0, 0, 0, 0, 0},
      {ReflexExportValues{80, 2, 7, 0, 2, 7.0, 12.5}, BoxType::BassReflex, 2, 7, 80, 0, 2 * 38.4845, 0, 12.5, 0},
      {cbp, BoxType::ClosedBandpass, 2, 10, 20, 30, 50.2655, 0, 20, 0},
      {single, BoxType::ClosedBandpass, 1, 10, 20, 30, 50.2655, 0, 20, 0},
      {VentedBandpassExportValues{true, 25, 35, 9, 6, 15, 10, 30}, BoxType::VentedBandpass, 2, 9, 25, 35, 28.2743,
       78.5398, 15, 30},
      {OpenBaffleExportValues{0.25}, BoxType::OpenBaffle, 1, 1, 0, 0, 0, 0, 0, 0},
  };
  for (bool english : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(english ? "English " : "German ") + std::to_string(static_cast<int>(c.type)));
      const auto r = ReadSimulationFile(Export(c.box, english));
      ASSERT_EQ(r.outcome, SimulationImport::Accepted);
      const ComparisonHeader& h = r.header;
      EXPECT_TRUE(h.BoxType == c.type && h.Multiple == c.multiple && h.BoxQl == c.ql) << int(h.Multiple) << " " << h.BoxQl;
      const double read[] = {h.Volume1, h.Volume2, h.PortArea1, h.PortArea2, h.PortLength1, h.PortLength2};
      const double expected[] = {c.volume1, c.volume2, c.area1, c.area2, c.length1, c.length2};
      for (int i = 0; i < 6; ++i) EXPECT_NEAR(read[i], expected[i], 1e-3) << i;
      EXPECT_NEAR(h.DriverSpl, 87.4, 1e-9);
      EXPECT_EQ(h.DriverLabel, "Maker Model");
      for (int f = 1; f <= 400; ++f) EXPECT_NEAR(r.curve[static_cast<std::size_t>(f)], Ramp(f), 0.005 + 1e-9) << f;
    }
  }
}

TEST_F(Import, PortAreaBelowFiveSquareCentimetresBecomesTen) {
  EXPECT_NEAR(ReadSimulationFile(Export(ReflexExportValues{50, 1, 7, 0, 1, 2.0, 10}, true)).header.PortArea1, 10, 1e-12);
  EXPECT_NEAR(ReadSimulationFile(Export(ReflexExportValues{50, 1, 7, 0, 1, 2.6, 10}, true)).header.PortArea1, 5.309, 1e-3);
}

// `rows` table rows "k<TAB>level" after a "f (Hz)" line; `change` may rewrite one row's text.
std::string Rows(int rows, int changed = 0, const std::string& change = "") {
  std::string s = "f (Hz)\tL\r\n";
  for (int k = 1; k <= rows; ++k) s += (k == changed ? change : std::to_string(k) + "\t" + std::to_string(k)) + "\r\n";
  return s;
}

TEST_F(Import, OnlyATableOf400NumericLevelsOnRowsNumberedByTheirFrequencyIsAccepted) {
  const struct {
    const char* name;
    std::string file;
    int numeric, matching;
    bool accepted;
  } cases[] = {
      {"400 rows", Table(400), 400, 400, true},
      {"400 rows, LF", Table(400, "\n"), 400, 400, true},
      {"420 rows", Table(420), 420, 420, true},
      {"399 rows", Table(399), 399, 399, false},
      {"one level no number", Rows(400, 250, "250\tx"), 399, 400, false},
      {"one frequency off its row", Rows(400, 250, "251\t250"), 400, 399, false},
      {"frequencies cut to whole numbers", Rows(400, 2, "2,9\t2"), 400, 400, true},
      {"rows from 2 Hz", Rows(401).replace(10, 5, ""), 400, 0, false},
      // A row without a TAB repeats the previous level and shifts the rest.
      {"text line", Rows(400).insert(Rows(400).find("3\t3\r\n"), "just text\r\n"), 400, 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SimulationImport r = ReadSimulationFile(c.file);
    EXPECT_EQ(std::pair(r.numericLevels, r.matchingRows), std::pair(c.numeric, c.matching));
    EXPECT_EQ(r.outcome, c.accepted ? SimulationImport::Accepted : SimulationImport::Incomplete);
    EXPECT_EQ(r.curve[0], c.accepted ? 1.0 : 0.0);
  }
  // Rows read before the table broke hold their levels from row 1 on: 1, 2, then 2 again for the text line.
  const ComparisonCurve broken = ReadSimulationFile(cases[8].file).curve;
  EXPECT_EQ(std::vector(broken.begin() + 1, broken.begin() + 4), std::vector({1.0, 2.0, 2.0}));
  // "1,0" is row 1; "1.9" is 1 too, but stands on row 2.
  EXPECT_EQ(ReadSimulationFile("x\r\ny\r\nf (Hz)\tL\r\n1,0\t1\r\n1.9\t2\r\n").matchingRows, 1);
  const auto r = ReadSimulationFile(Table(399));
  EXPECT_EQ(import_text::Outcome(r, 2, true), "read no data from file, error:399-399");
  EXPECT_EQ(import_text::Outcome(r, 2, false), "Konnte nicht alle Werte aus Datei einlesen, Fehler:399-399");
  // The window's language, not the file's.
  const auto accepted = ReadSimulationFile(Export(OpenBaffleExportValues{0.1}, true));
  EXPECT_EQ(import_text::Outcome(accepted, 3, false), "Alle Werte aus Datei in #3 eingelesen");
  EXPECT_EQ(import_text::Outcome(accepted, 3, true), "read all values from file to #3");
  EXPECT_EQ(import_text::Outcome(ReadSimulationFile("no table"), 1, true), "Konnte Werte aus Datei nicht auslesen");
}

TEST_F(Import, ClosedBoxRoundTripMatchesTheSecondOrderHighPass) {
  const ClosedDriver driver{0.35, 6.0, 30.0, 50.0, 0.5};
  ClosedDesign design;
  ClosedDesignFromQtc(design, {"0,707", "", "0", 0, true}, driver, false);
  SimulationExport data{{"Maker", "Model", 0.35, 0.38, 30, 50, 87.41},
                        ClosedExportValues{design.qtc, design.volume, design.driverCount, design.seriesR}};
  const ClosedResponse r = ClosedResponseOf(design, driver);
  for (int f = 1; f <= 400; ++f) data.levels[static_cast<std::size_t>(f - 1)] = *ClosedResponseLevel(r, f);
  const auto read = ReadSimulationFile(*ComposeSimulationExport(data));
  ASSERT_EQ(read.outcome, SimulationImport::Accepted);
  for (int f = 1; f <= 400; ++f) {
    const double x = f / design.fc, q = design.qtc;
    const double textbook = 10 * std::log10(std::pow(x, 4) / (std::pow(1 - x * x, 2) + x * x / (q * q)));
    EXPECT_NEAR(read.curve[static_cast<std::size_t>(f)], textbook, 0.005 + 1e-6) << f;
  }
  EXPECT_NEAR(read.header.Volume1, std::round(design.volume * 1000) / 1000, 1e-9);
}

TEST_F(Import, MissingSplLineGivesSeventyFiveAndTheTypeFromTheDriverLine) {
  std::string s = "banner\r\nreflex maker\tsomething\r\n\r\nf (Hz)\tL\r\n";
  for (int f = 1; f <= 400; ++f) s += std::to_string(f) + "\t0\r\n";
  const auto r = ReadSimulationFile(s);
  ASSERT_EQ(r.outcome, SimulationImport::Accepted);
  EXPECT_EQ(r.header.BoxType, BoxType::BassReflex);
  EXPECT_EQ(r.header.DriverLabel, "reflex maker something");
  EXPECT_EQ(r.header.DriverSpl + r.header.PortArea1, 75 + 10);  // no diameter: the port area's floor
}

TEST_F(Import, LinesAfterTheFourHundredFortiethAreIgnored) {
  std::string s = Table(400);  // 407 lines
  for (int k = 408; k <= 440; ++k) s += "extra\r\n";
  for (int k = 0; k < 10000; ++k) s += "f (Hz)\tjunk\r\n";
  EXPECT_EQ(ReadSimulationFile(s).outcome, SimulationImport::Accepted);
}

TEST_F(Import, KeyLinesAtTheEndOfTheTableReadAsEmptyBeyondIt) {
  std::string s;
  for (int k = 1; k < 439; ++k) s += "filler\r\n";
  s += "SPL (dB)\t99\r\nf (Hz)\tx\r\n";
  const auto r = ReadSimulationFile(s);
  EXPECT_TRUE(r.outcome == SimulationImport::Incomplete && r.header.DriverSpl == 99) << r.header.DriverSpl;
  EXPECT_EQ(r.header.BoxType, BoxType::OpenBaffle);  // line 441 reads as empty
}

TEST_F(Import, HeaderNumbersAreClampedAndTheDriverCountCappedAt255) {
  std::string s = Export(ClosedExportValues{0.7, 5000, 1, 0}, false);
  const std::size_t at = s.find("chassis\t1");
  s.replace(at, 9, "chassis\t99999999999999999999");
  const std::size_t splAt = s.find("SPL (dB)\t");
  s.replace(splAt, s.find("\r\n", splAt) - splAt, "SPL (dB)\t500");
  const auto r = ReadSimulationFile(s);
  ASSERT_EQ(r.outcome, SimulationImport::Accepted);
  EXPECT_EQ((std::vector<double>{double(r.header.Multiple), r.header.Volume1, r.header.DriverSpl}),
            (std::vector<double>{255, 2000, 120}));
}

TEST_F(Import, BadBytesNeverCrashAndNeverFillASlot) {
  const std::vector<std::string> files = {"", std::string(1000, '\0'), "f (Hz)", "f (Hz)\t\r\n1\t", std::string("f (Hz)\0\t1", 9),
                                          std::string(3'000'000, 'x')};
  for (const std::string& f : files) EXPECT_NE(ReadSimulationFile(f).outcome, SimulationImport::Accepted);
}

TEST_F(Import, StoringAnImportKeepsTheReadersHeaderAndOnlyAnAcceptedOneIsStored) {
  const auto r = ReadSimulationFile(Export(ClosedExportValues{0.707, 36.5, 1, 0}, true));
  ASSERT_TRUE(StoreImportedCurve(2, r.curve, r.header));
  EXPECT_TRUE(ComparisonSlotFilled(2) && ComparisonHeaderOf(2).BoxQl == 1);
  EXPECT_NEAR(ComparisonCurveOf(2)[400], Ramp(400), 0.005 + 1e-9);
  ComparisonCurve bad = r.curve;
  bad[17] = std::nan("");
  EXPECT_FALSE(StoreImportedCurve(2, bad, r.header));
  EXPECT_NEAR(ComparisonCurveOf(2)[17], Ramp(17), 0.005 + 1e-9);
  EXPECT_FALSE(StoreImportedCurve(5, r.curve, r.header));
}

}  // namespace
}  // namespace velomare
