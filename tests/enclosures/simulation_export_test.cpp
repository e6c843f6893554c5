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

ExportDriver ExampleDriver() { return {"Maker", "Model", 0.35, 0.38, 30, 50, *ReferenceSpl(30, 50, 0.38)}; }

SimulationExport ExampleClosedBox(bool english, int drivers = 1) {
  const ClosedDriver driver{0.35, 6.0, 30.0, 50.0, 0.5};
  ClosedDesign design;
  ClosedDesignFromQtc(design, {"0,707", "", "0", drivers - 1, true}, driver, english);
  SimulationExport data{ExampleDriver(), ClosedExportValues{design.qtc, design.volume, design.driverCount, design.seriesR}};
  const ClosedResponse r = ClosedResponseOf(design, driver);
  for (int f = 1; f <= 400; ++f) data.levels[f - 1] = *ClosedResponseLevel(r, f);
  data.english = english;
  return data;
}

// The box block of a file: from its ninth line to the end of the table's heading line.
std::string BoxBlock(const SimulationExport& data) {
  const std::string bytes = *ComposeSimulationExport(data);
  std::size_t at = 0;
  for (int line = 0; line < 8; ++line) at = bytes.find("\r\n", at) + 2;
  const std::size_t table = bytes.find("f (Hz)\tlevel (dB)\r\n");
  return bytes.substr(at, table + 19 - at);
}

TEST(SimulationExport, ClosedBoxExampleByteForByte) {
  const auto bytes = ComposeSimulationExport(ExampleClosedBox(false));
  ASSERT_TRUE(bytes);
  const auto lines = test::SplitCrLfLines(*bytes);
  ASSERT_EQ(lines.size(), 416u);
  EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
  EXPECT_EQ(bytes->substr(0, bytes->find("1\t-71")),
            "Velomare simulations export file, Version 3.2.5\r\nMaker\tModel\r\nQts\t0,35\r\nQes\t0,38\r\n"
            "fs (Hz)\t30,0\r\nVas (l)\t50,0\r\nSPL (dB)\t87,4\r\n\r\n"
            "Einbau in geschlossenes Geh\xE4use\r\n\r\n"  // one Windows-1252 byte for the umlaut
            "Qtc\t0,707\r\nvolumen (l)\t16,232\r\nchassis\t1\r\nRseriell\t0,000\r\n\r\nf (Hz)\tlevel (dB)\r\n");
  EXPECT_EQ(lines[16] + "|" + lines[17] + "|" + lines[16 + 59], "1\t-71,30|2\t-59,26|60\t-3,10");
  EXPECT_EQ(lines[415].substr(0, 4), "400\t");
  // English: points, the same integers.
  const auto english = test::SplitCrLfLines(*ComposeSimulationExport(ExampleClosedBox(true, 3)));
  ASSERT_EQ(english.size(), 416u);
  EXPECT_EQ(english[6] + "|" + english[8] + "|" + english[10] + "|" + english[12],
            "SPL (dB)\t87.4|in closed box|Qtc\t0.707|chassis\t3");
  EXPECT_EQ(english[16 + 59].substr(0, 3), "60\t");
  EXPECT_EQ(english[415].substr(0, 4), "400\t");
}

TEST(SimulationExport, LayoutsOfTheOtherBoxesInBothLanguages) {
  SimulationExport data{ExampleDriver()};
  const ClosedBandpassExportValues tunnel{true, 20.0, 30.0, 10, 8.47, 22.0, true, "12", "6,5"};
  ClosedBandpassExportValues tube = tunnel;
  tube.pushPull = tube.rectangularPort = false;
  const struct {
    ExportBoxValues box;
    bool english;
    std::size_t lines;
    const char* block;
  } cases[] = {
      {ReflexExportValues{40.5, 2, 7, 0.25, 3, 7.04, 12.35}, false, 419,
       "Einbau in Bassreflex-Geh\xE4use\r\n\r\nvolumen (l)\t40,500\r\nchassis\t2\r\nQl\t7\r\nRseriell (Ohm)\t0,250\r\n"
       "Rohre\t3\r\nDurchmesser (cm)\t7,0\r\nL\xE4nge (cm)\t12,3\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
      {ReflexExportValues{40.5, 2, 7, 0.25, 3, 7.04, 12.35}, true, 419,
       "in vented reflex box\r\n\r\nvolumen (l)\t40.500\r\nchassis\t2\r\nQl\t7\r\nRserial (ohms)\t0.250\r\n"
       "tubes\t3\r\ndiameter (cm)\t7.0\r\nlength (cm)\t12.3\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
      {tunnel, true, 418,
       "in closed band pass box with push-pull\r\n\r\nvolumen g (l)\t20.000\r\nvolumen reflex (l)\t30.000\r\nQl\t10\r\n"
       "tube diameter (cm)\t8.5\r\ntube length (cm)\t22.0\r\nrectangle port 12 x 6,5 cm used\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
      {tube, false, 418,
       "Einbau in Bandpass-Geh\xE4use\r\n\r\nvolumen g (l)\t20,000\r\nvolumen reflex (l)\t30,000\r\nQl\t10\r\n"
       "Rohrdurchmesser\t8,5\r\nRohrl\xE4nge (cm)\t22,0\r\nRohr verwendet\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
      {ClosedBandpassExportValues{false, 20.0, 30.0, 10, 8.47, 22.0, true, "12", "6,5"}, false, 418,
       "Einbau in Bandpass-Geh\xE4use\r\n\r\nvolumen g (l)\t20,000\r\nvolumen reflex (l)\t30,000\r\nQl\t10\r\n"
       "Rohrdurchmesser\t8,5\r\nRohrl\xE4nge (cm)\t22,0\r\nrechteckiger Tunnel 12 x 6,5 cm verwendet\r\n\r\n"
       "f (Hz)\tlevel (dB)\r\n"},
      // The vented bandpass's tubes take the comma in English and the point in German.
      {VentedBandpassExportValues{false, 25.0, 35.5, 12, 10.0, 15.25, 8.0, 20.0}, true, 419,
       "vented band pass box 6th order\r\n\r\nvolumen 1 (l)\t25.000\r\nvolumen 2 (l)\t35.500\r\nQl\t12\r\n"
       "tube diameter 1 (cm)\t10,0\r\ntube length 1(cm)\t15,2\r\ntube diameter 2 (cm)\t8,0\r\n"
       "tube length 2 (cm)\t20,0\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
      {VentedBandpassExportValues{true, 25.0, 35.5, 12, 10.0, 15.25, 8.0, 20.0}, false, 419,
       "Einbau in ventilierten Bandpass 6. Ordnung mit Push-Pull (Isobarik)\r\n\r\nvolumen 1 (l)\t25,000\r\n"
       "volumen 2 (l)\t35,500\r\nQl\t12\r\nRohrdurchmesser 1 (cm)\t10.0\r\nRohrl\xE4nge 1\t15.2\r\n"
       "Rohrdurchmesser 2 (cm)\t8.0\r\nRohrl\xE4nge 2 (cm)\t20.0\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
      {OpenBaffleExportValues{0.1251}, false, 413,
       "Einbau in offenes Geh\xE4use\r\n\r\nAbstand (m)\t0,13\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
      {OpenBaffleExportValues{0.1251}, true, 413, "in open box\r\n\r\ndistance (m)\t0.13\r\n\r\nf (Hz)\tlevel (dB)\r\n"},
  };
  for (const auto& c : cases) {
    data.box = c.box;
    data.english = c.english;
    SCOPED_TRACE(c.block);
    EXPECT_EQ(test::SplitCrLfLines(*ComposeSimulationExport(data)).size(), c.lines);
    EXPECT_EQ(BoxBlock(data), c.block);
  }
}

TEST(SimulationExport, NamesAreWrittenInWindows1252AndUnknownCharactersAsQuestionMarks) {
  SimulationExport data = ExampleClosedBox(false);
  data.driver.manufacturer = "Müller";
  data.driver.name = "Typ \xE2\x82\xAC \xE4\xB8\xAD";  // euro sign and a CJK character
  EXPECT_EQ(test::SplitCrLfLines(*ComposeSimulationExport(data))[1], "M\xFCller\tTyp \x80 ?");
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
  std::string names;
  for (const ExportBoxValues& box : {ExportBoxValues{ClosedExportValues{}}, {ReflexExportValues{}}, {ClosedBandpassExportValues{}},
                                     {VentedBandpassExportValues{}}, {OpenBaffleExportValues{}}})
    names += std::string(ExportDefaultName(box)) + " ";
  EXPECT_EQ(names, "closed reflex bandpass ventedbandpass open ");
  EXPECT_EQ(WithDefaultExportExtension("/tmp/a/closed"), "/tmp/a/closed.txt");
  EXPECT_EQ(WithDefaultExportExtension("/tmp/a.b/closed") + " " + WithDefaultExportExtension("/tmp/a/closed.csv"),
            "/tmp/a.b/closed.txt /tmp/a/closed.csv");
  EXPECT_EQ(export_text::OverwriteQuestion("/x/closed.txt"), "überschreibe / overwrite /x/closed.txt ?");
}

TEST(SimulationExport, SensitivityFromTheCommittedDriver) {
  ResetCommittedDriver();
  ChassisFs = 30, ChassisVas = 50, ChassisQes = 0.38, ChassisSpl = 99.0;
  // 112 + 10 log10(eta0), eta0 = 4 pi^2 fs^3 Vas / (c^3 Qes) with c = 343 m/s.
  const double eta0 = 4 * M_PI * M_PI * 27000.0 * 0.050 / (343.0 * 343.0 * 343.0 * 0.38);
  EXPECT_NEAR(ExportDriverFromCommitted(ExportSensitivity::ComputedNow).spl, 112 + 10 * std::log10(eta0), 0.01);
  EXPECT_EQ(ExportDriverFromCommitted(ExportSensitivity::Committed).spl, 99.0);
  // The file's driver block carries every committed value.
  ChassisManufacturer = "Maker", ChassisName = "Model", ChassisQts = 0.41;
  SimulationExport data = ExampleClosedBox(false);
  data.driver = ExportDriverFromCommitted(ExportSensitivity::Committed);
  const auto lines = test::SplitCrLfLines(*ComposeSimulationExport(data));
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ((std::vector<std::string>(lines.begin() + 1, lines.begin() + 7)),
            (std::vector<std::string>{"Maker\tModel", "Qts\t0,41", "Qes\t0,38", "fs (Hz)\t30,0", "Vas (l)\t50,0",
                                      "SPL (dB)\t99,0"}));
  ChassisQes = 0;
  EXPECT_EQ(ExportDriverFromCommitted(ExportSensitivity::ComputedNow).spl, 0.0);
  ResetCommittedDriver();
}

}  // namespace
}  // namespace velomare
