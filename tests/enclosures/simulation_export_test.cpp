// The simulation export file of all five box types, byte for byte: header, box lines, number
// formats under the comma rule (and its one exception), the response table, CR LF and the
// Windows-1252 bytes of the German labels.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "TestSupport.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ClosedBox.h"
#include "enclosures/model/SimulationExport.h"

namespace velomare {
namespace {

ExportDriver ExampleDriver() {
  ExportDriver d;
  d.manufacturer = "Maker";
  d.name = "Model";
  d.qts = 0.35;
  d.qes = 0.38;
  d.fs = 30;
  d.vas = 50;
  d.spl = *ReferenceSpl(30, 50, 0.38);
  return d;
}

SimulationExport ExampleClosedBox(bool english, int drivers = 1) {
  const ClosedDriver driver{0.35, 6.0, 30.0, 50.0, 0.5};
  ClosedDesign design;
  ClosedDesignFromQtc(design, {"0,707", "", "0", drivers - 1, true}, driver, english);
  SimulationExport data;
  data.driver = ExampleDriver();
  data.box = ClosedExportValues{design.qtc, design.volume, design.driverCount, design.seriesR};
  const ClosedResponse r = ClosedResponseOf(design, driver);
  for (int f = 1; f <= 400; ++f) data.levels[f - 1] = *ClosedResponseLevel(r, f);
  data.english = english;
  return data;
}

TEST(SimulationExport, GermanClosedBoxExampleLineByLine) {
  const auto bytes = ComposeSimulationExport(ExampleClosedBox(false));
  ASSERT_TRUE(bytes);
  const auto lines = test::SplitCrLfLines(*bytes);
  ASSERT_EQ(lines.size(), 416u);
  EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
  EXPECT_EQ(lines[0], "Velomare simulations export file, Version 3.2.5");
  EXPECT_EQ(lines[1], "Maker\tModel");
  EXPECT_EQ(lines[2], "Qts\t0,35");
  EXPECT_EQ(lines[3], "Qes\t0,38");
  EXPECT_EQ(lines[4], "fs (Hz)\t30,0");
  EXPECT_EQ(lines[5], "Vas (l)\t50,0");
  EXPECT_EQ(lines[6], "SPL (dB)\t87,4");
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[8], "Einbau in geschlossenes Geh\xE4use");  // one Windows-1252 byte for the umlaut
  EXPECT_EQ(lines[9], "");
  EXPECT_EQ(lines[10], "Qtc\t0,707");
  EXPECT_EQ(lines[11], "volumen (l)\t16,232");
  EXPECT_EQ(lines[12], "chassis\t1");
  EXPECT_EQ(lines[13], "Rseriell\t0,000");
  EXPECT_EQ(lines[14], "");
  EXPECT_EQ(lines[15], "f (Hz)\tlevel (dB)");
  EXPECT_EQ(lines[16], "1\t-71,30");
  EXPECT_EQ(lines[17], "2\t-59,26");
  EXPECT_EQ(lines[16 + 59], "60\t-3,10");
  EXPECT_EQ(lines[415].substr(0, 4), "400\t");
}

TEST(SimulationExport, EnglishClosedBoxKeepsPointsAndTheSameIntegers) {
  const auto lines = test::SplitCrLfLines(*ComposeSimulationExport(ExampleClosedBox(true, 3)));
  ASSERT_EQ(lines.size(), 416u);
  EXPECT_EQ(lines[8], "in closed box");
  EXPECT_EQ(lines[10], "Qtc\t0.707");
  EXPECT_EQ(lines[12], "chassis\t3");
  EXPECT_EQ(lines[6], "SPL (dB)\t87.4");
  EXPECT_EQ(lines[16 + 59].substr(0, 3), "60\t");
  EXPECT_EQ(lines[415].substr(0, 4), "400\t");
}

TEST(SimulationExport, ReflexLayout) {
  SimulationExport data;
  data.driver = ExampleDriver();
  data.box = ReflexExportValues{40.5, 2, 7, 0.25, 3, 7.04, 12.35};
  for (bool english : {false, true}) {
    data.english = english;
    const auto lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
    ASSERT_EQ(lines.size(), 419u);
    EXPECT_EQ(lines[8], english ? "in vented reflex box" : "Einbau in Bassreflex-Geh\xE4use");
    EXPECT_EQ(lines[10], english ? "volumen (l)\t40.500" : "volumen (l)\t40,500");
    EXPECT_EQ(lines[11], "chassis\t2");
    EXPECT_EQ(lines[12], "Ql\t7");
    EXPECT_EQ(lines[13], english ? "Rserial (ohms)\t0.250" : "Rseriell (Ohm)\t0,250");
    EXPECT_EQ(lines[14], english ? "tubes\t3" : "Rohre\t3");
    EXPECT_EQ(lines[15], english ? "diameter (cm)\t7.0" : "Durchmesser (cm)\t7,0");
    EXPECT_EQ(lines[16], english ? "length (cm)\t12.3" : "L\xE4nge (cm)\t12,3");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "f (Hz)\tlevel (dB)");
  }
}

TEST(SimulationExport, ClosedBandpassLayoutWithTunnelAndTube) {
  SimulationExport data;
  data.driver = ExampleDriver();
  ClosedBandpassExportValues v{true, 20.0, 30.0, 10, 8.47, 22.0, true, "12", "6,5"};
  data.box = v;
  data.english = true;
  auto lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  ASSERT_EQ(lines.size(), 418u);
  EXPECT_EQ(lines[8], "in closed band pass box with push-pull");
  EXPECT_EQ(lines[10], "volumen g (l)\t20.000");
  EXPECT_EQ(lines[11], "volumen reflex (l)\t30.000");
  EXPECT_EQ(lines[12], "Ql\t10");
  EXPECT_EQ(lines[13], "tube diameter (cm)\t8.5");
  EXPECT_EQ(lines[14], "tube length (cm)\t22.0");
  EXPECT_EQ(lines[15], "rectangle port 12 x 6,5 cm used");
  v.pushPull = false;
  v.rectangularPort = false;
  data.box = v;
  data.english = false;
  lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  EXPECT_EQ(lines[8], "Einbau in Bandpass-Geh\xE4use");
  EXPECT_EQ(lines[13], "Rohrdurchmesser\t8,5");
  EXPECT_EQ(lines[14], "Rohrl\xE4nge (cm)\t22,0");
  EXPECT_EQ(lines[15], "Rohr verwendet");
  v.rectangularPort = true;
  data.box = v;
  EXPECT_EQ(test::SplitCrLfLines(*ComposeSimulationExport(data))[15], "rechteckiger Tunnel 12 x 6,5 cm verwendet");
}

TEST(SimulationExport, VentedBandpassTubesTakeTheCommaInEnglishAndThePointInGerman) {
  SimulationExport data;
  data.driver = ExampleDriver();
  data.box = VentedBandpassExportValues{false, 25.0, 35.5, 12, 10.0, 15.25, 8.0, 20.0};
  data.english = true;
  auto lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  ASSERT_EQ(lines.size(), 419u);
  EXPECT_EQ(lines[8], "vented band pass box 6th order");
  EXPECT_EQ(lines[10], "volumen 1 (l)\t25.000");
  EXPECT_EQ(lines[11], "volumen 2 (l)\t35.500");
  EXPECT_EQ(lines[12], "Ql\t12");
  EXPECT_EQ(lines[13], "tube diameter 1 (cm)\t10,0");
  EXPECT_EQ(lines[14], "tube length 1(cm)\t15,2");
  EXPECT_EQ(lines[15], "tube diameter 2 (cm)\t8,0");
  EXPECT_EQ(lines[16], "tube length 2 (cm)\t20,0");
  data.english = false;
  data.box = VentedBandpassExportValues{true, 25.0, 35.5, 12, 10.0, 15.25, 8.0, 20.0};
  lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  EXPECT_EQ(lines[8], "Einbau in ventilierten Bandpass 6. Ordnung mit Push-Pull (Isobarik)");
  EXPECT_EQ(lines[10], "volumen 1 (l)\t25,000");
  EXPECT_EQ(lines[13], "Rohrdurchmesser 1 (cm)\t10.0");
  EXPECT_EQ(lines[14], "Rohrl\xE4nge 1\t15.2");
  EXPECT_EQ(lines[16], "Rohrl\xE4nge 2 (cm)\t20.0");
}

TEST(SimulationExport, OpenBaffleLayout) {
  SimulationExport data;
  data.driver = ExampleDriver();
  data.box = OpenBaffleExportValues{0.1251};
  auto lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  ASSERT_EQ(lines.size(), 413u);
  EXPECT_EQ(lines[8], "Einbau in offenes Geh\xE4use");
  EXPECT_EQ(lines[10], "Abstand (m)\t0,13");
  data.english = true;
  lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  EXPECT_EQ(lines[8], "in open box");
  EXPECT_EQ(lines[10], "distance (m)\t0.13");
  EXPECT_EQ(lines[12], "f (Hz)\tlevel (dB)");
}

TEST(SimulationExport, NamesAreWrittenInWindows1252AndUnknownCharactersAsQuestionMarks) {
  SimulationExport data = ExampleClosedBox(false);
  data.driver.manufacturer = "Müller";
  data.driver.name = "Typ \xE2\x82\xAC \xE4\xB8\xAD";  // euro sign and a CJK character
  const auto lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  EXPECT_EQ(lines[1], "M\xFCller\tTyp \x80 ?");
}

TEST(SimulationExport, ANonFiniteNumberWritesNoFile) {
  SimulationExport data = ExampleClosedBox(false);
  data.levels[17] = std::nan("");
  EXPECT_FALSE(ComposeSimulationExport(data));
  data = ExampleClosedBox(false);
  data.box = ClosedExportValues{INFINITY, 10, 1, 0};
  EXPECT_FALSE(ComposeSimulationExport(data));
}

TEST(SimulationExport, DefaultNamesExtensionAndMessages) {
  EXPECT_STREQ(ExportDefaultName(ClosedExportValues{}), "closed");
  EXPECT_STREQ(ExportDefaultName(ReflexExportValues{}), "reflex");
  EXPECT_STREQ(ExportDefaultName(ClosedBandpassExportValues{}), "bandpass");
  EXPECT_STREQ(ExportDefaultName(VentedBandpassExportValues{}), "ventedbandpass");
  EXPECT_STREQ(ExportDefaultName(OpenBaffleExportValues{}), "open");
  EXPECT_EQ(WithDefaultExportExtension("/tmp/a/closed"), "/tmp/a/closed.txt");
  EXPECT_EQ(WithDefaultExportExtension("/tmp/a.b/closed"), "/tmp/a.b/closed.txt");
  EXPECT_EQ(WithDefaultExportExtension("/tmp/a/closed.csv"), "/tmp/a/closed.csv");
  EXPECT_EQ(export_text::OverwriteQuestion("/x/closed.txt"), "überschreibe / overwrite /x/closed.txt ?");
}

TEST(SimulationExport, SensitivityFromTheCommittedDriver) {
  ResetCommittedDriver();
  ChassisFs = 30;
  ChassisVas = 50;
  ChassisQes = 0.38;
  ChassisSpl = 99.0;
  // 112 + 10 log10(eta0), eta0 = 4 pi^2 fs^3 Vas / (c^3 Qes) with c = 343 m/s.
  const double eta0 = 4 * M_PI * M_PI * 27000.0 * 0.050 / (343.0 * 343.0 * 343.0 * 0.38);
  EXPECT_NEAR(ExportDriverFromCommitted(ExportSensitivity::ComputedNow).spl, 112 + 10 * std::log10(eta0), 0.01);
  EXPECT_EQ(ExportDriverFromCommitted(ExportSensitivity::Committed).spl, 99.0);
  ChassisQes = 0;
  EXPECT_EQ(ExportDriverFromCommitted(ExportSensitivity::ComputedNow).spl, 0.0);
  ResetCommittedDriver();
}

}  // namespace
}  // namespace velomare
