// The port calculator driven through its controls: the four calculations, the conversion chain
// coming to rest, the bass-reflex tuning taken at activation, the arrow, help and bad input.
#include <QGroupBox>
#include <QSignalSpy>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "calculators/model/PortCalc.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ReflexTuning.h"

namespace velomare::test {
namespace {

class PortWindow : public WindowTest<TDurch, &forms::Durch> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // The bass-reflex window designs its box at start-up; these tests begin from no design, where
    // the calculator takes its own 30 Hz.
    SetReflexTuningFrequency(0);
  }
  void TearDown() override {
    SetReflexTuningFrequency(0);
    WindowTest::TearDown();
  }
};

TEST_F(PortWindow, CreatedWithTheFormsTextsAndTheFirstPaintComputesEverything) {
  TDurch* f = form();
  EXPECT_EQ(f->windowTitle(), "minimaler Rohrdurchmesser pro Chassis");
  EXPECT_EQ(f->GroupBox1->title(), "minimaler Rohrinnendurchmesser pro Chassis");
  EXPECT_EQ(f->Label4->text(), "Abstimmfrequenz fb in Hz");
  EXPECT_EQ(f->Label16->text(), "Querschnittsfläche A (qcm)");
  EXPECT_EQ(f->Label20->text(), "notwendige Länge in cm");
  EXPECT_EQ(f->Button2->text(), "&Hilfe");
  EXPECT_EQ(f->size(), QSize(592, 527));
  Show();
  EXPECT_EQ(f->windowTitle(), "erweiterte Rohrberechnungen");
  EXPECT_EQ(f->GroupBox1->title(), "minimaler Rohrdurchmesser pro Chassis");
  EXPECT_EQ(f->Label4->text(), "Abstimm- Tuning-Frequenz fb (Hz)");
  EXPECT_EQ(f->Label16->text(), "gewünschter Querschnitt (qcm)");
  // The default driver, 25.3 cm: Vd = pi/4 0.253^2 0.005 m^3.
  EXPECT_EQ(TextsOf({f->Label5, f->Label2, f->Label3, f->Label8, f->Label7, f->Label11, f->Label12}),
            QStringList({"maximale Luftverdrängung des Chassis Vd = 0,25 l", "minimaler Rohrinnendurchmesser 6,5 cm",
                         "empfohlener Rohrinnendurchmesser 8,7 cm",
                         "mindestens 1/10 der Membranfläche: 50,3 cm², d=8,0 cm",
                         "besser 1/5 der Membranfläche: 100,5 cm², d=11,3 cm",
                         "beide Seite bündig am Gehäuse, Länge 19,1 cm",
                         "beide Seiten freistehend und offen, Länge 20,9 cm"}));
  // The default driver with 5 mm Xmax, 30 Hz and one port.
  const PortDiameterTexts d = PortDiameterTextsOf(ComputePortDiameter(5, 30, 1, default_driver::kDia), false);
  EXPECT_EQ(TextsOf({f->Label2, f->Label3, f->Label5, f->Label7, f->Label8}),
            QStrings({d.minimum, d.recommended, d.displacement, d.fifth, d.tenth}));
  EXPECT_EQ(f->Label11->text(), QString::fromStdString(TransformPortLength(20, 8, false).bothFlush));
  EXPECT_EQ(f->Label20->text(), "notwendige neue Länge 12.4 cm");
  EXPECT_EQ(TextsOf({f->Edit9, f->Edit7}), QStringList({"50,3", "5,0"}));
}

TEST_F(PortWindow, DiameterFollowsTheDriverXmaxTuningAndPortCount) {
  ChassisDia = 17;
  Show();
  TDurch* f = form();
  Type(f->Edit1, "20");
  Type(f->Edit2, "40");
  f->ScrollBar1->setValue(4);
  EXPECT_EQ(f->Label26->text(), "4");
  const PortDiameterTexts d = PortDiameterTextsOf(ComputePortDiameter(20, 40, 4, 17), false);
  EXPECT_EQ(TextsOf({f->Label2, f->Label3, f->Label7}), QStrings({d.minimum, d.recommended, d.fifth}));
}

TEST_F(PortWindow, InvalidDiameterInputsShowPlaceholdersAndKeepTheCaptions) {
  Show();
  TDurch* f = form();
  // fb 150 Hz is valid: sqrt(5) times the 30 Hz diameters, 0.75 x 19.4 cm.
  Type(f->Edit2, "150");
  EXPECT_EQ(f->Label2->text(), "minimaler Rohrinnendurchmesser 14,6 cm");
  Type(f->Edit2, "150,1");
  EXPECT_EQ(TextsOf({f->Label2, f->Label3, f->Label4, f->Label5}), QStringList({"min. d", "di", "fb ", "Vd "}));
  EXPECT_EQ(f->Label8->text(), "mindestens 1/10 der Membranfläche: 50,3 cm², d=8,0 cm");
  // A change of language with invalid inputs leaves the captions of the calculation in German.
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "erweiterte Rohrberechnungen");
  EXPECT_EQ(f->GroupBox2->title(), "Rohrlängentransformation");
  EXPECT_EQ(f->Label1->text(), "max. lin. Membranauslenkung Xmax (mm)");
  EXPECT_EQ(f->Label4->text(), "fb ");
  EXPECT_EQ(f->Label8->text(), "min. 1/10 of membrane surface: 50.3 cm², d=8.0 cm");
  EXPECT_EQ(f->GroupBox4->title(), "tube length re-calculation");  // set at every run
  Type(f->Edit2, "10");
  EXPECT_EQ(f->windowTitle(), "advanced tube calculation");
  EXPECT_EQ(f->Label5->text(), "maximum air displacing of speaker Vd = 0.25 l");
  EXPECT_EQ(f->Label4->text(), "tuning (resonance) frequency fb (Hz) ");
  EXPECT_EQ(f->Label1->toolTip(), "e.g. lifting = 10mm then Xmax = +- 5mm, input 5mm");
  Type(f->Edit1, "0");
  EXPECT_EQ(f->Label2->text(), "min. d");
}

TEST_F(PortWindow, LengthTransformationAndConversionFollowTheirInputs) {
  Show();
  TDurch* f = form();
  Type(f->Edit3, "1");
  Type(f->Edit4, "10");
  const PortLengthTexts t = TransformPortLength(1, 10, false);
  EXPECT_EQ(TextsOf({f->Label11, f->Label12}), QStrings({t.bothFlush, t.bothFree}));
  EXPECT_EQ(TextsOf({f->Label11, f->Label12}), QStringList({"", "beide Seiten freistehend und offen, Länge 2,2 cm"}));
  Type(f->Edit4, "x");
  EXPECT_EQ(TextsOf({f->Label11, f->Label12}), QStringList({"", ""}));
  f->CheckBox1->setChecked(false);  // from code, as a click
  EXPECT_EQ(f->Label20->text(), "notwendige neue Länge 12.7 cm");
  Type(f->VorgabeD, "10");
  Type(f->VorgabeL, "20");
  Type(f->Edit8, "10");
  f->ScrollBar3->setValue(2);
  EXPECT_EQ(f->Label25->text(), "2");
  EXPECT_EQ(f->Label20->text(), "notwendige neue Länge 40.0 cm");
  f->ScrollBar2->setValue(2);
  EXPECT_EQ(f->Label24->text(), "2");
  EXPECT_EQ(f->Label20->text(), "notwendige neue Länge 20.0 cm");
  Type(f->VorgabeD, "1,5");
  EXPECT_EQ(f->Label20->text(), "?");
}

TEST_F(PortWindow, TubeTunnelConversionComesToRestAfterOneRound) {
  Show();
  TDurch* f = form();
  QSignalSpy heights(f->Edit7, &QLineEdit::textChanged);
  QSignalSpy areas(f->Edit9, &QLineEdit::textChanged);
  f->Edit5->setText("10");
  f->ScrollBar5->setValue(2);
  EXPECT_EQ(f->Label29->text(), "2");
  EXPECT_EQ(TextsOf({f->Edit9, f->Edit7}), QStringList({"157,1", "15,7"}));
  EXPECT_EQ(heights.count(), 2);  // one change for the diameter, one for the second tube
  EXPECT_EQ(areas.count(), 2);

  f->RadioButton2->click();
  EXPECT_TRUE(f->Edit7->isEnabled() && !f->Edit5->isEnabled() && !f->Edit9->isEnabled());
  Type(f->Edit7, "20");
  // Two tubes of sqrt(4 200 / pi) / sqrt(2) = 11.28 cm.
  EXPECT_EQ(TextsOf({f->Edit9, f->Edit5}), QStringList({"200,0", "11,3"}));
  f->ScrollBar4->setValue(3);
  EXPECT_EQ(f->Label28->text(), "3");
  // Three tunnels of 200 cm^2 into two tubes: sqrt(4 x 300 / pi) = 19.54 cm each.
  EXPECT_EQ(TextsOf({f->Edit9, f->Edit5}), QStringList({"600,0", "19,5"}));
  f->RadioButton3->setChecked(true);  // from code, as a click
  EXPECT_TRUE(f->Edit9->isEnabled() && !f->Edit7->isEnabled());
  Type(f->Edit9, "0");
  EXPECT_EQ(TextsOf({f->Edit5, f->Edit7}), QStringList({"0,0", "0,0"}));
  Type(f->Edit9, "300");
  EXPECT_EQ(f->Edit7->text(), "10,0");
  Type(f->Edit6, "");
  EXPECT_EQ(TextsOf({f->Edit5, f->Edit7}), QStringList({"0,0", "0,0"}));
}

TEST_F(PortWindow, TuningIsTakenAtActivationAndOnItsLabel) {
  Show();
  TDurch* f = form();
  Activate();
  EXPECT_EQ(f->Edit2->text(), "30");
  SetReflexTuningFrequency(42.34);
  Click(f->Label4);
  EXPECT_EQ(f->Edit2->text(), "42,3");
  // A typed frequency lasts until the window is next activated.
  Type(f->Edit2, "55");
  Reactivate();
  EXPECT_EQ(f->Edit2->text(), "42,3");
  // 180 Hz is taken and is out of the diameter rule's range; 9.9 Hz gives 30.
  SetReflexTuningFrequency(180);
  Click(f->Label4);
  EXPECT_EQ(f->Edit2->text(), "180,0");
  EXPECT_EQ(f->Label2->text(), "min. d");
  SetReflexTuningFrequency(9.9);
  Click(f->Label4);
  EXPECT_EQ(f->Edit2->text(), "30");
  SetLanguage("english");
  Repaint();
  SetReflexTuningFrequency(42.34);
  Click(f->Label4);
  EXPECT_EQ(f->Edit2->text(), "42.3");
}

TEST_F(PortWindow, ArrowMessageIsNoReturnFromAnotherWindowAndHelpAndClose) {
  Show();
  TDurch* f = form();
  Activate();
  SetReflexTuningFrequency(42.34);
  Type(f->Edit2, "55");
  Click(f->Pfeil);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_EQ(seam.messages[0], "nominale Länge (Einbaulage einseitig eben)");
  EXPECT_EQ(f->Edit2->text(), "55");
  // A message box takes the activation and may hand it back only after it returned.
  ASSERT_TRUE(ShowAndActivate(forms::Form1));
  f->PfeilClick();
  ASSERT_TRUE(ShowAndActivate(f));
  EXPECT_EQ(f->Edit2->text(), "55");
  // A real return from another window takes the tuning.
  Reactivate();
  EXPECT_EQ(f->Edit2->text(), "42,3");
  SetLanguage("english");
  Repaint();
  Click(f->Pfeil);
  EXPECT_EQ(seam.messages.last(), "nominal length (one side flat with box)");
  SetLanguage("deutsch");
  Repaint();
  ExpectHelpAndPrint(f->Button2, "QTX_contents0021");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_NE(forms::Durch, nullptr);  // closing hides the window, it stays made
}

TEST_F(PortWindow, BadTextsInEveryEditNeverCrashOrShowNanOrInf) {
  Show();
  TDurch* f = form();
  TypeIntoEach({f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit8, f->VorgabeD, f->VorgabeL},
               BadNumberTexts() << "-12" << "123456789012345678901234567890");
  f->RadioButton2->click();
  TypeIntoEach({f->Edit7}, BadNumberTexts());
  f->RadioButton3->click();
  TypeIntoEach({f->Edit9}, BadNumberTexts());
  Type(f->Edit1, "x");
  EXPECT_EQ(TextsOf({f->Label2, f->Label3}), QStringList({"min. d", "di"}));
}

TEST_F(PortWindow, DiameterFollowsTheDriverXmaxTuningAndPortCountAsWorkedOut) {
  ChassisDia = 17;
  Show();
  TDurch* f = form();
  EXPECT_EQ(f->Label2->text(), "minimaler Rohrinnendurchmesser 4,4 cm");
  EXPECT_EQ(f->Label3->text(), "empfohlener Rohrinnendurchmesser 5,8 cm");
  EXPECT_EQ(f->Label5->text(), "maximale Luftverdrängung des Chassis Vd = 0,11 l");
  EXPECT_EQ(f->Label7->text(), "besser 1/5 der Membranfläche: 45,4 cm², d=7,6 cm");
  // Four times the excursion doubles the diameter.
  Type(f->Edit1, "20");
  EXPECT_EQ(f->Label3->text(), "empfohlener Rohrinnendurchmesser 11,7 cm");
  // Four ports halve it and share the area of the rules.
  f->ScrollBar1->setValue(4);
  EXPECT_EQ(f->Label26->text(), "4");
  EXPECT_EQ(f->Label3->text(), "empfohlener Rohrinnendurchmesser 5,8 cm");
  EXPECT_EQ(f->Label7->text(), "besser 1/5 der Membranfläche: 11,3 cm², d=3,8 cm");
}

TEST_F(PortWindow, EnglishUsesThePointExceptTheLengthConversionAlways) {
  Show("english");
  TDurch* f = form();
  EXPECT_EQ(f->windowTitle(), "advanced tube calculation");
  EXPECT_EQ(f->Label21->text(), "tube number");
  EXPECT_EQ(f->Label27->text(), "tunnel number");
  EXPECT_EQ(f->RadioButton3->text(), "given cross-section");
  EXPECT_EQ(f->Label19->text(), "desired diameter (cm) ");
  EXPECT_EQ(f->Label16->text(), "cross-section (sqcm) ");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Button2->text(), "&Hilfe");
  EXPECT_EQ(f->Label5->text(), "maximum air displacing of speaker Vd = 0.25 l");
  EXPECT_EQ(f->Label11->text(), "both sides flush-mounted, length 19.1 cm");
  EXPECT_EQ(f->Label20->text(), "neccessery new length 12.4 cm");
  EXPECT_EQ(f->Edit9->text(), "50.3");
  EXPECT_EQ(f->Label9->toolTip(), "one side free-standing, one side flush-mounted");
  SetReflexTuningFrequency(42.34);
  Click(f->Label4);
  EXPECT_EQ(f->Edit2->text(), "42.3");
}

TEST_F(PortWindow, DriverWithoutDiameterGivesZerosWithoutAMessage) {
  ChassisDia = 0;
  Show();
  EXPECT_EQ(form()->Label3->text(), "empfohlener Rohrinnendurchmesser 0,0 cm");
  EXPECT_EQ(form()->Label8->text(), "mindestens 1/10 der Membranfläche: 0,0 cm², d=0,0 cm");
  EXPECT_TRUE(seam.messages.isEmpty());
}

}  // namespace
}  // namespace velomare::test
