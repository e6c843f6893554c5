// The loss-factor window driven through its controls: the driver edits filled at each show, the
// measured edits kept, the model's results shown at every keystroke, the language, the sketch,
// help and close, bad input.
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
  QStringList Results() {
    TQLmess* f = form();
    return TextsOf({f->Label13, f->Label14, f->Label15, f->Label16, f->Label17, f->Label18, f->Label19, f->Label21,
                    f->Label11, f->Label12, f->Label22});
  }
  // What the model gives for the texts the edits hold now.
  QStringList ModelResults() {
    QlEditTexts texts;
    for (std::size_t i = 0; i < kQlEditCount; ++i) texts[i] = Edits()[int(i)]->text().toStdString();
    const QlReadouts r = ComputeQl(texts).texts;
    return QStrings({r.fb, r.fsb, r.rm, r.qmsb, r.qesb, r.qtsb, r.h, r.alpha, r.ql, r.ratio, r.deviation});
  }
};

TEST_F(QLmessWindow, ShowTakesTheCurrentDriverAndShowsTheModelsResults) {
  Show();
  TQLmess* f = form();
  QStringList driver;
  for (const std::string& t : QlDriverEditTexts()) driver << QString::fromStdString(t);
  EXPECT_EQ(TextsOf({f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5}), driver);
  EXPECT_EQ(f->Edit6->text(), "25,0");
  EXPECT_EQ(Results(), ModelResults());
  EXPECT_EQ(f->Label11->text(), "Ql = 27.5");
}

TEST_F(QLmessWindow, EveryKeystrokeShowsTheModelsResults) {
  Show();
  TQLmess* f = form();
  const char* example[] = {"3,5", "0,30", "5,0", "0,38", "30"};
  for (int i = 0; i < 5; ++i) {
    Type(Edits()[i], example[i]);
    EXPECT_EQ(Results(), ModelResults()) << "Edit" << i + 1;
  }
  EXPECT_EQ(f->Label11->text(), "Ql = 8.9");
  for (QLineEdit* edit : Edits().mid(5)) {
    Type(edit, "45");
    EXPECT_EQ(Results(), ModelResults()) << edit->objectName().toStdString();
  }
}

TEST_F(QLmessWindow, MeasuredEditsKeepTheirTextsAndDriverEditsFollowTheDriver) {
  Show();
  TQLmess* f = form();
  Type(f->Edit6, "22");
  Type(f->Edit1, "1");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  ChassisRe = 3.2;
  ChassisFs = 41.25;
  Show();
  EXPECT_EQ(f->Edit6->text(), "22");
  EXPECT_EQ(f->Edit1->text(), "3.20");
  EXPECT_EQ(f->Edit5->text(), "41.2");
}

TEST_F(QLmessWindow, ResultsAndCaptionsFollowTheLanguageAtThePaint) {
  Show("english");
  TQLmess* f = form();
  EXPECT_EQ(f->windowTitle(), "measurement of loss quality Ql");
  EXPECT_EQ(f->GroupBox2->title(), "measured values");
  EXPECT_EQ(f->Label22->text(), "tolerance = 21.5 %");
  SetLanguage("deutsch");
  Repaint();
  EXPECT_EQ(f->Label22->text(), "Abweichung = 21.5 %");
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
}

TEST_F(QLmessWindow, HelpAndCloseButNoPrint) {
  Show();
  TQLmess* f = form();
  EXPECT_EQ(f->findChildren<QPushButton*>().size(), 2);
  f->Button2->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0022");
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
  // A second grab paints the same picture.
  EXPECT_EQ(form()->Image1->grab().toImage(), image);
}

TEST_F(QLmessWindow, BadTextInAnyEditNeverShowsNanOrInf) {
  Show();
  TQLmess* f = form();
  for (QLineEdit* edit : Edits()) {
    const QString keep = edit->text();
    for (const QString& text : {QString("abc"), QString("1e999"), QString(300, '9')}) {
      Type(edit, text);
      Repaint();
      ExpectNoNonFiniteTexts(f);
    }
    Type(edit, keep);
  }
  EXPECT_EQ(f->Label11->text(), "Ql = 27.5");
}

}  // namespace
}  // namespace velomare::test
