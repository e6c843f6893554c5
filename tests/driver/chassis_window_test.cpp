// The driver-data window driven through its controls: the read-outs, the Q calculators, reset,
// cancel, OK with its settings bytes and a restart, bad input, help and the language.
#include <QLabel>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"
#include "driver/model/DriverValues.h"

namespace velomare::test {
namespace {

// The built-in driver's edit texts, in the order of EditList().
const QStringList kBuiltIn = {"0,410", "0,513", "2,040", "244,0", "29,0", "6,8",
                              "W 300 NG (8 Ohm)", "25,3", "2,10", "1500", "VISATON"};

class ChassisWindow : public WindowTest<TChassisform, &forms::Chassisform> {
 protected:
  QList<QLineEdit*> EditList() {
    TChassisform* f = form();
    return {f->Edit1, f->Edit2, f->Edit11, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit7, f->Edit8, f->Edit10, f->Edit9};
  }
  QStringList Edits() {
    QStringList texts;
    for (QLineEdit* e : EditList()) texts << e->text();
    return texts;
  }
  // Every read-out and unit label against what the model gives for the texts the edits hold.
  void ExpectModelReadouts(const std::string& after) {
    TChassisform* f = form();
    const auto t = [&](QLineEdit* e) { return e->text().toStdString(); };
    const DriverReadouts r =
        ComputeDriverValues({t(f->Edit1), t(f->Edit2), t(f->Edit11), t(f->Edit3), t(f->Edit4), t(f->Edit5), t(f->Edit7), t(f->Edit8)});
    EXPECT_EQ(TextsOf({f->Label19, f->Label15, f->Label8, f->Label13, f->Label26, f->Label22, f->Label21, f->Label18,
                       f->Label17, f->Label20, f->Label27, f->Label24, f->Label12, f->Label16, f->Label4}),
              QStrings({r.qmsCalc, r.sd, r.impedance, r.spl, r.efficiency, r.ebp, r.bl, r.cms, r.mms, r.cmes, r.rms,
                        r.indicator, VasUnitText(t(f->Edit3)), VolumeUnitText(t(f->Edit8)), DiameterUnitText(WorkDia)}))
        << after;
    EXPECT_EQ(f->BitBtn1->isEnabled(), r.valid) << after;
  }
};

TEST_F(ChassisWindow, ShowAndEveryKeystrokeShowTheModelsReadouts) {
  Show();
  TChassisform* f = form();
  EXPECT_EQ(Edits(), kBuiltIn);
  ExpectModelReadouts("show");
  EXPECT_EQ(f->Label28->text(), "uH = 1.50 mH");
  EXPECT_TRUE(f->BitBtn1->isDefault());
  EXPECT_FALSE(f->Button7->isEnabled());
  for (auto [edit, text] : {std::pair{f->Edit7, "abc"}, {f->Edit7, "25,3"}, {f->Edit5, "8,0"}, {f->Edit3, "80"},
                            {f->Edit8, "1"}, {f->Edit6, ""}, {f->Edit1, "0,3"}}) {
    Type(edit, text);
    ExpectModelReadouts(edit->objectName().toStdString() + " <- " + text);
  }
  Type(f->Edit10, "-5");
  EXPECT_EQ(f->Label28->text(), "uH");
  EXPECT_DOUBLE_EQ(ChassisDia, 25.3);  // nothing committed while typing
}

TEST_F(ChassisWindow, BadTextNeverShowsNanOrInfAndADisabledOkCommitsNothing) {
  Show();
  TChassisform* f = form();
  TypeIntoEach({f->Edit1, f->Edit2, f->Edit11, f->Edit3, f->Edit4, f->Edit5, f->Edit7, f->Edit8, f->Edit10},
               BadNumberTexts() << QString(300, '9'), [&](const QString&) { Repaint(); });
  Type(f->Edit1, "abc");
  ASSERT_FALSE(f->BitBtn1->isEnabled());
  f->BitBtn1->click();
  EXPECT_DOUBLE_EQ(ChassisQts, 0.41);
  EXPECT_TRUE(f->isVisible());
}

TEST_F(ChassisWindow, QCalculatorButtonsWriteTheModelsResultOrLeaveTheEdit) {
  Show();
  TChassisform* f = form();
  // Qts, Qes and Qms typed; the button; the edit it writes; what that edit shows after.
  for (auto [qts, qes, qms, button, result, expected] :
       {std::tuple{"0,41", "", "2,04", f->Button1, f->Edit2, "0,513"}, {"1,5", "0,7", "1,5", f->Button1, f->Edit2, "0,7"},
        {"", "0,513", "2,04", f->Button6, f->Edit1, "0,410"}, {"0,41", "0,513", "", f->Button4, f->Edit11, "2,042"},
        {"5", "0,3", "", f->Button8, f->Edit2, "0,3"}, {"0,41", "", "", f->Button8, f->Edit2, "0,447"}}) {
    Type(f->Edit1, qts), Type(f->Edit2, qes), Type(f->Edit11, qms);
    button->click();
    EXPECT_EQ(result->text(), expected) << button->objectName().toStdString() << " " << qts << " " << qms;
  }
  EXPECT_EQ(f->Edit11->text(), "5.0");  // the estimate's Qms
}

TEST_F(ChassisWindow, ResetPutsTheBuiltInDriverIntoTheEditsAndCancelTheCommittedOne) {
  Show();
  TChassisform* f = form();
  for (QLineEdit* e : EditList()) Type(e, "x");
  f->Button2->click();
  EXPECT_EQ(Edits(), kBuiltIn);

  ChassisQts = 0.3;
  for (QLineEdit* e : {f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit7, f->Edit8}) Type(e, "7");
  f->BitBtn2->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(Edits(), QStringList(kBuiltIn).replaceInStrings("0,410", "0,300"));
  EXPECT_DOUBLE_EQ(ChassisQts, 0.3);
}

TEST_F(ChassisWindow, OkCommitsWritesTheSettingsAndARestartLoadsEveryTypedDigit) {
  Show();
  TChassisform* f = form();
  settings->WriteSettings("[Info]\r\nSprache=deutsch\r\n\r\n[Options]\r\nAboutAtStart=0\r\n");
  // Every typed digit is stored, in plain decimals.
  const QStringList typed = {"0,38", "0,45", "6", "80,3456789", "33,5", "3,3", "TW 22 (4 Ohm)", "21", "0,000001", "950",
                             "Bässe & Co"};
  for (int i = 0; i < typed.size(); ++i) Type(EditList()[i], typed[i]);
  QTest::keyClick(f->Edit4, Qt::Key_Return);  // Return presses the default button, OK
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_EQ(forms::Druck->Edit1->text(), "90,2");  // the sensitivity handed on
  EXPECT_EQ(settings->ReadSettings(),
            "[Info]\r\nSprache=deutsch\r\nVersion=Velomare Freeware Version\r\nUnits=Standard International\r\n"
            "\r\n[Options]\r\nAboutAtStart=0\r\n"
            "\r\n[Chassis]\r\nmanufactor=B\xE4sse & Co\r\nname=TW 22 (4 Ohm)\r\nQts=0,38\r\nQes=0,45\r\nQms=6\r\n"
            "Vas=80,3456789\r\nfs=33,5\r\nRe=3,3\r\ndia=21\r\nvol=0,000001\r\nLe=950\r\n");

  DestroyForms(), ResetCommittedDriver();  // a restart
  started = false;
  StartProgram();
  EXPECT_EQ((std::vector<double>{ChassisQts, ChassisQes, ChassisQms, ChassisVas, ChassisFs, ChassisRe, ChassisDia,
                                 ChassisVol, ChassisLe}),
            (std::vector<double>{0.38, 0.45, 6, 80.3456789, 33.5, 3.3, 21, 0.000001, 950}));
  Show();
  EXPECT_EQ(Edits(), QStringList({"0,380", "0,450", "6,000", "80,3", "33,5", "3,3", "TW 22 (4 Ohm)", "21,0", "0,00",
                                  "950", "Bässe & Co"}));
}

TEST_F(ChassisWindow, FailedSettingsWriteIsReportedAndTheDriverStillCommitted) {
  // Settings that exist but cannot be read are kept, not replaced by the driver's keys alone.
  const std::string old = "[Info]\r\nSprache=deutsch\r\n\r\n[Mine]\r\nkeep=1\r\n";
  settings->WriteSettings(old);
  Show();
  TChassisform* f = form();
  Type(f->Edit1, "0,36");
  platform::FileSeam files;
  files.failRead = [](const std::string&) { return true; };
  platform::InstallFileSeam(&files);
  f->BitBtn1->click();
  platform::InstallFileSeam(nullptr);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].startsWith("Das Chassis wurde übernommen, konnte aber nicht")) << seam.messages[0].toStdString();
  EXPECT_EQ(settings->ReadSettings(), old);
  EXPECT_DOUBLE_EQ(ChassisQts, 0.36);
  EXPECT_FALSE(f->isVisible());
}

TEST_F(ChassisWindow, RepaintsReadTheSettingsOnlyWhenTheyChangedAndTakeTheLanguage) {
  Show();
  TChassisform* f = form();
  platform::FileSeam files;
  platform::InstallFileSeam(&files);
  for (int i = 0; i < 100; ++i) f->repaint();
  for (const char* text : {"2", "24", "244", "244,", "244,0"}) Type(f->Edit3, text), f->repaint();
  EXPECT_LE(files.reads, 1);
  platform::InstallFileSeam(nullptr);

  // Changed by hand in place, to the same size: the time stamp tells.
  const std::string path = settings->SettingsPath();
  WriteFileBytes(path, "[Info]\r\nSprache=english\r\n\r\n[Options]\r\nAboutAtStart=0\r\n");
  const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), past, 0), 0);
  f->repaint();
  EXPECT_EQ(f->windowTitle(), "input of all parameters");
  EXPECT_EQ(f->Label1->text(), "total Quality Qts");
  EXPECT_EQ(f->Label21->text(), "magnet const. Bxl = 10.22 N/A=Tm");
}

TEST_F(ChassisWindow, HelpAndTheDisplacementLauncher) {
  Show();
  ExpectHelpAndPrint(form()->BitBtn3, "QTX_contents0002");
  form()->calcvol->click();
  EXPECT_EQ(DisplacementCaller, 1);
  EXPECT_TRUE(static_cast<QWidget*>(forms::displacement)->isVisible());
}

}  // namespace
}  // namespace velomare::test
