// The designers' circuit responses checked against closed-form transfer functions and an
// independent ladder evaluation, the diagram's axes and markers, the low-pass table and the
// export into the filter branch store.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "filters/model/FastFilterGrid.h"
#include "filters/model/FilterBranches.h"
#include "filters/model/FilterResponse.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = 180.0 / kPi;

// A second-order section 1/(1 + a·s + b·s²) (low pass) or b·s²/(...) (high pass) at w0 = 2πf0
// with the load R: series L = a·R/w0 and shunt C = b/(a·R·w0) for the low pass; for the high
// pass series C and shunt L with L·C = b/w0² and L/R = a... built from the dual: H(s) =
// s²LC/(s²LC + sL/R + 1), so L = a'·R/w0 with a' = b/a... kept simple: both use
// L/R = a/w0 and L·C = b/w0².
FilterValues Section(double r, double f0, double a, double b, bool highPass) {
  const double w0 = 2 * kPi * f0;
  const double l = a * r / w0;          // henry
  const double c = b / (w0 * w0 * l);   // farad
  FilterValues v;
  v.z = r;
  v.l1 = l * 1e3;
  v.c1 = c * 1e6;
  (void)highPass;
  return v;
}

FilterResponsePoint At(FilterKind kind, const FilterValues& v, double f) {
  const FilterCircuitType circuit = SelectFilterCircuit(kind, v);
  EXPECT_NE(circuit, FilterCircuitType::None);
  const auto p = EvaluateFilterCircuit(circuit, v, f);
  EXPECT_TRUE(p.has_value());
  return p.value_or(FilterResponsePoint{});
}

TEST(FilterResponse, SecondOrderButterworthHighAndLowPassMatchTheirMagnitudeFormula) {
  const FilterValues v = Section(8, 1000, std::sqrt(2.0), 1, true);
  // High pass: C1 in series, L1 across the load; |H|² = 1/(1 + x⁻⁴).
  const FilterResponsePoint hp0 = At(FilterKind::HighPass, v, 1000);
  EXPECT_NEAR(hp0.level, -3.0103, 1e-4);
  EXPECT_NEAR(hp0.phase * kDeg, 90, 1e-6);
  const FilterResponsePoint hpHalf = At(FilterKind::HighPass, v, 500);
  EXPECT_NEAR(hpHalf.level, 10 * std::log10(1.0 / 17), 1e-6);
  EXPECT_NEAR(hpHalf.phase * kDeg, 136.69, 0.01);
  // Low pass with the same parts: |H|² = 1/(1 + x⁴).
  const FilterResponsePoint lp0 = At(FilterKind::LowPass, v, 1000);
  EXPECT_NEAR(lp0.level, -3.0103, 1e-4);
  EXPECT_NEAR(lp0.phase * kDeg, -90, 1e-6);
  const FilterResponsePoint lpDouble = At(FilterKind::LowPass, v, 2000);
  EXPECT_NEAR(lpDouble.level, -12.304, 1e-3);
  EXPECT_NEAR(lpDouble.phase * kDeg, -136.69, 0.01);
}

TEST(FilterResponse, BesselLowPassNormalisedToMinus3dBHasItsPhaseAtTheCutOff) {
  // 3/(s² + 3s + 3) scaled by 1.36165 to -3 dB at w = 1: 1/(1 + 1.36165 s + 0.61803 s²).
  const FilterValues v = Section(4, 2000, 1.36165, 0.61803, false);
  const FilterResponsePoint p = At(FilterKind::LowPass, v, 2000);
  EXPECT_NEAR(p.level, -3.01, 0.01);
  EXPECT_NEAR(p.phase * kDeg, -74.33, 0.01);
}

TEST(FilterResponse, FirstOrderCutOffsAreAtMinus3dBAndFortyFiveDegrees) {
  FilterValues hp;
  hp.z = 8, hp.c1 = 10;  // fc = 1/(2πRC)
  const double fc = 1 / (2 * kPi * 8 * 10e-6);
  const FilterResponsePoint h = At(FilterKind::HighPass, hp, fc);
  EXPECT_NEAR(h.level, -3.0103, 1e-4);
  EXPECT_NEAR(h.phase, kPi / 4, 1e-9);
  FilterValues lp;
  lp.z = 8, lp.l1 = 1;  // fc = R/(2πL)
  const FilterResponsePoint l = At(FilterKind::LowPass, lp, 8 / (2 * kPi * 1e-3));
  EXPECT_NEAR(l.level, -3.0103, 1e-4);
  EXPECT_NEAR(l.phase, -kPi / 4, 1e-9);
}

TEST(FilterResponse, SixDecibelBandPassIsASeriesResonance) {
  FilterValues v;
  v.z = 4, v.l1 = 1, v.c1 = 10;
  const double l = 1e-3, c = 10e-6;
  const double f0 = 1 / (2 * kPi * std::sqrt(l * c));
  const FilterResponsePoint top = At(FilterKind::BandPass, v, f0);
  EXPECT_NEAR(top.level, 0, 1e-9);
  EXPECT_NEAR(top.phase, 0, 1e-9);
  // |wL - 1/(wC)| = R: w = (R/L ± sqrt((R/L)² + 4/(LC)))/2 above the resonance.
  const double w = (4 / l + std::sqrt(16 / (l * l) + 4 / (l * c))) / 2;
  const FilterResponsePoint upper = At(FilterKind::BandPass, v, w / (2 * kPi));
  EXPECT_NEAR(upper.level, -3.0103, 1e-4);
  EXPECT_NEAR(upper.phase, -kPi / 4, 1e-9);
}

// Series L1 and C1, then L2, C2 and the load in parallel, evaluated as impedances.
std::complex<double> Ladder(const FilterValues& v, double f) {
  const double w = 2 * kPi * f;
  const std::complex<double> j(0, 1);
  const std::complex<double> load = 1.0 / (1.0 / v.z + 1.0 / (j * w * v.l2 * 1e-3) + j * w * v.c2 * 1e-6);
  const std::complex<double> series = j * w * v.l1 * 1e-3 + 1.0 / (j * w * v.c1 * 1e-6);
  return load / (load + series);
}

TEST(FilterResponse, TwelveDecibelBandPassEqualsTheLadderWithAContinuousPhase) {
  for (const double fgu : {12.0, 15.0, 100.0}) {
    // Butterworth high pass at fgu and low pass at 5 kHz, both on Z = 4.
    const double r = 4, wl = 2 * kPi * fgu, wh = 2 * kPi * 5000;
    FilterValues v;
    v.z = r;
    v.c1 = 1e6 / (std::sqrt(2.0) * r * wl);  // series C of the high pass
    v.l2 = 1e3 * std::sqrt(2.0) * r / wl;    // shunt L of the high pass
    v.l1 = 1e3 * std::sqrt(2.0) * r / wh;    // series L of the low pass
    v.c2 = 1e6 / (std::sqrt(2.0) * r * wh);  // shunt C of the low pass
    ASSERT_EQ(SelectFilterCircuit(FilterKind::BandPass, v), FilterCircuitType::BandPass12);
    double previous = 0;
    for (int i = kFastGridFirst; i <= kFastGridLast; ++i) {
      const int f = FastFilterGrid(i);
      const auto p = EvaluateFilterCircuit(FilterCircuitType::BandPass12, v, f);
      ASSERT_TRUE(p);
      const std::complex<double> h = Ladder(v, f);
      EXPECT_NEAR(p->level, 20 * std::log10(std::abs(h)), 1e-9) << f;
      EXPECT_NEAR(p->phase, std::arg(h), 1e-9) << f;
      if (i > kFastGridFirst) {
        EXPECT_LT(std::fabs(p->phase - previous), kPi / 2) << "jump at " << f;
      }
      previous = p->phase;
    }
    // Near 180° at the low end (for fgu above 10 Hz), near 0° mid-band, towards -180° at the top.
    EXPECT_GT(EvaluateFilterCircuit(FilterCircuitType::BandPass12, v, 1000)->phase * kDeg, -30);
    EXPECT_LT(EvaluateFilterCircuit(FilterCircuitType::BandPass12, v, 1000)->phase * kDeg, 30);
  }
}

TEST(FilterResponse, ComponentSetsThatMakeNoCircuitAreRejected) {
  FilterValues v;
  v.z = 4, v.c1 = 14, v.l1 = 0.45;
  EXPECT_EQ(SelectFilterCircuit(FilterKind::HighPass, v), FilterCircuitType::HighPass2);
  v.l1 = 0;
  EXPECT_EQ(SelectFilterCircuit(FilterKind::HighPass, v), FilterCircuitType::HighPass1);
  v.l1 = -1;
  EXPECT_EQ(SelectFilterCircuit(FilterKind::HighPass, v), FilterCircuitType::None);
  v.l1 = 0.45, v.c2 = 3;  // third order
  EXPECT_EQ(SelectFilterCircuit(FilterKind::HighPass, v), FilterCircuitType::None);
  v.c2 = 0, v.z = 0;
  EXPECT_EQ(SelectFilterCircuit(FilterKind::HighPass, v), FilterCircuitType::None);

  FilterValues bp;
  bp.z = 4, bp.l1 = 1, bp.c1 = 10, bp.l2 = 5e-9, bp.c2 = 5e-9;
  EXPECT_EQ(SelectFilterCircuit(FilterKind::BandPass, bp), FilterCircuitType::BandPass12);
  EXPECT_EQ(SelectFilterCircuit(FilterKind::BandPass, bp, CircuitMatch::ExportTolerance),
            FilterCircuitType::BandPass6);
  bp.c2 = 0, bp.l2 = 2;
  EXPECT_EQ(SelectFilterCircuit(FilterKind::BandPass, bp, CircuitMatch::ExportTolerance), FilterCircuitType::None);
  bp.c2 = 2, bp.l2 = 0;
  EXPECT_EQ(SelectFilterCircuit(FilterKind::BandPass, bp), FilterCircuitType::None);
}

TEST(FilterResponse, ExtremeComponentsGiveOnlyFiniteNumbers) {
  for (const double x : {1e-16, 1e20, 99999999999999999999.0}) {
    for (const FilterKind kind : {FilterKind::HighPass, FilterKind::BandPass, FilterKind::LowPass}) {
      FilterValues v;
      v.z = x, v.c1 = x, v.l1 = x;
      if (kind == FilterKind::BandPass) v.c2 = x, v.l2 = x;
      FilterBranchArray level{}, phase{};
      FilterBranch branch{level, phase};
      ExportFilterResponse(kind, v, false, branch);
      for (int i = 0; i < kFilterBranchSize; ++i) {
        ASSERT_TRUE(std::isfinite(branch.level[i])) << x << " " << i;
        ASSERT_TRUE(std::isfinite(branch.phase[i]));
      }
      LowPassResponseTable table;
      const FilterDiagram d = ComputeFilterDiagram(kind, v, 2, true, 700, 518, &table);
      for (const DiagramText& t : d.texts) EXPECT_EQ(t.text.find("nan"), std::string::npos);
      for (const DiagramLine& l : d.lines) ASSERT_LE(std::abs(l.y2), 1000000);
    }
  }
}

TEST(FilterDiagram, AxesMapTheDecadesAndLevelsOntoTheOuterSize) {
  const FilterDiagramGeometry g = FilterDiagramGeometry::For(FilterKind::HighPass, 700, 518);
  EXPECT_EQ(g.X(10), 15);
  EXPECT_EQ(g.X(100), 15 + 201);                       // 0.3·670 per decade
  EXPECT_EQ(g.X(20000), static_cast<int>(15 + 0.3 * 670 * std::log10(2000.0)));
  EXPECT_EQ(g.Bottom(), 473);
  EXPECT_EQ(g.YLevel(10), 210);
  EXPECT_EQ(g.YLevel(0), 210 + 65);                    // h = 263
  EXPECT_EQ(g.YLevel(-30), 210 + 65 + 197);
  EXPECT_EQ(g.YPhase(180), 210);
  EXPECT_EQ(g.YPhase(0), 210 + 131);
  EXPECT_EQ(FilterDiagramGeometry::For(FilterKind::BandPass, 661, 480).top, 170);
}

bool HasText(const FilterDiagram& d, const std::string& text, int* x = nullptr, int* y = nullptr) {
  for (const DiagramText& t : d.texts)
    if (t.text == text) {
      if (x) *x = t.x;
      if (y) *y = t.y;
      return true;
    }
  return false;
}

TEST(FilterDiagram, MarkerStandsAtThePreviousPointAndNamesTheCrossingOne) {
  FilterValues v;
  v.z = 4, v.c1 = 14.07, v.l1 = 0.45;  // the high pass's rounded default at 2000 Hz
  EXPECT_NEAR(At(FilterKind::HighPass, v, 2000).level, -3.009, 5e-4);
  const FilterDiagram d = ComputeFilterDiagram(FilterKind::HighPass, v, 2, true, 700, 518);
  int x = 0, y = 0;
  ASSERT_TRUE(HasText(d, "-3dB @ 2100 Hz", &x, &y));
  const FilterDiagramGeometry g = FilterDiagramGeometry::For(FilterKind::HighPass, 700, 518);
  EXPECT_EQ(x, g.X(2000));
  EXPECT_EQ(y, 196);
  EXPECT_TRUE(HasText(d, "10k", &x));
  EXPECT_EQ(x, static_cast<int>(0.91 * 670) + 5);
  // A first-order high pass already above -3 dB at 10 Hz: on the left edge, " 10" padded.
  FilterValues first;
  first.z = 4, first.c1 = 100000;
  const FilterDiagram e = ComputeFilterDiagram(FilterKind::HighPass, first, 1, true, 700, 518);
  ASSERT_TRUE(HasText(e, "-3dB @  10 Hz", &x));
  EXPECT_EQ(x, 15);
  // Orders 3 and 4 draw nothing at all.
  EXPECT_TRUE(ComputeFilterDiagram(FilterKind::HighPass, v, 3, true, 700, 518).Empty());
}

TEST(FilterDiagram, BandPassHasTwoMarkersAndTheLowPassReadsItsTable) {
  FilterValues bp;
  bp.z = 4, bp.l1 = 0.15, bp.c1 = 38.4;  // a 6 dB band pass around 2 kHz
  const FilterDiagram d = ComputeFilterDiagram(FilterKind::BandPass, bp, 2, true, 661, 480);
  int lower = 0, upper = 0;
  for (const DiagramText& t : d.texts) {
    if (t.text.rfind("-3dB @ ", 0) == 0) ++lower;
    else if (t.text.rfind("-3dB @", 0) == 0) ++upper;
  }
  EXPECT_EQ(lower, 1);
  EXPECT_EQ(upper, 1);
  EXPECT_TRUE(HasText(d, "10k"));

  FilterValues lp;
  lp.z = 4, lp.l1 = 0.45, lp.c1 = 14.07;
  LowPassResponseTable table;
  CalcLowPassResponse(table, lp, false);  // full grid
  EXPECT_EQ(table.level[0], 1.0f);
  EXPECT_FLOAT_EQ(table.level[1000], static_cast<float>(At(FilterKind::LowPass, lp, 1000).level));
  EXPECT_FLOAT_EQ(table.phase[20000], static_cast<float>(At(FilterKind::LowPass, lp, 20000).phase * kDeg));
  // Drawn on the fast grid, the table is refilled on that grid first.
  const FilterDiagram l = ComputeFilterDiagram(FilterKind::LowPass, lp, 2, true, 652, 483, &table);
  EXPECT_TRUE(table.fastGrid);
  EXPECT_FLOAT_EQ(table.level[200], static_cast<float>(At(FilterKind::LowPass, lp, 2000).level));
  EXPECT_TRUE(HasText(l, "-3dB @ 2100 Hz") || HasText(l, "-3dB @ 2000 Hz"));
  // L1 not above 0.001 mH: the table is filled but nothing drawn.
  lp.l1 = 0.001;
  EXPECT_TRUE(ComputeFilterDiagram(FilterKind::LowPass, lp, 1, true, 652, 483, &table).Empty());
}

TEST(FilterExport, WritesItsGridAndMarkersAndRefusesSetsWithoutCircuit) {
  FilterValues v;
  v.z = 8, v.c1 = 10;
  FilterBranchArray level{}, phase{};
  FilterBranch branch{level, phase};
  branch.level[300] = 7;
  ASSERT_TRUE(ExportFilterResponse(FilterKind::HighPass, v, true, branch));
  EXPECT_EQ(branch.level[0], 1.0);
  EXPECT_EQ(branch.phase[0], 1.0);
  EXPECT_EQ(branch.level[9], 0.0);
  EXPECT_EQ(branch.level[300], 7);  // outside the fast grid
  EXPECT_DOUBLE_EQ(branch.level[290], At(FilterKind::HighPass, v, 20000).level);
  EXPECT_DOUBLE_EQ(branch.level[191], At(FilterKind::HighPass, v, 1100).level);
  ASSERT_TRUE(ExportFilterResponse(FilterKind::HighPass, v, false, branch));
  EXPECT_EQ(branch.phase[0], 0.0);
  EXPECT_DOUBLE_EQ(branch.phase[1989], At(FilterKind::HighPass, v, 1989).phase);
  EXPECT_EQ(branch.level[20002], 0.0);

  FilterBranchArray freshLevel{}, freshPhase{};
  FilterBranch fresh{freshLevel, freshPhase};
  v.z = 0;
  EXPECT_FALSE(ExportFilterResponse(FilterKind::HighPass, v, true, fresh));
  EXPECT_EQ(fresh.level[0], 0.0);
}

}  // namespace
}  // namespace velomare

namespace velomare {
namespace {

TEST(FilterDiagram, CursorReadOutInvertsTheAxisMapping) {
  const FilterDiagramGeometry g = FilterDiagramGeometry::For(FilterKind::LowPass, 652, 483);
  for (const double f : {10.0, 100.0, 1000.0, 10000.0}) EXPECT_NEAR(g.FrequencyAt(g.X(f)), f, f * 0.02);
  EXPECT_DOUBLE_EQ(g.LevelAt(g.YLevel(-30)), -30);
  EXPECT_NEAR(g.PhaseAt(g.YPhase(-90)), -90, 2);
  EXPECT_EQ(CursorCaption(FilterKind::LowPass, g.X(1000), g.YLevel(0), 652, 483, true),
            "low pass (cursor 997,5 Hz / 0,0 dB /  90 °)");  // x = 388: 10^(1 + 373/186.6)
}

}  // namespace
}  // namespace velomare
