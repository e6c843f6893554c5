// The response diagram's pixel arithmetic and markers: the positions a 700 x 500 closed-box window
// and a 790 x 550 bandpass window must show, worked out by hand from the axis formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "enclosures/model/ClosedBox.h"
#include "enclosures/model/ResponsePlot.h"

namespace velomare {
namespace {

std::vector<PlotItem> Lines(const ResponsePlot& plot) {
  std::vector<PlotItem> out;
  for (const PlotItem& item : plot.items)
    if (item.kind == PlotItem::Line) out.push_back(item);
  return out;
}
const PlotItem* TextStarting(const ResponsePlot& plot, const std::string& prefix) {
  for (const PlotItem& item : plot.items)
    if (item.kind == PlotItem::Text && item.text.rfind(prefix, 0) == 0) return &item;
  return nullptr;
}
int Count(const ResponsePlot& plot, PlotItem::Kind kind) {
  return static_cast<int>(std::count_if(plot.items.begin(), plot.items.end(), [&](const PlotItem& i) { return i.kind == kind; }));
}
bool HasLine(const ResponsePlot& plot, int x1, int y1, int x2, int y2) {
  return std::ranges::any_of(Lines(plot), [&](const PlotItem& l) { return l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2; });
}
bool HasHorizontal(const ResponsePlot& plot, int y, int x1, int x2) { return HasLine(plot, x1, y, x2, y); }
bool HasVertical(const ResponsePlot& plot, int x, int y1, int y2) { return HasLine(plot, x, y1, x, y2); }

// The closed-box level for fs 25, Qts' 0.5, A = 4: Qtc 1, fc 50 Hz.
double CriticalBox(double f) { return *ClosedResponseLevel({25, 30, 0.5, 10, 1}, f); }

TEST(ResponsePlotGeometry, ClosedBoxWindowAtItsStartSize) {
  const PlotGeometry g{700, 500, 100};
  EXPECT_EQ(g.Y(0), 188);
  EXPECT_EQ(g.GridY(0.25), 188);
  EXPECT_EQ(g.GridY(0.5), 277);
  EXPECT_EQ(g.GridY(0.75), 366);
  EXPECT_EQ(g.Bottom(), 455);
  EXPECT_EQ(g.Y(-30), 454);  // the two truncations put -30 dB one pixel above the bottom line
  EXPECT_EQ(g.Y(10), 100);
  EXPECT_EQ(g.X(20, FrequencyAxis::Logarithmic), 140);
  EXPECT_EQ(g.X(100, FrequencyAxis::Logarithmic), 431);
  EXPECT_EQ(g.X(200, FrequencyAxis::Logarithmic), 557);
  EXPECT_EQ(g.X(400, FrequencyAxis::Logarithmic), 682);
  EXPECT_EQ(g.X(100, FrequencyAxis::Linear), 350);
  EXPECT_EQ(g.X(200, FrequencyAxis::Linear), 685);
}

TEST(ResponsePlotGeometry, BandpassWindowAtItsStartSize) {
  constexpr auto kLog = FrequencyAxis::Logarithmic;
  const PlotGeometry bandpass{790, 550, 175};
  EXPECT_EQ((std::vector<int>{bandpass.GridY(0.25), bandpass.GridY(0.5), bandpass.GridY(0.75), bandpass.Y(0),
                              bandpass.Bottom(), bandpass.X(20, kLog), bandpass.X(100, kLog), bandpass.X(200, kLog),
                              bandpass.X(400, kLog)}),
            (std::vector<int>{257, 340, 422, 257, 505, 157, 487, 630, 772}));
}

TEST(ResponsePlotGeometry, InversesReadBackTheAxes) {
  const PlotGeometry g{700, 500, 100};
  EXPECT_NEAR(g.FrequencyAt(15, FrequencyAxis::Logarithmic), 10.0, 1e-12);
  EXPECT_NEAR(g.FrequencyAt(15, FrequencyAxis::Linear), 0.0, 1e-12);
  EXPECT_NEAR(g.FrequencyAt(350, FrequencyAxis::Linear), 100.0, 1e-12);
  for (int f : {20, 57, 100, 333}) {
    const int x = g.X(f, FrequencyAxis::Logarithmic);
    EXPECT_LE(g.FrequencyAt(x, FrequencyAxis::Logarithmic), f + 1e-9);
    EXPECT_GT(g.FrequencyAt(x + 1, FrequencyAxis::Logarithmic), f);
  }
  EXPECT_NEAR(g.LevelAt(188), 0.0, 40.0 / 355);  // the 0 dB line, up to its truncation
  EXPECT_NEAR(g.LevelAt(100), 10.0, 1e-12);
  EXPECT_GT(g.LevelAt(96), 10.0);
}

TEST(ResponsePlot, FrameGridAndLabelsOfTheClosedBox) {
  const auto plot = ComputeResponsePlot(ClosedBoxPlotStyle(FrequencyAxis::Logarithmic), 700, 500, CriticalBox);
  ASSERT_TRUE(plot);
  EXPECT_TRUE(HasVertical(*plot, 15, 100, 455));
  for (int y : {100, 188, 277, 366, 455}) EXPECT_TRUE(HasHorizontal(*plot, y, 15, 685)) << y;
  for (int x : {140, 431, 557, 682}) EXPECT_TRUE(HasVertical(*plot, x, 100, 455)) << x;
  EXPECT_FALSE(HasVertical(*plot, 685, 100, 455));  // no right-hand frame line
  const auto at = [&](const char* text) { return std::pair{TextStarting(*plot, text)->x1, TextStarting(*plot, text)->y1}; };
  EXPECT_EQ((std::vector{at("100Hz"), at("0dB"), at("10"), at("-30")}),
            (std::vector<std::pair<int, int>>{{420, 460}, {1, 183}, {1, 95}, {1, 450}}));
  // 3 frame lines, 3 grid lines, 13 frequency lines, two leader lines.
  EXPECT_EQ(std::pair(Lines(*plot).size(), plot->curve.size()), (std::pair<std::size_t, std::size_t>(21, 392)));
  EXPECT_EQ(plot->curve.front(), std::make_pair(15, 455));
}

TEST(ResponsePlot, LinearAxisHasTwentyLinesAndItsOwnLabels) {
  const auto plot = ComputeResponsePlot(ClosedBoxPlotStyle(FrequencyAxis::Linear), 700, 500, CriticalBox);
  ASSERT_TRUE(plot);
  EXPECT_TRUE(HasVertical(*plot, 350, 100, 455) && HasVertical(*plot, 685, 100, 455));  // 200 Hz on the right edge
  EXPECT_EQ(std::pair(TextStarting(*plot, "100Hz")->x1, TextStarting(*plot, "200Hz")->x1), std::pair(340, 654));
  EXPECT_EQ(plot->curve.size(), 201u);
}

TEST(ResponsePlot, CriticallyDampedBoxMarksMinus3AtFortyAndPeakAtSeventyOne) {
  for (FrequencyAxis axis : {FrequencyAxis::Logarithmic, FrequencyAxis::Linear}) {
    const auto plot = ComputeResponsePlot(ClosedBoxPlotStyle(axis), 700, 500, CriticalBox);
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->cutoffFrequency + 1000 * plot->peakFrequency, 40 + 71000);
    EXPECT_NEAR(plot->peakLevel, 1.25, 0.005);
    const PlotItem* cutoffText = TextStarting(*plot, "-3dB");
    const PlotItem* peakText = TextStarting(*plot, "max.");
    ASSERT_TRUE(cutoffText && peakText);
    EXPECT_EQ(cutoffText->text + "|" + peakText->text, "-3dB bei  40 Hz|max.  1dB/71.0 Hz");
    EXPECT_EQ(Count(*plot, PlotItem::Square), 2);
    const PlotGeometry g{700, 500, 100};
    EXPECT_EQ((std::vector<int>{cutoffText->x1, cutoffText->y1, peakText->x1, peakText->y1}),
              (std::vector<int>{g.X(40, axis) + 55, 400, g.X(71, axis) + (axis == FrequencyAxis::Linear ? 10 : 0), 300}));
  }
}

TEST(ResponsePlot, ButterworthBoxHasNoPeakMarkBecauseItsPeakIsTheLastFrequency) {
  const auto level = [](double f) { return *ClosedResponseLevel({25, 30, 0.7071 / 2, 10, 1}, f); };
  for (FrequencyAxis axis : {FrequencyAxis::Logarithmic, FrequencyAxis::Linear}) {
    const auto plot = ComputeResponsePlot(ClosedBoxPlotStyle(axis), 700, 500, level);
    EXPECT_EQ(plot->peakFrequency, axis == FrequencyAxis::Logarithmic ? 400 : 200);
    EXPECT_TRUE(!TextStarting(*plot, "max.") && TextStarting(*plot, "-3dB"));
    EXPECT_EQ(Count(*plot, PlotItem::Square), 1);
  }
}

TEST(ResponsePlot, CutoffTextPadsToThreeCharactersAndFarCutoffsAreNotMarked) {
  const auto mark = [](FrequencyAxis axis, double f3) {
    const auto plot = ComputeResponsePlot(ClosedBoxPlotStyle(axis), 700, 500, [f3](double f) { return f < f3 ? -10.0 : 0.0; });
    const PlotItem* text = TextStarting(*plot, "-3dB");
    return text ? text->text : "";
  };
  constexpr auto kLog = FrequencyAxis::Logarithmic, kLinear = FrequencyAxis::Linear;
  EXPECT_EQ(mark(kLog, 45) + "|" + mark(kLog, 120) + "|" + mark(kLog, 201) + "|" + mark(kLinear, 141),
            "-3dB bei  45 Hz|-3dB bei 120 Hz||");
  EXPECT_EQ(mark(kLog, 200) + "|" + mark(kLinear, 140), "-3dB bei 200 Hz|-3dB bei 140 Hz");
}

TEST(ResponsePlot, LevelsBelowMinus30RunOnTheBottomAndLevelsAbovePlus10AreNotClamped) {
  const auto plot = ComputeResponsePlot(ClosedBoxPlotStyle(FrequencyAxis::Logarithmic), 700, 500,
                                        [](double f) { return f < 100 ? -80.0 : 20.0; });
  EXPECT_EQ(plot->curve[1].second, 454);
  EXPECT_EQ(plot->curve.back().second, (PlotGeometry{700, 500, 100}.Y(20)));
  EXPECT_LT(plot->curve.back().second, 100);
  // A level without a value is drawn at the bottom, never as a wild coordinate.
  const auto undefined = ComputeResponsePlot(ClosedBoxPlotStyle(FrequencyAxis::Logarithmic), 700, 500,
                                             [](double) { return std::nan(""); });
  for (const auto& p : undefined->curve) EXPECT_GE(p.second, 454);
}

TEST(ResponsePlot, PrintStyleMarksWithoutSquares) {
  const auto plot = ComputeResponsePlot(ClosedBoxPrintStyle(), 7000, 4800, CriticalBox);
  EXPECT_EQ(Count(*plot, PlotItem::Square), 0);
  const PlotGeometry g{7000, 4800, 100};
  // The page's leader ends at Trunc(u(f3) + 100), u being the offset from the left edge.
  const double u = (7000 - 30) * 0.6221 * std::log10(40.0 / 10);
  EXPECT_TRUE(std::ranges::any_of(Lines(*plot), [&](const PlotItem& l) {
    return l.x1 == g.X(40, FrequencyAxis::Logarithmic) && l.x2 == static_cast<int>(u + 100) && l.y2 == 4700;
  }));
  EXPECT_EQ(TextStarting(*plot, "-3dB")->x1, static_cast<int>(u + 70));
}

TEST(ResponsePlot, TooSmallAWindowHasNoPlotAndReadsZero) {
  EXPECT_FALSE(ComputeResponsePlot(ClosedBoxPlotStyle(FrequencyAxis::Logarithmic), 30, 500, CriticalBox) ||
               ComputeResponsePlot(ClosedBoxPlotStyle(FrequencyAxis::Logarithmic), 700, 145, CriticalBox));
  EXPECT_TRUE(ComputeResponsePlot(ClosedBoxPlotStyle(FrequencyAxis::Logarithmic), 31, 146, CriticalBox));
  const PointerReading r = ReadPointer(ClosedBoxPlotStyle(FrequencyAxis::Logarithmic), 30, 145, 10, 120);
  EXPECT_TRUE(r.frequency == 0 && r.level == 0) << r.frequency << " " << r.level;
}

TEST(ResponsePlot, PointerAreaOfTheClosedBoxAndTheBandpass) {
  const ResponsePlotStyle closed = ClosedBoxPlotStyle(FrequencyAxis::Logarithmic);
  const ResponsePlotStyle bandpass = BandpassPlotStyle();
  const struct {
    const ResponsePlotStyle& style;
    int w, h, x, y;
    bool in;
  } cases[] = {{closed, 700, 500, 100, 95, false}, {closed, 700, 500, 100, 96, true},  {closed, 700, 500, 0, 200, false},
               {closed, 700, 500, 700, 200, false}, {closed, 700, 500, 699, 499, true}, {bandpass, 790, 550, 100, 169, false},
               {bandpass, 790, 550, 100, 170, true}, {closed, 700, 500, 100, 500, false}};
  for (const auto& c : cases) EXPECT_EQ(ReadPointer(c.style, c.w, c.h, c.x, c.y).inArea, c.in) << c.x << " " << c.y;
  EXPECT_GT(ReadPointer(closed, 700, 500, 100, 97).level, 10.0);
}

TEST(ResponsePlot, BandpassMarksTheTrueMaximumAboveTheClampedCurve) {
  const auto level = [](double f) { return 20.0 - std::fabs(f - 63.0) * 0.5; };
  const auto plot = ComputeResponsePlot(BandpassPlotStyle(), 790, 550, level);
  ASSERT_TRUE(plot);
  const PlotGeometry g{790, 550, 175};
  for (std::size_t i = 1; i < plot->curve.size(); ++i) EXPECT_GE(plot->curve[i].second, g.Y(12));
  const PlotItem* max = TextStarting(*plot, "max ");
  EXPECT_EQ(max->text, "max 20.0dB @ 63Hz");
  // Labels on their lines; "-30" on the bottom line.
  EXPECT_EQ((std::vector<int>{max->x1, max->y1, TextStarting(*plot, "10")->y1, TextStarting(*plot, "-30")->y1}),
            (std::vector<int>{g.X(63, FrequencyAxis::Logarithmic) - 55, g.Y(20) + 50, 175, 505}));
  EXPECT_FALSE(TextStarting(*plot, "-3dB"));
  // Everything below -30 dB: the mark shows -30.0 dB at 1 Hz.
  const auto low = ComputeResponsePlot(BandpassPlotStyle(), 790, 550, [](double) { return -50.0; });
  EXPECT_EQ(TextStarting(*low, "max ")->text, "max -30.0dB @  1Hz");
}

TEST(ResponsePlot, PrintedPageUsesTheUpperHalfInPortrait) {
  EXPECT_EQ((std::vector<int>{PrintedDiagramHeight(6600, false), PrintedDiagramHeight(6601, false),
                              PrintedDiagramHeight(4800, true)}),
            (std::vector<int>{3300, 3300, 4800}));
  EXPECT_EQ((PlotGeometry{5100, PrintedDiagramHeight(6600, false), 100}.Bottom()), 3255);
}

TEST(ResponsePlot, HugeValuesBecomeBoundedPixels) {
  EXPECT_EQ((std::vector<int>{TruncPixel(1e300), TruncPixel(-1e300), TruncPixel(std::nan("")), TruncPixel(-2.7)}),
            (std::vector<int>{100000000, -100000000, 0, -2}));
}

}  // namespace
}  // namespace velomare
