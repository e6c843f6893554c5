#pragma once
// The responses of the designers' circuits: which circuit a component set makes, its level and
// phase at a frequency, the diagram the designer windows draw from them, the low-pass window's
// response table and the export into the filter branch arrays.
//
// The circuit follows from which components are non-zero, never from the chosen order: a set
// that makes no circuit (Z not above 0, a negative component, third or fourth order, a band pass
// with only one of L2 and C2) is neither drawn nor exported. The phase is the true angle of the
// exact quotient, continuous from 10 Hz to 20 kHz: 0..90° (first-order high pass), 0..180°
// (second-order high pass), +90..-90° (6 dB band pass), +180..-180° (12 dB band pass), 0..-90°
// and 0..-180° (low passes).
#include <optional>
#include <string>
#include <vector>

#include "filters/model/FilterBranches.h"
#include "filters/model/FilterDesign.h"

namespace velomare {

enum class FilterCircuitType { None, HighPass1, HighPass2, BandPass6, BandPass12, LowPass1, LowPass2 };

// The export takes a band-pass L2 and C2 below 1e-8 for absent; the diagram only exact zeros.
enum class CircuitMatch { Exact, ExportTolerance };
FilterCircuitType SelectFilterCircuit(FilterKind kind, const FilterValues& values,
                                      CircuitMatch match = CircuitMatch::Exact);

struct FilterResponsePoint {
  double level = 0;  // dB
  double phase = 0;  // radians
};
// The response at f Hz; nullopt for FilterCircuitType::None or where the numbers leave the
// finite range. A level that underflows is held at kFilterLevelFloor.
inline constexpr double kFilterLevelFloor = -400.0;
std::optional<FilterResponsePoint> EvaluateFilterCircuit(FilterCircuitType circuit, const FilterValues& values,
                                                         double f);

// The diagram grids: the fast grid, or the full grid (2 Hz steps in the high and band pass,
// 1 Hz in the low pass). Index and frequency of every point in ascending order.
struct GridPoint {
  int index;
  int f;
};
std::vector<GridPoint> FilterDiagramGrid(FilterKind kind, bool fast);

// The low-pass window's table in single precision, indexed by grid index 0 to 20001 of the grid
// it was filled on; element 0 is 1 once filled. Points the circuit does not cover keep what an
// earlier fill left.
struct LowPassResponseTable {
  std::vector<float> level = std::vector<float>(20002, 0.0f);  // dB
  std::vector<float> phase = std::vector<float>(20002, 0.0f);  // degrees
  bool fastGrid = true;
};
void CalcLowPassResponse(LowPassResponseTable& table, const FilterValues& values, bool fast);

// The diagram's axes, laid out from the window's outer size.
struct FilterDiagramGeometry {
  int width = 0, height = 0;
  int top = 0;  // 170 in the band pass, else 210

  static FilterDiagramGeometry For(FilterKind kind, int width, int height);
  // The row where the -3 dB markers' texts and lines start, above the plot top (196 high pass,
  // 195 low pass, 156 band pass): the highest row the diagram of a computed design draws on. Only
  // a typed resonance far above +10 dB, drawn unclipped, rises higher.
  static int MarkerTop(FilterKind kind);
  int Bottom() const { return height - 45; }
  int PlotHeight() const { return Bottom() - top; }
  int X(double f) const;          // log axis, 10 Hz on the left edge x = 15
  int YLevel(double db) const;    // +10 dB top, -30 dB bottom
  int YPhase(double deg) const;   // +180° top, -180° bottom
  // The inverse mapping, for the cursor read-out: frequency, level and phase at a pixel.
  double FrequencyAt(int x) const;
  double LevelAt(int y) const;
  double PhaseAt(int y) const;
};

enum class DiagramColour { Black, Blue, Green };
struct DiagramLine {
  int x1, y1, x2, y2;
  DiagramColour colour;
};
struct DiagramText {
  std::string text;
  int x, y;  // top-left corner
};
// What a designer window paints: empty when the guard fails.
struct FilterDiagram {
  std::vector<DiagramText> texts;
  std::vector<DiagramLine> lines;
  bool Empty() const { return texts.empty() && lines.empty(); }
};

// The diagram of the high or band pass (computed here) or of the low pass (read from `table`,
// which is refilled first when it lies on the other grid). `order` is the checked order of the
// high and low pass.
FilterDiagram ComputeFilterDiagram(FilterKind kind, const FilterValues& values, int order, bool fast, int width,
                                   int height, LowPassResponseTable* table = nullptr);

// The "&Export" button: evaluates the circuit on the fast or the one-hertz grid into `branch`
// and sets its markers; false, with the branch untouched, when the set makes no circuit.
bool ExportFilterResponse(FilterKind kind, const FilterValues& values, bool fast, FilterBranch branch);
// The branch of the store each designer exports into.
FilterBranchKind BranchOf(FilterKind kind);

}  // namespace velomare
