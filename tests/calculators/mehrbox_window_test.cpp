// The several-speakers window driven through its controls: the first paint, the scroll bars and
// their range, the advice buttons, a click on the picture, bad impedances, the hint and help.
#include <QScrollBar>

#include "WindowTest.h"
#include "app/Forms.h"
#include "calculators/Tmehrbox.h"
#include "calculators/model/SpeakerGrouping.h"

namespace velomare::test {
namespace {

class MehrboxWindow : public WindowTest<Tmehrbox, &forms::mehrbox> {
 protected:
  QStringList Results() {
    Tmehrbox* f = form();
    return {f->Label2->text(), f->Label3->text(), f->Label4->text(), f->Label6->text(), f->Label5->text()};
  }
  // A move of the thumb as the user makes it, one step at a time.
  static void Drag(QScrollBar* bar, int to) {
    while (bar->value() < to) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    while (bar->value() > to) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  }
  QStringList ModelTexts(double z, int n, int option, bool english) {
    const auto g = ComputeSpeakerGrouping(z, n, option, GroupingOptionCount(n), english);
    return QStrings({g->count, g->option, g->wiring, g->grouping, g->total});
  }};

TEST_F(MehrboxWindow, FirstPaintShowsTwoSpeakersInSeriesAndAClickOnThePictureSelectsItsSix) {
  Show();
  Tmehrbox* f = form();
  EXPECT_EQ(f->Edit1->text(), "4");
  EXPECT_EQ(QList<int>({f->ScrollBar1->minimum(), f->ScrollBar1->maximum()}), QList<int>({2, 50}));
  EXPECT_EQ(Results(), ModelTexts(4, 2, 1, false));
  EXPECT_EQ(f->Image1->toolTip(), "Das Bild zeigt 3 parallele Gruppen von 2 in Reihe gschaltete LS (3 x 2)");
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->Image1->toolTip(), "this image illustrate 3 parallel groups of 2 serial speakers (3 x 2)");
  QTest::mouseClick(f->Image1, Qt::LeftButton, {}, QPoint(120, 60));
  EXPECT_EQ(Results(), ModelTexts(4, 6, 3, true));
  // A second click, with six speakers already chosen, sets the option again.
  Drag(f->ScrollBar2, 1);
  QTest::mouseClick(f->Image1, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(f->ScrollBar2->value(), 3);
}

TEST_F(MehrboxWindow, ANewCountResetsTheOptionAndItsRange) {
  Show("english");
  Tmehrbox* f = form();
  Drag(f->ScrollBar1, 48);
  EXPECT_EQ(f->ScrollBar2->maximum(), 10);
  Drag(f->ScrollBar2, 10);  // all 48 in parallel
  EXPECT_EQ(Results(), ModelTexts(4, 48, 10, true));
  // From the last option of 48 to a prime: back to option 1 of 2, not clamped to 2.
  Drag(f->ScrollBar1, 47);
  EXPECT_EQ(f->ScrollBar2->value(), 1);
  EXPECT_EQ(f->ScrollBar2->maximum(), 2);
  EXPECT_EQ(Results(), ModelTexts(4, 47, 1, true));
}

TEST_F(MehrboxWindow, AdviceButtonsSelectTheRecommendedOption) {
  Show("english");
  Tmehrbox* f = form();
  for (int n = kMinSpeakers; n <= kMaxSpeakers; ++n) {
    f->ScrollBar1->setValue(n);
    f->Button3->click();
    EXPECT_EQ(f->ScrollBar2->value(), AdvisedOption(n)) << n;
    // "?" may move the count first, then advises for the new count.
    f->Button4->click();
    EXPECT_EQ(f->ScrollBar1->value(), AdjustedSpeakerCount(n)) << n;
    EXPECT_EQ(f->ScrollBar2->value(), AdvisedOption(AdjustedSpeakerCount(n))) << n;
  }
}

TEST_F(MehrboxWindow, ImpedanceIsTakenAsTypedAndABadOneChangesNothing) {
  Show();
  Tmehrbox* f = form();
  f->ScrollBar1->setValue(16);
  f->Button3->click();
  Type(f->Edit1, "6,5");
  EXPECT_EQ(f->Label5->text(), "neue Gesamt-Impedanz dann Z= 6.50 Ohm");
  const QStringList shown = Results();
  // Set whole: typed key by key, "1e999" would pass through the valid "1".
  for (const char* bad : {"0", "-4", "abc", "", "-", "1e999", "0,0"}) {
    f->Edit1->setText(bad);
    Repaint();
    EXPECT_EQ(Results(), shown) << bad;
  }
  // With no impedance the scroll bars still move and keep their range, but nothing is shown anew.
  f->ScrollBar1->setValue(9);
  EXPECT_EQ(f->ScrollBar2->maximum(), 3);
  EXPECT_EQ(Results(), shown);
  Type(f->Edit1, "4");
  EXPECT_EQ(Results(), ModelTexts(4, 9, 1, false));
}

TEST_F(MehrboxWindow, OnlyThePictureShowsAHintAndHelpAndCloseButNoPrint) {
  Show();
  Tmehrbox* f = form();
  for (QWidget* w : std::initializer_list<QWidget*>{f->Edit1, f->ScrollBar1, f->ScrollBar2, f->Label1, f->Label2,
                                                    f->Label3, f->Label4, f->Label5, f->Label6, f->Button1, f->Button2})
    EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
  ExpectHelpAndPrint(f->Button2, "QTX_contents0027");
  EXPECT_EQ(f->findChildren<QPushButton*>().size(), 4);
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(seam.printed.isEmpty());
}

}  // namespace
}  // namespace velomare::test
