// The designers' circuit responses checked against closed-form transfer functions and an
// independent ladder evaluation, the diagram's axes and markers, the low-pass table and the
// export into the filter branch store.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "filters/model/FastFilterGrid.h"
#include "filters/model/FilterBranches.h"
#include "filters/model/FilterResponse.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = 180.0 / kPi;

// A second-order section 1/(1 + a·s/w0 + b·s²/w0²) on the load R: series L = a·R/w0 and
// L·C = b/w0². The same parts make the high pass with C1 in series and L1 across the load.
FilterValues Section(double r, double f0, double a, double b) {
  const double w0 = 2 * kPi * f0;
  const double l = a * r / w0;         // henry
  const double c = b / (w0 * w0 * l);  // farad
  FilterValues v;
  v.z = r, v.l1 = l * 1e3, v.c1 = c * 1e6;
  return v;
}

FilterValues Parts(double z, double c1, double l1, double c2 = 0, double l2 = 0) {
  FilterValues v;
  v.z = z, v.c1 = c1, v.l1 = l1, v.c2 = c2, v.l2 = l2;
  return v;
}

FilterResponsePoint At(FilterKind kind, const FilterValues& v, double f) {
  const FilterCircuitType circuit = SelectFilterCircuit(kind, v);
  EXPECT_NE(circuit, FilterCircuitType::None);
  const auto p = EvaluateFilterCircuit(circuit, v, f);
  EXPECT_TRUE(p.has_value());
  return p.value_or(FilterResponsePoint{});
}

TEST(FilterResponse, CircuitsMatchTheirTextbookTransferFunctions) {
  const FilterValues butterworth = Section(8, 1000, std::sqrt(2.0), 1);
  const double rc = 8 * 10e-6, lr = 1e-3 / 8;
  // The 6 dB band pass: |wL - 1/(wC)| = R above the resonance at w = (R/L + sqrt((R/L)² + 4/(LC)))/2.
  const double wUpper = (4 / 1e-3 + std::sqrt(16 / 1e-6 + 4 / (1e-3 * 10e-6))) / 2;
  // Each row's tolerances in dB and degrees: -3.0103 is 10·log10(1/2) to four places, exact
  // phases are held to 1e-7 degrees.
  const struct { const char* name; FilterKind kind; FilterValues v; double f, level, degrees, dB, deg; } rows[] = {
      // |H|² = 1/(1 + x⁻⁴) and 1/(1 + x⁴).
      {"2nd-order high pass at fc", FilterKind::HighPass, butterworth, 1000, -3.0103, 90, 1e-4, 1e-6},
      {"2nd-order high pass an octave below", FilterKind::HighPass, butterworth, 500, 10 * std::log10(1.0 / 17), 136.69,
       1e-6, 0.01},
      {"2nd-order low pass at fc", FilterKind::LowPass, butterworth, 1000, -3.0103, -90, 1e-4, 1e-6},
      {"2nd-order low pass an octave above", FilterKind::LowPass, butterworth, 2000, -12.304, -136.69, 1e-3, 0.01},
      // 3/(s² + 3s + 3) scaled to -3 dB at w = 1: 1/(1 + 1.36165 s + 0.61803 s²).
      {"Bessel low pass at fc", FilterKind::LowPass, Section(4, 2000, 1.36165, 0.61803), 2000, -3.0103, -74.33, 1e-3, 0.01},
      {"1st-order high pass at 1/(2πRC)", FilterKind::HighPass, Parts(8, 10, 0), 1 / (2 * kPi * rc), -3.0103, 45, 1e-4,
       1e-7},
      {"1st-order low pass at R/(2πL)", FilterKind::LowPass, Parts(8, 0, 1), 1 / (2 * kPi * lr), -3.0103, -45, 1e-4, 1e-7},
      {"6 dB band pass at resonance", FilterKind::BandPass, Parts(4, 10, 1), 1 / (2 * kPi * std::sqrt(1e-8)), 0, 0, 1e-9,
       1e-7},
      {"6 dB band pass above it", FilterKind::BandPass, Parts(4, 10, 1), wUpper / (2 * kPi), -3.0103, -45, 1e-4, 1e-7},
  };
  for (const auto& row : rows) {
    const FilterResponsePoint p = At(row.kind, row.v, row.f);
    EXPECT_NEAR(p.level, row.level, row.dB) << row.name;
    EXPECT_NEAR(p.phase * kDeg, row.degrees, row.deg) << row.name;
  }
}

TEST(FilterResponse, AnUnderflowingLevelIsHeldAtTheFloor) {
  // A first-order high pass of 1e-3 ohm and 1e-15 µF at 10 Hz passes |H| = R·wC = 6.3e-23,
  // -444 dB: held at the floor. With 1e-12 µF it is -384 dB, above the floor, and shown as it is.
  const struct { double c1, level; } rows[] = {{1e-15, -400},
              {1e-12, 20 * std::log10(1e-3 * 2 * kPi * 10 * 1e-18)},
              {1e-10, 20 * std::log10(1e-3 * 2 * kPi * 10 * 1e-16)}};
  for (const auto& row : rows) {
    const auto p = EvaluateFilterCircuit(FilterCircuitType::HighPass1, Parts(1e-3, row.c1, 0), 10);
    ASSERT_TRUE(p) << row.c1;
    EXPECT_NEAR(p->level, row.level, 1e-6) << row.c1;
  }
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
    // Series C1 and shunt L2 of the high pass, series L1 and shunt C2 of the low pass.
    const double r = 4, wl = 2 * kPi * fgu, wh = 2 * kPi * 5000, s2 = std::sqrt(2.0);
    const FilterValues v = Parts(r, 1e6 / (s2 * r * wl), 1e3 * s2 * r / wh, 1e6 / (s2 * r * wh), 1e3 * s2 * r / wl);
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

TEST(FilterResponse, TheCircuitFollowsFromTheNonZeroComponents) {
  const auto set = [](double z, double c1, double l1, double c2, double l2) { return Parts(z, c1, l1, c2, l2); };
  using T = FilterCircuitType;
  const struct { const char* name; FilterKind kind; FilterValues v; CircuitMatch match; T circuit; } rows[] = {
      {"high pass C1 L1", FilterKind::HighPass, set(4, 14, 0.45, 0, 0), CircuitMatch::Exact, T::HighPass2},
      {"high pass C1", FilterKind::HighPass, set(4, 14, 0, 0, 0), CircuitMatch::Exact, T::HighPass1},
      {"negative L1", FilterKind::HighPass, set(4, 14, -1, 0, 0), CircuitMatch::Exact, T::None},
      {"third order", FilterKind::HighPass, set(4, 14, 0.45, 3, 0), CircuitMatch::Exact, T::None},
      {"Z = 0", FilterKind::HighPass, set(0, 14, 0.45, 0, 0), CircuitMatch::Exact, T::None},
      {"low pass L1 C1", FilterKind::LowPass, set(4, 14, 0.45, 0, 0), CircuitMatch::Exact, T::LowPass2},
      {"low pass L1", FilterKind::LowPass, set(4, 0, 0.45, 0, 0), CircuitMatch::Exact, T::LowPass1},
      {"low pass negative C1", FilterKind::LowPass, set(4, -1, 0.45, 0, 0), CircuitMatch::Exact, T::None},
      {"band pass tiny L2 C2", FilterKind::BandPass, set(4, 10, 1, 5e-9, 5e-9), CircuitMatch::Exact, T::BandPass12},
      {"band pass tiny L2 C2 exported", FilterKind::BandPass, set(4, 10, 1, 5e-9, 5e-9), CircuitMatch::ExportTolerance,
       T::BandPass6},
      {"band pass L2 only", FilterKind::BandPass, set(4, 10, 1, 0, 2), CircuitMatch::ExportTolerance, T::None},
      {"band pass C2 only", FilterKind::BandPass, set(4, 10, 1, 2, 0), CircuitMatch::Exact, T::None},
      {"band pass without C1", FilterKind::BandPass, set(4, 0, 1, 0, 0), CircuitMatch::Exact, T::None},
  };
  for (const auto& row : rows) EXPECT_EQ(SelectFilterCircuit(row.kind, row.v, row.match), row.circuit) << row.name;
}

TEST(FilterResponse, ExtremeComponentsGiveOnlyFiniteNumbers) {
  for (const double x : {1e-16, 1e20, 99999999999999999999.0}) {
    for (const FilterKind kind : {FilterKind::HighPass, FilterKind::BandPass, FilterKind::LowPass}) {
      const FilterValues v = kind == FilterKind::BandPass ? Parts(x, x, x, x, x) : Parts(x, x, x);
      FilterBranchArray level{}, phase{};
      FilterBranch branch{level, phase};
      ExportFilterResponse(kind, v, false, branch);
      for (int i = 0; i < kFilterBranchSize; ++i)
        ASSERT_TRUE(std::isfinite(branch.level[i]) && std::isfinite(branch.phase[i])) << x << " " << i;
      LowPassResponseTable table;
      const FilterDiagram d = ComputeFilterDiagram(kind, v, 2, true, 700, 518, &table);
      for (const DiagramText& t : d.texts) EXPECT_EQ(t.text.find("nan"), std::string::npos);
      // Levels below -30 dB lie on the bottom line, never below it.
      const int bottom = FilterDiagramGeometry::For(kind, 700, 518).Bottom();
      for (const DiagramLine& l : d.lines) ASSERT_LE(std::max(l.y1, l.y2), bottom) << x << " " << int(kind);
    }
  }
}

TEST(FilterDiagram, AxesMapTheDecadesAndLevelsOntoTheOuterSize) {
  const FilterDiagramGeometry g = FilterDiagramGeometry::For(FilterKind::HighPass, 700, 518);
  // 0.3·670 pixels per decade from x = 15; 40 dB and 360° over h = 263 pixels from y = 210.
  EXPECT_EQ(std::vector<int>({g.X(10), g.X(100), g.X(20000), g.Bottom()}), std::vector<int>({15, 216, 678, 473}));
  EXPECT_EQ(std::vector<int>({g.YLevel(10), g.YLevel(0), g.YLevel(-30), g.YPhase(180), g.YPhase(0)}),
            std::vector<int>({210, 275, 472, 210, 341}));
  EXPECT_EQ(FilterDiagramGeometry::For(FilterKind::BandPass, 661, 480).top, 170);
}

TEST(FilterDiagram, LabelsFrameAndGridStandWhereEachDesignersAxesPutThem) {
  // The designers at their designed sizes: high pass 700 x 518 (T = 210, B = 473, h = 263), band
  // pass 661 x 480 (T = 170, B = 435, h = 265), low pass 652 x 483 (T = 210, B = 438, h = 228).
  // The level labels stand 13 pixels above their grid lines (the band pass's top one too), the
  // decade labels at 0.3, 0.61 and 0.9 (high pass 0.91) of W - 30, plus 5.
  struct Case {
    FilterKind kind;
    FilterValues v;
    int w, hgt;
    std::vector<std::tuple<std::string, int, int>> labels;
    int top, bottom;
    std::vector<int> rows;  // the three inner grid lines
  };
  using L = std::vector<std::tuple<std::string, int, int>>;
  const Case cases[] = {
      {FilterKind::HighPass, Parts(4, 14.07, 0.45), 700, 518,
       L{{"10dB/180°", 1, 203}, {"0dB/90°", 1, 262}, {"-10dB/0°", 1, 328}, {"-20dB/-90°", 1, 394},
         {"-30dB/-180°", 1, 460}, {"10Hz", 5, 478}, {"100", 206, 478}, {"1k", 413, 478}, {"10k", 614, 478}},
       210, 473, {275, 341, 407}},
      {FilterKind::BandPass, Parts(4, 38.4, 0.15), 661, 480,
       L{{"10dB/180°", 1, 157}, {"0dB/90°", 1, 223}, {"-10dB/0°", 1, 289}, {"-20dB/-90°", 1, 355},
         {"-30dB/-180°", 1, 422}, {"10Hz", 5, 440}, {"100", 194, 440}, {"1k", 389, 440}, {"10k", 572, 440}},
       170, 435, {236, 302, 368}},
      {FilterKind::LowPass, Parts(4, 14.07, 0.45), 652, 483,
       L{{"10dB/180°", 1, 203}, {"0dB/90°", 1, 254}, {"-10dB/0°", 1, 311}, {"-20dB/-90°", 1, 368},
         {"-30dB/-180°", 1, 425}, {"10Hz", 5, 443}, {"100", 191, 443}, {"1k", 384, 443}, {"10k", 564, 443}},
       210, 438, {267, 324, 381}},
  };
  // Every tenth of a decade's first nine steps, the decades twice, and 20 kHz.
  const std::vector<int> grid = {10,   20,   30,   40,   50,   60,   70,   80,   90,    100,   100,
                                 200,  300,  400,  500,  600,  700,  800,  900,  1000,  1000,  2000,
                                 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 10000, 20000};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.kind));
    LowPassResponseTable table;
    const FilterDiagram d = ComputeFilterDiagram(c.kind, c.v, 2, true, c.w, c.hgt, &table);
    ASSERT_GE(d.texts.size(), c.labels.size());
    ASSERT_GE(d.lines.size(), 38u);
    for (std::size_t i = 0; i < c.labels.size(); ++i)
      EXPECT_EQ(std::tie(d.texts[i].text, d.texts[i].x, d.texts[i].y), c.labels[i]) << i;
    const int right = c.w - 15;
    std::vector<std::array<int, 4>> expected = {{15, c.top, 15, c.bottom}, {15, c.bottom, right, c.bottom},
                                                {15, c.top, right, c.top}};
    for (const int y : c.rows) expected.push_back({15, y, right, y});
    const FilterDiagramGeometry g = FilterDiagramGeometry::For(c.kind, c.w, c.hgt);
    for (const int f : grid) expected.push_back({g.X(f), c.top, g.X(f), c.bottom});
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const DiagramLine& l = d.lines[i];
      EXPECT_EQ((std::array<int, 4>{l.x1, l.y1, l.x2, l.y2}), expected[i]) << i;
      EXPECT_EQ(l.colour, DiagramColour::Black) << i;
    }
  }
  // The decades on the high pass's axis: 0.3 * 670 = 201 pixels each from x = 15.
  const FilterDiagramGeometry g = FilterDiagramGeometry::For(FilterKind::HighPass, 700, 518);
  EXPECT_EQ(std::vector<int>({g.X(100), g.X(1000), g.X(10000)}), std::vector<int>({216, 417, 618}));
}

// The level (black) and phase (blue) curves as the chains of segments drawn after the frame and
// the grid: each segment must start where the one before it of its colour ended.
void ExpectUnbrokenCurves(const FilterDiagram& d, std::array<int, 2> levelStart, std::array<int, 2> phaseStart) {
  std::array<int, 2> level = levelStart, phase = phaseStart;
  int segments = 0;
  for (std::size_t i = 38; i < d.lines.size(); ++i) {
    const DiagramLine& l = d.lines[i];
    if (l.colour == DiagramColour::Green) continue;
    std::array<int, 2>& end = l.colour == DiagramColour::Black ? level : phase;
    ASSERT_EQ((std::array<int, 2>{l.x1, l.y1}), end) << "segment " << i;
    end = {l.x2, l.y2};
    ++segments;
  }
  EXPECT_GT(segments, 20);
}

TEST(FilterDiagram, LevelAndPhaseCurvesAreUnbrokenAtEverySizeAndOnBothGrids) {
  // Segments that repeat the one before are left out; none that moves the curve on may be. Flat
  // stretches (pass band, -30 dB floor) where neighbouring grid points share a pixel column are
  // where it could go wrong, so many widths are tried.
  for (int w = 300; w <= 900; w += 7) {
    SCOPED_TRACE(w);
    const int hgt = 483;
    const FilterValues pass = Parts(4, 14.07, 0.45);
    const FilterDiagramGeometry hp = FilterDiagramGeometry::For(FilterKind::HighPass, w, hgt);
    ExpectUnbrokenCurves(ComputeFilterDiagram(FilterKind::HighPass, pass, 2, true, w, hgt), {15, hp.Bottom()},
                         {15, hp.top});
    const FilterDiagramGeometry bp = FilterDiagramGeometry::For(FilterKind::BandPass, w, hgt);
    ExpectUnbrokenCurves(ComputeFilterDiagram(FilterKind::BandPass, Parts(4, 38.4, 0.15), 2, true, w, hgt),
                         {15, bp.Bottom()}, {15, bp.top});
    LowPassResponseTable table;
    const FilterDiagramGeometry lp = FilterDiagramGeometry::For(FilterKind::LowPass, w, hgt);
    ExpectUnbrokenCurves(ComputeFilterDiagram(FilterKind::LowPass, pass, 2, true, w, hgt, &table), {15, lp.Bottom()},
                         {15, lp.top + lp.PlotHeight() / 2});
  }
  // The one-hertz grid, where most neighbours share a column.
  const FilterDiagramGeometry g = FilterDiagramGeometry::For(FilterKind::HighPass, 700, 518);
  ExpectUnbrokenCurves(ComputeFilterDiagram(FilterKind::HighPass, Parts(4, 14.07, 0.45), 2, false, 700, 518),
                       {15, g.Bottom()}, {15, g.top});
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
  const FilterValues v = Parts(4, 14.07, 0.45);  // the high pass's rounded default at 2000 Hz
  EXPECT_NEAR(At(FilterKind::HighPass, v, 2000).level, -3.009, 5e-4);
  const FilterDiagram d = ComputeFilterDiagram(FilterKind::HighPass, v, 2, true, 700, 518);
  int x = 0, y = 0, x10k = 0;
  ASSERT_TRUE(HasText(d, "-3dB @ 2100 Hz", &x, &y) && HasText(d, "10k", &x10k));
  EXPECT_EQ(x, FilterDiagramGeometry::For(FilterKind::HighPass, 700, 518).X(2000));
  EXPECT_EQ(y, 196);
  EXPECT_EQ(x10k, static_cast<int>(0.91 * 670) + 5);
  // The level curve is unbroken, the flat pass band too: each segment starts where the last ended.
  int lastX = 15;
  for (std::size_t i = 38; i < d.lines.size(); ++i)  // after the frame and the grid
    if (d.lines[i].colour == DiagramColour::Black) ASSERT_EQ(d.lines[i].x1, std::exchange(lastX, d.lines[i].x2)) << i;
  // A first-order high pass already above -3 dB at 10 Hz: on the left edge, " 10" padded.
  const FilterDiagram e = ComputeFilterDiagram(FilterKind::HighPass, Parts(4, 100000, 0), 1, true, 700, 518);
  ASSERT_TRUE(HasText(e, "-3dB @  10 Hz", &x));
  EXPECT_EQ(x, 15);
  EXPECT_TRUE(ComputeFilterDiagram(FilterKind::HighPass, v, 3, true, 700, 518).Empty());
}

TEST(FilterDiagram, BandPassHasTwoMarkersAndTheLowPassReadsItsTable) {
  // A 6 dB band pass around 2 kHz.
  const FilterDiagram d = ComputeFilterDiagram(FilterKind::BandPass, Parts(4, 38.4, 0.15), 2, true, 661, 480);
  int markers = 0, lower = 0;
  for (const DiagramText& t : d.texts) {
    markers += t.text.rfind("-3dB @", 0) == 0;
    lower += t.text.rfind("-3dB @ ", 0) == 0;  // the lower edge's marker has the blank, the upper's none
  }
  EXPECT_EQ(markers, 2);
  EXPECT_EQ(lower, 1);
  EXPECT_TRUE(HasText(d, "10k"));
  FilterValues lp = Parts(4, 14.07, 0.45);
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
  FilterValues v = Parts(8, 10, 0);
  FilterBranchArray level{}, phase{};
  FilterBranch branch{level, phase};
  branch.level[300] = 7;
  ASSERT_TRUE(ExportFilterResponse(FilterKind::HighPass, v, true, branch));
  EXPECT_EQ(branch.level[0] + branch.phase[0], 2.0);
  EXPECT_EQ(branch.level[9] + branch.level[300], 7.0);  // 300 lies outside the fast grid
  EXPECT_EQ(branch.level[0], 1.0);
  EXPECT_EQ(branch.phase[0], 1.0);
  EXPECT_EQ(branch.level[9], 0.0);
  EXPECT_DOUBLE_EQ(branch.level[290], At(FilterKind::HighPass, v, 20000).level);
  EXPECT_DOUBLE_EQ(branch.level[191], At(FilterKind::HighPass, v, 1100).level);
  ASSERT_TRUE(ExportFilterResponse(FilterKind::HighPass, v, false, branch));
  EXPECT_EQ(branch.phase[0] + branch.level[20002], 0.0);
  EXPECT_EQ(branch.phase[0], 0.0);
  EXPECT_EQ(branch.level[20002], 0.0);
  EXPECT_DOUBLE_EQ(branch.phase[1989], At(FilterKind::HighPass, v, 1989).phase);
  branch.level[0] = 0;
  v.z = 0;
  EXPECT_FALSE(ExportFilterResponse(FilterKind::HighPass, v, true, branch));
  EXPECT_EQ(branch.level[0], 0.0);
}

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
