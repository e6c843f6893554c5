// The two reference-picture windows: their German captions, and the charts checked against what
// the curves must show: the closed box -3 dB at fc for Qtc 0.707 and 0 dB for Qtc 1, and the
// bandpass falling 12 dB per octave on both sides of its pass band.
#include <algorithm>
#include <cmath>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "enclosures/ReferencePictures.h"
#include "enclosures/model/BandpassLevel.h"

namespace velomare::test {
namespace {

// The level of the sample nearest to x.
double LevelAt(const ChartPanel::Curve& curve, double x) {
  const auto nearer = [x](const auto& a, const auto& b) {
    return std::fabs(std::log(a.first / x)) < std::fabs(std::log(b.first / x));
  };
  return std::min_element(curve.points.begin(), curve.points.end(), nearer)->second;
}

class ReferencePictures : public WindowTest<Tgueten, &forms::gueten> {};

TEST_F(ReferencePictures, WindowsHaveGermanCaptionsInEitherLanguage) {
  QWidget* swerte = reinterpret_cast<QWidget*>(forms::swerte);
  Show("english");
  swerte->show();
  swerte->grab();
  EXPECT_EQ(Title(), "Frequenzverlauf bei verschiedenen Güten");
  EXPECT_EQ(swerte->windowTitle().toStdString(), "S-Werte und Güten bei geschlossenen Bandpässen");
  // Both pictures have a fixed client size.
  EXPECT_EQ(form()->size(), QSize(347, 282));
  EXPECT_EQ(swerte->size(), QSize(387, 442));
  EXPECT_EQ(form()->minimumSize(), form()->maximumSize());
  EXPECT_EQ(swerte->minimumSize(), swerte->maximumSize());
}

TEST(ReferenceCharts, QualityChartShowsTheClosedBoxAroundItsResonance) {
  const ChartPanel panel = QualityChartPanel();
  ASSERT_EQ(panel.curves.size(), 5u);
  EXPECT_EQ(panel.curves[1].label.toStdString(), "Q = 0,707");
  // At fc the level is 20 log10(Qtc): Qtc 0.5, 0.707, 1 and 2 for the curves 0, 1, 2 and 4.
  const std::pair<int, double> atResonance[] = {{0, -6.02}, {1, -3.01}, {2, 0.0}, {4, 6.02}};
  for (const auto& [index, level] : atResonance) EXPECT_NEAR(LevelAt(panel.curves[index], 1.0), level, 0.05) << index;
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
    EXPECT_EQ(panel.curves[0].label.toStdString(), "Q't=0.5");
    EXPECT_EQ(panel.curves[1].label.toStdString(), "Q't=0.7");
    EXPECT_EQ(panel.curves[2].label.toStdString(), "Q't=1.0");
  }
  for (const ChartPanel& panel : panels) {
    ASSERT_EQ(panel.curves.size(), 3u);
    for (const auto& curve : panel.curves) {
      EXPECT_GT(curve.points.size(), 200u);
      for (const auto& [x, level] : curve.points) ASSERT_TRUE(std::isfinite(level));
    }
  }
  BandpassLevelInputs in{0.3, 30, 100, 100.0 / ((0.7 / 0.3) * (0.7 / 0.3) - 1), 36, 70, 100};
  EXPECT_NEAR(*BandpassLevel(in, 2) - *BandpassLevel(in, 1), 12.04, 0.1);
  EXPECT_NEAR(*BandpassLevel(in, 8000) - *BandpassLevel(in, 4000), -12.04, 0.1);
  EXPECT_FALSE(BandpassLevel(in, 0));
  using In = BandpassLevelInputs;  // each input the level needs, at zero: no level
  for (auto [input, name] : {std::pair{&In::qts, "qts"}, {&In::fs, "fs"}, {&In::vg, "vg"}, {&In::vr, "vr"},
                             {&In::tuning, "tuning"}, {&In::ql, "ql"}}) {
    In zero = in;
    zero.*input = 0;
    EXPECT_FALSE(BandpassLevel(zero, 50)) << name;
  }
}

}  // namespace
}  // namespace velomare::test
