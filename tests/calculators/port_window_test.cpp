// The port calculator driven through its controls: the four calculations, the conversion chain
// coming to rest, the bass-reflex tuning taken at activation, the arrow, help and bad input.
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
  }};

TEST_F(PortWindow, CreatedWithTheFormsTextsAndTheFirstPaintComputesEverything) {
  TDurch* f = form();
  EXPECT_EQ(f->windowTitle(), "minimaler Rohrdurchmesser pro Chassis");
  Show();
  EXPECT_EQ(f->windowTitle(), "erweiterte Rohrberechnungen");
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
  Type(f->Edit2, "150,1");
  EXPECT_EQ(TextsOf({f->Label2, f->Label3, f->Label4, f->Label5}), QStringList({"min. d", "di", "fb ", "Vd "}));
  // A change of language with invalid inputs leaves the captions of the calculation in German.
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "erweiterte Rohrberechnungen");
  EXPECT_EQ(f->GroupBox4->title(), "tube length re-calculation");  // set at every run
  Type(f->Edit2, "10");
  EXPECT_EQ(f->windowTitle(), "advanced tube calculation");
  EXPECT_EQ(f->Label5->text(), "maximum air displacing of speaker Vd = 0.25 l");
}

TEST_F(PortWindow, LengthTransformationAndConversionFollowTheirInputs) {
  Show();
  TDurch* f = form();
  Type(f->Edit3, "1");
  Type(f->Edit4, "10");
  const PortLengthTexts t = TransformPortLength(1, 10, false);
  EXPECT_EQ(TextsOf({f->Label11, f->Label12}), QStrings({t.bothFlush, t.bothFree}));
  f->CheckBox1->setChecked(false);  // from code, as a click
  Type(f->VorgabeD, "10");
  Type(f->VorgabeL, "20");
  Type(f->Edit8, "10");
  f->ScrollBar3->setValue(2);
  EXPECT_EQ(f->Label25->text(), "2");
  EXPECT_EQ(f->Label20->text(), "notwendige neue Länge 40.0 cm");
  f->ScrollBar2->setValue(2);
  EXPECT_EQ(f->Label24->text(), "2");
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
  f->ScrollBar4->setValue(3);
  EXPECT_EQ(f->Label28->text(), "3");
  // Three tunnels of 200 cm^2 into two tubes: sqrt(4 x 300 / pi) = 19.54 cm each.
  EXPECT_EQ(TextsOf({f->Edit9, f->Edit5}), QStringList({"600,0", "19,5"}));
  f->RadioButton3->setChecked(true);  // from code, as a click
  EXPECT_TRUE(f->Edit9->isEnabled() && !f->Edit7->isEnabled());
  Type(f->Edit9, "300");
  EXPECT_EQ(f->Edit7->text(), "10,0");
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
  ExpectHelpAndPrint(f->Button2, "QTX_contents0021");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
}

TEST_F(PortWindow, BadTextsInEveryEditNeverCrashOrShowNanOrInf) {
  Show();
  TDurch* f = form();
  TypeIntoEach({f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit8, f->VorgabeD, f->VorgabeL},
               BadNumberTexts());
  f->RadioButton2->click();
  TypeIntoEach({f->Edit7}, BadNumberTexts());
  f->RadioButton3->click();
  TypeIntoEach({f->Edit9}, BadNumberTexts());
}

}  // namespace
}  // namespace velomare::test
