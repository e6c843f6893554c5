#pragma once
// The complete crossover: the low-, band- and high-pass branches that the designers exported,
// each switched on or off, reversed or not and lowered by its level setting, added point by point
// as phasors; the view of the sum (pan, zoom, grid lines and labels by span) and the caption's
// cursor read-out. The window moves values between its controls and these routines and draws
// what they return.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "filters/model/FilterBranches.h"
#include "filters/model/FilterResponse.h"

namespace velomare {

// A magnitude and a phase in radians.
struct Phasor {
  double magnitude = 0;
  double phase = 0;
};
// The phasor of x + jy, with the phase rule of AddPhasors.
Phasor PhasorOfCartesian(double x, double y);
// The sum of two phasors; its phase is the full-quadrant angle in -pi..pi, but 0 whenever the
// summed real part is exactly 0 (a kept rule: the stored curves of the sum follow it).
Phasor AddPhasors(const Phasor& a, const Phasor& b);

// The sum starts every point at -1000 dB (a magnitude of 1e-50), so the first branch reproduces
// itself; a point whose sum cancels exactly, or whose branch lies below it, is held there too.
inline constexpr double kTotalStartLevel = -1000.0;
// The last summed element of the one-hertz grid; the element after the last grid point repeats it.
inline constexpr int kOneHertzSumLast = 20000;

// What each branch row of the window sets.
struct CrossoverBranchSetting {
  bool ticked = false;
  bool reversed = false;
  double levelDb = 0;  // the level setting, 0 to -10 dB
};
struct CrossoverSettings {
  // Low pass, band pass, high pass.
  std::array<CrossoverBranchSetting, 3> branches{};
  bool fastGrid = true;
};
inline constexpr std::array<FilterBranchKind, 3> kCrossoverBranches{
    FilterBranchKind::LowPass, FilterBranchKind::BandPass, FilterBranchKind::HighPass};

// A branch is offered, and summed, only when it holds an export on the window's grid: data on the
// other grid lie in elements that hold nothing of the branch on this one.
bool BranchOfferedOnGrid(FilterBranchKind kind, bool fastGrid);

// The level setting of the band- and high-pass rows from their bar position: half a dB a step.
double LevelSettingOfBar(int position);

// The summed response: level in dB and phase in -pi..pi at every grid point (element k is grid
// index k on the fast grid, k Hz on the one-hertz grid); level[0] is 1.0 when at least one point
// was summed. Allocated once; a summation writes into it.
struct TotalResponse {
  std::vector<double> level = std::vector<double>(kFilterBranchSize, 0.0);
  std::vector<double> phase = std::vector<double>(kFilterBranchSize, 0.0);
  bool HasData() const { return level[0] > 0.5; }
};
// Sums the ticked branches offered on the grid of `settings` from the branch store.
void SumCrossoverBranches(const CrossoverSettings& settings, TotalResponse& total);

// The caption and the three level texts, set at every drawing.
const char* CrossoverCaption(bool english);
struct CrossoverLevelTexts {
  std::string lowPass, bandPass, highPass;
};
CrossoverLevelTexts CrossoverLevelTextsFor(double chassisSpl, double bandPassDb, double highPassDb, bool english);

// The view: the four hidden bars' ranges and defaults (the default is the full view, 20 Hz to
// 20 kHz and +10 to -40 dB).
struct ViewBarRange {
  int min, max, def;
};
inline constexpr ViewBarRange kFminBar{10, 10000, 20};
inline constexpr ViewBarRange kFbreiteBar{100, 19990, 19980};
inline constexpr ViewBarRange kDbmaxBar{-40, 20, 10};
inline constexpr ViewBarRange kDbbreiteBar{6, 50, 50};
inline constexpr ViewBarRange kLevelSettingBar{-20, 0, 0};
inline constexpr int kUpperFrequencyLimit = 20000;

// The axis values, copies of the four bar positions.
struct CrossoverView {
  int fmin = kFminBar.def;
  int fbreite = kFbreiteBar.def;
  int dbmax = kDbmaxBar.def;
  int dbbreite = kDbbreiteBar.def;
};
// The maximum of the span bar for a lowest frequency: the axis never runs past 20 kHz, and after
// a pan the span can always grow back to the full 20 Hz to 20 kHz.
int SpanBarMaximum(int fmin);

// Pixels per dB, per frequency decade and per degree of phase of one drawing.
struct CrossoverScales {
  double kdb = 0, ppd = 0, kdeg = 0;
};
// The scales for a window of outer size w x h; nullopt when the plot has no room (then nothing is
// drawn and the scales of the last drawing stay).
std::optional<CrossoverScales> CrossoverScalesFor(const CrossoverView& view, int w, int h);

// The frequency grid's span class, 1 to 5, from the span and the lowest frequency.
int SpanClass(int fmin, int fbreite);
// The spacing of frequency lines at f Hz in a span class; 0 where no line is drawn.
int FrequencyLineSpacing(int f, int spanClass);
// The label of a frequency line: " 20", "100", "1k", "15k".
std::string FrequencyLabel(int f);
// The step of the level grid for a level range.
int LevelGridStep(int dbbreite);

struct DiagramPoint {
  int x, y;
};
// What the window draws: the grid (black lines and labels, the blue phase-axis lines), the blue
// phase-axis texts, and the level (black) and phase (blue) curves as point chains.
struct CrossoverDiagram {
  FilterDiagram grid;
  std::vector<DiagramText> phaseTexts;
  std::vector<DiagramPoint> level, phase;
  void Clear();
};
// Lays out the diagram of `total` into `diagram` (emptied first, its storage kept). Where several
// grid points fall on one pixel column a chain keeps only the first, lowest, highest and last of
// them, which draws the same pixels.
void LayOutCrossoverDiagram(const TotalResponse& total, bool fastGrid, const CrossoverView& view,
                            const CrossoverScales& scales, int w, int h, CrossoverDiagram& diagram);

// Mouse handling in the diagram: the area of the read-out, pan and zoom.
bool InCrossoverMouseArea(int x, int y, int w, int h);
// The anchor of a drag: the mouse at the press and the view at that moment.
struct DragAnchor {
  int x = 0, y = 0;
  CrossoverView view;
};
// The bar positions a zoom (right button) and a pan (left button) ask for; the bars clamp them.
struct ZoomTarget {
  int dbbreite, fbreite;
};
ZoomTarget ZoomPositions(const DragAnchor& anchor, int x, int y);
struct PanTarget {
  int dbmax, fmin;
};
PanTarget PanPositions(const DragAnchor& anchor, int x, int y, double kdb);

// "Gesamtweiche, Cursor f=1000Hz, -3.0dB" from the axis values and scales of the last drawing.
std::string CrossoverCursorCaption(const CrossoverView& view, const CrossoverScales& scales, int x, int y,
                                   bool english);

}  // namespace velomare
