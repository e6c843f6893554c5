// The maximum-level window and the phon/dB picture driven through their controls: the prefill,
// recomputation on every input, the groups, "same distance", the gates, help and the language.

#include <cmath>
#include <vector>

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
  // The gate stops what needs the level; the read-outs beside the bars follow them.
  f->ScrollBar2->setValue(50);
  EXPECT_EQ(f->Label9->text(), "5,00 m");
  Type(f->Edit1, "70");
  EXPECT_FALSE(f->Label4->isHidden());
  EXPECT_EQ(f->Label9->text(), "5,00 m");
}

TEST_F(MaxSplWindow, WhileGatedEveryBarsReadoutAndThePowerOfAllDriversFollow) {
  Show();
  TDruck* f = form();
  f->CheckBox_2->click();
  Type(f->Edit2, "95");
  Type(f->Edit1, "115");
  f->scroll->setValue(500);
  f->ScrollBar1->setValue(4);
  f->ScrollBar2->setValue(25);
  f->ScrollBar3->setValue(300);
  f->ScrollBar5->setValue(40);
  f->ScrollBar7->setValue(5);
  f->ScrollBar8->setValue(7);
  EXPECT_TRUE(Gated());
  EXPECT_EQ(TextsOf({f->Label3, f->Label6, f->Label9, f->Label23, f->Label25, f->Label27, f->Label33, f->Label35,
                     f->Label7}),
            QStrings({"500 W", "4", "2,50 m", "300 W", "2", "4,00 m", "5", "0,70 m",
                      "Leistung aller Chassis 2600 W"}));
  // Unticking the second group takes its drivers out of the total power, gate or not.
  f->CheckBox_2->click();
  EXPECT_EQ(f->Label7->text(), "Leistung aller Chassis 2000 W");
  Type(f->Edit1, "90");
  EXPECT_FALSE(f->Label4->isHidden());
  EXPECT_EQ(f->Label7->text(), "Leistung aller Chassis 2000 W");
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

// The level axis runs linearly from 0 dB at the bottom of the plot frame to 140 dB at its top, the
// frequency axis logarithmically from 20 Hz to 16 kHz. A contour of N phon crosses 1 kHz at N dB by
// the definition of the phon, so every contour from 0 to 130 phon (or its label) marks the 1 kHz
// line at its own level and nothing dark lies half-way between; the level labels stand left of the
// frame every 20 dB.
TEST_F(MaxSplWindow, PhonDbPictureContoursAndLevelLabelsSitAtTheirLevels) {
  const QImage& picture = forms::phondb->Image1->Picture();
  const auto dark = [&](int x, int y) { return qGray(picture.pixel(x, y)) < 140; };
  const auto darkNear = [&](double cx, double cy, int dx0, int dx1, int dy) {
    for (int y = int(std::lround(cy)) - dy; y <= int(std::lround(cy)) + dy; ++y)
      for (int x = int(std::lround(cx)) + dx0; x <= int(std::lround(cx)) + dx1; ++x)
        if (dark(x, y)) return true;
    return false;
  };
  // The plot frame: the only columns and rows dark over most of the picture.
  std::vector<int> columns, rows;
  for (int x = 0; x < picture.width(); ++x) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y) n += dark(x, y);
    if (n > picture.height() * 7 / 10) columns.push_back(x);
  }
  for (int y = 0; y < picture.height(); ++y) {
    int n = 0;
    for (int x = 0; x < picture.width(); ++x) n += dark(x, y);
    if (n > picture.width() * 7 / 10) rows.push_back(y);
  }
  ASSERT_TRUE(columns.size() >= 2 && columns.size() <= 6 && rows.size() >= 2 && rows.size() <= 6);
  // A line on a pixel boundary darkens the pixels on both sides of it.
  const auto line = [](const std::vector<int>& at, bool first) {
    double sum = 0;
    int n = 0;
    for (int i : at)
      if ((i < at.front() + 3) == first) sum += i, ++n;
    return sum / n + 0.5;
  };
  const double left = line(columns, true), right = line(columns, false);
  const double top = line(rows, true), bottom = line(rows, false);
  ASSERT_GT(right - left, 300);
  ASSERT_GT(bottom - top, 250);
  const double x1k = left + (right - left) * std::log(1000.0 / 20) / std::log(16000.0 / 20);
  const auto y = [&](double level) { return bottom - (bottom - top) * level / 140; };
  for (int phon = 0; phon <= 130; phon += 10) EXPECT_TRUE(darkNear(x1k, y(phon), -6, 6, 2)) << phon;
  for (int level = 15; level <= 125; level += 10) EXPECT_FALSE(darkNear(x1k, y(level), -6, 6, 1)) << level;
  for (int level = 0; level <= 140; level += 20) {
    EXPECT_TRUE(darkNear(left, y(level), -30, -5, 3)) << level;
    if (level < 140) EXPECT_FALSE(darkNear(left, y(level + 10), -30, -5, 2)) << level + 10;
  }
}

TEST_F(MaxSplWindow, CreationStateOfTheControlsAndTheSizes) {
  TDruck* f = form();
  EXPECT_FALSE(f->Label4->isHidden());
  EXPECT_EQ(f->Label11->text(), "Wirkungsgrad = 1.12 %");
  EXPECT_EQ(f->Label9->text(), "10,00 m");
  EXPECT_FALSE(f->ScrollBar5->isEnabled());
  EXPECT_FALSE(f->Edit3->isEnabled());
  EXPECT_TRUE(f->CheckBox_2->isEnabled());
  EXPECT_TRUE(f->RadioButton1->isChecked());
  EXPECT_EQ(f->size(), QSize(780, 482));
  EXPECT_EQ(forms::phondb->size(), QSize(502, 441));
  // The total level in large bold serif figures, power and pressure in bold.
  EXPECT_TRUE(f->Label4->font().bold());
  EXPECT_EQ(f->Label4->font().pixelSize(), 48);
  EXPECT_EQ(f->Label4->font().family(), "Times New Roman");
  EXPECT_TRUE(f->Label7->font().bold());
  EXPECT_TRUE(f->Label10->font().bold());
}

// The prefill refuses a resonance of 5 Hz or below as well; the window computes all the same.
TEST_F(MaxSplWindow, AResonanceTooLowToTrustLeavesTheFirstSensitivity) {
  DestroyForms();
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[Chassis]\r\nfs=4\r\n");
  ResetCommittedDriver();
  StartProgram();
  TDruck* f = form();
  EXPECT_EQ(f->Edit1->text(), "90");
  EXPECT_EQ(f->Label3->text(), "100 W");
  EXPECT_EQ(f->Label4->text(), "93,0 dB");
}

TEST_F(MaxSplWindow, EveryControlGivesTheLevelWorkedOutByHand) {
  Show();
  TDruck* f = form();
  Type(f->Edit1, "90");
  EXPECT_EQ(f->Label4->text(), "93,0 dB");
  EXPECT_EQ(f->Label11->text(), "Wirkungsgrad = 0.63 %");
  EXPECT_EQ(f->Label7->text(), "Leistung aller Chassis 200 W");
  EXPECT_EQ(f->Label10->text(), "Druck 0,9 Pa, Lautheit 39,4 sone");
  EXPECT_EQ(f->Gauge->Value(), 93);
  f->scroll->setValue(10);  // a tenth of the power: -10 dB
  EXPECT_EQ(f->Label3->text(), "10 W");
  EXPECT_EQ(f->Label4->text(), "83,0 dB");
  f->ScrollBar1->setValue(20);  // ten times the drivers: +10 dB
  EXPECT_EQ(f->Label4->text(), "93,0 dB");
  f->ScrollBar2->setValue(50);  // half the distance: +6.02 dB
  EXPECT_EQ(f->Label9->text(), "5,00 m");
  f->ScrollBar2->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  f->RadioButton3->click();
  EXPECT_EQ(f->Label4->text(), "104,9 dB");
  f->RadioButton1->click();
  EXPECT_EQ(f->Label4->text(), "98,9 dB");
}

TEST_F(MaxSplWindow, ASecondGroupEnablesSameDistanceAndAddsItsPower) {
  Show();
  TDruck* f = form();
  Type(f->Edit1, "90");
  f->CheckBox_2->click();
  EXPECT_TRUE(f->Button4->isEnabled());
  EXPECT_EQ(f->Label7->text(), "Leistung aller Chassis 400 W");
  EXPECT_EQ(f->Gauge->BarColour(), QColor(128, 128, 128));  // the colour follows group 1 alone
  f->CheckBox_2->click();
  f->CheckBox1->click();
  f->ScrollBar2->setValue(35);
  f->Button4->click();
  EXPECT_FALSE(f->Edit2->isEnabled());
  f->CheckBox_2->click();
  f->Button4->click();
  EXPECT_EQ(f->ScrollBar5->value(), 35);
  EXPECT_EQ(f->Label27->text(), "3,50 m");
}

TEST_F(MaxSplWindow, TheGateKeepsTheLastTotalsTextsAndFollowsTheEfficiencysRange) {
  Show();
  TDruck* f = form();
  Type(f->Edit1, "90");
  Type(f->Edit1, "112");
  EXPECT_EQ(f->Label11->text(), "Wirkungsgrad = 100.00 %");
  EXPECT_EQ(f->Gauge->Value(), 75);
  EXPECT_EQ(f->Label7->text(), "Leistung aller Chassis 200 W");
  f->scroll->setValue(300);
  EXPECT_EQ(f->Label3->text(), "300 W");
  Type(f->Edit1, "69,9");
  EXPECT_TRUE(Gated());
  EXPECT_EQ(f->Label11->text(), "%");
}

TEST_F(MaxSplWindow, AnOverflowingGroupShowsNoInfinityAndItsRemovalTheLevelBefore) {
  Show();
  TDruck* f = form();
  f->CheckBox_2->click();
  Type(f->Edit2, "99999");
  ExpectNoNonFiniteTexts(f);
  f->CheckBox_2->click();
  EXPECT_EQ(f->Label4->text(), "95,5 dB");
}

TEST_F(MaxSplWindow, MoreBadTextsGateTheFirstGroupAndNoneShowsNanOrInf) {
  Show();
  TDruck* f = form();
  f->CheckBox_2->click();
  f->CheckBox1->click();
  const QStringList more = {"-12", "123456789012345678901234567890", ",5"};
  TypeIntoEach({f->Edit1}, more, [&](const QString&) {
    Repaint();
    EXPECT_TRUE(Gated());
  });
  TypeIntoEach({f->Edit2, f->Edit3}, more, [&](const QString&) { Repaint(); });
  EXPECT_FALSE(f->Label4->isHidden());
}

TEST_F(MaxSplWindow, TotalAboveTheRangeFillsTheBar) {
  Show();
  TDruck* f = form();
  Type(f->Edit1, "111");
  f->scroll->setValue(1000);
  f->ScrollBar1->setValue(32);
  f->ScrollBar2->setValue(1);
  EXPECT_EQ(f->Label4->text(), "176,1 dB");
  EXPECT_EQ(f->Gauge->Value(), 170);
  EXPECT_EQ(f->Gauge->FilledShare(), 1.0);
  EXPECT_EQ(f->Gauge->BarColour(), QColor(255, 0, 0));
}

TEST_F(MaxSplWindow, TextsInBothLanguages) {
  Show();
  TDruck* f = form();
  EXPECT_EQ(f->windowTitle(), "maximaler Schalldruck");
  EXPECT_EQ(f->Label24->text(), "Anzahl der Chassis");
  EXPECT_EQ(f->RadioButton2->text(), "in Wandnähe");
  EXPECT_EQ(f->Button4->toolTip(), "Alle Typen haben gleichen Abstand");
  EXPECT_EQ(forms::phondb->windowTitle(), "Phon/dB - Hörflächen-Diagramm");

  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->Label5->text(), "number of speakers");
  EXPECT_EQ(f->Label24->text(), "number of speakers ");
  EXPECT_EQ(f->Label32->text(), "number of speakers ");
  EXPECT_EQ(f->Label1->text(), "normed SPL in dB in 1m at 1W:");
  EXPECT_EQ(f->GroupBox2->title(), "3rd loudspeaker boxes type");
  EXPECT_EQ(f->CheckBox_2->text(), "2nd box type will be used");
  EXPECT_EQ(f->RadioGroup1->title(), "positioning of all boxes");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Button3->text(), "Phon/dB ?");
  EXPECT_EQ(forms::phondb->windowTitle(), "dependence of phon and dB - loudness diagram");
  EXPECT_EQ(f->Label10->text(), "Druck 1,2 Pa, Lautheit 46,9 sone");  // painting does not recompute
  Type(f->Edit1, "90");
  EXPECT_EQ(f->Label9->text(), "10,00 m");
  EXPECT_EQ(f->Label7->text(), "power of all speakers 200 W");
  EXPECT_EQ(f->Label10->text(), "pressure 0,9 Pa, loudness 39,4 sone");
}

TEST_F(MaxSplWindow, ShownAgainTheValuesAreAsTheyWere) {
  Show();
  form()->Button1->click();
  Show();
  EXPECT_EQ(form()->Edit1->text(), "92,5");
}

TEST_F(MaxSplWindow, ThePhonDbPictureSurvivesARepaint) {
  forms::phondb->ShowForm();
  const QImage first = forms::phondb->grab().toImage();
  forms::phondb->hide();
  forms::phondb->ShowForm();
  EXPECT_EQ(forms::phondb->grab().toImage(), first);
}

}  // namespace
}  // namespace velomare::test
