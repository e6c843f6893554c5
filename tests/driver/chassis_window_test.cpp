// The driver-data window driven through its controls: show, typing, the read-outs, the Q
// calculators, reset, cancel, OK with its settings bytes and a restart, bad input, help, the
// displacement-volume launcher and the texts in both languages.
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "WindowTest.h"
#include "platform/plain/IniFile.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"
#include "driver/model/DriverValues.h"

namespace velomare::test {
namespace {

class ChassisWindow : public WindowTest<TChassisform, &forms::Chassisform> {
 protected:
  void Show() {
    form()->ShowForm();
    Repaint();
  }
  void Repaint() {
    form()->grab();
    QCoreApplication::processEvents();
  }
  QList<QLabel*> Readouts() {
    TChassisform* f = form();
    return {f->Label19, f->Label15, f->Label8,  f->Label13, f->Label26, f->Label22, f->Label21, f->Label18,
            f->Label17, f->Label20, f->Label27, f->Label24, f->Label4,  f->Label12, f->Label16, f->Label28};
  }
  void SetLanguage(const char* language) { OpenSettings().WriteString("Info", "Sprache", language); }
};

TEST_F(ChassisWindow, ShowFillsTheEditsFromTheCommittedDriver) {
  Show();
  TChassisform* f = form();
  EXPECT_EQ(f->Edit1->text(), "0,410");
  EXPECT_EQ(f->Edit2->text(), "0,513");
  EXPECT_EQ(f->Edit11->text(), "2,040");
  EXPECT_EQ(f->Edit3->text(), "244,0");
  EXPECT_EQ(f->Edit4->text(), "29,0");
  EXPECT_EQ(f->Edit5->text(), "6,8");
  EXPECT_EQ(f->Edit7->text(), "25,3");
  EXPECT_EQ(f->Edit8->text(), "2,10");
  EXPECT_EQ(f->Edit10->text(), "1500");
  EXPECT_EQ(f->Edit6->text(), "W 300 NG (8 Ohm)");
  EXPECT_EQ(f->Edit9->text(), "VISATON");
  EXPECT_TRUE(f->BitBtn1->isEnabled());
  EXPECT_FALSE(f->Button7->isEnabled());
  EXPECT_EQ(f->Label24->text(), "alte Werte");
  EXPECT_EQ(f->Label19->text(), "mechanische Güte Qms = 2.042");
  EXPECT_EQ(f->Label8->text(), "Ohm ( Z=  8 Ohm )");
  EXPECT_EQ(f->Label12->text(), "Liter = 8.62 Cubic Foot");
  EXPECT_EQ(f->Label16->text(), "Liter = 128.2 Cubic Inches");
  EXPECT_EQ(f->Label4->text(), "cm = 10.0 Inches");
  EXPECT_EQ(f->Label28->text(), "uH = 1.50 mH");
  EXPECT_EQ(f->windowTitle(), "Eingabe der Chassis-Daten");
  EXPECT_TRUE(f->BitBtn1->isDefault());
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
  EXPECT_DOUBLE_EQ(ChassisDia, 25.3);  // the committed diameter stays
  Type(f->Edit7, "25,3");
  EXPECT_EQ(f->Label4->text(), "cm = 10.0 Inches");
  EXPECT_TRUE(f->BitBtn1->isEnabled());

  Type(f->Edit10, "-5");
  EXPECT_EQ(f->Label28->text(), "uH");
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

TEST_F(ChassisWindow, BadTextInAnyEditNeverShowsNanOrInfAndDisablesOk) {
  Show();
  TChassisform* f = form();
  const QStringList bad = {"abc", "", "-", "1e999", QString(35, 'x'), "-7", ",", "1,2,3"};
  const QStringList huge = {QString(300, '9'), "0," + QString(200, '0') + "1", "99999999999999999999999999"};
  for (QLineEdit* edit : {f->Edit1, f->Edit2, f->Edit11, f->Edit3, f->Edit4, f->Edit5, f->Edit7, f->Edit8, f->Edit10}) {
    const QString keep = edit->text();
    for (const QString& text : bad + huge) {
      Type(edit, text);
      Repaint();
      for (QLabel* label : Readouts()) {
        EXPECT_FALSE(label->text().contains("nan", Qt::CaseInsensitive)) << label->text().toStdString();
        EXPECT_FALSE(label->text().contains("inf", Qt::CaseInsensitive)) << label->text().toStdString();
      }
      if (bad.contains(text)) {
        EXPECT_FALSE(f->BitBtn1->isEnabled()) << edit->objectName().toStdString() << " " << text.toStdString();
      }
    }
    Type(edit, keep);
    EXPECT_TRUE(f->BitBtn1->isEnabled());
  }
  // Clicking OK while disabled commits nothing.
  Type(f->Edit1, "abc");
  f->BitBtn1->click();
  EXPECT_DOUBLE_EQ(ChassisQts, 0.41);
  EXPECT_TRUE(f->isVisible());
}

TEST_F(ChassisWindow, QCalculatorButtons) {
  Show();
  TChassisform* f = form();
  // Qes from Qts and Qms.
  Type(f->Edit2, "");
  Type(f->Edit11, "2,04");
  f->Button1->click();
  EXPECT_EQ(f->Edit2->text(), "0,513");
  Type(f->Edit11, "25");
  f->Button1->click();
  EXPECT_EQ(f->Edit2->text(), "0");
  EXPECT_EQ(f->Label19->text(), "? Qms (Qes > Qts ! )");
  EXPECT_FALSE(f->BitBtn1->isEnabled());
  // Qms = Qts within range would divide by zero: Qes stays.
  Type(f->Edit1, "1,5");
  Type(f->Edit11, "1,5");
  Type(f->Edit2, "0,7");
  f->Button1->click();
  EXPECT_EQ(f->Edit2->text(), "0,7");

  // Qts from Qes and Qms.
  Type(f->Edit2, "0,513");
  Type(f->Edit11, "2,04");
  f->Button6->click();
  EXPECT_EQ(f->Edit1->text(), "0,410");
  Type(f->Edit2, "3,0");
  f->Button6->click();
  EXPECT_EQ(f->Edit1->text(), "0");

  // Qms from Qts and Qes; Qes = Qts leaves it.
  Type(f->Edit1, "0,41");
  Type(f->Edit2, "0,513");
  f->Button4->click();
  EXPECT_EQ(f->Edit11->text(), "2,042");
  Type(f->Edit2, "0,41");
  f->Button4->click();
  EXPECT_EQ(f->Edit11->text(), "2,042");

  // The estimate; Qts 5 leaves both edits.
  Type(f->Edit1, "0,41");
  f->Button8->click();
  EXPECT_EQ(f->Edit2->text(), "0,447");
  EXPECT_EQ(f->Edit11->text(), "5.0");
  EXPECT_DOUBLE_EQ(WorkQms, 5.0);
  Type(f->Edit1, "5");
  f->Button8->click();
  EXPECT_EQ(f->Edit2->text(), "0,447");
  EXPECT_EQ(f->Edit11->text(), "5.0");
  for (QLabel* label : Readouts()) EXPECT_FALSE(label->text().contains("inf", Qt::CaseInsensitive));
}

TEST_F(ChassisWindow, ResetPutsTheBuiltInDriverIntoTheEdits) {
  Show();
  TChassisform* f = form();
  for (QLineEdit* e : {f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit7, f->Edit8, f->Edit9,
                       f->Edit10, f->Edit11})
    Type(e, "x");
  f->Button2->click();
  EXPECT_EQ(f->Edit1->text(), "0,410");
  EXPECT_EQ(f->Edit3->text(), "244,0");
  EXPECT_EQ(f->Edit8->text(), "2,10");
  EXPECT_EQ(f->Edit10->text(), "1500");
  EXPECT_EQ(f->Edit11->text(), "2,040");
  EXPECT_EQ(f->Edit6->text(), "W 300 NG (8 Ohm)");
  EXPECT_EQ(f->Edit9->text(), "VISATON");
  EXPECT_TRUE(f->BitBtn1->isEnabled());
  EXPECT_EQ(f->Label24->text(), "alte Werte");
}

TEST_F(ChassisWindow, CancelRestoresTheEditsAndLeavesTheDriver) {
  Show();
  TChassisform* f = form();
  Type(f->Edit1, "0,3");
  Type(f->Edit2, "0,6");
  Type(f->Edit3, "100");
  Type(f->Edit4, "40");
  Type(f->Edit5, "5");
  Type(f->Edit6, "other");
  Type(f->Edit7, "17");
  Type(f->Edit8, "0,7");
  f->BitBtn2->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(f->Edit1->text(), "0,410");
  EXPECT_EQ(f->Edit2->text(), "0,513");
  EXPECT_EQ(f->Edit3->text(), "244,0");
  EXPECT_EQ(f->Edit4->text(), "29,0");
  EXPECT_EQ(f->Edit5->text(), "6,8");
  EXPECT_EQ(f->Edit6->text(), "W 300 NG (8 Ohm)");
  EXPECT_EQ(f->Edit7->text(), "25,3");
  EXPECT_EQ(f->Edit8->text(), "2,10");
  EXPECT_DOUBLE_EQ(ChassisQts, 0.41);
  EXPECT_EQ(ChassisName, "W 300 NG (8 Ohm)");

  // Esc presses cancel.
  Show();
  Type(f->Edit1, "0,3");
  QApplication::setActiveWindow(f);
  QTest::keyClick(f->Edit1, Qt::Key_Escape);
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(f->Edit1->text(), "0,410");
}

TEST_F(ChassisWindow, OkCommitsWritesTheSettingsAndARestartLoadsTheDriver) {
  Show();
  TChassisform* f = form();
  settings->WriteSettings("[Info]\r\nSprache=deutsch\r\n\r\n[Options]\r\nAboutAtStart=0\r\n");
  Type(f->Edit9, "Bässe & Co");
  Type(f->Edit6, "TW 22 (4 Ohm)");
  Type(f->Edit1, "0,38");
  Type(f->Edit2, "0,45");
  Type(f->Edit11, "6");
  Type(f->Edit3, "80");
  Type(f->Edit4, "33,5");
  Type(f->Edit5, "3,3");
  Type(f->Edit7, "21");
  Type(f->Edit8, "1,4");
  Type(f->Edit10, "950");
  EXPECT_EQ(f->Label24->text(), "neue Werte");
  f->BitBtn1->click();

  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_DOUBLE_EQ(ChassisQts, 0.38);
  EXPECT_DOUBLE_EQ(ChassisQms, 6);
  EXPECT_DOUBLE_EQ(ChassisLe, 950);
  EXPECT_EQ(ChassisManufacturer, "Bässe & Co");
  // 112 + 10 log10(pi^2 33.5^3 0.08 / (0.45 10088402)) = 90.15 dB.
  EXPECT_NEAR(ChassisSpl, 90.15489260, 1e-8);
  EXPECT_EQ(forms::Druck->Edit1->text(), "90,2");
  EXPECT_EQ(settings->ReadSettings(),
            "[Info]\r\nSprache=deutsch\r\nVersion=Velomare Freeware Version\r\nUnits=Standard International\r\n"
            "\r\n[Options]\r\nAboutAtStart=0\r\n"
            "\r\n[Chassis]\r\nmanufactor=B\xE4sse & Co\r\nname=TW 22 (4 Ohm)\r\nQts=0,38\r\nQes=0,45\r\nQms=6\r\n"
            "Vas=80\r\nfs=33,5\r\nRe=3,3\r\ndia=21\r\nvol=1,4\r\nLe=950\r\n");

  // A restart loads the driver back, and the window shows it.
  DestroyForms();
  started = false;
  ResetCommittedDriver();
  StartProgram();
  EXPECT_DOUBLE_EQ(ChassisQts, 0.38);
  EXPECT_DOUBLE_EQ(ChassisQes, 0.45);
  EXPECT_DOUBLE_EQ(ChassisQms, 6);
  EXPECT_DOUBLE_EQ(ChassisVas, 80);
  EXPECT_DOUBLE_EQ(ChassisFs, 33.5);
  EXPECT_DOUBLE_EQ(ChassisRe, 3.3);
  EXPECT_DOUBLE_EQ(ChassisDia, 21);
  EXPECT_DOUBLE_EQ(ChassisVol, 1.4);
  EXPECT_DOUBLE_EQ(ChassisLe, 950);
  EXPECT_EQ(ChassisName, "TW 22 (4 Ohm)");
  EXPECT_EQ(ChassisManufacturer, "Bässe & Co");
  Show();
  EXPECT_EQ(form()->Edit1->text(), "0,380");
  EXPECT_EQ(form()->Edit8->text(), "1,40");
  EXPECT_EQ(form()->Label24->text(), "alte Werte");
}

TEST_F(ChassisWindow, StoredValuesKeepEveryTypedDigitAcrossARestart) {
  Show();
  TChassisform* f = form();
  Type(f->Edit3, "12,3456789");
  Type(f->Edit4, "29,87654321");
  ASSERT_TRUE(f->BitBtn1->isEnabled());
  f->BitBtn1->click();
  const std::string stored = settings->ReadSettings();
  EXPECT_NE(stored.find("\r\nVas=12,3456789\r\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("\r\nfs=29,87654321\r\n"), std::string::npos) << stored;

  DestroyForms();
  started = false;
  ResetCommittedDriver();
  StartProgram();
  EXPECT_EQ(ChassisVas, 12.3456789);
  EXPECT_EQ(ChassisFs, 29.87654321);
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

TEST_F(ChassisWindow, FailedSettingsWriteIsReportedAndTheDriverStillCommitted) {
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

  Language = "english";
  Show();
  Type(f->Edit1, "0,37");
  // The paint re-reads the language from the (unreadable) settings, which gives German; the
  // English message is checked through the model's language directly.
  Language = "english";
  f->BitBtn1->click();
  ASSERT_EQ(seam.messages.size(), 2);
  EXPECT_TRUE(seam.messages[1].startsWith("The driver was accepted, but it could not be saved")) << seam.messages[1].toStdString();

  // Settings that exist but cannot be read are kept, not replaced by the driver's keys alone.
  std::filesystem::remove(settings->SettingsPath());
  const std::string old = "[Info]\r\nSprache=deutsch\r\n\r\n[Mine]\r\nkeep=1\r\n";
  settings->WriteSettings(old);
  Show();
  Type(f->Edit1, "0,36");
  platform::FileSeam files;
  files.failRead = [](const std::string&) { return true; };
  platform::InstallFileSeam(&files);
  f->BitBtn1->click();
  platform::InstallFileSeam(nullptr);
  ASSERT_EQ(seam.messages.size(), 3);
  EXPECT_TRUE(seam.messages[2].startsWith("Das Chassis wurde übernommen, konnte aber nicht")) << seam.messages[2].toStdString();
  EXPECT_EQ(settings->ReadSettings(), old);
  EXPECT_DOUBLE_EQ(ChassisQts, 0.36);
}

TEST_F(ChassisWindow, TextsHintsAndReadoutsInEnglish) {
  SetLanguage("english");
  Show();
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
  SetLanguage("english");
  Show();
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

TEST_F(ChassisWindow, RepaintsAndKeystrokesReadTheSettingsOnlyWhenTheyChanged) {
  settings->WriteSettings("[Info]\r\nSprache=deutsch\r\n\r\n[Options]\r\nAboutAtStart=0\r\n");
  Show();
  TChassisform* f = form();
  platform::FileSeam files;
  platform::InstallFileSeam(&files);
  for (int i = 0; i < 100; ++i) f->repaint();
  for (const char* text : {"2", "24", "244", "244,", "244,0"}) Type(f->Edit3, text), f->repaint();
  EXPECT_LE(files.reads, 1);

  // Changed by hand in place, to the same size: the time stamp tells.
  const std::string path = settings->SettingsPath();
  WriteFileBytes(path, "[Info]\r\nSprache=english\r\n\r\n[Options]\r\nAboutAtStart=0\r\n");
  const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
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
  const int reads = files.reads;
  for (int i = 0; i < 100; ++i) f->repaint();
  EXPECT_EQ(files.reads, reads);
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

TEST_F(ChassisWindow, HelpAndTheDisplacementLauncher) {
  Show();
  form()->BitBtn3->click();
  ASSERT_FALSE(seam.helpRequests.isEmpty());
  EXPECT_EQ(seam.helpRequests.last().topic, "QTX_contents0002");
  EXPECT_EQ(seam.helpRequests.last().file, "VELO.HLP");

  DisplacementCaller = 0;
  form()->calcvol->click();
  EXPECT_EQ(DisplacementCaller, 1);
  EXPECT_TRUE(static_cast<QWidget*>(forms::displacement)->isVisible());
}

}  // namespace
}  // namespace velomare::test
