// The maximum-level window and the phon/dB picture driven through their controls: the prefill,
// recomputation on every input, the groups, "same distance", the gates, help and the language.

#include "WindowTest.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "calculators/model/MaxSpl.h"
#include "driver/model/CommittedDriver.h"

namespace velomare::test {
namespace {

class MaxSplWindow : public WindowTest<TDruck, &forms::Druck> {
 protected:
  bool Gated() {
    return form()->Label4->isHidden() && form()->Gauge->FilledShare() == 0.0 && form()->Label10->text() == "-";
  }};

TEST_F(MaxSplWindow, CreationPrefillsTheDriversSensitivityAndComputes) {
  TDruck* f = form();
  EXPECT_EQ(f->Edit1->text(), "92,5");
  EXPECT_EQ(f->Label4->text(), "95,5 dB");  // 92.5 + 20 + 3.01 - 20 dB
  EXPECT_EQ(f->Gauge->Value(), 96);
  EXPECT_FALSE(f->Edit2->isEnabled() || f->ScrollBar8->isEnabled());
}

TEST_F(MaxSplWindow, DriverTooSmallToTrustStillComputesFromTheFirstSensitivity) {
  DestroyForms();
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[Chassis]\r\nVas=0,5\r\n");
  ResetCommittedDriver();
  StartProgram();
  TDruck* f = form();
  EXPECT_EQ(f->Edit1->text(), "90");
  EXPECT_EQ(f->Label4->text(), "93,0 dB");  // 90 + 20 + 3.01 - 20 dB
  EXPECT_FALSE(f->Label4->isHidden());
  EXPECT_EQ(f->Gauge->Value(), 93);
  EXPECT_EQ(f->Label9->text(), "10,00 m");
  EXPECT_EQ(f->Label11->text(), "Wirkungsgrad = 0.63 %");
}

TEST_F(MaxSplWindow, EveryInputRecomputes) {
  Show();
  TDruck* f = form();
  Type(f->Edit1, "90");
  const MaxSplResult shown = ComputeMaxSpl(MaxSplInput{});
  EXPECT_EQ(TextsOf({f->Label4, f->Label11, f->Label7, f->Label10}),
            QStrings({shown.totalText, shown.groups[0].efficiency, shown.powerText, shown.pressureText}));
  EXPECT_EQ(f->Gauge->BarColour(), QColor(128, 128, 128));
  f->scroll->setValue(10);       // a tenth of the power: -10 dB
  f->ScrollBar1->setValue(20);  // ten times the drivers: +10 dB
  f->ScrollBar2->setValue(50);  // half the distance: +6.02 dB
  EXPECT_EQ(TextsOf({f->Label3, f->Label6, f->Label4}), QStringList({"10 W", "20", "99,0 dB"}));
  // A step of the arrow button is a change like any other.
  f->ScrollBar2->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(f->Label9->text(), "5,10 m");
  EXPECT_EQ(f->Label4->text(), "98,9 dB");
  f->RadioButton2->setChecked(true);  // from code, as a click
  EXPECT_EQ(f->Label4->text(), "101,9 dB");
}

TEST_F(MaxSplWindow, CheckBoxesSwitchTheirGroupsAndSameDistanceCopiesTheFirstDistance) {
  Show();
  TDruck* f = form();
  Type(f->Edit1, "90");
  EXPECT_FALSE(f->Button4->isEnabled());
  f->CheckBox_2->click();
  EXPECT_TRUE(f->Edit2->isEnabled());
  EXPECT_TRUE(f->ScrollBar3->isEnabled() && f->ScrollBar4->isEnabled() && f->ScrollBar5->isEnabled());
  EXPECT_EQ(f->Label4->text(), "96,0 dB");  // an identical second group adds 3.01 dB
  f->CheckBox_2->setChecked(false);  // from code, as a click
  EXPECT_FALSE(f->Edit2->isEnabled());
  EXPECT_FALSE(f->Button4->isEnabled());
  EXPECT_EQ(f->Label4->text(), "93,0 dB");
  // "Same distance" reaches only the used groups.
  f->CheckBox1->click();
  f->ScrollBar2->setValue(35);
  f->ScrollBar8->setValue(150);
  f->ScrollBar5->setValue(170);
  f->Button4->click();
  EXPECT_EQ(f->ScrollBar8->value(), 35);
  EXPECT_EQ(f->Label35->text(), "3,50 m");
  EXPECT_EQ(f->ScrollBar5->value(), 170);
}

TEST_F(MaxSplWindow, FirstSensitivityOutOfRangeGatesTheResults) {
  Show();
  TDruck* f = form();
  Type(f->Edit1, "112");
  EXPECT_TRUE(Gated());
  // The gate leaves the other read-outs as they were.
  f->ScrollBar2->setValue(50);
  EXPECT_EQ(f->Label9->text(), "10,00 m");
  Type(f->Edit1, "70");
  EXPECT_FALSE(f->Label4->isHidden());
  EXPECT_EQ(f->Label9->text(), "5,00 m");
}

TEST_F(MaxSplWindow, BadTextsInEveryEditNeverCrashOrShowNanOrInf) {
  Show();
  TDruck* f = form();
  f->CheckBox_2->click();
  f->CheckBox1->click();
  TypeIntoEach({f->Edit1}, BadNumberTexts(), [&](const QString&) { EXPECT_TRUE(Gated()); });
  TypeIntoEach({f->Edit2, f->Edit3}, BadNumberTexts());
  // The overflowing level of another group gates instead of showing infinity.
  Type(f->Edit2, "99999");
  EXPECT_TRUE(Gated());
  f->CheckBox_2->click();
  EXPECT_FALSE(f->Label4->isHidden());
}

TEST_F(MaxSplWindow, ResultsKeepTheLanguageOfTheirComputation) {
  Show();
  TDruck* f = form();
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "maximum Sonic Pressure Level");
  EXPECT_EQ(f->Label11->text(), "Wirkungsgrad = 1.12 %");  // painting does not recompute
  Type(f->Edit1, "90");
  EXPECT_EQ(f->Label11->text(), "efficiency = 0.63 %");
}

TEST_F(MaxSplWindow, ButtonsTogglePictureHelpAndClose) {
  Show();
  TDruck* f = form();
  for (bool shown : {true, false, true}) {
    f->Button3->click();
    EXPECT_EQ(forms::phondb->isVisible(), shown);
  }
  ExpectHelpAndPrint(f->Button2, "QTX_contents0020");
  EXPECT_EQ(seam.helpRequests[0].file, "VELO.HLP");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(forms::phondb->isVisible());  // the picture stays open on its own
}

TEST_F(MaxSplWindow, PhonDbPictureIsSixteenGreysWithItsContours) {
  const QImage& picture = forms::phondb->Image1->Picture();
  ASSERT_EQ(picture.size(), QSize(500, 440));
  QSet<int> greys;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qRed(pixel) == qBlue(pixel));
      greys.insert(qRed(pixel));
    }
  EXPECT_GT(greys.size(), 4);
  EXPECT_LE(greys.size(), 16);
}

}  // namespace
}  // namespace velomare::test
