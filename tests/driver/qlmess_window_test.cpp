// The loss-factor window driven through its controls: the driver edits filled at each show, the
// measured edits kept, the model's results at every keystroke, the language, help, bad input.
#include <QGroupBox>
#include <QImage>
#include <QLabel>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/LossFactor.h"

namespace velomare::test {
namespace {

class QLmessWindow : public WindowTest<TQLmess, &forms::QLmess> {
 protected:
  QList<QLineEdit*> Edits() {
    TQLmess* f = form();
    return {f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit7, f->Edit8, f->Edit9, f->Edit10};
  }
  // The window's results against what the model gives for the texts the edits hold now.
  void ExpectModelResults(const std::string& after) {
    TQLmess* f = form();
    QlEditTexts texts;
    for (std::size_t i = 0; i < kQlEditCount; ++i) texts[i] = Edits()[int(i)]->text().toStdString();
    const QlReadouts r = ComputeQl(texts).texts;
    EXPECT_EQ(TextsOf({f->Label13, f->Label14, f->Label15, f->Label16, f->Label17, f->Label18, f->Label19,
                       f->Label21, f->Label11, f->Label12, f->Label22}),
              QStrings({r.fb, r.fsb, r.rm, r.qmsb, r.qesb, r.qtsb, r.h, r.alpha, r.ql, r.ratio, r.deviation}))
        << after;
  }
};

TEST_F(QLmessWindow, ShowTakesTheDriverAndEveryKeystrokeShowsTheModelsResultsNeverNanOrInf) {
  Show();
  TQLmess* f = form();
  EXPECT_EQ(TextsOf({f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5}), QStrings({"6.80", "0.410", "2.040", "0.513", "29.0"}));
  ExpectModelResults("show");
  for (QLineEdit* edit : Edits()) {
    Type(edit, "45");
    ExpectModelResults(edit->objectName().toStdString());
  }
  TypeIntoEach(Edits(), BadNumberTexts());

  // The measured edits keep their texts; the driver edits follow the driver at the next show.
  Type(f->Edit6, "22");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  ChassisRe = 3.2;
  Show();
  EXPECT_EQ(f->Edit6->text(), "22");
  EXPECT_EQ(f->Edit1->text(), "3.20");
}

TEST_F(QLmessWindow, EnglishHelpAndNoPrint) {
  Show("english");
  TQLmess* f = form();
  EXPECT_EQ(f->GroupBox2->title(), "measured values");
  EXPECT_EQ(f->Label22->text(), "tolerance = 21.5 %");
  EXPECT_EQ(f->findChildren<QPushButton*>().size(), 2);
  ExpectHelpAndPrint(f->Button2, "QTX_contents0022");
}

TEST_F(QLmessWindow, ShowTakesTheCurrentDriverAndGivesTheReferenceCase) {
  Show();
  TQLmess* f = form();
  EXPECT_EQ(f->Edit6->text(), "25,0");
  EXPECT_EQ(f->Edit10->text(), "38,0");
  EXPECT_EQ(f->Label13->text(), "fb = 27.9 Hz");
  EXPECT_EQ(f->Label11->text(), "Ql = 27.5");
  EXPECT_TRUE(f->Label11->font().bold());
  EXPECT_EQ(f->Label12->text(), "für Genauigkeit fb/fm = 0.785");
  EXPECT_EQ(f->Label22->text(), "Abweichung = 21.5 %");
  EXPECT_EQ(f->Label20->text(), "a' =");
  EXPECT_TRUE(f->Label20->font().italic());
  EXPECT_EQ(f->windowTitle(), "Messung des Verlustfaktors Ql");
  EXPECT_EQ(f->GroupBox2->title(), "Messwerte");
  EXPECT_EQ(f->GroupBox3->title(), "Einzelwerte");
}

TEST_F(QLmessWindow, WorkedExampleTypedRecomputesAtEveryKeystroke) {
  Show();
  TQLmess* f = form();
  Type(f->Edit1, "3,5");
  Type(f->Edit2, "0,30");
  Type(f->Edit3, "5,0");
  Type(f->Edit4, "0,38");
  Type(f->Edit5, "30");
  EXPECT_EQ(f->Label14->text(), "fsb = 35.8 Hz");
  EXPECT_EQ(f->Label15->text(), "rm = 2.857");
  EXPECT_EQ(f->Label16->text(), "Qmsb = 4.192");
  EXPECT_EQ(f->Label17->text(), "Qesb = 0.319");
  EXPECT_EQ(f->Label18->text(), "Qtsb = 0.252");
  EXPECT_EQ(f->Label19->text(), "fb/fsb = 0.781");
  EXPECT_EQ(f->Label21->text(), "0.128");
  EXPECT_EQ(f->Label11->text(), "Ql = 8.9");
  EXPECT_EQ(f->Label12->text(), "für Genauigkeit fb/fm = 0.823");
  EXPECT_EQ(f->Label22->text(), "Abweichung = 17.7 %");
  Type(f->Edit7, "45");  // fm beyond fh
  EXPECT_EQ(f->Label13->text(), "fb");
  EXPECT_EQ(f->Label21->text(), "");
  EXPECT_EQ(f->Label11->text(), "Ql ");
}

TEST_F(QLmessWindow, DriverEditsRoundTheResonanceToOneDecimal) {
  Show();
  TQLmess* f = form();
  Type(f->Edit1, "1");
  f->Button1->click();
  ChassisRe = 3.2;
  ChassisFs = 41.25;
  Show();
  EXPECT_EQ(f->Edit1->text(), "3.20");
  EXPECT_EQ(f->Edit5->text(), "41.2");
}

TEST_F(QLmessWindow, EnglishTexts) {
  Show("english");
  TQLmess* f = form();
  EXPECT_EQ(f->windowTitle(), "measurement of loss quality Ql");
  EXPECT_EQ(f->GroupBox3->title(), "single results");
  EXPECT_EQ(f->GroupBox1->title(), "TSPs");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Button2->text(), "&help");
  EXPECT_EQ(f->Label12->text(), "for accuracy: fb/fm = 0.785");
  EXPECT_EQ(f->Label8->text(), "Rm (Ohm)");
  // Back to German at the next paint.
  SetLanguage("deutsch");
  Repaint();
  EXPECT_EQ(f->Label22->text(), "Abweichung = 21.5 %");
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
}

TEST_F(QLmessWindow, HelpFromTheHelpFileAndCloseAsksNothing) {
  Show();
  TQLmess* f = form();
  f->Button2->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].file, "VELO.HLP");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(seam.questions.isEmpty());
}

TEST_F(QLmessWindow, SketchShowsTheCurveTheDashedReLevelAndItsNames) {
  Show();
  const QImage image = form()->Image1->grab().toImage();
  ASSERT_EQ(image.size(), QSize(313, 180));
  int curve = 0, dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 120 && c.red() < 80 && c.green() < 80) ++curve;
      if (c.red() < 60 && c.green() < 60 && c.blue() < 60) ++dark;
    }
  EXPECT_GT(curve, 400);  // the curve runs across the whole width
  EXPECT_GT(dark, 300);   // axes, the dashed line, the arrow and the names
  // The dashed Re line: dark and white pixels alternate along one row between the peaks.
  int changes = 0, row = -1;
  for (int y = 100; y < 170 && row < 0; ++y) {
    int runs = 0;
    for (int x = 60; x < 280; ++x) {
      const bool a = image.pixelColor(x, y).lightness() < 100, b = image.pixelColor(x + 1, y).lightness() < 100;
      runs += a != b;
    }
    if (runs > 20) row = y, changes = runs;
  }
  EXPECT_GT(changes, 20);
  // At the high-frequency end the voice coil's inductance lifts the impedance well above Re.
  int end = -1, endTop = image.height();
  for (int x = image.width() - 1; x >= 0 && end < 0; --x)
    for (int y = 0; y < image.height(); ++y) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 120 && c.red() < 80 && c.green() < 80) {
        end = x;
        endTop = y;
        break;
      }
    }
  EXPECT_GT(end, image.width() * 3 / 4);
  EXPECT_GT(row - endTop, 20);
  // A second grab paints the same picture.
  EXPECT_EQ(form()->Image1->grab().toImage(), image);
}

TEST_F(QLmessWindow, LongAndNegativeTextsNeverShowNanOrInfAndTheResultComesBack) {
  Show();
  TQLmess* f = form();
  TypeIntoEach(Edits(), {"-7", QString(300, '9'), "0," + QString(100, '0') + "1"}, [&](const QString&) { Repaint(); });
  EXPECT_EQ(f->Label11->text(), "Ql = 27.5");
}

}  // namespace
}  // namespace velomare::test
