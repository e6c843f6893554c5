// The Thiele-Small window driven through its controls: the worked readings typed in both
// languages, the method buttons, the box level captions, apply with its message and what it
// leaves alone, the values taken again at activation, the names, the buttons and bad input.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "TestSupport.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DriverValues.h"

namespace velomare::test {
namespace {

class TsparaWindow : public WindowTest<Ttspara, &forms::tspara> {
 protected:
  void Show() {
    form()->ShowForm();
    Repaint();
  }
  void Repaint() { PaintNow(form()); }
  // The window becomes the active one again, as after a message box or another window.
  void Activate() {
    QApplication::setActiveWindow(forms::All().front());
    QApplication::setActiveWindow(form());
    QCoreApplication::processEvents();
  }
  void SetLanguage(const char* language) { OpenSettings().WriteString("Info", "Sprache", language); }

  // The worked readings in the order the window asks for them.
  QList<std::pair<QLineEdit*, const char*>> WorkedReadings() {
    Ttspara* f = form();
    return {{f->Edit1, "6,8"}, {f->Edit2, "29"}, {f->Edit3, "40"},   {f->Edit4, "22"},     {f->Edit5, "38"},
            {f->Edit6, "1"},   {f->Edit7, "12"}, {f->Edit8, "25,3"}, {f->Edit9, "24"},     {f->Edit16, "Maker"},
            {f->Edit17, "Model"}};
  }
  void TypeReadings(const QList<std::pair<QLineEdit*, const char*>>& readings) {
    for (const auto& [edit, text] : readings) Type(edit, text);
  }
  void TypeWorkedReadings() { TypeReadings(WorkedReadings()); }
  void TypeClosedBoxReadings() {
    Ttspara* f = form();
    f->RadioButton2->click();
    Type(f->Edit9, "40");
    Type(f->Edit11, "50");
    Type(f->Edit12, "34");
    Type(f->Edit13, "32");
    Type(f->Edit14, "52");
  }
  QList<QLabel*> Results() {
    Ttspara* f = form();
    return {f->Label23, f->Label19, f->Label24, f->Label25, f->Label26, f->Label29, f->Label27, f->Label28,
            f->Label13, f->Label15, f->Label22, f->Label17, f->Label20, f->Label21, f->Label18, f->Label33,
            f->Label4,  f->Label5,  f->Label14, f->Label16};
  }
  QStringList ResultTexts() {
    QStringList texts;
    for (QLabel* l : Results()) texts << l->text();
    return texts;
  }
};

TEST_F(TsparaWindow, ShownEmptyEveryResultShowsItsFallback) {
  Show();
  Ttspara* f = form();
  EXPECT_EQ(f->windowTitle(), "Ermittlung der Thiele-Small-Parameter");
  EXPECT_EQ(f->Label23->text(), "Qts");
  EXPECT_EQ(f->Label26->text(), "fs ");
  EXPECT_EQ(f->Label29->text(), "Re");
  EXPECT_EQ(f->Label4->text(), "f1 (Hz)");
  EXPECT_EQ(f->Label14->text(), "f1 im Gehäuse (Hz)");
  EXPECT_EQ(f->Label33->text(), "Rms ");
  EXPECT_EQ(f->Edit10->text(), "10");
  EXPECT_EQ(f->Edit11->text(), "10");
  EXPECT_EQ(f->Edit15->text(), "0,5");
  EXPECT_FALSE(f->Button2->isEnabled());
  EXPECT_TRUE(f->Button2->isDefault());
  EXPECT_DOUBLE_EQ(WorkVol, 0.5);
  EXPECT_EQ(f->Edit1->toolTip(), "Gleichstrom-Widerstand der Schwingspule in Ohm eingeben");
}

TEST_F(TsparaWindow, WorkedReadingsShowEveryResultInGermanAndEnglish) {
  Show();
  TypeWorkedReadings();
  Ttspara* f = form();
  EXPECT_EQ(f->Label4->text(), "f1 (Hz) bei 16.49 Ohm");
  EXPECT_EQ(f->Label5->text(), "f2 (Hz) bei 16.49 Ohm");
  EXPECT_EQ(f->Label23->text(), "Gesamtgüte Qts=0.747");
  EXPECT_EQ(f->Label19->text(), "mech. Güte Qms=4.396");
  EXPECT_EQ(f->Label24->text(), "elektr. Güte Qes=0.900");
  EXPECT_EQ(f->Label25->text(), "Vas = 494.4 l");
  EXPECT_EQ(f->Label26->text(), "Resonanzfrequenz fs =29.0 Hz");
  EXPECT_EQ(f->Label29->text(), "Gleichstromwiderstand Re=6.80 Ohm");
  EXPECT_EQ(f->Label27->text(), "Impedanz Z ca.  8 Ohm");
  EXPECT_EQ(f->Label28->text(), "Chassisinduktivität Le =1.574 mH");
  EXPECT_EQ(f->Label13->text(), "SPL = 93.2 dB/1W1m");
  EXPECT_EQ(f->Label15->text(), "Membranfläche Sd=502.7 cm²");
  EXPECT_EQ(f->Label22->text(), "Bandbreiteprodukt EBP=32.2");
  EXPECT_EQ(f->Label17->text(), " Mms=21.7 g");
  EXPECT_EQ(f->Label20->text(), "elektr. Kapazität Cmes=603.1 µF");
  EXPECT_EQ(f->Label21->text(), "Wandlerfaktor Bxl=5.42 N/A");
  EXPECT_EQ(f->Label18->text(), "mech. Nachgiebigkeit Cms=1.386 mm/N");
  EXPECT_EQ(f->Label33->text(), "mech. Verluste Rms=0.90 kg/s");
  EXPECT_TRUE(f->Button2->isEnabled());
  EXPECT_DOUBLE_EQ(WorkDia, 25.3);

  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "Determination of the Thiele-Small parameters");
  EXPECT_EQ(f->Label1->text(), "DC resistance R (Ohm) ");
  EXPECT_EQ(f->RadioButton1->text(), "delta-mass method");
  EXPECT_EQ(f->Button2->text(), "&use TSPs");
  EXPECT_EQ(f->Label23->text(), "total Quality Qts=0.747");
  EXPECT_EQ(f->Label15->text(), "membrane surface Sd=502.7 sqcm");
  EXPECT_EQ(f->Label17->text(), "membrane mass Mms=21.7 g");
  EXPECT_EQ(f->Label26->text(), "resonance frequ. fs =29.0 Hz");
  EXPECT_EQ(f->Label4->text(), "f1 (Hz) bei 16.49 Ohm");
  // The hints stay German.
  EXPECT_EQ(f->Button2->toolTip(), "Berechnete Werte übernehmen");
}

TEST_F(TsparaWindow, ClosedBoxMethodWithItsWorkedReadings) {
  Show();
  TypeWorkedReadings();
  TypeClosedBoxReadings();
  Ttspara* f = form();
  EXPECT_EQ(f->Label25->text(), "Vas = 35.6 l");
  EXPECT_EQ(f->Label18->text(), "mech. Nachgiebigkeit Cms=0.100 mm/N");
  EXPECT_EQ(f->Label17->text(), " Mms=301.6 g");
  EXPECT_EQ(f->Label21->text(), "Wandlerfaktor Bxl=20.19 N/A");
  EXPECT_EQ(f->Label13->text(), "SPL = 81.8 dB/1W1m");
  EXPECT_EQ(f->Label33->text(), "mech. Verluste Rms=12.50 kg/s");
  // Back to the added mass with its own new resonance.
  f->RadioButton1->click();
  EXPECT_EQ(f->Label25->text(), "Vas");
  Type(f->Edit9, "24");
  EXPECT_EQ(f->Label25->text(), "Vas = 494.4 l");
}

TEST_F(TsparaWindow, EveryTextFitsWithTheWorkedReadingsOfBothMethodsInBothLanguages) {
  Show();
  TypeWorkedReadings();
  for (const char* language : {"deutsch", "english"}) {
    SetLanguage(language);
    form()->RadioButton1->click();
    Type(form()->Edit9, "24");
    Repaint();
    EXPECT_EQ(LayoutProblems(form(), language), QStringList());
    TypeClosedBoxReadings();
    Repaint();
    EXPECT_EQ(LayoutProblems(form(), language), QStringList());
  }
}

TEST_F(TsparaWindow, MethodButtonsDisableTheOtherMethodsControlsWithoutHidingThem) {
  Show();
  Ttspara* f = form();
  const QList<QWidget*> closedBox = {f->Edit11, f->Edit12, f->Edit13, f->Edit14,
                                     f->Label11, f->Label12, f->Label14, f->Label16};
  const auto check = [&](bool closed) {
    for (QWidget* w : closedBox) {
      EXPECT_EQ(w->isEnabled(), closed) << w->objectName().toStdString();
      EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_EQ(f->Edit10->isEnabled(), !closed);
    EXPECT_EQ(f->Label10->isEnabled(), !closed);
    EXPECT_TRUE(f->Edit10->isVisible());
    EXPECT_TRUE(f->Edit9->isEnabled());
    EXPECT_TRUE(f->Label9->isEnabled());
  };
  check(false);
  f->RadioButton2->click();
  EXPECT_TRUE(f->RadioButton2->isChecked());
  check(true);
  f->RadioButton1->click();
  check(false);
}

TEST_F(TsparaWindow, BoxLevelStaysAcrossRepaintsUntilTheTextsAreSetAgain) {
  Show();
  Ttspara* f = form();
  f->RadioButton2->click();
  Type(f->Edit1, "6,8");
  Type(f->Edit12, "34");
  EXPECT_EQ(f->Label14->text(), "f1 im Gehäuse bei 15.21 Ohm");
  EXPECT_EQ(f->Label16->text(), "f2 im Gehäuse bei 15.21 Ohm");
  for (int i = 0; i < 3; ++i) Repaint();
  EXPECT_EQ(f->Label14->text(), "f1 im Gehäuse bei 15.21 Ohm");
  // A peak at or below Re, or text that is no number, leaves the captions.
  Type(f->Edit12, "5");
  Type(f->Edit12, "x");
  EXPECT_EQ(f->Label16->text(), "f2 im Gehäuse bei 15.21 Ohm");

  // A show sets the texts.
  Type(f->Edit12, "34");
  f->hide();
  Show();
  EXPECT_EQ(f->Label14->text(), "f1 im Gehäuse (Hz)");
  EXPECT_EQ(f->Label16->text(), "f2 im Gehäuse (Hz)");

  // So does a language change, and the level comes back in the new language at the next Zc.
  Type(f->Edit12, "30");
  Type(f->Edit12, "34");
  EXPECT_EQ(f->Label14->text(), "f1 im Gehäuse bei 15.21 Ohm");
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->Label14->text(), "f1 in closed box (Hz)");
  Type(f->Edit12, "35");
  EXPECT_EQ(f->Label16->text(), "f2 in box at 15.43 Ohm");
  Repaint();
  EXPECT_EQ(f->Label16->text(), "f2 in box at 15.43 Ohm");
}

TEST_F(TsparaWindow, ApplyCommitsTheDriverAndTellsSoButWritesNoFile) {
  Show();
  TypeWorkedReadings();
  Type(form()->Edit15, "1,2");
  const std::string before = settings->ReadSettings();
  ChassisLe = 999;
  ChassisQms = 7;
  form()->Button2->click();

  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_EQ(seam.messages[0], "Werte wurden zum Berechnen übernommen!");
  EXPECT_NEAR(ChassisQts, 0.747, 0.0005);
  EXPECT_NEAR(ChassisQes, 0.900, 0.0005);
  EXPECT_NEAR(ChassisQms, 4.396, 0.0005);
  EXPECT_DOUBLE_EQ(ChassisRe, 6.8);
  EXPECT_DOUBLE_EQ(ChassisFs, 29);
  EXPECT_NEAR(ChassisVas, 494.4, 0.05);
  EXPECT_DOUBLE_EQ(ChassisDia, 25.3);
  EXPECT_DOUBLE_EQ(ChassisVol, 1.2);
  EXPECT_NEAR(ChassisSpl, 93.2, 0.05);
  EXPECT_NEAR(ChassisLe, 1574, 0.5);
  EXPECT_EQ(ChassisManufacturer, "Maker");
  EXPECT_EQ(ChassisName, "Model");
  EXPECT_EQ(settings->ReadSettings(), before);
  EXPECT_TRUE(form()->isVisible());

  // The driver-data window shows the new driver at its next show, Qms included.
  forms::Chassisform->ShowForm();
  EXPECT_EQ(forms::Chassisform->Edit1->text(), "0,747");
  EXPECT_EQ(forms::Chassisform->Edit11->text(), "4,396");
  EXPECT_EQ(forms::Chassisform->Edit5->text(), "6,8");
  EXPECT_EQ(forms::Chassisform->Edit6->text(), "Model");

  // English message.
  forms::Chassisform->hide();
  SetLanguage("english");
  Repaint();
  form()->Button2->click();
  EXPECT_EQ(seam.messages.last(), "values are taken for calculation!");
}

TEST_F(TsparaWindow, ApplyKeepsTheDriversInductanceWhileNoneIsShown) {
  Show();
  TypeWorkedReadings();
  Type(form()->Edit7, "");
  EXPECT_EQ(form()->Label28->text(), "Le");
  ChassisLe = 1500;
  form()->Button2->click();
  EXPECT_DOUBLE_EQ(ChassisLe, 1500);
  EXPECT_DOUBLE_EQ(ChassisRe, 6.8);
}

TEST_F(TsparaWindow, ApplyHandsOverThisWindowsDiameterWhateverElseWroteIt) {
  Show();
  TypeWorkedReadings();
  WorkDia = 10;  // the driver-data window computing in the background
  WorkVol = 3;
  form()->Button2->click();
  EXPECT_DOUBLE_EQ(ChassisDia, 25.3);
  EXPECT_DOUBLE_EQ(ChassisVol, 0.5);
}

TEST_F(TsparaWindow, DisabledApplyCommitsNothing) {
  Show();
  TypeWorkedReadings();
  Type(form()->Edit17, "");
  EXPECT_FALSE(form()->Button2->isEnabled());
  ChassisRe = 3.3;
  QTest::keyClick(form()->Edit1, Qt::Key_Return);
  form()->Button2Click();
  EXPECT_DOUBLE_EQ(ChassisRe, 3.3);
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(TsparaWindow, ActivationTakesEveryValueAgainFromItsEdit) {
  Show();
  Ttspara* f = form();
  // f1 and f2 typed before fs are lost while typing ...
  QList<std::pair<QLineEdit*, const char*>> readings = WorkedReadings();
  readings.move(1, 4);
  ASSERT_EQ(readings[4].first, f->Edit2);
  TypeReadings(readings);
  EXPECT_EQ(f->Label23->text(), "Qts");
  EXPECT_FALSE(f->Button2->isEnabled());
  // ... and counted once the window is activated again.
  Activate();
  EXPECT_EQ(f->Label23->text(), "Gesamtgüte Qts=0.747");
  EXPECT_TRUE(f->Button2->isEnabled());

  // The activation that follows apply's message leaves every value in place, so a second apply
  // commits the same driver, not zeros and empty names.
  f->Button2->click();
  const QStringList shown = ResultTexts();
  Activate();
  EXPECT_EQ(ResultTexts(), shown);
  ResetCommittedDriver();
  f->Button2->click();
  EXPECT_DOUBLE_EQ(ChassisRe, 6.8);
  EXPECT_DOUBLE_EQ(ChassisFs, 29);
  EXPECT_NEAR(ChassisVas, 494.4, 0.05);
  EXPECT_EQ(ChassisName, "Model");

  // A resistance edit emptied while typing leaves Re (the edit's rule); the next activation
  // takes the empty edit, and the panel and apply follow.
  Type(f->Edit1, "");
  EXPECT_EQ(f->Label29->text(), "Gleichstromwiderstand Re=6.80 Ohm");
  Activate();
  EXPECT_EQ(f->Label29->text(), "Re");
  EXPECT_EQ(f->Label27->text(), "Z");
  EXPECT_FALSE(f->Button2->isEnabled());
}

TEST_F(TsparaWindow, LongNamesAreCutTo30CharactersInTheEdits) {
  Show();
  Ttspara* f = form();
  Type(f->Edit16, QString(35, 'A'));
  Type(f->Edit17, "Ein sehr langer Chassisname mit Zusatz");
  EXPECT_EQ(f->Edit16->text(), QString(30, 'A'));
  EXPECT_EQ(f->Edit17->text(), "Ein sehr langer Chassisname mi");
  TypeWorkedReadings();
  Type(f->Edit16, QString::fromUtf8("Lautsprecherbau Müller & Söhne GmbH"));
  EXPECT_EQ(f->Edit16->text(), QString::fromUtf8("Lautsprecherbau Müller & Söhne"));
  f->Button2->click();
  EXPECT_EQ(ChassisManufacturer, "Lautsprecherbau Müller & Söhne");
}

TEST_F(TsparaWindow, PrintHelpAndClose) {
  Show();
  Ttspara* f = form();
  f->Button4->click();
  ASSERT_EQ(seam.questions.size(), 1);
  EXPECT_EQ(seam.questions[0], "Fenster drucken?");
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], f);
  seam.answer = [](const QString&) { return platform::Answer::No; };
  SetLanguage("english");
  Repaint();
  f->Button4->click();
  EXPECT_EQ(seam.questions.last(), "print window?");
  EXPECT_EQ(seam.printed.size(), 1);

  f->Button3->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0019");
  EXPECT_EQ(seam.helpRequests[0].file, "VELO.HLP");

  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  Show();
  QApplication::setActiveWindow(f);
  QTest::keyClick(f->Edit1, Qt::Key_Escape);
  EXPECT_FALSE(f->isVisible());
}

TEST_F(TsparaWindow, BadTextInAnyEditNeverShowsNanOrInfNorEnablesApplyWrongly) {
  Show();
  TypeWorkedReadings();
  Ttspara* f = form();
  const QStringList bad = {"abc", "", "-", "1e999", QString(30, '9'), "-7", ",", "1,2,3", QString(300, '9'),
                           "0," + QString(100, '0') + "1"};
  const QList<QLineEdit*> edits = {f->Edit1,  f->Edit2,  f->Edit3,  f->Edit4,  f->Edit5,  f->Edit6,
                                   f->Edit7,  f->Edit8,  f->Edit9,  f->Edit10, f->Edit11, f->Edit12,
                                   f->Edit13, f->Edit14, f->Edit15, f->Edit16, f->Edit17};
  for (QRadioButton* method : {f->RadioButton1, f->RadioButton2}) {
    method->click();
    if (method == f->RadioButton2) TypeClosedBoxReadings();
    for (QLineEdit* edit : edits) {
      const QString keep = edit->text();
      for (const QString& text : bad) {
        Type(edit, text);
        Activate();
        Repaint();
        for (QLabel* label : Results()) {
          const QString shown = label->text().toLower();
          EXPECT_FALSE(QRegularExpression("(^|[^a-z])(nan|inf)").match(shown).hasMatch())
              << edit->objectName().toStdString() << " " << text.toStdString() << ": " << shown.toStdString();
        }
        if (f->Button2->isEnabled()) {
          const auto& v = f->Measurement().Stored();
          EXPECT_GT(v.re, 1);
          EXPECT_GT(v.fs, 10);
          EXPECT_GT(v.qts, 0.05);
          EXPECT_GE(v.vas, 1);
          EXPECT_GT(WorkDia, 5);
          EXPECT_GT(WorkVol, 0);
          EXPECT_FALSE(f->Edit16->text().isEmpty());
        }
      }
      Type(edit, keep);
    }
    Activate();
    EXPECT_TRUE(f->Button2->isEnabled());
  }
  // Typical faults disable apply: no resonance, f2 below f1, fc above fs, Zc below Re.
  f->RadioButton1->click();
  for (auto [edit, text] : {std::pair{f->Edit2, "abc"}, {f->Edit5, "20"}, {f->Edit9, "30"}, {f->Edit8, "80"}}) {
    const QString keep = edit->text();
    Type(edit, text);
    EXPECT_FALSE(f->Button2->isEnabled()) << edit->objectName().toStdString();
    Type(edit, keep);
  }
}

}  // namespace
}  // namespace velomare::test

namespace velomare::test {
namespace {

// Renders the window with the worked readings of both methods in both languages, into
// VELOMARE_SCREENSHOTS when it names a folder (to look at), else into a temporary folder.
TEST_F(TsparaWindow, WorkedReadingsRenderAtTheWindowsSize) {
  QTemporaryDir scratch;
  const char* named = std::getenv("VELOMARE_SCREENSHOTS");
  const QString folder = named ? QString::fromLocal8Bit(named) : scratch.path();
  QDir().mkpath(folder);
  Show();
  TypeWorkedReadings();
  for (const char* language : {"deutsch", "english"}) {
    SetLanguage(language);
    form()->RadioButton1->click();
    Type(form()->Edit9, "24");
    Repaint();
    const QPixmap addedMass = form()->grab();
    EXPECT_EQ(addedMass.size(), form()->size());
    EXPECT_TRUE(addedMass.save(QString("%1/tspara-added-mass-%2.png").arg(folder, language)));
    TypeClosedBoxReadings();
    Repaint();
    EXPECT_TRUE(form()->grab().save(QString("%1/tspara-closed-box-%2.png").arg(folder, language)));
  }
}

}  // namespace
}  // namespace velomare::test
