// The Thiele-Small window driven through its controls: the model's results for the worked readings
// of both methods, the method buttons, apply, the values taken again at activation, bad input.
#include <QApplication>
#include <QLabel>
#include <QRadioButton>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DriverValues.h"
#include "driver/model/TspFromImpedance.h"

namespace velomare::test {
namespace {

class TsparaWindow : public WindowTest<Ttspara, &forms::tspara> {
 protected:
  using Readings = QList<std::pair<QLineEdit*, const char*>>;
  // The worked readings in the order the window asks for them.
  Readings WorkedReadings() {
    Ttspara* f = form();
    return {{f->Edit1, "6,8"}, {f->Edit2, "29"}, {f->Edit3, "40"},   {f->Edit4, "22"}, {f->Edit5, "38"},     {f->Edit6, "1"},
            {f->Edit7, "12"},  {f->Edit8, "25,3"}, {f->Edit9, "24"}, {f->Edit16, "Maker"}, {f->Edit17, "Model"}};
  }
  void TypeReadings(const Readings& readings) {
    for (const auto& [edit, text] : readings) Type(edit, text);
  }
  void TypeClosedBoxReadings() {
    Ttspara* f = form();
    f->RadioButton2->click();
    TypeReadings({{f->Edit9, "40"}, {f->Edit11, "50"}, {f->Edit12, "34"}, {f->Edit13, "32"}, {f->Edit14, "52"}});
  }
  QList<QLineEdit*> Edits() {
    Ttspara* f = form();
    return {f->Edit1,  f->Edit2,  f->Edit3,  f->Edit4,  f->Edit5,  f->Edit6,  f->Edit7,  f->Edit8, f->Edit9,
            f->Edit10, f->Edit11, f->Edit12, f->Edit13, f->Edit14, f->Edit15, f->Edit16, f->Edit17};
  }
  QStringList ResultTexts() {
    Ttspara* f = form();
    return TextsOf({f->Label23, f->Label19, f->Label24, f->Label25, f->Label26, f->Label29, f->Label27, f->Label28,
                    f->Label13, f->Label15, f->Label22, f->Label17, f->Label20, f->Label21, f->Label18, f->Label33,
                    f->Label4,  f->Label5});
  }
  // What the model gives for the texts the edits hold now, taken in order.
  QStringList ModelResults() {
    TspMeasurement m;
    m.SetMethod(form()->RadioButton2->isChecked() ? TspMethod::ClosedBox : TspMethod::AddedMass);
    TspEditTexts texts;
    for (std::size_t i = 0; i < kTspEditCount; ++i) texts[i] = Edits()[int(i)]->text().toStdString();
    m.TakeAll(texts);
    const TspReadouts r = m.ComputeTspFromImpedance();
    return QStrings({r.qts, r.qms, r.qes, r.vas, r.fs, r.re, r.impedance, r.le, r.spl, r.sd, r.ebp, r.mms, r.cmes,
                     r.bxl, r.cms, r.rms, r.f1Caption, r.f2Caption});
  }
};

TEST_F(TsparaWindow, EmptyAndWorkedReadingsOfBothMethodsShowTheModelsResults) {
  Show();
  Ttspara* f = form();
  EXPECT_EQ(TextsOf({f->Edit10, f->Edit11, f->Edit15}), QStringList({"10", "10", "0,5"}));
  EXPECT_EQ(ResultTexts(), ModelResults());
  EXPECT_FALSE(f->Button2->isEnabled());
  EXPECT_TRUE(f->Button2->isDefault());

  TypeReadings(WorkedReadings());
  EXPECT_EQ(ResultTexts(), ModelResults());
  EXPECT_EQ(f->Label23->text(), "Gesamtgüte Qts=0.747");
  EXPECT_TRUE(f->Button2->isEnabled());

  TypeClosedBoxReadings();
  EXPECT_EQ(ResultTexts(), ModelResults());
  EXPECT_EQ(f->Label25->text(), "Vas = 35.6 l");
  f->RadioButton1->click();  // back to the added mass, whose resonance is still to be typed
  EXPECT_EQ(ResultTexts(), ModelResults());

  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "Determination of the Thiele-Small parameters");
  EXPECT_EQ(f->Label23->text(), "total Quality Qts=0.747");
}

TEST_F(TsparaWindow, EveryTextFitsWithTheWorkedReadingsOfBothMethodsInBothLanguages) {
  Show();
  TypeReadings(WorkedReadings());
  for (const char* language : {"deutsch", "english"}) {
    SetLanguage(language);
    for (QRadioButton* method : {form()->RadioButton1, form()->RadioButton2}) {
      method == form()->RadioButton1 ? (method->click(), Type(form()->Edit9, "24")) : TypeClosedBoxReadings();
      Repaint();
      EXPECT_EQ(LayoutProblems(form(), language), QStringList());
    }
  }
}

TEST_F(TsparaWindow, MethodButtonsDisableTheOtherMethodsControlsWithoutHidingThem) {
  Show();
  Ttspara* f = form();
  const QList<QWidget*> closedBox = {f->Edit11, f->Edit12, f->Edit13, f->Edit14, f->Label11, f->Label12, f->Label14, f->Label16};
  for (QRadioButton* method : {f->RadioButton2, f->RadioButton1}) {
    method->click();
    const bool closed = method == f->RadioButton2;
    for (QWidget* w : closedBox + QList<QWidget*>{f->Edit10, f->Label10, f->Edit9})
      EXPECT_TRUE(w->isVisible() && w->isEnabled() == (closedBox.contains(w) ? closed : w == f->Edit9 || !closed))
          << w->objectName().toStdString() << (closed ? " closed box" : " added mass");
  }
}

TEST_F(TsparaWindow, ApplyCommitsTheShownDriverAndTellsSoButWritesNoFile) {
  Show();
  Ttspara* f = form();
  TypeReadings(WorkedReadings());
  Type(f->Edit15, "1,2");
  const std::string before = settings->ReadSettings();
  WorkDia = 10;  // the driver-data window computing in the background
  WorkVol = 3;
  f->Button2->click();

  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_EQ(seam.messages[0], "Werte wurden zum Berechnen übernommen!");
  EXPECT_NEAR(ChassisQts, 0.747, 0.0005);
  EXPECT_DOUBLE_EQ(ChassisDia, 25.3);
  EXPECT_DOUBLE_EQ(ChassisVol, 1.2);
  EXPECT_EQ(settings->ReadSettings(), before);
  EXPECT_TRUE(f->isVisible());
  // The driver-data window shows the new driver at its next show, Qms included.
  forms::Chassisform->ShowForm();
  EXPECT_EQ(TextsOf({forms::Chassisform->Edit1, forms::Chassisform->Edit11, forms::Chassisform->Edit6}),
            QStringList({"0,747", "4,396", "Model"}));

  // Names are cut to 30 characters in the edits; a disabled apply commits nothing.
  Type(f->Edit16, QString(35, 'M'));
  EXPECT_EQ(f->Edit16->text(), QString(30, 'M'));
  Type(f->Edit17, "");
  EXPECT_FALSE(f->Button2->isEnabled());
  ChassisRe = 3.3;
  QTest::keyClick(f->Edit1, Qt::Key_Return);
  f->Button2Click();
  EXPECT_DOUBLE_EQ(ChassisRe, 3.3);
  EXPECT_EQ(seam.messages.size(), 1);
}

TEST_F(TsparaWindow, ActivationTakesEveryValueAgainFromItsEdit) {
  Show();
  Ttspara* f = form();
  // f1 and f2 typed before fs are lost while typing ...
  Readings readings = WorkedReadings();
  readings.move(1, 4);
  TypeReadings(readings);
  EXPECT_EQ(f->Label23->text(), "Qts");
  EXPECT_FALSE(f->Button2->isEnabled());
  // ... and counted once the window is activated again.
  Reactivate();
  EXPECT_EQ(f->Label23->text(), "Gesamtgüte Qts=0.747");

  // The activation that follows apply's message leaves every value in place, so a second apply
  // commits the same driver, not zeros and empty names.
  f->Button2->click();
  const QStringList shown = ResultTexts();
  Reactivate();
  EXPECT_EQ(ResultTexts(), shown);
  ResetCommittedDriver();
  f->Button2->click();
  EXPECT_EQ(ChassisName, "Model");

  // A resistance edit emptied while typing leaves Re (the edit's rule); the next activation
  // takes the empty edit.
  Type(f->Edit1, "");
  EXPECT_TRUE(f->Button2->isEnabled());
  Reactivate();
  EXPECT_FALSE(f->Button2->isEnabled());
}

TEST_F(TsparaWindow, PrintHelpAndClose) {
  Show();
  Ttspara* f = form();
  ExpectHelpAndPrint(f->Button3, "QTX_contents0019", f->Button4);
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
}

TEST_F(TsparaWindow, BadTextInAnyEditNeverShowsNanOrInfNorEnablesApplyWrongly) {
  Show();
  TypeReadings(WorkedReadings());
  Ttspara* f = form();
  for (QRadioButton* method : {f->RadioButton1, f->RadioButton2}) {
    method->click();
    if (method == f->RadioButton2) TypeClosedBoxReadings();
    TypeIntoEach(Edits(),
                 {"abc", "", "1e999", QString(300, '9'), "-", QString(30, '9'), "-7", ",", "1,2,3",
                  "0," + QString(100, '0') + "1"},
                 [&](const QString&) {
                   Reactivate();
                   Repaint();
                   const auto& v = f->Measurement().Stored();
                   EXPECT_TRUE(!f->Button2->isEnabled() || (v.re > 1 && v.fs > 10 && v.vas >= 1 && WorkDia > 5 && WorkVol > 0));
                   EXPECT_TRUE(!f->Button2->isEnabled() || (v.qts > 0.05 && !f->Edit16->text().isEmpty()));
                 });
    Reactivate();
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
  EXPECT_DOUBLE_EQ(WorkVol, 0.5);
  EXPECT_EQ(f->Edit1->toolTip(), "Gleichstrom-Widerstand der Schwingspule in Ohm eingeben");
}

TEST_F(TsparaWindow, WorkedReadingsShowEveryResultInGermanAndEnglish) {
  Show();
  TypeReadings(WorkedReadings());
  Ttspara* f = form();
  EXPECT_EQ(f->Label4->text(), "f1 (Hz) bei 16.49 Ohm");
  EXPECT_EQ(f->Label5->text(), "f2 (Hz) bei 16.49 Ohm");
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
  EXPECT_DOUBLE_EQ(WorkDia, 25.3);

  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->Label1->text(), "DC resistance R (Ohm) ");
  EXPECT_EQ(f->RadioButton1->text(), "delta-mass method");
  EXPECT_EQ(f->Button2->text(), "&use TSPs");
  EXPECT_EQ(f->Label15->text(), "membrane surface Sd=502.7 sqcm");
  EXPECT_EQ(f->Label17->text(), "membrane mass Mms=21.7 g");
  EXPECT_EQ(f->Label26->text(), "resonance frequ. fs =29.0 Hz");
  EXPECT_EQ(f->Label4->text(), "f1 (Hz) bei 16.49 Ohm");
  // The hints stay German.
  EXPECT_EQ(f->Button2->toolTip(), "Berechnete Werte übernehmen");
}

TEST_F(TsparaWindow, ClosedBoxMethodWithItsWorkedReadings) {
  Show();
  TypeReadings(WorkedReadings());
  TypeClosedBoxReadings();
  Ttspara* f = form();
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

TEST_F(TsparaWindow, MethodButtonsKeepTheResonanceLabelEnabled) {
  Show();
  Ttspara* f = form();
  f->RadioButton2->click();
  EXPECT_TRUE(f->RadioButton2->isChecked());
  EXPECT_TRUE(f->Label9->isEnabled());
  f->RadioButton1->click();
  EXPECT_TRUE(f->Label9->isEnabled());
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

TEST_F(TsparaWindow, ApplyCommitsEveryShownValueAndSaysSoInEnglish) {
  Show();
  TypeReadings(WorkedReadings());
  ChassisLe = 999;
  ChassisQms = 7;
  form()->Button2->click();
  EXPECT_NEAR(ChassisQes, 0.900, 0.0005);
  EXPECT_NEAR(ChassisQms, 4.396, 0.0005);
  EXPECT_DOUBLE_EQ(ChassisRe, 6.8);
  EXPECT_DOUBLE_EQ(ChassisFs, 29);
  EXPECT_NEAR(ChassisVas, 494.4, 0.05);
  EXPECT_DOUBLE_EQ(ChassisVol, 0.5);
  EXPECT_NEAR(ChassisSpl, 93.2, 0.05);
  EXPECT_NEAR(ChassisLe, 1574, 0.5);
  EXPECT_EQ(ChassisManufacturer, "Maker");
  EXPECT_EQ(ChassisName, "Model");
  forms::Chassisform->ShowForm();
  EXPECT_EQ(forms::Chassisform->Edit5->text(), "6,8");

  forms::Chassisform->hide();
  SetLanguage("english");
  Repaint();
  form()->Button2->click();
  EXPECT_EQ(seam.messages.last(), "values are taken for calculation!");
}

TEST_F(TsparaWindow, ApplyKeepsTheDriversInductanceWhileNoneIsShown) {
  Show();
  TypeReadings(WorkedReadings());
  Type(form()->Edit7, "");
  EXPECT_EQ(form()->Label28->text(), "Le");
  ChassisLe = 1500;
  form()->Button2->click();
  EXPECT_DOUBLE_EQ(ChassisLe, 1500);
  EXPECT_DOUBLE_EQ(ChassisRe, 6.8);
}

TEST_F(TsparaWindow, ActivationEnablesApplyKeepsTheDriverAndClearsAnEmptiedResistance) {
  Show();
  Ttspara* f = form();
  Readings readings = WorkedReadings();
  readings.move(1, 4);
  ASSERT_EQ(readings[4].first, f->Edit2);
  TypeReadings(readings);
  Reactivate();
  EXPECT_TRUE(f->Button2->isEnabled());
  f->Button2->click();
  Reactivate();
  ResetCommittedDriver();
  f->Button2->click();
  EXPECT_DOUBLE_EQ(ChassisRe, 6.8);
  EXPECT_DOUBLE_EQ(ChassisFs, 29);
  EXPECT_NEAR(ChassisVas, 494.4, 0.05);

  Type(f->Edit1, "");
  EXPECT_EQ(f->Label29->text(), "Gleichstromwiderstand Re=6.80 Ohm");
  Reactivate();
  EXPECT_EQ(f->Label29->text(), "Re");
  EXPECT_EQ(f->Label27->text(), "Z");
}

TEST_F(TsparaWindow, LongNamesAreCutTo30CharactersInTheEdits) {
  Show();
  Ttspara* f = form();
  Type(f->Edit16, QString(35, 'A'));
  Type(f->Edit17, "Ein sehr langer Chassisname mit Zusatz");
  EXPECT_EQ(f->Edit16->text(), QString(30, 'A'));
  EXPECT_EQ(f->Edit17->text(), "Ein sehr langer Chassisname mi");
  TypeReadings(WorkedReadings());
  Type(f->Edit16, QString::fromUtf8("Lautsprecherbau Müller & Söhne GmbH"));
  EXPECT_EQ(f->Edit16->text(), QString::fromUtf8("Lautsprecherbau Müller & Söhne"));
  f->Button2->click();
  EXPECT_EQ(ChassisManufacturer, "Lautsprecherbau Müller & Söhne");
}

TEST_F(TsparaWindow, PrintAnsweredNoInEnglishPrintsNothingAndEscCloses) {
  Show();
  Ttspara* f = form();
  AnswerNo();
  SetLanguage("english");
  Repaint();
  f->Button4->click();
  EXPECT_EQ(seam.questions.last(), "print window?");
  EXPECT_TRUE(seam.printed.isEmpty());
  f->Button3->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].file, "VELO.HLP");

  QApplication::setActiveWindow(f);
  QTest::keyClick(f->Edit1, Qt::Key_Escape);
  EXPECT_FALSE(f->isVisible());
}

}  // namespace
}  // namespace velomare::test
