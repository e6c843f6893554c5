// The program started in-process: the windows, the start-up load of the current driver and the
// settings it stamps.
#include <QStatusBar>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare::test {
namespace {

class Startup : public ProgramTest {};

// The driver values as a start leaves them committed.
std::vector<double> Committed() {
  return {ChassisQts, ChassisQms, ChassisQes, ChassisVas, ChassisFs, ChassisRe, ChassisDia, ChassisVol, ChassisLe};
}

TEST_F(Startup, FirstStartShowsTheMainWindowAndTheAboutBoxAndCommitsTheBuiltInDriver) {
  StartProgram();
  const auto& all = forms::All();
  ASSERT_EQ(all.size(), 35u);
  for (QWidget* w : all)
    EXPECT_EQ(w->isVisible(), w == forms::Form1 || w == forms::about) << w->objectName().toStdString();
  EXPECT_EQ(forms::Form1->windowTitle(), "Velomare 3.2.5 - Freeware");
  EXPECT_EQ(Committed(), (std::vector<double>{0.41, 2.04, 0.513, 244, 29, 6.8, 25.3, 2.1, 1500}));
  EXPECT_EQ(ChassisName, "W 300 NG (8 Ohm)");
  EXPECT_EQ(ChassisManufacturer, "VISATON");
  // By hand: pi^2 * 29^3 * 0.244 / (0.513 * 10088402) = 0.0113487, 10 log10 of it = -19.4506.
  EXPECT_NEAR(ChassisSpl, 92.5494, 0.0001);
  EXPECT_EQ(settings->ReadSettings(), "[Info]\r\nVersionsnummer=3.2.5\r\nVersion=Velomare Freeware \r\n");
}

TEST_F(Startup, CreatesTheWindowsInTheirFixedOrderWithTheMainWindowShown) {
  StartProgram();
  const char* expected[] = {"TForm1", "TChassisform", "Tabout", "TDampfform", "Twahl", "TImp", "TTri",
                            "Tclosed", "TReflex", "TDurch", "Tbandkiste", "Ttspara", "THP", "TBP", "TTP",
                            "TQLmess", "TMessenform", "TDruck", "Tquaderbox", "Ttrapezbox", "Tpyramidebox",
                            "Tswerte", "Tgueten", "TExpo", "Toffen", "Tphondb", "Toptions", "Tdisplacement",
                            "Tweiche", "Tassistent", "Tventpass", "Tunitcalc", "TResultCompare", "Tmehrbox",
                            "TTML"};
  const auto& all = forms::All();
  ASSERT_EQ(all.size(), 35u);
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_STREQ(all[i]->metaObject()->className(), (std::string("velomare::") + expected[i]).c_str()) << i;
    EXPECT_TRUE(all[i]->isWindow());
  }
  EXPECT_EQ(forms::Form1->StatusBar1->currentMessage(), "Velomare 3.2.5");
}

TEST_F(Startup, EachStoredValueFallsBackOnItsOwn) {
  settings->WriteSettings(
      "[Chassis]\r\nmanufactor=ACME\r\nname=Woofer 12\r\nQts=0,38\r\nQms=3,1\r\nQes=0,43\r\nVas=120\r\n"
      "fs=0\r\nRe=5,6\r\ndia=21\r\nvol=1,5\r\nLe=900\r\n");
  StartProgram();
  EXPECT_EQ(ChassisName, "Woofer 12");
  EXPECT_EQ(ChassisManufacturer, "ACME");
  EXPECT_EQ(Committed(), (std::vector<double>{0.38, 3.1, 0.43, 120, 29, 5.6, 21, 1.5, 900}));  // fs=0: built-in
  // The stamp keeps the driver section.
  EXPECT_NE(settings->ReadSettings().find("name=Woofer 12\r\n"), std::string::npos);
}

TEST_F(Startup, TheNameKeinerTakesTheBuiltInNameButKeepsTheValues) {
  settings->WriteSettings("[Chassis]\r\nname=keiner\r\nmanufactor=ACME\r\nQts=0.3\r\n");
  StartProgram();
  EXPECT_EQ(ChassisName, "W 300 NG (8 Ohm)");
  EXPECT_EQ(ChassisManufacturer, "ACME");
  EXPECT_EQ(ChassisQts, 0.3);
  EXPECT_EQ(ChassisQes, 0.513);
}

TEST_F(Startup, UnreadableOrNonPositiveValuesAndTheNameKeinerTakeTheBuiltInOnes) {
  // "1E-6" would read as 1006 if taken digit by digit; a negative Qes, fs or Vas would make the
  // sensitivity the logarithm of a negative number. "keiner" names no driver, but Le stays.
  settings->WriteSettings(
      "[Chassis]\r\nname=keiner\r\nQts=1E-6\r\nQes=-0,5\r\nfs=-30\r\nVas=0,0\r\nRe=abc\r\nLe=900\r\n");
  StartProgram();
  EXPECT_EQ(ChassisName, "W 300 NG (8 Ohm)");
  EXPECT_EQ(Committed(), (std::vector<double>{0.41, 2.04, 0.513, 244, 29, 6.8, 25.3, 2.1, 900}));
  EXPECT_NEAR(ChassisSpl, 92.5494, 0.0001);
}

TEST_F(Startup, ReadsNoCheckEndAndTheLanguage) {
  settings->WriteSettings("[Options]\r\nNoCheckEnd=1\r\nAboutAtStart=0\r\n[Info]\r\nSprache=english\r\n");
  StartProgram();
  EXPECT_TRUE(NoCheckEnd);
  EXPECT_EQ(Language, "english");
  EXPECT_FALSE(forms::about->isVisible());
}

TEST_F(Startup, AVersionStampThatCannotBeWrittenDoesNotStopTheStart) {
  // A file where the settings folder should be: nothing can be written, the defaults hold.
  WriteFileBytes(settings->Root() + "/velomare", "not a folder");
  StartProgram();
  EXPECT_TRUE(forms::Form1->isVisible());
  EXPECT_EQ(ChassisQts, 0.41);
}

}  // namespace
}  // namespace velomare::test
