// The driver-data window driven through its controls: the read-outs, the Q calculators, reset,
// cancel, OK with its settings bytes and a restart, bad input, help and the language.
#include <QApplication>
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

TEST_F(ChassisWindow, ShowFillsTheReadoutsOfTheBuiltInDriver) {
  Show();
  TChassisform* f = form();
  EXPECT_EQ(f->Label24->text(), "alte Werte");
  EXPECT_EQ(f->Label19->text(), "mechanische Güte Qms = 2.042");
  EXPECT_EQ(f->Label8->text(), "Ohm ( Z=  8 Ohm )");
  EXPECT_EQ(f->Label12->text(), "Liter = 8.62 Cubic Foot");
  EXPECT_EQ(f->Label16->text(), "Liter = 128.2 Cubic Inches");
  EXPECT_EQ(f->Label4->text(), "cm = 10.0 Inches");
  EXPECT_EQ(f->windowTitle(), "Eingabe der Chassis-Daten");
}

TEST_F(ChassisWindow, MoreDecimalsThanShownMakeNewValuesAndOkCommitsTheShownOnes) {
  ChassisQts = 0.3812;
  Show();
  EXPECT_EQ(form()->Edit1->text(), "0,381");
  EXPECT_EQ(form()->Label24->text(), "neue Werte");
  form()->BitBtn1->click();
  EXPECT_DOUBLE_EQ(ChassisQts, 0.381);
}

TEST_F(ChassisWindow, AssigningTextRunsTheHandlerAtOnceButTheSameTextRunsNothing) {
  Show();
  TChassisform* f = form();
  f->Label15->setText("marker");
  f->Edit1->setText(f->Edit1->text());  // unchanged: no handler
  EXPECT_EQ(f->Label15->text(), "marker");
  f->Edit1->setText("0,41");  // changed: the handler runs inside setText
  EXPECT_EQ(f->Label15->text(), "Membranfläche Sd = 502.7 cm² ");
}

TEST_F(ChassisWindow, TypingRecomputesAtEveryKeystroke) {
  Show();
  TChassisform* f = form();
  Type(f->Edit7, "abc");
  EXPECT_EQ(f->Label4->text(), "cm");
  EXPECT_EQ(f->Label15->text(), "Sd ?");
  EXPECT_FALSE(f->BitBtn1->isEnabled());
  Type(f->Edit7, "25,3");
  EXPECT_EQ(f->Label4->text(), "cm = 10.0 Inches");
  EXPECT_TRUE(f->BitBtn1->isEnabled());

  Type(f->Edit10, "-5");
  EXPECT_FALSE(f->BitBtn1->isEnabled());
  Type(f->Edit10, "1500");

  Type(f->Edit5, "8,0");
  EXPECT_EQ(f->Label8->text(), "Ohm ( Z= 10 Ohm )");
  Type(f->Edit5, "0,4");
  EXPECT_EQ(f->Label8->text(), "Ohm ");
  Type(f->Edit5, "6,8");

  Type(f->Edit11, "3");  // Qms alone is not compared
  EXPECT_EQ(f->Label24->text(), "alte Werte");
  Type(f->Edit6, "");
  EXPECT_FALSE(f->BitBtn1->isEnabled());
  EXPECT_EQ(f->Label24->text(), "neue Werte");
}

TEST_F(ChassisWindow, BadTextInAnyEditDisablesOkAndHugeTextShowsNoNanOrInf) {
  Show();
  TChassisform* f = form();
  const QStringList bad = {"abc", "", "-", "1e999", QString(35, 'x'), "-7", ",", "1,2,3"};
  const QStringList huge = {QString(300, '9'), "0," + QString(200, '0') + "1", "99999999999999999999999999"};
  for (QLineEdit* edit : {f->Edit1, f->Edit2, f->Edit11, f->Edit3, f->Edit4, f->Edit5, f->Edit7, f->Edit8, f->Edit10}) {
    const QString keep = edit->text();
    for (const QString& text : bad + huge) {
      Type(edit, text);
      Repaint();
      ExpectNoNonFiniteTexts(f);
      if (bad.contains(text)) {
        EXPECT_FALSE(f->BitBtn1->isEnabled()) << edit->objectName().toStdString() << " " << text.toStdString();
      }
    }
    Type(edit, keep);
    EXPECT_TRUE(f->BitBtn1->isEnabled());
  }
}

TEST_F(ChassisWindow, QCalculatorsRefuseQesAboveQtsAndQtsFiveKeepsTheEstimate) {
  Show();
  TChassisform* f = form();
  Type(f->Edit2, "");
  Type(f->Edit11, "25");
  f->Button1->click();
  EXPECT_EQ(f->Edit2->text(), "0");
  EXPECT_EQ(f->Label19->text(), "? Qms (Qes > Qts ! )");
  EXPECT_FALSE(f->BitBtn1->isEnabled());

  Type(f->Edit2, "3,0");
  Type(f->Edit11, "2,04");
  f->Button6->click();
  EXPECT_EQ(f->Edit1->text(), "0");

  // Qes = Qts leaves Qms as it was.
  Type(f->Edit1, "0,41");
  Type(f->Edit2, "0,513");
  f->Button4->click();
  EXPECT_EQ(f->Edit11->text(), "2,042");
  Type(f->Edit2, "0,41");
  f->Button4->click();
  EXPECT_EQ(f->Edit11->text(), "2,042");

  f->Button8->click();
  EXPECT_EQ(f->Edit2->text(), "0,447");
  EXPECT_EQ(f->Edit11->text(), "5.0");
  EXPECT_DOUBLE_EQ(WorkQms, 5.0);
  Type(f->Edit1, "5");
  f->Button8->click();
  EXPECT_EQ(f->Edit2->text(), "0,447");
  EXPECT_EQ(f->Edit11->text(), "5.0");
  ExpectNoNonFiniteTexts(f);
}

TEST_F(ChassisWindow, ResetMakesOkUsableAndTheValuesOldAgain) {
  Show();
  TChassisform* f = form();
  for (QLineEdit* e : EditList()) Type(e, "x");
  f->Button2->click();
  EXPECT_TRUE(f->BitBtn1->isEnabled());
  EXPECT_EQ(f->Label24->text(), "alte Werte");
}

TEST_F(ChassisWindow, EscPressesCancel) {
  Show();
  TChassisform* f = form();
  Type(f->Edit1, "0,3");
  QApplication::setActiveWindow(f);
  QTest::keyClick(f->Edit1, Qt::Key_Escape);
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(f->Edit1->text(), "0,410");
  EXPECT_DOUBLE_EQ(ChassisQts, 0.41);
}

TEST_F(ChassisWindow, OkCommitsTheSensitivityAndARestartShowsTheValuesAsOld) {
  Show();
  TChassisform* f = form();
  for (auto [edit, text] : {std::pair{f->Edit1, "0,38"}, {f->Edit2, "0,45"}, {f->Edit11, "6"}, {f->Edit3, "80"},
                            {f->Edit4, "33,5"}, {f->Edit5, "3,3"}, {f->Edit7, "21"}, {f->Edit8, "1,4"}, {f->Edit10, "950"}})
    Type(edit, text);
  EXPECT_EQ(f->Label24->text(), "neue Werte");
  f->BitBtn1->click();
  // 112 + 10 log10(pi^2 33.5^3 0.08 / (0.45 10088402)) = 90.15 dB.
  EXPECT_NEAR(ChassisSpl, 90.15489260, 1e-8);
  EXPECT_EQ(forms::Druck->Edit1->text(), "90,2");

  DestroyForms(), ResetCommittedDriver();  // a restart
  started = false;
  StartProgram();
  Show();
  EXPECT_EQ(form()->Edit8->text(), "1,40");
  EXPECT_EQ(form()->Label24->text(), "alte Werte");
}

TEST_F(ChassisWindow, OkHandsTheDefaultSensitivityToTheMaximumSplWindow) {
  // That window prefilled itself from the driver when it was made; OK writes over what it holds.
  EXPECT_EQ(forms::Druck->Edit1->text(), "92,5");
  forms::Druck->Edit1->setText("80");
  Show();
  QTest::keyClick(form()->Edit4, Qt::Key_Return);  // Return presses the default button, OK
  EXPECT_FALSE(form()->isVisible());
  EXPECT_EQ(forms::Druck->Edit1->text(), "92,5");
  EXPECT_NEAR(ChassisSpl, 92.54944, 5e-6);
}

TEST_F(ChassisWindow, UnwritableSettingsAreReportedInEitherLanguageAndTheDriverStillCommitted) {
  Show();
  TChassisform* f = form();
  // A folder where the settings file should be: nothing can be written there.
  std::filesystem::remove(settings->SettingsPath());
  std::filesystem::create_directory(settings->SettingsPath());
  Type(f->Edit1, "0,38");
  f->BitBtn1->click();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].startsWith("Das Chassis wurde übernommen, konnte aber nicht")) << seam.messages[0].toStdString();
  EXPECT_DOUBLE_EQ(ChassisQts, 0.38);
  EXPECT_FALSE(f->isVisible());

  Show();
  Type(f->Edit1, "0,37");
  // The paint re-reads the language from the (unreadable) settings, which gives German; the
  // English message is checked through the model's language directly.
  Language = "english";
  f->BitBtn1->click();
  ASSERT_EQ(seam.messages.size(), 2);
  EXPECT_TRUE(seam.messages[1].startsWith("The driver was accepted, but it could not be saved")) << seam.messages[1].toStdString();
  EXPECT_DOUBLE_EQ(ChassisQts, 0.37);
}

TEST_F(ChassisWindow, TextsHintsAndReadoutsInEnglish) {
  Show("english");
  TChassisform* f = form();
  EXPECT_EQ(f->windowTitle(), "input of all parameters");
  EXPECT_EQ(f->Label1->text(), "total Quality Qts");
  EXPECT_EQ(f->Label23->text(), "manufactor");
  EXPECT_EQ(f->BitBtn2->text(), "cancel");
  EXPECT_EQ(f->Button5->text(), "&open file");
  EXPECT_EQ(f->Edit7->toolTip(), "diameter of membrane in cm (1 important numbers after point)");
  EXPECT_EQ(f->Button2->toolTip(), "reset all values to VISATON W300NG");
  EXPECT_EQ(f->Button7->toolTip(), "Die momentan verwendet Datei löschen");
  EXPECT_EQ(f->Label19->text(), "mechanical quality Qms = 2.042");
  EXPECT_EQ(f->Label21->text(), "magnet const. Bxl = 10.22 N/A=Tm");
  EXPECT_EQ(f->Label24->text(), "old values");
  EXPECT_EQ(f->BitBtn1->text(), "OK");
  EXPECT_EQ(f->Button2->text(), "Reset");

  SetLanguage("deutsch");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "Eingabe der Chassis-Daten");
  EXPECT_EQ(f->Label3->text(), "Äquivalentvolumen Vas");
  EXPECT_EQ(f->Button8->toolTip(), "Qms abschätzen und Qes aus Qts errechnen");
  EXPECT_EQ(f->Label21->text(), "Wandlerkonstante Bxl = 10.22 N/A=Tm ");
  EXPECT_EQ(f->Label24->text(), "alte Werte");
}

TEST_F(ChassisWindow, GermanCaptionsAndHints) {
  Show("english");
  SetLanguage("deutsch");
  Repaint();
  TChassisform* f = form();
  EXPECT_EQ(f->windowTitle(), "Eingabe der Chassis-Daten");
  const std::pair<QLabel*, const char*> labels[] = {
      {f->Label1, "Gesamtgüte Qts"},          {f->Label2, "elektrische Güte Qes"},
      {f->Label3, "Äquivalentvolumen Vas"},   {f->Label5, "Resonanzfrequenz fs"},
      {f->Label7, "DC-Widerstand Re"},        {f->Label9, "Chassisname"},
      {f->Label11, "Membrandurchmesser"},     {f->Label14, "Chassis-Eigenvolumen"},
      {f->Label23, "Hersteller"},             {f->Label25, "Chassis-Induktivität Le"},
      {f->Label29, "mech. Güte Qms"}};
  for (const auto& [label, text] : labels) EXPECT_EQ(label->text(), QString::fromUtf8(text)) << text;
  const std::pair<QPushButton*, const char*> buttons[] = {
      {f->BitBtn2, "Abbrechen"},         {f->BitBtn3, "&Hilfe"},       {f->Button3, "Datei &Speichern"},
      {f->Button5, "Datei &Öffnen"},     {f->Button7, "Datei Löschen"}, {f->BitBtn1, "OK"},
      {f->Button2, "Reset"}};
  for (const auto& [button, text] : buttons) EXPECT_EQ(button->text(), QString::fromUtf8(text)) << text;
  EXPECT_EQ(f->Edit1->toolTip(), "3 relevante Nachkommastellen");
  EXPECT_EQ(f->Edit7->toolTip(), "Durchmesser der Membran in cm + etwa 2/3 der Sicke (1 Nachkommastelle)");
  EXPECT_EQ(f->Button2->toolTip(), "Rücksetzen der Werte (VISATON W300NG)");
  EXPECT_EQ(f->BitBtn2->toolTip(), "Werte verwerfen");
}

TEST_F(ChassisWindow, SettingsChangedInSizeOrByAnotherWindowAreReadAgainThenNoMore) {
  Show();
  TChassisform* f = form();
  const std::string path = settings->SettingsPath();
  const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
  WriteFileBytes(path, "[Info]\r\nSprache=english\r\n\r\n[Options]\r\nAboutAtStart=0\r\n");
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), past, 0), 0);
  f->repaint();
  EXPECT_EQ(f->Label1->text(), "total Quality Qts");
  // Changed in size; and written by another window of this program.
  WriteFileBytes(path, "[Info]\r\nSprache=deutsch\r\n");
  ::utimensat(AT_FDCWD, path.c_str(), past, 0);
  f->repaint();
  EXPECT_EQ(f->Label1->text(), "Gesamtgüte Qts");
  OpenSettings().WriteInteger("Options", "color", 1);
  f->repaint();
  EXPECT_EQ(f->palette().color(QPalette::Window), QColor(Qt::white));
  platform::FileSeam files;
  platform::InstallFileSeam(&files);
  for (int i = 0; i < 100; ++i) f->repaint();
  EXPECT_EQ(files.reads, 0);
  platform::InstallFileSeam(nullptr);
}

TEST_F(ChassisWindow, ColourSchemeColoursTheWindow) {
  OpenSettings().WriteInteger("Options", "color", 1);
  Show();
  EXPECT_EQ(form()->palette().color(QPalette::Window), QColor(Qt::white));
  OpenSettings().WriteInteger("Options", "color", 7);
  Repaint();
  EXPECT_EQ(form()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
}

TEST_F(ChassisWindow, HelpComesFromTheHelpFile) {
  Show();
  form()->BitBtn3->click();
  ASSERT_FALSE(seam.helpRequests.isEmpty());
  EXPECT_EQ(seam.helpRequests.last().file, "VELO.HLP");
}

}  // namespace
}  // namespace velomare::test
