// Spectrum files and the levels taken from the editor's grid: what becomes "-100", what a file
// must hold to be imported, and that an export keeps the rest of the file and is read back
// byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <array>
#include <QTemporaryDir>
#include <string>

#include "TestSupport.h"
#include "app/model/SpectrumFile.h"
#include "common/BandSpectrum.h"
#include "platform/plain/IniFile.h"

namespace velomare::test {
namespace {

TEST(SpectrumTake, NumberTextsStayAsTypedAndEverythingElseBecomesMinus100) {
  // A comma stays a comma; a number text stays, however long.
  const std::string kept[] = {"-6,5", "0.25", std::string(40, '9'), "-3"};
  const char* bad[] = {"abc", "", "-", "1,2,3", "1.2.3", "1e999", "- 3", "3 ", "007", "1,2.3", "+3", "nan", "inf",
                       "abcdefghijklmnopqrstuvwxyzabcdefgh"};
  std::array<std::string, kSpectrumBandCount> cells;
  std::copy(std::begin(kept), std::end(kept), cells.begin());
  std::copy(std::begin(bad), std::end(bad), cells.begin() + 4);
  const SpectrumTexts taken = TakeSpectrum("Rock", cells);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(taken.levels[i], kept[i]);
  for (int i = 0; i < 14; ++i) EXPECT_EQ(taken.levels[4 + i], "-100") << '"' << bad[i] << '"';
  EXPECT_EQ(taken.name, "Rock");
}

class SpectrumFileTest : public ::testing::Test {
 protected:
  std::string Path(const char* name = "mine.spe") const { return dir.path().toStdString() + "/" + name; }
  SpectrumFileRead ReadBytes(const std::string& bytes) {
    WriteFileBytes(Path(), bytes);
    return ReadSpectrumFile(Path());
  }
  QTemporaryDir dir;
};

TEST_F(SpectrumFileTest, ExportedAndImportedBackGivesTheSameTextsByteForByte) {
  SpectrumTexts s = DanceSpectrum();
  s.name = "Orgel für Köln";
  s.levels[0] = "-6,5";
  s.levels[12] = "-100";
  s.levels[23] = "3.25";
  ASSERT_TRUE(WriteSpectrumFile(Path(), s));
  std::string expected = "[spectrum]\r\nName=Orgel f\xfcr K\xf6ln\r\n";  // Windows-1252
  for (int i = 0; i < kSpectrumBandCount; ++i)
    expected += std::string(kSpectrumBands[i].key) + "=" + s.levels[i] + "\r\n";
  EXPECT_EQ(ReadFileBytes(Path()), expected);
  const SpectrumFileRead back = ReadSpectrumFile(Path());
  ASSERT_EQ(back.status, SpectrumFileStatus::Ok);
  EXPECT_EQ(back.spectrum.name, s.name);
  EXPECT_EQ(back.spectrum.levels, s.levels);
}

TEST_F(SpectrumFileTest, AnExportKeepsEveryOtherSectionOfTheChosenFile) {
  WriteFileBytes(Path(), "[Notes]\r\nby=me\r\n\r\n[spectrum]\r\nName=Alt\r\nExtra=1\r\n");
  ASSERT_TRUE(WriteSpectrumFile(Path(), DanceSpectrum()));
  const std::string bytes = ReadFileBytes(Path());
  EXPECT_EQ(bytes.find("[Notes]\r\nby=me\r\n"), 0u);
  EXPECT_NE(bytes.find("Name=Dance\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Extra=1\r\n"), std::string::npos);
}

TEST_F(SpectrumFileTest, AnExportThatCannotBeWrittenLeavesNothingHalfWritten) {
  // A "folder" that is a file cannot hold the spectrum file, whoever runs the program.
  WriteFileBytes(Path("plain"), "x");
  EXPECT_FALSE(WriteSpectrumFile(Path("plain") + "/s.spe", DanceSpectrum()));
  // A disk that fills up during the write: the old file stays as it was, and no temporary file
  // is left beside it.
  const std::string before = "[spectrum]\r\nName=Alt\r\n";
  WriteFileBytes(Path(), before);
  platform::FileSeam full;
  full.failWrite = [](const std::string&) { return true; };
  platform::InstallFileSeam(&full);
  const bool written = WriteSpectrumFile(Path(), DanceSpectrum());
  platform::InstallFileSeam(nullptr);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(Path()), before);
  const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  EXPECT_EQ(left, (QStringList{"mine.spe", "plain"}));
}

TEST_F(SpectrumFileTest, AFileWithOnlySomeKeysTakesDanceForTheRest) {
  const SpectrumFileRead r = ReadBytes("[spectrum]\r\nName=Zwei\r\n32=1\r\n");
  ASSERT_EQ(r.status, SpectrumFileStatus::Ok);
  SpectrumTexts expected = DanceSpectrum();
  expected.name = "Zwei";
  expected.levels[0] = "1";
  EXPECT_EQ(r.spectrum.levels, expected.levels);
  EXPECT_EQ(r.spectrum.name, expected.name);
  // An empty section counts as a spectrum file too: every band and the name from "Dance".
  const SpectrumFileRead empty = ReadBytes("[spectrum]\r\n");
  ASSERT_EQ(empty.status, SpectrumFileStatus::Ok);
  EXPECT_EQ(empty.spectrum.name, "Dance");
}

TEST_F(SpectrumFileTest, LfLinesDuplicateKeysAndLongLinesAreReadByTheIniRules) {
  const std::string longValue(200000, '5');
  const SpectrumFileRead r =
      ReadBytes("[spectrum]\nName=Erste\nName=Zweite\n32=-1\n32=-2\n45=" + longValue + "\n");
  ASSERT_EQ(r.status, SpectrumFileStatus::Ok);
  EXPECT_EQ(r.spectrum.name, "Erste");
  EXPECT_EQ(r.spectrum.levels[0], "-1");
  EXPECT_EQ(r.spectrum.levels[1], longValue);  // not checked here: the grid shows it, a save judges it
}

TEST_F(SpectrumFileTest, FilesThatHoldNoSpectrumAreRefusedWithTheirReason) {
  EXPECT_EQ(ReadBytes("").status, SpectrumFileStatus::NotIni);
  EXPECT_EQ(ReadBytes("  \r\n\r\n").status, SpectrumFileStatus::NotIni);
  EXPECT_EQ(ReadBytes(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)).status, SpectrumFileStatus::NotIni);
  EXPECT_EQ(ReadBytes("just some text\r\n").status, SpectrumFileStatus::NotIni);
  EXPECT_EQ(ReadBytes("[Info]\r\nVersion=Velomar Version 3.2.5\r\n[Chassis]\r\nQts=0,4\r\n").status,
            SpectrumFileStatus::NoSpectrum);
  EXPECT_EQ(ReadSpectrumFile(Path("none.spe")).status, SpectrumFileStatus::Missing);
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Path("folder.spe"))));
  EXPECT_EQ(ReadSpectrumFile(Path("folder.spe")).status, SpectrumFileStatus::Unreadable);
}

TEST(SpectrumFileTexts, MessagesNameTheFileInTheWindowsLanguage) {
  EXPECT_EQ(spectrum_file_text::CannotImport("/a/b.spe", SpectrumFileStatus::NoSpectrum, true),
            "The file /a/b.spe is not a spectrum file (it has no [spectrum] section) and was not loaded.");
  EXPECT_EQ(spectrum_file_text::CannotImport("/a/b.spe", SpectrumFileStatus::NotIni, false),
            "Die Datei /a/b.spe ist keine Spektrum-Datei und wurde nicht geladen.");
  EXPECT_EQ(spectrum_file_text::ReplaceQuestion("x.spe", false), "Die Datei x.spe existiert bereits. Ersetzen?");
  EXPECT_EQ(spectrum_file_text::WriteFailed("x.spe", true),
            "The file x.spe could not be written. Please choose another folder or name.");
}

}  // namespace
}  // namespace velomare::test
