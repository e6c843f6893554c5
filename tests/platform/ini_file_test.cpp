#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>

#include "TestSupport.h"
#include "common/Settings.h"
#include "platform/plain/IniFile.h"
#include "platform/plain/SettingsLocation.h"

namespace velomare::test {
namespace {

using platform::IniFile;

class IniFileTest : public ::testing::Test {
 protected:
  std::string Path(const char* name = "test.ini") const { return dir.path().toStdString() + "/" + name; }
  QTemporaryDir dir;
};

TEST_F(IniFileTest, ReadsAsTheProfileFunctionsDoAndAMissingFileSectionOrKeyGivesTheDefault) {
  IniFile missing(Path("none.ini"));
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(missing.ReadString("Info", "Sprache", "deutsch"), "deutsch");
  EXPECT_EQ(missing.ReadInteger("Options", "color", 7), 7);
  EXPECT_TRUE(missing.ReadBool("Options", "AboutAtStart", true));
  // Junk lines, lone line feeds, a missing final line end; sections and keys without case; the
  // first of equal sections and keys; blanks and tabs trimmed and matching quotes stripped.
  WriteFileBytes(Path(), "junk before\n[Info]\nno equals sign here\n  Sprache = english  \n;comment\n"
                         "[CHASSIS]\r\nQTS=0,41\r\n[A]\r\nk=1\r\nk=2\r\nd=\"quoted text\"\r\ns='single'\r\n"
                         "m=\"mixed'\r\none=\"\r\ninner=a \"b\" c\r\n\tt\t=\t\"tab\"\t\r\n[A]\r\nk=3\r\n"
                         "\t[B]\t\r\nname=W\xE4");
  IniFile ini(Path());
  const struct {
    const char *section, *key, *value;
  } rows[] = {{"Info", "Sprache", "english"}, {"Chassis", "Qts", "0,41"}, {"A", "k", "1"},
              {"Options", "Sprache", "-"}, {"Info", "Other", "-"},
              {"A", "d", "quoted text"}, {"A", "s", "single"}, {"A", "m", "\"mixed'"}, {"A", "one", "\""},
              {"A", "inner", "a \"b\" c"}, {"A", "t", "tab"}, {"B", "name", "Wä"}};
  for (const auto& row : rows)
    EXPECT_EQ(ini.ReadString(row.section, row.key, "-"), row.value) << row.section << "/" << row.key;
  EXPECT_TRUE(ini.SectionExists("chassis"));
  EXPECT_TRUE(ini.ValueExists("Chassis", "qts"));
}

TEST_F(IniFileTest, IntegersAndBoolsFallBackForMalformedValues) {
  WriteFileBytes(Path(), "[O]\nA=12\nB=abc\nC=\nD=-3\nE=2\nF=0\nG=12abc\nH=99999999999\nI= 5 \n");
  IniFile ini(Path());
  // Out of the 32-bit range or not a whole number: the default; blanks around a value do not count.
  const std::pair<const char*, int> integers[] = {{"A", 12}, {"B", 4}, {"C", 4}, {"D", -3}, {"G", 4}, {"H", 4}, {"I", 5}};
  for (auto [key, value] : integers) EXPECT_EQ(ini.ReadInteger("O", key, 4), value) << key;
  EXPECT_TRUE(ini.ReadBool("O", "E", false));  // any non-zero value is true
  EXPECT_FALSE(ini.ReadBool("O", "F", true));
  EXPECT_TRUE(ini.ReadBool("o", "b", true));   // a word takes the default
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileInWindows1252WithCrLf) {
  IniFile ini(Path());
  ASSERT_TRUE(ini.WriteString("Info", "Version", "Velomare Freeware "));
  ASSERT_TRUE(ini.WriteString("Chassis", "name", "Gehäuse"));
  ASSERT_TRUE(ini.WriteBool("Options", "NoCheckEnd", true));
  ASSERT_TRUE(ini.WriteInteger("Options", "color", -2));
  const std::string written = "[Info]\r\nVersion=Velomare Freeware \r\n\r\n[Chassis]\r\nname=Geh\xE4use\r\n\r\n"
                              "[Options]\r\nNoCheckEnd=1\r\ncolor=-2\r\n";
  EXPECT_EQ(ReadFileBytes(Path()), written);
  EXPECT_EQ(IniFile(Path()).ReadString("Chassis", "NAME", ""), "Gehäuse");
  ASSERT_TRUE(ini.WriteString("A", "name", "two\r\nlines"));  // a value stays on one line
  EXPECT_EQ(IniFile(Path()).ReadString("A", "name", ""), "two  lines");
  EXPECT_FALSE(IniFile(Path()).SectionExists("lines"));
  ASSERT_TRUE(ini.EraseSection("A"));  // a last section takes the blank line before it along
  EXPECT_EQ(ReadFileBytes(Path()), written);
}

TEST_F(IniFileTest, AWriteKeepsEveryOtherSectionKeyAndLine) {
  const std::string before = "; my notes\r\n[Info]\r\nSprache=english\r\nodd line\r\nVersion=old\r\n\r\n"
                             "[Chassis]\r\nname=A\r\n\r\n[Mine]\r\nx=1\r\n";
  WriteFileBytes(Path(), before);
  IniFile ini(Path());
  ASSERT_TRUE(ini.WriteString("info", "VERSION", "new"));
  ASSERT_TRUE(ini.WriteString("Chassis", "Qts", "0,41"));
  EXPECT_EQ(ReadFileBytes(Path()),
            "; my notes\r\n[Info]\r\nSprache=english\r\nodd line\r\nVERSION=new\r\n\r\n"
            "[Chassis]\r\nname=A\r\nQts=0,41\r\n\r\n[Mine]\r\nx=1\r\n");
}

TEST_F(IniFileTest, BatchedWritesSaveOnceAndEraseSectionRemovesAllOfIt) {
  WriteFileBytes(Path(), "[Keep]\r\na=1\r\n[other TSPs]\r\nQms=2\r\nZ=8\r\n[Tail]\r\nb=2\r\n");
  IniFile ini(Path());
  ini.BeginUpdate();
  ini.WriteString("Keep", "c", "3");
  EXPECT_EQ(ReadFileBytes(Path()).find("c=3"), std::string::npos);  // nothing on disk yet
  ini.EraseSection("OTHER tsps");
  ASSERT_TRUE(ini.CommitUpdate());
  EXPECT_EQ(ReadFileBytes(Path()), "[Keep]\r\na=1\r\nc=3\r\n[Tail]\r\nb=2\r\n");
}

// A program started with its standard input closed is given descriptor 0 for the next file it
// opens: the settings are read all the same, a save lands, and no descriptor is left open.
TEST_F(IniFileTest, WithStandardInputClosedTheFileIsReadAndSavedAndNoDescriptorStaysOpen) {
  WriteFileBytes(Path(), "[Info]\r\nSprache=english\r\n");
  const int kept = ::dup(0);  // -1 when the test runs without one
  ::close(0);
  IniFile ini(Path());  // read through descriptor 0
  const bool loaded = ini.Loaded();
  const std::string language = ini.ReadString("Info", "Sprache", "deutsch");
  const bool saved = ini.WriteString("Info", "Version", "1");  // the temporary file and then the folder get 0
  const bool zeroLeftOpen = ::fcntl(0, F_GETFD) != -1;
  if (kept >= 0) {
    ::dup2(kept, 0);
    ::close(kept);
  }
  EXPECT_TRUE(loaded);
  EXPECT_EQ(language, "english");
  EXPECT_TRUE(saved);
  EXPECT_FALSE(zeroLeftOpen);
  EXPECT_EQ(ReadFileBytes(Path()), "[Info]\r\nSprache=english\r\nVersion=1\r\n");
}

TEST(SettingsLocation, FollowsXdgConfigHomeAndResetDeletesTheSameFileTheReadsUse) {
  TempSettingsFolder folder;
  EXPECT_EQ(platform::WindowsDirectory(), folder.Root() + "/velomare");
  EXPECT_EQ(SettingsFilePath(), folder.Root() + "/velomare/velomar.ini");
  EXPECT_FALSE(std::filesystem::exists(folder.Root() + "/velomare"));  // made by the first write
  ASSERT_TRUE(OpenSettings().WriteString("Info", "Sprache", "english"));
  EXPECT_EQ(folder.ReadSettings(), "[Info]\r\nSprache=english\r\n");
  EXPECT_EQ(RefreshLanguage(), "english");
  EXPECT_TRUE(DeleteSettingsFile());
  EXPECT_EQ(RefreshLanguage(), "deutsch");
  EXPECT_TRUE(DeleteSettingsFile());  // nothing left to delete
  ASSERT_TRUE(OpenSettings().WriteString("Options", "color", "1"));
  EXPECT_EQ(folder.ReadSettings(), "[Options]\r\ncolor=1\r\n");
  setenv("XDG_CONFIG_HOME", "relative/path", 1);
  const char* home = std::getenv("HOME");
  EXPECT_EQ(platform::WindowsDirectory(), std::string(home ? home : ".") + "/.config/velomare");
}

TEST(LanguageAndColourRules, OnlyTheExactWordEnglishSelectsEnglishAndOneIsWhiteTwoDesktopElseButtonFace) {
  EXPECT_TRUE(IsEnglish("english"));
  for (const char* other : {"English", "ENGLISH", "deutsch", "", " english", "englisch"})
    EXPECT_FALSE(IsEnglish(other)) << other;
  EXPECT_EQ(SchemeOf(1), SchemeColour::White);
  EXPECT_EQ(SchemeOf(2), SchemeColour::Desktop);
  for (int v : {0, 3, 7, -1}) EXPECT_EQ(SchemeOf(v), SchemeColour::ButtonFace) << v;
}

}  // namespace
}  // namespace velomare::test
