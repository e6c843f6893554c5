// The band-spectrum table shared by the settings window and the attenuator.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <set>
#include <string>

#include "TestSupport.h"
#include "common/BandSpectrum.h"
#include "platform/plain/IniFile.h"

namespace velomare::test {
namespace {

using platform::IniFile;

class BandSpectrumTest : public ::testing::Test {
 protected:
  std::string Path(const char* name = "spectrum.spe") const { return dir.path().toStdString() + "/" + name; }
  QTemporaryDir dir;
};

TEST(BandSpectrumTable, TwentyFourDistinctKeysWithTheDanceLevels) {
  const char* keys[] = {"32",  "45",  "63", "90",  "125", "180", "250", "360", "500", "710", "1k",  "1k4",
                        "2k",  "2k8", "4k", "5k7", "8k",  "11k", "16k", "22k", "32k", "45k", "64k", "90k"};
  const char* dance[] = {"-6",  "0",   "-2",  "-4",  "-6",  "-10", "-9",  "-12",  "-15",  "-18",  "-12",  "-14",
                         "-12", "-10", "-8",  "-6",  "-24", "-30", "-40", "-60", "-100", "-100", "-100", "-100"};
  std::set<std::string> seen;
  for (int i = 0; i < kSpectrumBandCount; ++i) {
    EXPECT_STREQ(kSpectrumBands[i].key, keys[i]) << i;
    EXPECT_STREQ(kSpectrumBands[i].danceLevel, dance[i]) << i;
    seen.insert(kSpectrumBands[i].key);
  }
  EXPECT_EQ(seen.size(), 24u);
  // The grid names four bands otherwise than their keys.
  EXPECT_STREQ(kSpectrumBands[2].gridLabel, "64 Hz");
  EXPECT_STREQ(kSpectrumBands[15].gridLabel, "5.6 kHz");
  EXPECT_STREQ(kSpectrumBands[17].gridLabel, "11.2 kHz");
  EXPECT_STREQ(kSpectrumBands[19].gridLabel, "22.5 kHz");
  const SpectrumTexts d = DanceSpectrum();
  EXPECT_EQ(d.name, "Dance");
  EXPECT_EQ(d.levels[1], "0");
  EXPECT_EQ(d.levels[23], "-100");
}

// "32 Hz" is 32, "1.4 kHz" 1400.
double LabelHertz(const std::string& label) {
  const double number = LeadingNumber(label);
  return label.find("kHz") != std::string::npos ? number * 1000.0 : number;
}

TEST(BandSpectrumTable, GridLabelsAreTheNominalHalfOctaveCentres) {
  // Row r (1 ... 24) lies half an octave above row r - 1, with 1 kHz in row 11: an exchanged or
  // mistyped row falls outside the 2.5 % that the rounded nominal values need.
  for (int i = 0; i < kSpectrumBandCount; ++i) {
    const int row = i + 1;
    const double centre = 1000.0 * std::pow(2.0, (row - 11) / 2.0);
    const double labelled = LabelHertz(kSpectrumBands[i].gridLabel);
    EXPECT_NEAR(labelled / centre, 1.0, 0.025) << kSpectrumBands[i].gridLabel;
  }
}

TEST_F(BandSpectrumTest, KeysPresentAreReadAsTheyStandAndMissingOnesTakeTheirDanceLevel) {
  const SpectrumTexts dance = DanceSpectrum();
  const SpectrumTexts missing = ReadSpectrumSection(IniFile(Path("none.ini")));
  EXPECT_EQ(missing.name + dance.name, "DanceDance");
  EXPECT_EQ(missing.levels, dance.levels);
  WriteFileBytes(Path(), "[Info]\r\nSprache=english\r\n");
  EXPECT_EQ(ReadSpectrumSection(IniFile(Path())).levels, dance.levels);
  EXPECT_EQ(ReadSpectrumSection(IniFile(Path())).name, "Dance");

  WriteFileBytes(Path(), "[SPECTRUM]\r\nname=Rock\r\n32=abc\r\n2k=-6,5\r\n90k= 3 \r\n");
  const SpectrumTexts s = ReadSpectrumSection(IniFile(Path()));
  EXPECT_EQ(s.name, "Rock");
  EXPECT_EQ(s.levels[0] + " " + s.levels[12] + " " + s.levels[23] + " " + s.levels[1] + " " + s.levels[22],
            "abc -6,5 3 0 -100");
}

TEST_F(BandSpectrumTest, WritingPutsNameThenTheBandsInOrderKeepsOtherLinesOrLeavesTheFileAsItWas) {
  // Keys out of order, one repeated (the first counts), and a key of the user's own.
  WriteFileBytes(Path(), "[spectrum]\r\nName=Alt\r\n2k=-7\r\nmine=x\r\n2k=5\r\n\r\n[Other]\r\nk=1\r\n");
  IniFile ini(Path());
  EXPECT_EQ(ReadSpectrumSection(ini).levels[12], "-7");
  SpectrumTexts s = DanceSpectrum();
  s.name = "Mein Spektrum";
  s.levels[0] = "-6.00";
  ASSERT_TRUE(WriteSpectrumSection(ini, s));
  std::string expected = "[spectrum]\r\nmine=x\r\nName=Mein Spektrum\r\n";
  for (int i = 0; i < kSpectrumBandCount; ++i) expected += std::string(kSpectrumBands[i].key) + "=" + s.levels[i] + "\r\n";
  expected += "\r\n[Other]\r\nk=1\r\n";
  EXPECT_EQ(ReadFileBytes(Path()), expected);
  const SpectrumTexts back = ReadSpectrumSection(IniFile(Path()));
  EXPECT_EQ(back.name, s.name);
  EXPECT_EQ(back.levels, s.levels);
  // A failed write says so and leaves the file as it was.
  platform::FileSeam seam;
  seam.failWrite = [](const std::string&) { return true; };
  platform::InstallFileSeam(&seam);
  IniFile again(Path());
  const bool written = WriteSpectrumSection(again, DanceSpectrum());
  platform::InstallFileSeam(nullptr);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(Path()), expected);
}

TEST_F(BandSpectrumTest, AFirstWriteMakesTheFileAndAWriteAfterAnotherSectionKeepsIt) {
  SpectrumTexts s = DanceSpectrum();
  s.name = "Mein Spektrum";
  s.levels[0] = "-6.00";
  IniFile fresh(Path());
  ASSERT_TRUE(WriteSpectrumSection(fresh, s));
  std::string expected = "[spectrum]\r\nName=Mein Spektrum\r\n";
  for (int i = 0; i < kSpectrumBandCount; ++i) expected += std::string(kSpectrumBands[i].key) + "=" + s.levels[i] + "\r\n";
  EXPECT_EQ(ReadFileBytes(Path()), expected);

  WriteFileBytes(Path("velomar.ini"), "[Info]\r\nSprache=english\r\n\r\n[spectrum]\r\n45=1\r\nExtra=x\r\n");
  IniFile settings(Path("velomar.ini"));
  ASSERT_TRUE(WriteSpectrumSection(settings, s));
  const std::string bytes = ReadFileBytes(Path("velomar.ini"));
  EXPECT_EQ(bytes.find("[Info]\r\nSprache=english\r\n"), 0u) << bytes;
  EXPECT_NE(bytes.find("Extra=x\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("45=0\r\n"), std::string::npos);
  const SpectrumTexts back = ReadSpectrumSection(IniFile(Path("velomar.ini")));
  EXPECT_EQ(back.name, s.name);
  EXPECT_EQ(back.levels, s.levels);
}

}  // namespace
}  // namespace velomare::test
