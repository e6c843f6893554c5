// The designers' response diagrams and branch export driven through their windows: the
// defaults' -3 dB markers, the diagram kept across repaints, "&Simulation" without
// AutoFilterSim, the low-pass table following the grid option, and the export.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "filters/model/FilterBranches.h"

namespace velomare::test {
namespace {

class FilterDiagramWindows : public ProgramTest {
 protected:
  void Start(const char* options = "") {
    settings->WriteSettings(std::string("[Options]\r\nAboutAtStart=0\r\n") + options);
    StartProgram();
    ResetFilterBranches();
  }
  static void Show(QWidget* w) {
    static_cast<FormBase*>(w)->ShowForm();
    w->grab();
    QCoreApplication::processEvents();
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  static int Pixels(QWidget* w, QColor colour) {
    const QImage image = w->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == colour) ++count;
    return count;
  }
  static bool HasText(const FilterDiagram& d, const std::string& text) {
    for (const DiagramText& t : d.texts)
      if (t.text == text) return true;
    return false;
  }
};

TEST_F(FilterDiagramWindows, DefaultDesignsDrawTheirMinus3dBMarkersInBothLanguages) {
  Start();
  for (const char* language : {"deutsch", "english"}) {
    OpenSettings().WriteString("Info", "Sprache", language);
    Show(forms::HP);
    Show(forms::BP);
    Show(forms::TP);
    EXPECT_TRUE(HasText(forms::HP->CurrentDiagram(), "-3dB @ 2100 Hz")) << language;
    EXPECT_TRUE(HasText(forms::TP->CurrentDiagram(), "-3dB @ 2000 Hz")) << language;
    const FilterDiagram bp = forms::BP->CurrentDiagram();
    EXPECT_TRUE(HasText(bp, "-3dB @ 860 Hz")) << language;
    EXPECT_TRUE(HasText(bp, "-3dB @5900 Hz")) << language;
    for (QWidget* w : {static_cast<QWidget*>(forms::HP), static_cast<QWidget*>(forms::BP),
                       static_cast<QWidget*>(forms::TP)}) {
      EXPECT_GT(Pixels(w, QColor(0, 0, 255)), 200) << w->objectName().toStdString();
      EXPECT_GT(Pixels(w, QColor(0, 128, 0)), 50) << w->objectName().toStdString();
      w->hide();
    }
  }
}

TEST_F(FilterDiagramWindows, WithoutAutoFilterSimTheButtonDrawsUntilAComponentChanges) {
  Start("AutoFilterSim=0\r\n");
  THP* hp = forms::HP;
  Show(hp);
  EXPECT_EQ(Pixels(hp, QColor(0, 0, 255)), 0);
  QTest::mouseClick(hp->Button2, Qt::LeftButton);
  const int blue = Pixels(hp, QColor(0, 0, 255));
  EXPECT_GT(blue, 200);
  // Covering, moving and resizing repaint from the kept state.
  hp->resize(hp->size() + QSize(1, 1));
  hp->resize(hp->size() - QSize(1, 1));
  EXPECT_EQ(Pixels(hp, QColor(0, 0, 255)), blue);
  Type(hp->Edit3, "10");
  EXPECT_EQ(Pixels(hp, QColor(0, 0, 255)), 0);
  // Order 3 draws nothing even from the button.
  hp->RadioButton3->setChecked(true);
  QTest::mouseClick(hp->Button2, Qt::LeftButton);
  EXPECT_EQ(Pixels(hp, QColor(0, 0, 255)), 0);
}

TEST_F(FilterDiagramWindows, ZeroImpedanceDrawsNothingAndTheWindowStillAnswers) {
  Start();
  TBP* bp = forms::BP;
  Show(bp);
  Type(bp->Edit1, "0");
  EXPECT_TRUE(bp->CurrentDiagram().Empty());
  EXPECT_EQ(Pixels(bp, QColor(0, 0, 255)), 0);
  Type(bp->Edit1, "0,0000000000000001");
  Type(bp->Edit1, "99999999999999999999");
  for (const DiagramText& t : bp->CurrentDiagram().texts) {
    EXPECT_EQ(t.text.find("nan"), std::string::npos);
    EXPECT_EQ(t.text.find("inf"), std::string::npos);
  }
  Type(bp->Edit1, "4");
  EXPECT_TRUE(HasText(bp->CurrentDiagram(), "-3dB @ 860 Hz"));
}

TEST_F(FilterDiagramWindows, LowPassTableFollowsTheGridOption) {
  Start();
  TTP* tp = forms::TP;
  Show(tp);
  EXPECT_TRUE(tp->ResponseTableContents().fastGrid);
  OpenSettings().WriteBool("Options", "FastFilter", false);
  tp->hide();
  Show(tp);
  EXPECT_FALSE(tp->ResponseTableContents().fastGrid);
  // Element 2000 of the full grid is 2000 Hz, the design's cut-off.
  EXPECT_NEAR(tp->ResponseTableContents().level[2000], -3.0, 0.1);
  // On the 1 Hz grid the marker names the first hertz at or below -3 dB.
  std::string marker;
  for (const DiagramText& t : tp->CurrentDiagram().texts)
    if (t.text.rfind("-3dB", 0) == 0) marker = t.text;
  int n = 0;
  for (int f = 10; f <= 20000 && n == 0; ++f)
    if (tp->ResponseTableContents().level[f] <= -3) n = f;
  EXPECT_EQ(marker, "-3dB @ " + std::to_string(n) + " Hz");
  EXPECT_NEAR(n, 2000, 20);
}

TEST_F(FilterDiagramWindows, ExportFillsTheBranchOrSaysThereIsNoData) {
  Start();
  THP* hp = forms::HP;
  Show(hp);
  QTest::mouseClick(hp->Button3, Qt::LeftButton);
  const FilterBranch branch = FilterBranchOf(FilterBranchKind::HighPass);
  EXPECT_TRUE(BranchExported(FilterBranchKind::HighPass));
  EXPECT_TRUE(BranchOnFastGrid(FilterBranchKind::HighPass));
  EXPECT_NEAR(branch.level[200], -3.009, 5e-4);  // 2000 Hz
  EXPECT_GT(branch.phase[10], 0);
  EXPECT_LT(branch.phase[10], M_PI);
  EXPECT_TRUE(seam.messages.isEmpty());

  TTP* tp = forms::TP;
  Show(tp);
  tp->RadioButton3->setChecked(true);  // third order: no circuit to export
  QTest::mouseClick(tp->Button4, Qt::LeftButton);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_EQ(seam.messages[0], "keine simulationsdaten / no data");
  EXPECT_FALSE(BranchExported(FilterBranchKind::LowPass));
  EXPECT_EQ(TPLevel[200], 0.0);
}

TEST_F(FilterDiagramWindows, LowCutOffBandPassKeepsTheCircuitsTruePhase) {
  Start();
  TBP* bp = forms::BP;
  Show(bp);
  Type(bp->Edit2, "15");
  Type(bp->Edit3, "5000");
  ChooseItem(bp->ComboBox1, 1);  // "2x12dB (Linkwitz)"
  ASSERT_GT(bp->Values().c2, 0);
  QTest::mouseClick(bp->Button4, Qt::LeftButton);
  const FilterBranch branch = FilterBranchOf(FilterBranchKind::BandPass);
  ASSERT_TRUE(BranchExported(FilterBranchKind::BandPass));
  // Element 190 is 1000 Hz: the circuit lags by about 14°, not +166°.
  EXPECT_NEAR(branch.phase[190] * 180 / M_PI, -14, 2);
  for (int i = 11; i <= 290; ++i) EXPECT_LT(std::fabs(branch.phase[i] - branch.phase[i - 1]), M_PI / 2) << i;
}

}  // namespace
}  // namespace velomare::test
