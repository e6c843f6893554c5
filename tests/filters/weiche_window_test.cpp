// The complete crossover window driven through its controls and the mouse, with branches exported
// by the designer windows: the branches offered, the sum, pan, zoom, read-out, print and help.
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"
#include "filters/model/FastFilterGrid.h"

namespace velomare::test {
namespace {

const QColor kBlue(0, 0, 255);

class WeicheWindow : public WindowTest<Tweiche, &forms::weiche> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ResetFilterBranches();
    ChassisSpl = 87.5;
  }
  // The low and high pass export at 8 ohm and 1 kHz in the order given, through their windows.
  static void ExportPair(int order) {
    for (PassDesignerForm* designer : {static_cast<PassDesignerForm*>(forms::TP), static_cast<PassDesignerForm*>(forms::HP)}) {
      WindowsTest::Show(designer);
      (order == 1 ? designer->RadioButton1 : designer->RadioButton2)->click();
      Type(designer->findChild<QLineEdit*>("Edit1"), "8");
      Type(designer->findChild<QLineEdit*>("Edit2"), "1000");
      test::Repaint(designer);  // the designers read the grid option when they paint
      QTest::mouseClick(designer == static_cast<PassDesignerForm*>(forms::TP) ? forms::TP->Button4 : forms::HP->Button3,
                        Qt::LeftButton);
      designer->hide();
    }
  }
  static void ExportBandPass() {
    WindowsTest::Show(forms::BP);
    QTest::mouseClick(forms::BP->Button4, Qt::LeftButton);
    forms::BP->hide();
  }
  void Reshow() {
    form()->hide();
    Show();
  }
  void Drag(Qt::MouseButtons buttons, QPoint from, QPoint to) {
    const Qt::MouseButton first = buttons & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
    QMouseEvent press(QEvent::MouseButtonPress, from, form()->mapToGlobal(from), first, buttons, Qt::NoModifier);
    QApplication::sendEvent(form(), &press);
    MoveMouse(to, buttons);
    QMouseEvent release(QEvent::MouseButtonRelease, to, form()->mapToGlobal(to), first, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form(), &release);
    Repaint();
  }
  // The diagram's pixels of a colour, below the caption strip.
  int Curve(QColor colour) { return Pixels(colour, 50); }
  int Element(int f) { return form()->FastGridFlag() ? FastGridIndex(f) : f; }
  double LevelAt(int f) { return form()->Total().level[Element(f)]; }
};

constexpr double kDeg = 180 / 3.141592653589793;

TEST_F(WeicheWindow, ShowOffersTheBranchesExportedOnTheWindowsGridTicked) {
  Option("FastFilter", true);
  ExportPair(1);
  Option("FastFilter", false);
  ExportBandPass();  // on the one-hertz grid
  Option("FastFilter", true);
  form()->CheckBox1->setChecked(false);
  Show();
  EXPECT_TRUE(form()->CheckBox1->isChecked() && form()->CheckBox3->isChecked()) << "show overrides the user's choice";
  EXPECT_FALSE(form()->CheckBox2->isVisible() || form()->CheckBox2->isChecked());
  EXPECT_TRUE(form()->CheckBox6->isVisible() && form()->ScrollBar3->isVisible());
  EXPECT_TRUE(form()->CheckBox1->isVisible());
  for (QWidget* w : {static_cast<QWidget*>(form()->CheckBox4), static_cast<QWidget*>(form()->CheckBox5),
                     static_cast<QWidget*>(form()->ScrollBar2)})
    EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
  for (QWidget* w : {form()->fminBar, form()->fbreiteBar, form()->dbmaxBar, form()->dbbreiteBar}) EXPECT_FALSE(w->isVisible());
  EXPECT_GT(Curve(kBlue), 1000);
  // Changed while open, the option withdraws the pair at once; the band pass comes at the next show.
  Option("FastFilter", false);
  Repaint();
  EXPECT_FALSE(form()->DiagramDrawn() || form()->CheckBox1->isVisible() || form()->CheckBox3->isVisible());
  EXPECT_EQ(Curve(kBlue), 0);
  EXPECT_FALSE(form()->FastGridFlag());
  EXPECT_FALSE(form()->CheckBox1->isChecked());
  Reshow();
  EXPECT_TRUE(form()->CheckBox2->isChecked());
  EXPECT_FALSE(form()->CheckBox1->isVisible());
  EXPECT_FALSE(form()->CheckBox3->isVisible());
}

TEST_F(WeicheWindow, EachBranchRowKeepsItsControlsOnItsLineAboveTheDiagram) {
  // Low, band and high pass one above the other at y = 0, 16 and 32, 16 pixels each; switch,
  // polarity box, level bar (none for the low pass) and level text in the same columns on every
  // row; the diagram begins at y = 50.
  Tweiche* f = form();
  const QList<QList<QWidget*>> rows = {{f->CheckBox1, f->CheckBox4, f->Label1},
                                       {f->CheckBox2, f->CheckBox5, f->ScrollBar2, f->Label2},
                                       {f->CheckBox3, f->CheckBox6, f->ScrollBar3, f->Label3}};
  for (int row = 0; row < 3; ++row) {
    for (QWidget* w : rows[row]) {
      EXPECT_GE(w->geometry().top(), 16 * row) << w->objectName().toStdString();
      EXPECT_LE(w->geometry().bottom(), 16 * row + 15) << w->objectName().toStdString();
    }
    EXPECT_EQ(rows[row].front()->x(), f->CheckBox1->x());
    EXPECT_EQ(rows[row][1]->x(), f->CheckBox4->x());
    EXPECT_EQ(rows[row].back()->x(), f->Label1->x());
  }
  EXPECT_EQ(f->ScrollBar3->x(), f->ScrollBar2->x());
}

TEST_F(WeicheWindow, BranchesWithdrawnWhileOpenComeBackOnlyAtTheNextShow) {
  ExportPair(1);
  Show();
  ASSERT_TRUE(form()->DiagramDrawn());
  Option("FastFilter", false);
  Repaint();
  EXPECT_FALSE(form()->DiagramDrawn());
  Option("FastFilter", true);
  Repaint();
  EXPECT_FALSE(form()->DiagramDrawn());
  Reshow();
  EXPECT_TRUE(form()->DiagramDrawn());
}

TEST_F(WeicheWindow, TextsAndLevelLabelsInBothLanguages) {
  Show("english");
  Tweiche* f = form();
  EXPECT_EQ(f->windowTitle(), "total crossover");
  EXPECT_EQ(TextsOf<QAbstractButton>({f->Button1, f->Button2, f->Button3, f->Button4, f->CheckBox3, f->CheckBox5}),
            QStringList({"&close", "&help", "&print", "total", "high pass", "reverse polarity"}));
  form()->ScrollBar2->setValue(-7);
  Repaint();
  // Nothing exported: the texts are set all the same.
  EXPECT_EQ(form()->Label1->text(), "0 dB, absolute 87.5 dB");
  EXPECT_EQ(form()->Label2->text(), "-3.5 dB, absolute 84.0 dB");
  EXPECT_EQ(form()->Label3->text(), "0.0 dB, absolute 87.5 dB");
  SetLanguage("deutsch");
  form()->ScrollBar2->setValue(-20);
  Repaint();
  EXPECT_EQ(form()->windowTitle(), "Gesamtweiche");
  EXPECT_EQ(TextsOf<QAbstractButton>({f->Button1, f->Button3, f->CheckBox1, f->CheckBox4}),
            QStringList({"s&chliessen", "&drucken", "Tiefpass", "Verpolung"}));
  EXPECT_EQ(form()->Label2->text(), "-10.0 dB, absolut 77.5 dB");
  ExpectNoNonFiniteTexts(form());
}

TEST_F(WeicheWindow, FirstOrderPairDrawsFlatAndReversedHighPassTurnsNinetyDegreesAtTheCutOff) {
  for (bool fast : {true, false}) {
    SCOPED_TRACE(fast ? "fast grid" : "one-hertz grid");
    ResetFilterBranches();
    Option("FastFilter", fast);
    ExportPair(1);
    Reshow();
    ASSERT_TRUE(form()->DiagramDrawn());
    const TotalResponse& t = form()->Total();
    for (int f : {20, 100, 1000, 5000, 20000}) {
      EXPECT_NEAR(t.level[Element(f)], 0.0, 0.02) << f;
      EXPECT_NEAR(t.phase[Element(f)] * kDeg, 0.0, 0.2) << f;
    }
    form()->CheckBox6->click();
    Repaint();
    EXPECT_NEAR(t.phase[Element(1000)] * kDeg, -90.0, 0.3);
    EXPECT_NEAR(t.level[Element(1000)], 0.0, 0.02);
    // The 0 dB line carries the black level curve across the plot.
    const int y0 = 50 + static_cast<int>(10 * form()->Scales().kdb);
    const QImage image = form()->grab().toImage();
    int black = 0;
    for (int x = 30; x < 740; ++x) black += image.pixelColor(x, y0) == QColor(Qt::black);
    EXPECT_GT(black, 700);
    EXPECT_GT(Curve(kBlue), 1000);
    form()->CheckBox6->click();
  }
}

TEST_F(WeicheWindow, LevelBarsAndPolarityBoxesChangeTheSumAndItsTexts) {
  ExportPair(2);
  Show("english");
  EXPECT_EQ(form()->windowTitle(), "total crossover");
  EXPECT_LT(LevelAt(1000), -40.0);  // Butterworth pair in phase: a null
  form()->CheckBox6->click();
  Repaint();
  EXPECT_NEAR(LevelAt(1000), 3.01, 0.05);
  form()->CheckBox6->click();
  form()->CheckBox3->click();  // the low pass alone
  Repaint();
  EXPECT_NEAR(LevelAt(1000), 20 * std::log10(std::sqrt(0.5)), 0.05);
  form()->CheckBox3->click();
  form()->ScrollBar3->setValue(-20);
  Repaint();
  // Second order at fc: -j/sqrt2 and 0.316*j/sqrt2 leave 0.684/sqrt2.
  EXPECT_NEAR(LevelAt(1000), 20 * std::log10((1 - 0.31623) / std::sqrt(2.0)), 0.05);
  EXPECT_EQ(form()->Label3->text(), "-10.0 dB, absolute 77.5 dB");
  form()->ScrollBar3->setValue(-40);  // clamped
  EXPECT_EQ(form()->ScrollBar3->value(), -20);
}

TEST_F(WeicheWindow, NothingExportedLeavesTheDiagramEmptyAndTheReadOutAtZero) {
  Show();
  EXPECT_FALSE(form()->DiagramDrawn());
  EXPECT_EQ(Curve(kBlue), 0);
  EXPECT_EQ(form()->Label1->text(), "0 dB, absolut 87.5 dB");
  MoveMouse({300, 300});
  EXPECT_EQ(Title(), "Gesamtweiche, Cursor f=  0Hz, 0.0dB");
  EXPECT_EQ(form()->cursor().shape(), Qt::CrossCursor);
  MoveMouse({300, 20});
  EXPECT_EQ(Title(), "Gesamtweiche");
  EXPECT_EQ(form()->cursor().shape(), Qt::ArrowCursor);
  // A drag without scales still moves by 20 px per dB.
  Drag(Qt::LeftButton, {300, 300}, {300, 260});
  EXPECT_EQ(form()->dbmaxBar->value(), 8);
}

TEST_F(WeicheWindow, DragPansAndZoomsAndTotalRestoresTheFullView) {
  ExportPair(1);
  Show();
  SetLanguage("english");
  Repaint();
  MoveMouse({400, 300});
  EXPECT_EQ(form()->windowTitle().left(26), "total crossover, cursor f=");
  Drag(Qt::LeftButton, {400, 300}, {360, 300});
  EXPECT_EQ(form()->View().fmin, 119);
  EXPECT_EQ(form()->fminBar->value(), 119);
  EXPECT_EQ(form()->fbreiteBar->maximum(), 19881);
  EXPECT_EQ(form()->fbreiteBar->value(), 19881);
  EXPECT_EQ(Title(), "total crossover");
  Drag(Qt::RightButton, {400, 300}, {400, 280});
  EXPECT_EQ(form()->dbbreiteBar->value(), 49);
  // Both buttons: zoom and pan from one anchor; the pan uses the scale of the last drawing.
  const double kdb = form()->Scales().kdb;
  Drag(Qt::LeftButton | Qt::RightButton, {400, 300}, {400, 200});
  EXPECT_EQ(form()->dbbreiteBar->value(), 49 - 5);
  EXPECT_EQ(form()->dbmaxBar->value(), 10 - static_cast<int>(100 / kdb));
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  Repaint();
  EXPECT_EQ(form()->fminBar->value(), 20);
  EXPECT_EQ(form()->fbreiteBar->value(), 19980);
  EXPECT_EQ(form()->dbmaxBar->value(), 10);
  EXPECT_EQ(form()->dbbreiteBar->value(), 50);
  // Dragging far beyond the ranges is clamped; "total" restores the full view.
  for (int n = 0; n < 10; ++n) Drag(Qt::LeftButton, {760, 60}, {1, 540});
  EXPECT_EQ(form()->fminBar->value() + form()->dbmaxBar->value(), 10000 + 20);
  EXPECT_EQ(form()->fminBar->value(), 10000);
  EXPECT_EQ(form()->fbreiteBar->value(), 10000);
  EXPECT_EQ(form()->dbmaxBar->value(), 20);
  Repaint();
  EXPECT_TRUE(form()->DiagramDrawn());
  ExpectNoNonFiniteTexts(form());
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  Repaint();
  EXPECT_EQ(form()->fminBar->value() + form()->dbbreiteBar->value(), 20 + 50);
  EXPECT_EQ(form()->fminBar->value(), 20);
  EXPECT_EQ(form()->dbbreiteBar->value(), 50);
}

TEST_F(WeicheWindow, TinyWindowsDrawNothingWrong) {
  ExportPair(2);
  Show();
  // The diagram survives repaints.
  const int blue = Curve(kBlue);
  EXPECT_GT(blue, 1000);
  form()->resize(form()->size() + QSize(1, 1));
  form()->resize(form()->size() - QSize(1, 1));
  Repaint();
  EXPECT_EQ(Curve(kBlue), blue);
  for (QSize size : {QSize(30, 30), QSize(41, 96), QSize(1, 1), QSize(770, 96)}) {
    form()->resize(size);
    Repaint();
    for (const DiagramPoint& p : form()->LastDiagram().level) ASSERT_LT(std::abs(p.y), 100000);
    MoveMouse({std::max(1, size.width() - 1), std::max(51, size.height() - 1)});
    ExpectNoNonFiniteTexts(form());
  }
  form()->fminBar->setValue(-5);
  EXPECT_EQ(form()->fminBar->value(), 10);
}

TEST_F(WeicheWindow, PrintGoesStraightToThePrinterAndHelpOpensItsTopic) {
  ExportPair(1);
  Option("FastFilter", false);
  ExportBandPass();
  Option("FastFilter", true);
  Show();
  const QString pdf = TempPath("weiche.pdf");
  seam.printPdfPath = pdf;
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_TRUE(seam.questions.isEmpty());
  EXPECT_EQ(seam.printed, QList<QWidget*>{form()});
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4) == "%PDF");
  ExpectHelpAndPrint(form()->Button2, "QTX_contents0026");
  EXPECT_EQ(seam.helpRequests.value(0).file, "VELO.HLP");
  QTest::mouseClick(form()->Button1, Qt::LeftButton);
  EXPECT_FALSE(form()->isVisible());
}

}  // namespace
}  // namespace velomare::test
