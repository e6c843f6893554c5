// The complete crossover window driven through its controls and the mouse, with branches exported
// by the designer windows: the branches offered, the sum, pan, zoom, read-out, print and help.
#include <QCheckBox>
#include <QFile>
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
  double LevelAt(int f) { return form()->Total().level[form()->FastGridFlag() ? FastGridIndex(f) : f]; }
};

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
  EXPECT_GT(Curve(kBlue), 1000);
  // Changed while open, the option withdraws the pair at once; the band pass comes at the next show.
  Option("FastFilter", false);
  Repaint();
  EXPECT_FALSE(form()->DiagramDrawn() || form()->CheckBox1->isVisible() || form()->CheckBox3->isVisible());
  EXPECT_EQ(Curve(kBlue), 0);
  Reshow();
  EXPECT_TRUE(form()->CheckBox2->isChecked());
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
  EXPECT_EQ(form()->Label1->text(), "0 dB, absolut 87.5 dB");
  MoveMouse({300, 300});
  EXPECT_EQ(Title(), "Gesamtweiche, Cursor f=  0Hz, 0.0dB");
  MoveMouse({300, 20});
  EXPECT_EQ(Title(), "Gesamtweiche");
  // A drag without scales still moves by 20 px per dB.
  Drag(Qt::LeftButton, {300, 300}, {300, 260});
  EXPECT_EQ(form()->dbmaxBar->value(), 8);
}

TEST_F(WeicheWindow, DragPansAndZoomsAndTotalRestoresTheFullView) {
  ExportPair(1);
  Show();
  Drag(Qt::LeftButton, {400, 300}, {360, 300});
  EXPECT_EQ(form()->View().fmin, 119);
  EXPECT_EQ(form()->fbreiteBar->maximum(), 19881);
  Drag(Qt::RightButton, {400, 300}, {400, 280});
  EXPECT_EQ(form()->dbbreiteBar->value(), 49);
  // Dragging far beyond the ranges is clamped; "total" restores the full view.
  for (int n = 0; n < 10; ++n) Drag(Qt::LeftButton, {760, 60}, {1, 540});
  EXPECT_EQ(form()->fminBar->value() + form()->dbmaxBar->value(), 10000 + 20);
  ExpectNoNonFiniteTexts(form());
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  Repaint();
  EXPECT_EQ(form()->fminBar->value() + form()->dbbreiteBar->value(), 20 + 50);
}

TEST_F(WeicheWindow, TinyWindowsDrawNothingWrong) {
  ExportPair(2);
  Show();
  for (QSize size : {QSize(30, 30), QSize(41, 96), QSize(1, 1), QSize(770, 96)}) {
    form()->resize(size);
    Repaint();
    for (const DiagramPoint& p : form()->LastDiagram().level) ASSERT_LT(std::abs(p.y), 100000);
    MoveMouse({std::max(1, size.width() - 1), std::max(51, size.height() - 1)});
    ExpectNoNonFiniteTexts(form());
  }
}

TEST_F(WeicheWindow, PrintGoesStraightToThePrinterAndHelpOpensItsTopic) {
  ExportPair(1);
  Show();
  const QString pdf = TempPath("weiche.pdf");
  seam.printPdfPath = pdf;
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_TRUE(seam.questions.isEmpty());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4) == "%PDF");
  ExpectHelpAndPrint(form()->Button2, "QTX_contents0026");
  QTest::mouseClick(form()->Button1, Qt::LeftButton);
  EXPECT_FALSE(form()->isVisible());
}

}  // namespace
}  // namespace velomare::test
