// The two reference-picture windows: their sizes and captions, and the charts checked against
// what the curves must show: the closed box -3 dB at fc for Qtc 0.707 and 0 dB for Qtc 1, and the
// bandpass falling 12 dB per octave on both sides of its pass band.
#include <QCoreApplication>
#include <cmath>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "enclosures/ReferencePictures.h"
#include "enclosures/model/BandpassLevel.h"

namespace velomare::test {
namespace {

double LevelAt(const ChartPanel::Curve& curve, double x) {
  // The sample nearest to x.
  double best = 1e9, level = 0;
  for (const auto& [px, l] : curve.points)
    if (std::fabs(std::log(px / x)) < best) {
      best = std::fabs(std::log(px / x));
      level = l;
    }
  return level;
}

class ReferencePictures : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    StartProgram();
  }
};

TEST_F(ReferencePictures, WindowsHaveTheirFixedSizesAndGermanCaptions) {
  QWidget* gueten = reinterpret_cast<QWidget*>(forms::gueten);
  QWidget* swerte = reinterpret_cast<QWidget*>(forms::swerte);
  EXPECT_EQ(gueten->size(), QSize(347, 282));
  EXPECT_EQ(swerte->size(), QSize(387, 442));
  OpenSettings().WriteString("Info", "Sprache", "english");
  gueten->show();
  swerte->show();
  gueten->grab();
  swerte->grab();
  EXPECT_EQ(gueten->windowTitle().toStdString(), "Frequenzverlauf bei verschiedenen Güten");
  EXPECT_EQ(swerte->windowTitle().toStdString(), "S-Werte und Güten bei geschlossenen Bandpässen");
  EXPECT_EQ(gueten->minimumSize(), gueten->maximumSize());
}

TEST(ReferenceCharts, QualityChartShowsTheClosedBoxAroundItsResonance) {
  const ChartPanel panel = QualityChartPanel();
  ASSERT_EQ(panel.curves.size(), 5u);
  EXPECT_EQ(panel.curves[1].label.toStdString(), "Q = 0,707");
  EXPECT_NEAR(LevelAt(panel.curves[1], 1.0), -3.01, 0.05);
  EXPECT_NEAR(LevelAt(panel.curves[2], 1.0), 0.0, 0.05);
  EXPECT_NEAR(LevelAt(panel.curves[0], 1.0), -6.02, 0.05);
  EXPECT_NEAR(LevelAt(panel.curves[4], 1.0), 6.02, 0.05);  // Qtc 2 is 2x at fc
  for (const auto& curve : panel.curves) EXPECT_NEAR(LevelAt(curve, 8.0), 0.0, 0.6);
  EXPECT_EQ(panel.redX, 1.0);
}

TEST(ReferenceCharts, BandpassPanelsFallTwelveDecibelsPerOctaveOnBothSides) {
  const std::vector<ChartPanel> panels = BandpassShapePanels();
  ASSERT_EQ(panels.size(), 2u);
  EXPECT_EQ(panels[0].title.toStdString(), "S=0.5");
  EXPECT_EQ(panels[1].title.toStdString(), "S=0.7");
  for (const ChartPanel& panel : panels) {
    ASSERT_EQ(panel.curves.size(), 3u);
    for (const auto& curve : panel.curves) {
      EXPECT_GT(curve.points.size(), 200u);
      for (const auto& [x, level] : curve.points) ASSERT_TRUE(std::isfinite(level));
    }
  }
  BandpassLevelInputs in{0.3, 30, 100, 100.0 / ((0.7 / 0.3) * (0.7 / 0.3) - 1), 36, 70, 100};
  const double low = *BandpassLevel(in, 2) - *BandpassLevel(in, 1);
  const double high = *BandpassLevel(in, 8000) - *BandpassLevel(in, 4000);
  EXPECT_NEAR(low, 12.04, 0.1);
  EXPECT_NEAR(high, -12.04, 0.1);
  EXPECT_FALSE(BandpassLevel(in, 0));
  in.ql = 0;
  EXPECT_FALSE(BandpassLevel(in, 50));
}

}  // namespace
}  // namespace velomare::test
