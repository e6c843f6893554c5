// The complete crossover's model: designer exports summed against the textbook responses of the
// pairs, the summation's rules, the branch store and its fast-grid conversion, the view and read-out.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <memory>
#include <string>
#include <vector>

#include "common/NumberText.h"
#include "filters/model/FastFilterGrid.h"
#include "filters/model/FilterDesign.h"
#include "filters/model/TotalCrossover.h"

namespace velomare {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDeg = 180 / kPi;
using Cx = std::complex<double>;

// A designer's values as its window holds them after a calculation: the component texts it
// wrote, read back.
FilterValues Designed(FilterKind kind, int order, Characteristic ch, const char* z = "8", const char* f = "1000") {
  const FilterCalculation calc =
      kind == FilterKind::HighPass ? CalcHighPassParts(z, f, order, ch) : CalcLowPassParts(z, f, order, ch);
  FilterValues v;
  v.z = calc.z;
  v.f = calc.f;
  for (const ComponentText& w : calc.writes) v.Of(w.component) = ReadNumber(w.text);
  return v;
}

void Export(FilterKind kind, const FilterValues& v, bool fast) {
  ASSERT_TRUE(ExportFilterResponse(kind, v, fast, FilterBranchOf(BranchOf(kind))));
}

// The frequency of element k on a grid.
int GridFrequency(int k, bool fast) { return fast ? FastGridFrequency(k) : k; }
int GridLast(bool fast) { return fast ? kFastGridLast : kOneHertzSumLast; }
int ElementAt(int f, bool fast) { return fast ? FastGridIndex(f) : f; }

double Wrap(double degrees) {
  while (degrees > 180) degrees -= 360;
  while (degrees <= -180) degrees += 360;
  return degrees;
}

class TotalCrossover : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { ResetFilterBranches(); }
  void TearDown() override { ResetFilterBranches(); }
  bool Fast() const { return GetParam(); }
  // Low pass and high pass ticked as given.
  const TotalResponse& Sum(CrossoverBranchSetting low, CrossoverBranchSetting band, CrossoverBranchSetting high) {
    CrossoverSettings s;
    s.fastGrid = Fast();
    s.branches = {low, band, high};
    SumCrossoverBranches(s, *total);
    return *total;
  }
  std::unique_ptr<TotalResponse> total = std::make_unique<TotalResponse>();
};

INSTANTIATE_TEST_SUITE_P(BothGrids, TotalCrossover, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "FastGrid" : "OneHertzGrid"; });

TEST_P(TotalCrossover, FirstOrderPairSumsFlatAndReversedToAnAllPass) {
  Export(FilterKind::LowPass, Designed(FilterKind::LowPass, 1, Characteristic::Butterworth), Fast());
  Export(FilterKind::HighPass, Designed(FilterKind::HighPass, 1, Characteristic::Butterworth), Fast());
  const TotalResponse& inPhase = Sum({true, false, 0}, {}, {true, false, 0});
  ASSERT_TRUE(inPhase.HasData());
  for (int k = 10; k <= GridLast(Fast()); ++k) {
    ASSERT_NEAR(inPhase.level[k], 0.0, 0.02) << GridFrequency(k, Fast());
    ASSERT_NEAR(inPhase.phase[k] * kDeg, 0.0, 0.2) << GridFrequency(k, Fast());
  }
  const TotalResponse& reversed = Sum({true, false, 0}, {}, {true, true, 0});
  for (int k = 10; k <= GridLast(Fast()); ++k) {
    const double f = GridFrequency(k, Fast());
    ASSERT_NEAR(reversed.level[k], 0.0, 0.02) << f;
    ASSERT_NEAR(reversed.phase[k] * kDeg, Wrap(-2 * std::atan(f / 1000) * kDeg), 0.3) << f;
  }
}

TEST_P(TotalCrossover, HighPassLoweredTenDecibelsAddsAtAThirdOfItsVoltage) {
  Export(FilterKind::LowPass, Designed(FilterKind::LowPass, 1, Characteristic::Butterworth), Fast());
  Export(FilterKind::HighPass, Designed(FilterKind::HighPass, 1, Characteristic::Butterworth), Fast());
  const TotalResponse& t = Sum({true, false, 0}, {}, {true, false, LevelSettingOfBar(-20)});
  for (int f : {100, 500, 1000, 2000, 10000}) {
    const double x = f / 1000.0;
    const Cx expected = 1.0 / Cx(1, x) + 0.31623 * Cx(0, x) / Cx(1, x);
    EXPECT_NEAR(t.level[ElementAt(f, Fast())], 20 * std::log10(std::abs(expected)), 0.03) << f;
  }
  EXPECT_NEAR(t.level[ElementAt(1000, Fast())], -2.60, 0.02);
  EXPECT_NEAR(t.level[ElementAt(10000, Fast())], -9.6, 0.05);
}

TEST_P(TotalCrossover, ButterworthSecondOrderPairRisesThreeDecibelsReversedAndCancelsInPhase) {
  Export(FilterKind::LowPass, Designed(FilterKind::LowPass, 2, Characteristic::Butterworth), Fast());
  Export(FilterKind::HighPass, Designed(FilterKind::HighPass, 2, Characteristic::Butterworth), Fast());
  const int fc = ElementAt(1000, Fast());
  EXPECT_NEAR(Sum({true, false, 0}, {}, {true, true, 0}).level[fc], 3.01, 0.05);
  // Away from the cut-off the reversed pair is an all-pass of 0 dB.
  EXPECT_NEAR(total->level[ElementAt(20, Fast())], 0.0, 0.05);
  EXPECT_NEAR(total->level[ElementAt(20000, Fast())], 0.0, 0.05);
  EXPECT_LT(Sum({true, false, 0}, {}, {true, false, 0}).level[fc], -40.0);
}

TEST_P(TotalCrossover, OneBranchAloneIsItselfWithItsLevelSettingAndPolarity) {
  Export(FilterKind::HighPass, Designed(FilterKind::HighPass, 2, Characteristic::Bessel), Fast());
  const FilterBranch hp = FilterBranchOf(FilterBranchKind::HighPass);
  const TotalResponse& t = Sum({}, {}, {true, true, -3.5});
  for (int k = 10; k <= GridLast(Fast()); k += Fast() ? 1 : 37) {
    ASSERT_NEAR(t.level[k], hp.level[k] - 3.5, 1e-9) << k;
    ASSERT_NEAR(t.phase[k] * kDeg, Wrap((hp.phase[k] + kPi) * kDeg), 1e-6) << k;
  }
  // The element after the last grid point repeats it.
  EXPECT_EQ(t.level[GridLast(Fast()) + 1], t.level[GridLast(Fast())]);
  EXPECT_EQ(t.phase[GridLast(Fast()) + 1], t.phase[GridLast(Fast())]);
}

TEST_P(TotalCrossover, OnlyTickedBranchesExportedOnTheSameGridAreSummed) {
  Export(FilterKind::LowPass, Designed(FilterKind::LowPass, 1, Characteristic::Butterworth), !Fast());
  EXPECT_FALSE(BranchOfferedOnGrid(FilterBranchKind::LowPass, Fast()));
  EXPECT_FALSE(Sum({true, false, 0}, {true, false, 0}, {true, false, 0}).HasData());
  for (int k = 1; k <= GridLast(Fast()); ++k) ASSERT_EQ(total->level[k], kTotalStartLevel);
  Export(FilterKind::HighPass, Designed(FilterKind::HighPass, 1, Characteristic::Butterworth), Fast());
  EXPECT_FALSE(Sum({true, false, 0}, {}, {false, false, 0}).HasData());
  EXPECT_TRUE(Sum({true, false, 0}, {}, {true, false, 0}).HasData());
  EXPECT_NEAR(total->level[ElementAt(1000, Fast())], -3.01, 0.02);
  ClearFilterBranch(FilterBranchKind::HighPass);
  EXPECT_FALSE(Sum({true, false, 0}, {}, {true, false, 0}).HasData());
}

TEST_P(TotalCrossover, BranchBelowTheStartLevelResetsThePointAndDropsEarlierBranches) {
  for (FilterBranchKind kind : kCrossoverBranches) {
    FilterBranch b = FilterBranchOf(kind);
    b.level[0] = 1.0;
    b.phase[0] = Fast() ? 1.0 : 0.0;
  }
  FilterBranch low = FilterBranchOf(FilterBranchKind::LowPass);
  FilterBranch band = FilterBranchOf(FilterBranchKind::BandPass);
  FilterBranch high = FilterBranchOf(FilterBranchKind::HighPass);
  low.level[50] = 6.0;
  high.level[50] = -1000.5;
  // At 40 the band pass lies below the floor: the low pass before it is dropped, the high pass kept.
  low.level[40] = 6.0;
  band.level[40] = -2000;
  high.level[40] = -3.0;
  const TotalResponse& t = Sum({true, false, 0}, {true, false, 0}, {true, false, 0});
  EXPECT_EQ(t.level[50], kTotalStartLevel);
  EXPECT_EQ(t.phase[50], 0.0);
  EXPECT_NEAR(t.level[40], -3.0, 1e-9);
  // Three equal phasors elsewhere: +9.54 dB.
  EXPECT_NEAR(t.level[60], 20 * std::log10(3.0), 1e-9);
}

TEST_P(TotalCrossover, ExactCancellationIsHeldAtTheStartLevelWithoutANonFiniteValue) {
  // A phase at which the first branch and its reversed twin cancel to exactly 0 in double.
  double cancelling = 0;
  for (int n = 0; n < 100000 && cancelling == 0; ++n) {
    const double p = -3.0 + n * 0.0000617;
    const Phasor first = AddPhasors({std::pow(10.0, kTotalStartLevel / 20), 0}, {1.0, p});
    const Phasor back{std::pow(10.0, 20 * std::log10(first.magnitude) / 20), first.phase};
    if (AddPhasors(back, {1.0, p + kPi}).magnitude == 0.0) cancelling = p;
  }
  ASSERT_NE(cancelling, 0.0);
  for (FilterBranchKind kind : {FilterBranchKind::LowPass, FilterBranchKind::BandPass}) {
    FilterBranch b = FilterBranchOf(kind);
    b.level[0] = 1.0;
    b.phase[0] = Fast() ? 1.0 : 0.0;
    b.phase[77] = cancelling;
  }
  const TotalResponse& t = Sum({true, false, 0}, {true, true, 0}, {});
  EXPECT_TRUE(t.level[77] == kTotalStartLevel && t.phase[77] == 0.0);
  for (int k = 0; k <= GridLast(Fast()) + 1; ++k) ASSERT_TRUE(std::isfinite(t.level[k]) && std::isfinite(t.phase[k]));
}

TEST_P(TotalCrossover, SumEqualsAddingThePhasorsBranchByBranchInDecibels) {
  // Three branches of varied level and phase, one point below the floor.
  unsigned seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) / double(1u << 24);
  };
  for (FilterBranchKind kind : kCrossoverBranches) {
    FilterBranch b = FilterBranchOf(kind);
    b.level[0] = 1.0;
    b.phase[0] = Fast() ? 1.0 : 0.0;
    for (int k = 10; k <= GridLast(Fast()); ++k) {
      b.level[k] = -60 * next() + 3;
      b.phase[k] = (next() - 0.5) * 2 * kPi;
    }
  }
  FilterBranchOf(FilterBranchKind::BandPass).level[40] = -2000;
  const TotalResponse& t = Sum({true, true, 0}, {true, false, -4.5}, {true, true, -10});
  const std::array<double, 3> g{0, -4.5, -10};
  const std::array<double, 3> turn{kPi, 0, kPi};
  for (int k = 10; k <= GridLast(Fast()); k += Fast() ? 1 : 13) {
    double level = kTotalStartLevel, phase = 0;
    for (std::size_t b = 0; b < 3; ++b) {
      const FilterBranch branch = FilterBranchOf(kCrossoverBranches[b]);
      if (level < kTotalStartLevel || branch.level[k] < kTotalStartLevel) {
        level = kTotalStartLevel;
        phase = 0;
        continue;
      }
      const Phasor sum = AddPhasors({std::pow(10.0, level / 20), phase},
                                    {std::pow(10.0, (branch.level[k] + g[b]) / 20), branch.phase[k] + turn[b]});
      level = 20 * std::log10(sum.magnitude);
      phase = sum.phase;
    }
    ASSERT_NEAR(t.level[k], level, 1e-9) << k;
    ASSERT_NEAR(std::remainder(t.phase[k] - phase, 2 * kPi), 0.0, 1e-9) << k;
  }
  // The point whose band pass lies below the floor keeps only the high pass.
  const FilterBranch hp = FilterBranchOf(FilterBranchKind::HighPass);
  EXPECT_NEAR(t.level[40], hp.level[40] - 10, 1e-9);
}

TEST(AddPhasors, EqualPhasorsDoubleAndQuadratureAddsThreeDecibelsAtFortyFive) {
  const struct { Phasor a, b; double decibels, phase; } rows[] = {
      {{1, 0.3}, {1, 0.3}, 6.0206, 0.3}, {{1, 0}, {1, kPi / 2}, 3.0103, kPi / 4}, {{1, -2.5}, {1, -2.5}, 6.0206, -2.5}
  };
  for (const auto& row : rows) {
    const Phasor sum = AddPhasors(row.a, row.b);
    EXPECT_NEAR(20 * std::log10(sum.magnitude), row.decibels, 1e-4) << row.b.phase;
    EXPECT_NEAR(sum.phase, row.phase, 1e-12) << row.b.phase;
  }
  // A real part of exactly 0 gives phase 0 whatever the imaginary part.
  EXPECT_EQ(AddPhasors({1, 0}, {1, kPi}).phase, 0.0);
  EXPECT_GT(AddPhasors({1, 0}, {1, kPi}).magnitude, 0.0);
}

TEST(FastGridConversions, FrequencyNextAndIndexFollowTheGridSteps) {
  EXPECT_EQ(std::vector<int>({FastGridFrequency(291), FastGridNextFrequency(290), FastGridNextFrequency(295)}),
            std::vector<int>({20000, 21000, 20000}));
  EXPECT_EQ(FastGridNextFrequency(100), 110);
  for (int i = 10; i <= 290; ++i) {
    ASSERT_EQ(FastGridFrequency(i), FastFilterGrid(i));
    ASSERT_EQ(FastGridIndex(FastGridFrequency(i)), i);
    if (i < 290) ASSERT_EQ(FastGridIndex(FastGridNextFrequency(i) - 0.5), i) << "between two points the lower one";
  }
  const std::pair<double, int> indices[] = {{155, 105}, {19999, 289}, {25000, 290}, {std::nan(""), 0}};
  for (auto [f, index] : indices) EXPECT_EQ(FastGridIndex(f), index) << f;
}

TEST(CrossoverTexts, LevelTextsGiveRelativeAndAbsoluteLevelsWithAPoint) {
  const CrossoverLevelTexts en = CrossoverLevelTextsFor(87.5, LevelSettingOfBar(-7), 0.0, true);
  EXPECT_EQ(en.lowPass, "0 dB, absolute 87.5 dB");
  EXPECT_EQ(en.bandPass, "-3.5 dB, absolute 84.0 dB");
  EXPECT_EQ(en.highPass, "0.0 dB, absolute 87.5 dB");
  const CrossoverLevelTexts de = CrossoverLevelTextsFor(87.5, LevelSettingOfBar(-20), LevelSettingOfBar(-1), false);
  EXPECT_EQ(de.bandPass, "-10.0 dB, absolut 77.5 dB");
  EXPECT_EQ(de.highPass, "-0.5 dB, absolut 87.0 dB");
  EXPECT_EQ(CrossoverLevelTextsFor(std::nan(""), 0, 0, false).lowPass.find("nan"), std::string::npos);
}

TEST(CrossoverView, GridStepsSpanClassesAndLabels) {
  const std::pair<int, int> steps[] = {{6, 1}, {10, 2}, {20, 3}, {30, 3}, {31, 5}};
  for (auto [span, step] : steps) EXPECT_EQ(LevelGridStep(span), step) << span;
  const std::array<int, 3> classes[] = {{20, 109, 1},  {20, 110, 2},   {20, 992, 2},   {20, 993, 3},
                                        {20, 9897, 3}, {7999, 9898, 4}, {8000, 9898, 4}, {8001, 9898, 5}};
  for (auto [fmin, fbreite, spanClass] : classes) EXPECT_EQ(SpanClass(fmin, fbreite), spanClass) << fmin << " " << fbreite;
  const std::pair<int, const char*> labels[] = {{20, " 20"},  {100, "100"},  {1000, "1k"},
                                                {1500, "1500"}, {15000, "15k"}, {20000, "20k"}};
  for (auto [f, label] : labels) EXPECT_EQ(FrequencyLabel(f), label) << f;
  // Frequency, span class, spacing of the lines: the finest class from 10 Hz on, none outside.
  for (auto [f, spanClass, spacing] : {std::array{10, 1, 5}, std::array{5000, 1, 100}, std::array{12000, 5, 2000},
                                       std::array{9, 1, 0}, std::array{50, 5, 0}, std::array{20001, 4, 0}})
    EXPECT_EQ(FrequencyLineSpacing(f, spanClass), spacing) << f << " Hz, class " << spanClass;
}

TEST(CrossoverView, DefaultViewHasTheLinesAndLabelsOfTheFullRange) {
  auto total = std::make_unique<TotalResponse>();
  total->level[0] = 1.0;
  const CrossoverView view;
  const auto scales = CrossoverScalesFor(view, 770, 550);
  ASSERT_TRUE(scales);
  EXPECT_DOUBLE_EQ(scales->kdb, 455.0 / 50);
  EXPECT_DOUBLE_EQ(scales->kdeg, 455.0 / 360);
  EXPECT_NEAR(scales->ppd, 730 / 3.0, 1e-9);  // 20 Hz to 20 kHz: three decades
  CrossoverDiagram d;
  LayOutCrossoverDiagram(*total, true, view, *scales, 770, 550, d);
  std::string labels;
  for (const DiagramText& t : d.grid.texts) labels += (t.y == 510 || t.x == 8 ? t.text + "|" : "");
  EXPECT_EQ(labels, "-40|-35|-30|-25|-20|-15|-10|-5| 0| 5|10| 20| 30| 40| 50| 60| 70| 80| 90|100|200|300|400|500|600|700|"
                    "800|900|1k|2k|3k|4k|5k|6k|7k|8k|9k|10k|15k|20k|");
  // -40 dB on the bottom line, 20 kHz on the right edge; the curve runs from edge to edge.
  EXPECT_EQ(d.grid.lines.front().y1 + d.grid.lines.back().x1, 505 + 755);
  EXPECT_EQ(d.grid.lines.front().y1, 505);
  EXPECT_EQ(d.grid.lines.back().x1, 755);
  // +10 dB on the top line.
  bool top = false;
  for (const DiagramLine& l : d.grid.lines) top |= l.colour == DiagramColour::Black && l.y1 == 50 && l.x1 == 25;
  EXPECT_TRUE(top);
  ASSERT_FALSE(d.level.empty());
  EXPECT_EQ(d.level.front().x + d.level.back().x, 25 + 755);
  EXPECT_EQ(d.level.front().x, 25);
  EXPECT_EQ(d.level.back().x, 755);
  const std::size_t phasePoints = d.phase.size();
  LayOutCrossoverDiagram(*total, true, view, *scales, 770, 550, d);
  EXPECT_EQ(d.phase.size(), phasePoints) << "a new layout starts afresh";
  // A view reaching 20 kHz closes with the repeated last point, flat, beyond it.
  CrossoverView wide{10000, 10001};
  for (int k = 280; k <= 291; ++k) total->level[k] = -k / 10.0;
  total->level[291] = total->level[290];
  LayOutCrossoverDiagram(*total, true, wide, *CrossoverScalesFor(wide, 770, 550), 770, 550, d);
  EXPECT_EQ(d.level.back().y, d.level[d.level.size() - 2].y);
  EXPECT_GT(d.level.back().x, 755);
}

TEST(CrossoverView, FrequencyLinesStandAtEveryMultipleOfTheirSpacingInEverySpanClass) {
  auto total = std::make_unique<TotalResponse>();
  total->level[0] = 1.0;
  CrossoverDiagram d;
  for (const auto& [fmin, fbreite] : std::vector<std::pair<int, int>>{
           {10, 100}, {20, 109}, {95, 900}, {20, 19980}, {155, 5000}, {999, 9000}, {7999, 10000}, {8000, 12000},
           {9000, 11000}, {10000, 10000}}) {
    CrossoverView view;
    view.fmin = fmin;
    view.fbreite = fbreite;
    LayOutCrossoverDiagram(*total, true, view, *CrossoverScalesFor(view, 770, 550), 770, 550, d);
    std::vector<std::string> drawn, expected;
    for (const DiagramText& t : d.grid.texts)
      if (t.y == 510) drawn.push_back(t.text);
    const int spanClass = SpanClass(fmin, fbreite);
    for (int f = fmin; f <= fmin + fbreite; ++f) {
      const int spacing = FrequencyLineSpacing(f, spanClass);
      if (spacing > 0 && f % spacing == 0) expected.push_back(FrequencyLabel(f));
    }
    EXPECT_EQ(drawn, expected) << fmin << " " << fbreite;
    EXPECT_FALSE(drawn.empty()) << fmin << " " << fbreite;
  }
}

TEST(CrossoverView, CurvesAreClippedInLevelButNotInPhaseOrFrequency) {
  auto total = std::make_unique<TotalResponse>();
  total->level[0] = 1.0;
  for (int k = 1; k <= 291; ++k) {
    total->level[k] = k < 150 ? 30.0 : -80.0;
    total->phase[k] = k < 150 ? kPi : -kPi;
  }
  CrossoverView view;
  view.fmin = 155;
  view.fbreite = 1000;
  const auto scales = CrossoverScalesFor(view, 770, 550);
  ASSERT_TRUE(scales);
  CrossoverDiagram d;
  LayOutCrossoverDiagram(*total, true, view, *scales, 770, 550, d);
  // The curve starts at the grid point 150 Hz, left of the axis.
  ASSERT_FALSE(d.level.empty());
  EXPECT_LT(d.level.front().x, 25);
  EXPECT_EQ(d.level.front().y, 50);  // above +10 dB: top line
  EXPECT_EQ(d.phase.front().y, 50);  // +180 degrees
  EXPECT_EQ(d.level.back().y, 505);  // below -40 dB: bottom line
  EXPECT_EQ(d.phase.back().y, 505);  // -180 degrees
  // One-hertz grid: from fmin on the axis to the right edge; hertz that share a pixel column
  // fold into the column's extremes.
  for (int k = 1; k <= 2000; ++k) total->level[k] = k % 2 ? 0.0 : -5.0;
  LayOutCrossoverDiagram(*total, false, view, *scales, 770, 550, d);
  EXPECT_EQ(d.level.front().x, 25);
  EXPECT_EQ(d.level.back().x, 755);
  EXPECT_LT(d.level.size(), 1001u);
  const int y0 = 50 + static_cast<int>(10 * scales->kdb), y5 = 50 + static_cast<int>(15 * scales->kdb);
  for (std::size_t i = 1; i < d.level.size(); ++i) {
    ASSERT_GE(d.level[i].x, d.level[i - 1].x);
    ASSERT_TRUE(d.level[i].y == y0 || d.level[i].y == y5) << i;
  }
}

TEST(CrossoverView, TinyWindowsHaveNoScalesAndTheSpanNeverPassesTwentyKilohertz) {
  EXPECT_FALSE(CrossoverScalesFor(CrossoverView{}, 30, 550) || CrossoverScalesFor(CrossoverView{}, 770, 95));
  EXPECT_TRUE(CrossoverScalesFor(CrossoverView{}, 41, 96));
  for (auto [fmin, span] : {std::pair{20, 19980}, std::pair{10, 19990}, std::pair{119, 19881}, std::pair{10000, 10000}})
    EXPECT_EQ(SpanBarMaximum(fmin), span) << fmin;
}

TEST(CrossoverMouse, PanAndZoomFollowTheDragFromTheAnchor) {
  DragAnchor anchor;  // the default view until the first press
  anchor.x = 400, anchor.y = 300;
  // 40 pixels to the left: fmin rises by trunc(ln(19980)*40/4) = 99.
  EXPECT_EQ(PanPositions(anchor, 360, 300, 9.1).fmin, 119);
  // 100 pixels up at 10 px/dB lowers the top line by 10 dB; without scales 20 px make 1 dB.
  EXPECT_EQ(PanPositions(anchor, 400, 200, 10).dbmax, 0);
  EXPECT_EQ(PanPositions(anchor, 400, 200, 0).dbmax, 5);
  // 20 pixels up narrows the level range by 1 dB; 1 pixel left widens the span by 5*ln(19980).
  EXPECT_EQ(ZoomPositions(anchor, 400, 280).dbbreite, 49);
  EXPECT_EQ(ZoomPositions(anchor, 399, 300).fbreite, 19980 + 49);
  // Before any press the anchor's span is the view's, so a zoom has a logarithm to take.
  const DragAnchor fresh;
  EXPECT_EQ(ZoomPositions(fresh, 0, 0).fbreite, 19980);
  EXPECT_TRUE(InCrossoverMouseArea(1, 51, 770, 550));
  EXPECT_FALSE(InCrossoverMouseArea(1, 50, 770, 550) || InCrossoverMouseArea(0, 100, 770, 550) ||
               InCrossoverMouseArea(770, 100, 770, 550));
}

TEST(CrossoverMouse, ReadOutGivesFrequencyAndLevelUnderTheMouse) {
  const CrossoverView view;
  const auto scales = CrossoverScalesFor(view, 770, 550);
  ASSERT_TRUE(scales);
  // x = 25 + ppd*log10(1000/20) is 1 kHz; y = 50 + 13*kdb is -3 dB.
  const int x = 25 + static_cast<int>(std::ceil(scales->ppd * std::log10(50.0)));
  const int y = 50 + static_cast<int>(std::lround(13 * scales->kdb));
  const std::string de = CrossoverCursorCaption(view, *scales, x, y, false);
  EXPECT_TRUE(de.rfind("Gesamtweiche, Cursor f=100", 0) == 0 && de.find("Hz, -3.0dB") != de.npos) << de;
  EXPECT_EQ(CrossoverCursorCaption(view, *scales, 25, 50, true), "total crossover, cursor f= 20Hz, 10.0dB");
  // Before any drawing with data: 0 Hz and 0.0 dB.
  EXPECT_EQ(CrossoverCursorCaption(view, CrossoverScales{}, 300, 300, false), "Gesamtweiche, Cursor f=  0Hz, 0.0dB");
}

class FilterBranches : public ::testing::Test {
 protected:
  void SetUp() override { ResetFilterBranches(); }
  void TearDown() override { ResetFilterBranches(); }
  // A one-hertz export whose level names its frequency.
  static void ExportOneHertz(FilterBranch b) {
    for (int f = 10; f <= 20001; ++f) {
      b.level[f] = -0.001 * f;
      b.phase[f] = 0.1 + 1.0 / f;
    }
    b.level[0] = 1.0;
    b.phase[0] = 0.0;
  }
};

TEST_F(FilterBranches, StoreStartsEmptyWithAllArraysAtZero) {
  for (auto kind : {FilterBranchKind::LowPass, FilterBranchKind::BandPass, FilterBranchKind::HighPass}) {
    EXPECT_FALSE(BranchExported(kind));
    EXPECT_FALSE(BranchOnFastGrid(kind));
  }
  EXPECT_EQ(TPLevel.size(), 20003u);
  EXPECT_DOUBLE_EQ(HPPhase[20002], 0.0);
}

TEST_F(FilterBranches, OnlyABranchOnTheOneHertzGridIsConverted) {
  EXPECT_FALSE(ConvertBranchToFastGrid(FilterBranchKind::BandPass));  // nothing exported
  EXPECT_DOUBLE_EQ(BPPhase[0], 0.0);
  ExportOneHertz(FilterBranchOf(FilterBranchKind::HighPass));
  ASSERT_TRUE(ConvertBranchToFastGrid(FilterBranchKind::HighPass));
  const double converted = HPLevel[101];
  EXPECT_FALSE(ConvertBranchToFastGrid(FilterBranchKind::HighPass));
  EXPECT_DOUBLE_EQ(HPLevel[101], converted);
  HPPhase[0] = 0.0;  // back on the one-hertz grid: converted again
  ASSERT_TRUE(ConvertBranchToFastGrid(FilterBranchKind::HighPass));
}

TEST_F(FilterBranches, ConversionTakesEachGridPointsFrequencyThroughSinglePrecision) {
  EXPECT_FALSE(BranchExported(FilterBranchKind::LowPass) || BranchOnFastGrid(FilterBranchKind::LowPass));
  EXPECT_FALSE(ConvertBranchToFastGrid(FilterBranchKind::LowPass)) << "nothing exported";
  ExportOneHertz(FilterBranchOf(FilterBranchKind::LowPass));
  const double before110 = TPLevel[110], before20000 = TPLevel[20000], phase1000 = TPPhase[1000];
  ASSERT_TRUE(ConvertBranchToFastGrid(FilterBranchKind::LowPass));
  EXPECT_DOUBLE_EQ(TPLevel[101], static_cast<float>(before110));
  EXPECT_DOUBLE_EQ(TPLevel[290], static_cast<float>(before20000));
  EXPECT_DOUBLE_EQ(TPPhase[190], static_cast<float>(phase1000));
  EXPECT_NE(TPPhase[190], phase1000);  // 0.101 has no exact single-precision value
  EXPECT_DOUBLE_EQ(TPLevel[50], static_cast<float>(-0.05));
  EXPECT_EQ(TPLevel[291] + TPPhase[291], 0.0);
  EXPECT_EQ(TPLevel[0] + TPPhase[0], 2.0);
  EXPECT_DOUBLE_EQ(TPLevel[291], 0.0);
  EXPECT_DOUBLE_EQ(TPPhase[291], 0.0);
  EXPECT_DOUBLE_EQ(TPLevel[0], 1.0);
  EXPECT_DOUBLE_EQ(TPPhase[0], 1.0);
  EXPECT_FALSE(BranchExported(FilterBranchKind::BandPass));  // the other branches stay as they were
  EXPECT_FALSE(ConvertBranchToFastGrid(FilterBranchKind::LowPass)) << "converted once, a branch is not converted again";
}

TEST_F(FilterBranches, ValuesBeyondSinglePrecisionStayFiniteAndClearKeepsTheData) {
  ExportOneHertz(FilterBranchOf(FilterBranchKind::HighPass));
  HPLevel[1000] = 1e300;
  ASSERT_TRUE(ConvertBranchToFastGrid(FilterBranchKind::HighPass));
  EXPECT_TRUE(std::isfinite(HPLevel[190]));
  ExportOneHertz(FilterBranchOf(FilterBranchKind::BandPass));
  BPPhase[0] = 1.0;
  ClearFilterBranch(FilterBranchKind::BandPass);
  EXPECT_FALSE(BranchExported(FilterBranchKind::BandPass));
  EXPECT_DOUBLE_EQ(BPPhase[0], 0.0);
  EXPECT_DOUBLE_EQ(BPLevel[500], -0.5);
}

}  // namespace
}  // namespace velomare
