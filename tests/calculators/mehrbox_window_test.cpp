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
  EXPECT_EQ(f->size(), QSize(550, 246));
  EXPECT_EQ(f->windowTitle(), "Zusammenschaltung mehrerer Lautsprecher");
  EXPECT_EQ(f->Edit1->text(), "4");
  EXPECT_EQ(QList<int>({f->ScrollBar1->minimum(), f->ScrollBar1->maximum()}), QList<int>({2, 50}));
  EXPECT_EQ(f->ScrollBar2->maximum(), 2);
  EXPECT_EQ(Results(), ModelTexts(4, 2, 1, false));
  EXPECT_EQ(Results(), QStringList({"Anzahl: 2 LS", "Variante 1 von 2", "Reihenschaltung von 2 Lautsprechern",
                                    "1 x 2 (parallel x Reihe)", "neue Gesamt-Impedanz dann Z= 8.00 Ohm"}));
  EXPECT_EQ(f->Label1->text(), "Impedanz Z eines LS (Ohm)");
  EXPECT_EQ(TextsOf({f->Button1, f->Button2, f->Button3, f->Button4}), QStringList({"S&chliessen", "&Hilfe", "&?", "?"}));
  EXPECT_EQ(f->Image1->size(), QSize(248, 130));
  EXPECT_EQ(f->Image1->toolTip(), "Das Bild zeigt 3 parallele Gruppen von 2 in Reihe gschaltete LS (3 x 2)");
  EXPECT_EQ(f->Button3->toolTip(), "Gibt anhand der LS-Anzahl einen Tipp zur Variante");
  EXPECT_EQ(f->Button4->toolTip(), "verändert evtl. die LS-Anzahl und gibt einen Tipp");
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->Image1->toolTip(), "this image illustrate 3 parallel groups of 2 serial speakers (3 x 2)");
  EXPECT_EQ(f->Button3->toolTip(), "gives an advice depending on speaker number");
  EXPECT_EQ(f->Button4->toolTip(), "maybe changes speaker number and gives an advice");
  // A language change reaches the result texts at the next paint.
  EXPECT_EQ(f->Label2->text(), "numbers of speakers: 2");
  QTest::mouseClick(f->Image1, Qt::LeftButton, {}, QPoint(120, 60));
  EXPECT_EQ(QList<int>({f->ScrollBar1->value(), f->ScrollBar2->value()}), QList<int>({6, 3}));
  EXPECT_EQ(Results(), ModelTexts(4, 6, 3, true));
  EXPECT_EQ(Results(), QStringList({"numbers of speakers: 6", "option 3 of 4",
                                    "series connection of every 2 speakers, then these 3 groups parallel connected",
                                    "3 x 2 (parallel x serial)", "new total impedance Z= 2.67 ohms"}));
  EXPECT_EQ(f->windowTitle(), "Connection of many speakers");
  EXPECT_EQ(f->Label1->text(), "impedance of one speaker (ohm)");
  EXPECT_EQ(f->Button2->text(), "&help");
  // A second click, with six speakers already chosen, sets the option again.
  Drag(f->ScrollBar2, 1);
  QTest::mouseClick(f->Image1, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(f->ScrollBar2->value(), 3);
  EXPECT_EQ(f->Label3->text(), "option 3 of 4");
}

TEST_F(MehrboxWindow, ANewCountResetsTheOptionAndItsRange) {
  Show("english");
  Tmehrbox* f = form();
  Drag(f->ScrollBar1, 48);
  EXPECT_EQ(f->ScrollBar2->maximum(), 10);
  EXPECT_EQ(f->Label3->text(), "option 1 of 10");
  EXPECT_EQ(f->Label6->text(), "1 x 48 (parallel x serial)");
  Drag(f->ScrollBar2, 10);  // all 48 in parallel
  EXPECT_EQ(Results(), ModelTexts(4, 48, 10, true));
  EXPECT_EQ(f->Label4->text(), "parallel connection of 48 speakers");
  EXPECT_EQ(f->Label5->text(), "new total impedance Z= 0.08 ohms");
  // From the last option of 48 to a prime: back to option 1 of 2, not clamped to 2.
  Drag(f->ScrollBar1, 47);
  EXPECT_EQ(f->ScrollBar2->value(), 1);
  EXPECT_EQ(f->ScrollBar2->maximum(), 2);
  EXPECT_EQ(Results(), ModelTexts(4, 47, 1, true));
  EXPECT_EQ(Results(), QStringList({"numbers of speakers: 47", "option 1 of 2", "series connection of 47 speakers",
                                    "1 x 47 (parallel x serial)", "new total impedance Z= 188.00 ohms"}));
  // Every count offers exactly its divisors.
  for (int n = 2; n <= 50; ++n) {
    f->ScrollBar1->setValue(n);
    int divisors = 0;
    for (int d = 1; d <= n; ++d) divisors += n % d == 0;
    EXPECT_EQ(f->ScrollBar2->maximum(), divisors) << n;
    EXPECT_EQ(f->ScrollBar2->value(), 1) << n;
  }
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
  Type(f->Edit1, "8");
  EXPECT_EQ(f->Label5->text(), "neue Gesamt-Impedanz dann Z= 8.00 Ohm");
  Type(f->Edit1, "6,5");
  EXPECT_EQ(f->Label5->text(), "neue Gesamt-Impedanz dann Z= 6.50 Ohm");
  const QStringList shown = Results();
  // Set whole: typed key by key, "1e999" would pass through the valid "1".
  for (const char* bad : {"0", "-4", "abc", "", "-", "1e999", "0,0"}) {
    f->Edit1->setText(bad);
    EXPECT_EQ(Results(), shown) << bad;
    Repaint();
    EXPECT_EQ(Results(), shown) << bad;
  }
  // With no impedance the scroll bars still move and keep their range, but nothing is shown anew.
  f->ScrollBar1->setValue(9);
  EXPECT_EQ(f->ScrollBar2->maximum(), 3);
  EXPECT_EQ(Results(), shown);
  Type(f->Edit1, "4");
  EXPECT_EQ(Results(), ModelTexts(4, 9, 1, false));
  f->Button3->click();
  EXPECT_EQ(f->Label6->text(), "3 x 3 (parallel x Reihe)");
  EXPECT_EQ(f->Label5->text(), "neue Gesamt-Impedanz dann Z= 4.00 Ohm");
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

TEST_F(MehrboxWindow, AdviceButtonsGiveTheWorkedTexts) {
  Show("english");
  Tmehrbox* f = form();
  f->ScrollBar1->setValue(48);
  f->Button3->click();
  EXPECT_EQ(f->Label3->text(), "option 5 of 10");
  EXPECT_EQ(f->Label6->text(), "6 x 8 (parallel x serial)");
  EXPECT_EQ(f->Label5->text(), "new total impedance Z= 5.33 ohms");

  f->ScrollBar1->setValue(11);
  f->ScrollBar2->setValue(2);
  f->Button3->click();
  EXPECT_EQ(f->Label3->text(), "option 1 of 2");
  EXPECT_EQ(f->Label4->text(), "series connection of 11 speakers");
  EXPECT_EQ(f->Label5->text(), "new total impedance Z= 44.00 ohms");

  // "?" may move the count first: 11 to 12, 37 to 36, 46 to 45; 45 stays.
  f->Button4->click();
  EXPECT_EQ(f->ScrollBar1->value(), 12);
  EXPECT_EQ(f->Label3->text(), "option 3 of 6");
  EXPECT_EQ(f->Label6->text(), "3 x 4 (parallel x serial)");
  EXPECT_EQ(f->Label5->text(), "new total impedance Z= 5.33 ohms");
  f->ScrollBar1->setValue(37);
  f->Button4->click();
  EXPECT_EQ(f->ScrollBar1->value(), 36);
  EXPECT_EQ(f->Label6->text(), "6 x 6 (parallel x serial)");
  EXPECT_EQ(f->Label5->text(), "new total impedance Z= 4.00 ohms");
  f->ScrollBar1->setValue(45);
  f->Button4->click();
  EXPECT_EQ(f->ScrollBar1->value(), 45);
  EXPECT_EQ(f->Label6->text(), "5 x 9 (parallel x serial)");
  EXPECT_EQ(f->Label5->text(), "new total impedance Z= 7.20 ohms");
  f->ScrollBar1->setValue(46);
  f->Button4->click();
  EXPECT_EQ(f->ScrollBar1->value(), 45);
  EXPECT_EQ(f->ScrollBar2->value(), 3);
  // Every prime count is advised all in series.
  f->ScrollBar1->setValue(13);
  f->Button3->click();
  EXPECT_EQ(f->Label4->text(), "series connection of 13 speakers");
}

}  // namespace
}  // namespace velomare::test
