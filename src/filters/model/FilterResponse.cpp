#include "filters/model/FilterResponse.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "filters/model/FastFilterGrid.h"

namespace velomare {
namespace {

using C = std::complex<double>;
constexpr double kTwoPi = 6.283185307179586;
constexpr int kOneHertzLast = 20001;  // the one-hertz grid of the branch arrays
constexpr double kDegPerRad = 180.0 / 3.141592653589793;

bool AllFinite(const FilterValues& v) {
  for (double x : {v.z, v.c1, v.l1, v.c2, v.l2})
    if (!std::isfinite(x)) return false;
  return true;
}

// A pixel coordinate from a real: non-finite values and values far outside any screen are held
// inside the int range before truncation.
int Pixel(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6));
}

std::string MarkerText(const char* head, int n) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d", n);
  return std::string(head) + number + " Hz";
}

// The level and phase in degrees of every grid point; a point whose numbers leave the finite
// range repeats the one before.
struct CurvePoint {
  int f;
  double level;
  double phase;
};

bool SameLine(const DiagramLine& a, const DiagramLine& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

}  // namespace

FilterCircuitType SelectFilterCircuit(FilterKind kind, const FilterValues& v, CircuitMatch match) {
  if (!AllFinite(v) || !(v.z > 0)) return FilterCircuitType::None;
  switch (kind) {
    case FilterKind::HighPass:
      if (!(v.c1 > 0) || v.c2 != 0 || v.l2 != 0) return FilterCircuitType::None;
      if (v.l1 == 0) return FilterCircuitType::HighPass1;
      return v.l1 > 0 ? FilterCircuitType::HighPass2 : FilterCircuitType::None;
    case FilterKind::BandPass: {
      if (!(v.c1 > 0) || !(v.l1 > 0)) return FilterCircuitType::None;
      const bool absent = match == CircuitMatch::Exact ? (v.c2 == 0 && v.l2 == 0)
                                                       : (std::fabs(v.c2) < 1e-8 && std::fabs(v.l2) < 1e-8);
      if (absent) return FilterCircuitType::BandPass6;
      return v.c2 > 0 && v.l2 > 0 ? FilterCircuitType::BandPass12 : FilterCircuitType::None;
    }
    case FilterKind::LowPass:
      if (!(v.l1 > 0) || v.c2 != 0 || v.l2 != 0) return FilterCircuitType::None;
      if (v.c1 == 0) return FilterCircuitType::LowPass1;
      return v.c1 > 0 ? FilterCircuitType::LowPass2 : FilterCircuitType::None;
  }
  return FilterCircuitType::None;
}

std::optional<FilterResponsePoint> EvaluateFilterCircuit(FilterCircuitType circuit, const FilterValues& v, double f) {
  const double w = kTwoPi * f;
  const double r = v.z;
  const double xl1 = w * v.l1 / 1000;
  const double xc1 = v.c1 > 0 ? 1e6 / (w * v.c1) : 0;
  C h;
  switch (circuit) {
    case FilterCircuitType::None:
      return std::nullopt;
    case FilterCircuitType::HighPass1:
      h = r / C(r, -xc1);
      break;
    case FilterCircuitType::HighPass2: {
      const C zp = 1.0 / C(1 / r, -1 / xl1);  // L1 across the load
      h = zp / (zp - C(0, xc1));
      break;
    }
    case FilterCircuitType::BandPass6:
      h = r / C(r, xl1 - xc1);
      break;
    case FilterCircuitType::BandPass12: {
      const C zp = 1.0 / C(1 / r, w * v.c2 / 1e6 - 1000 / (w * v.l2));  // L2 and C2 across the load
      h = zp / (zp + C(0, xl1 - xc1));
      break;
    }
    case FilterCircuitType::LowPass1:
      h = r / C(r, xl1);
      break;
    case FilterCircuitType::LowPass2: {
      const C zp = 1.0 / C(1 / r, w * v.c1 / 1e6);  // C1 across the load
      h = zp / (zp + C(0, xl1));
      break;
    }
  }
  if (!std::isfinite(h.real()) || !std::isfinite(h.imag())) return std::nullopt;
  const double magnitude = std::abs(h);
  if (!std::isfinite(magnitude)) return std::nullopt;
  FilterResponsePoint point;
  point.level = magnitude > 0 ? std::max(20.0 * std::log10(magnitude), kFilterLevelFloor) : kFilterLevelFloor;
  point.phase = std::arg(h);
  return point;
}

std::vector<GridPoint> FilterDiagramGrid(FilterKind kind, bool fast) {
  std::vector<GridPoint> grid;
  if (fast) {
    grid.reserve(kFastGridPoints);
    for (int i = kFastGridFirst; i <= kFastGridLast; ++i) grid.push_back({i, FastFilterGrid(i)});
  } else if (kind == FilterKind::LowPass) {
    grid.reserve(19991);
    for (int i = 10; i <= 20000; ++i) grid.push_back({i, i});
  } else {
    grid.reserve(9996);
    for (int i = 5; i <= 10000; ++i) grid.push_back({i, 2 * i});
  }
  return grid;
}

void CalcLowPassResponse(LowPassResponseTable& table, const FilterValues& values, bool fast) {
  table.level[0] = table.phase[0] = 0.0f;
  const FilterCircuitType circuit = SelectFilterCircuit(FilterKind::LowPass, values);
  for (const GridPoint& p : FilterDiagramGrid(FilterKind::LowPass, fast)) {
    if (const auto r = EvaluateFilterCircuit(circuit, values, p.f)) {
      table.level[p.index] = static_cast<float>(r->level);
      table.phase[p.index] = static_cast<float>(r->phase * kDegPerRad);
    }
  }
  table.fastGrid = fast;
  table.level[0] = table.phase[0] = 1.0f;
}

FilterDiagramGeometry FilterDiagramGeometry::For(FilterKind kind, int width, int height) {
  return {width, height, kind == FilterKind::BandPass ? 170 : 210};
}

int FilterDiagramGeometry::MarkerTop(FilterKind kind) {
  return kind == FilterKind::HighPass ? 196 : kind == FilterKind::BandPass ? 156 : 195;
}

int FilterDiagramGeometry::X(double f) const {
  const double decade = 0.3 * (width - 30);
  return Pixel(decade * std::log(f) / std::log(10.0) - decade + 15);
}

int FilterDiagramGeometry::YLevel(double db) const {
  const double h = PlotHeight();
  return Pixel(top + std::trunc(0.25 * h) - std::trunc(h * db / 40));
}

int FilterDiagramGeometry::YPhase(double deg) const {
  const double h = PlotHeight();
  return Pixel(top + std::trunc(0.5 * h) - std::trunc(h * deg / 360));
}

double FilterDiagramGeometry::FrequencyAt(int x) const { return std::pow(10.0, 1.0 + (x - 15) / (0.3 * (width - 30))); }
double FilterDiagramGeometry::LevelAt(int y) const { return 10.0 - 40.0 * (y - top) / PlotHeight(); }
double FilterDiagramGeometry::PhaseAt(int y) const { return 180.0 - 360.0 * (y - top) / PlotHeight(); }

FilterDiagram ComputeFilterDiagram(FilterKind kind, const FilterValues& values, int order, bool fast, int width,
                                   int height, LowPassResponseTable* table) {
  FilterDiagram d;
  const FilterCircuitType circuit = SelectFilterCircuit(kind, values);
  if (circuit == FilterCircuitType::None) return d;
  const bool orderDrawn = order == 1 || order == 2;
  switch (kind) {
    case FilterKind::HighPass:
      if (!orderDrawn || !(values.c1 > 0)) return d;
      break;
    case FilterKind::BandPass:
      if (!(values.l1 > 0) || !(values.c1 > 0)) return d;
      break;
    case FilterKind::LowPass:
      if (!orderDrawn || !(values.l1 > 0.001) || table == nullptr) return d;
      // A table filled on the other grid would be read with this grid's indices.
      if (table->fastGrid != fast || table->level[0] < 0.5f) CalcLowPassResponse(*table, values, fast);
      break;
  }

  const std::vector<GridPoint> grid = FilterDiagramGrid(kind, fast);
  std::vector<CurvePoint> curve;
  curve.reserve(grid.size());
  double lastLevel = -30, lastPhase = 0;
  for (const GridPoint& p : grid) {
    if (kind == FilterKind::LowPass) {
      lastLevel = table->level[p.index];
      lastPhase = table->phase[p.index];
    } else if (const auto r = EvaluateFilterCircuit(circuit, values, p.f)) {
      lastLevel = r->level;
      lastPhase = r->phase * kDegPerRad;
    }
    curve.push_back({p.f, lastLevel, lastPhase});
  }

  const FilterDiagramGeometry g = FilterDiagramGeometry::For(kind, width, height);
  const int w = width, hgt = height, top = g.top, bottom = g.Bottom();
  const double h = g.PlotHeight();
  const bool band = kind == FilterKind::BandPass;
  const int labelBase = band ? 157 : 197;
  d.texts = {
      {"10dB/180°", 1, band ? 157 : 203},
      {"0dB/90°", 1, Pixel(0.25 * h + labelBase)},
      {"-10dB/0°", 1, Pixel(0.5 * h + labelBase)},
      {"-20dB/-90°", 1, Pixel(0.75 * h + labelBase)},
      {"-30dB/-180°", 1, hgt - 58},
      {"10Hz", 5, hgt - 40},
      {"100", Pixel(0.3 * (w - 30)) + 5, hgt - 40},
      {"1k", Pixel(0.61 * (w - 30)) + 5, hgt - 40},
      {"10k", Pixel((kind == FilterKind::HighPass ? 0.91 : 0.9) * (w - 30)) + 5, hgt - 40},
  };

  auto& lines = d.lines;
  lines.reserve(2 * curve.size() + 48);
  const auto black = DiagramColour::Black;
  lines.push_back({15, top, 15, bottom, black});
  lines.push_back({15, bottom, w - 15, bottom, black});
  lines.push_back({15, top, w - 15, top, black});
  for (int k = 1; k <= 3; ++k) {
    const int y = top + Pixel(k * h / 4);
    lines.push_back({15, y, w - 15, y, black});
  }
  for (int k = 1; k <= 32; ++k) {
    const int f = k <= 10 ? 10 * k : k <= 20 ? 100 * (k - 10) : k <= 30 ? 1000 * (k - 20) : 10000 * (k - 30);
    lines.push_back({g.X(f), top, g.X(f), bottom, black});
  }

  const int markerY = FilterDiagramGeometry::MarkerTop(kind);
  bool lowerPlaced = false, upperPlaced = false;
  int levelX = 15, levelY = bottom;
  int phaseX = 15, phaseY = kind == FilterKind::LowPass ? top + Pixel(0.5 * h) : top;
  const CurvePoint* previous = nullptr;
  DiagramLine lastLevelLine{-1, -1, -1, -1, black}, lastPhaseLine = lastLevelLine;
  int previousX = 15;
  for (const CurvePoint& p : curve) {
    if (previous) {
      levelX = phaseX = previousX;
      levelY = g.YLevel(std::max(previous->level, -30.0));
      phaseY = g.YPhase(previous->phase);
    }
    // The marker stands at the previous point and names the point that crossed -3 dB.
    const int markerX = previous ? levelX : 15;
    const char* marker = nullptr;
    if (kind == FilterKind::LowPass) {
      if (!lowerPlaced && p.level <= -3) marker = "-3dB @ ", lowerPlaced = true;
    } else if (!lowerPlaced) {
      if (p.level >= -3) marker = "-3dB @ ", lowerPlaced = true;
    } else if (band && !upperPlaced && p.level <= -3) {
      marker = "-3dB @", upperPlaced = true;
    }
    if (marker) {
      d.texts.push_back({MarkerText(marker, p.f), markerX, markerY});
      lines.push_back({markerX, markerY, markerX, bottom, DiagramColour::Green});
    }
    const int x = g.X(p.f);
    previousX = x;
    // On the full grid most segments repeat the one before pixel for pixel; one is enough.
    const DiagramLine level{levelX, levelY, x, g.YLevel(std::max(p.level, -30.0)), black};
    const DiagramLine phase{phaseX, phaseY, x, g.YPhase(p.phase), DiagramColour::Blue};
    if (!SameLine(level, lastLevelLine)) lines.push_back(lastLevelLine = level);
    if (!SameLine(phase, lastPhaseLine)) lines.push_back(lastPhaseLine = phase);
    previous = &p;
  }
  return d;
}

FilterBranchKind BranchOf(FilterKind kind) {
  return kind == FilterKind::LowPass ? FilterBranchKind::LowPass
         : kind == FilterKind::BandPass ? FilterBranchKind::BandPass
                                        : FilterBranchKind::HighPass;
}

bool ExportFilterResponse(FilterKind kind, const FilterValues& values, bool fast, FilterBranch branch) {
  const FilterCircuitType circuit = SelectFilterCircuit(kind, values, CircuitMatch::ExportTolerance);
  if (circuit == FilterCircuitType::None) return false;
  const int first = kFastGridFirst, last = fast ? kFastGridLast : kOneHertzLast;
  for (int i = first; i <= last; ++i) {
    const int f = fast ? FastFilterGrid(i) : i;
    if (const auto r = EvaluateFilterCircuit(circuit, values, f)) {
      branch.level[i] = r->level;
      branch.phase[i] = r->phase;
    }
  }
  branch.level[0] = 1.0;
  branch.phase[0] = fast ? 1.0 : 0.0;
  return true;
}

}  // namespace velomare
