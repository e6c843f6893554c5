#include "filters/model/TotalCrossover.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/NumberText.h"
#include "common/Pixel.h"
#include "filters/model/FastFilterGrid.h"

namespace velomare {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegPerRad = 180.0 / kPi;

// The diagram's frame inside the window's outer size: the plot runs from x = 25 to w - 15 and from
// y = 50 (top line) to h - 45 (bottom line).
constexpr int kPlotLeft = 25;
constexpr int kPlotRightMargin = 15;
constexpr int kPlotTop = 50;
constexpr int kPlotBottomMargin = 45;

int SumLast(bool fastGrid) { return fastGrid ? kFastGridLast : kOneHertzSumLast; }

std::string IntText(int value, int width) {
  char text[24];
  std::snprintf(text, sizeof text, "%*d", width, value);
  return text;
}

// Level texts and read-outs: one decimal, a point, at least two characters.
std::string OneDecimal(double value) { return FormatFixed(value, 2, 1); }

// X and Y of one drawing.
struct Mapping {
  const CrossoverView& view;
  const CrossoverScales& scales;
  double logFmin;

  int X(double f) const { return kPlotLeft + TruncPixel(scales.ppd * std::log10(f) - scales.ppd * logFmin); }
  int YLevel(double level) const {
    if (level > view.dbmax) return kPlotTop;
    if (level < view.dbmax - view.dbbreite)
      return kPlotTop + TruncPixel(view.dbmax * scales.kdb) - TruncPixel((view.dbmax - view.dbbreite) * scales.kdb);
    return kPlotTop + TruncPixel(view.dbmax * scales.kdb - level * scales.kdb);
  }
  int YPhase(double phase) const {
    const double degrees = phase * kDegPerRad;
    return kPlotTop + TruncPixel(180 * scales.kdeg - degrees * scales.kdeg);
  }
};

}  // namespace

Phasor AddPhasors(const Phasor& a, const Phasor& b) {
  const double x = a.magnitude * std::cos(a.phase) + b.magnitude * std::cos(b.phase);
  const double y = a.magnitude * std::sin(a.phase) + b.magnitude * std::sin(b.phase);
  return {std::sqrt(x * x + y * y), x == 0.0 ? 0.0 : std::atan2(y, x)};
}

bool BranchOfferedOnGrid(FilterBranchKind kind, bool fastGrid) {
  return BranchExported(kind) && BranchOnFastGrid(kind) == fastGrid;
}

double LevelSettingOfBar(int position) { return position / 2.0; }

void SumCrossoverBranches(const CrossoverSettings& settings, TotalResponse& total) {
  const int last = SumLast(settings.fastGrid);
  double* level = total.level.data();
  double* phase = total.phase.data();
  std::fill(level + 1, level + last + 1, kTotalStartLevel);
  std::fill(phase + 1, phase + last + 1, 0.0);
  level[0] = 0.0;
  for (std::size_t b = 0; b < kCrossoverBranches.size(); ++b) {
    const CrossoverBranchSetting& setting = settings.branches[b];
    if (!setting.ticked || !BranchOfferedOnGrid(kCrossoverBranches[b], settings.fastGrid)) continue;
    const FilterBranch branch = FilterBranchOf(kCrossoverBranches[b]);
    const double polarity = setting.reversed ? kPi : 0.0;
    for (int k = kFastGridFirst; k <= last; ++k) {
      if (level[k] < kTotalStartLevel || branch.level[k] < kTotalStartLevel) {
        level[k] = kTotalStartLevel;
        phase[k] = 0.0;
        continue;
      }
      const Phasor sum = AddPhasors({std::pow(10.0, level[k] / 20), phase[k]},
                                    {std::pow(10.0, (branch.level[k] + setting.levelDb) / 20), branch.phase[k] + polarity});
      level[0] = 1.0;
      // Branches that cancel exactly have no level in dB; so that no logarithm of 0 (nor any
      // value out of a corrupt branch) reaches the curve, such a point stays at the start value.
      if (!(sum.magnitude > 0) || !std::isfinite(sum.magnitude) || !std::isfinite(sum.phase)) {
        level[k] = kTotalStartLevel;
        phase[k] = 0.0;
        continue;
      }
      level[k] = 20 * std::log10(sum.magnitude);
      phase[k] = sum.phase;
    }
  }
  level[last + 1] = level[last];
  phase[last + 1] = phase[last];
}

const char* CrossoverCaption(bool english) { return english ? "total crossover" : "Gesamtweiche"; }

CrossoverLevelTexts CrossoverLevelTextsFor(double chassisSpl, double bandPassDb, double highPassDb, bool english) {
  const std::string absolute = english ? " dB, absolute " : " dB, absolut ";
  const auto row = [&](double g) { return OneDecimal(g) + absolute + OneDecimal(chassisSpl + g) + " dB"; };
  return {"0" + absolute + OneDecimal(chassisSpl) + " dB", row(bandPassDb), row(highPassDb)};
}

int SpanBarMaximum(int fmin) {
  return std::clamp(kUpperFrequencyLimit - fmin, kFbreiteBar.min, kFbreiteBar.max);
}

std::optional<CrossoverScales> CrossoverScalesFor(const CrossoverView& view, int w, int h) {
  const double plotHeight = h - (kPlotTop + kPlotBottomMargin);
  const double plotWidth = w - (kPlotLeft + kPlotRightMargin);
  if (plotHeight <= 0 || plotWidth <= 0 || view.dbbreite <= 0 || view.fmin <= 0 || view.fbreite <= 0) return {};
  const double decades = std::log(static_cast<double>(view.fmin + view.fbreite) / view.fmin);
  return CrossoverScales{plotHeight / view.dbbreite, plotWidth * std::log(10.0) / decades, plotHeight / 360};
}

int SpanClass(int fmin, int fbreite) {
  const double span = std::log(static_cast<double>(std::max(fbreite, 1)));
  if (span <= 4.7) return 1;
  if (span <= 6.9) return 2;
  if (span <= 9.2) return 3;
  // The lowest frequency of exactly 8000 Hz, which the classes leave out, takes the finer class.
  return fmin <= 8000 ? 4 : 5;
}

int FrequencyLineSpacing(int f, int spanClass) {
  static constexpr int kSpacing[4][5] = {
      {5, 10, 10, 10, 0}, {10, 20, 50, 100, 1000}, {100, 200, 500, 1000, 2000}, {1000, 2000, 5000, 5000, 2000}};
  if (f < 10 || f > kUpperFrequencyLimit || spanClass < 1 || spanClass > 5) return 0;
  const int row = f <= 100 ? 0 : f <= 1000 ? 1 : f <= 10000 ? 2 : 3;
  return kSpacing[row][spanClass - 1];
}

std::string FrequencyLabel(int f) {
  std::string text = IntText(f, 3);
  if (text.find("000") != std::string::npos) {
    text.insert(text.size() - 3, "k");
    text.erase(text.find('k') + 1, 3);
  }
  return text;
}

int LevelGridStep(int dbbreite) {
  if (dbbreite < 10) return 1;
  if (dbbreite < 20) return 2;
  if (dbbreite <= 30) return 3;
  return 5;
}

void CrossoverDiagram::Clear() {
  grid.lines.clear();
  grid.texts.clear();
  phaseTexts.clear();
  level.clear();
  phase.clear();
}

void LayOutCrossoverDiagram(const TotalResponse& total, bool fastGrid, const CrossoverView& view,
                            const CrossoverScales& scales, int w, int h, CrossoverDiagram& diagram) {
  diagram.Clear();
  const Mapping map{view, scales, std::log10(static_cast<double>(view.fmin))};
  const int right = w - kPlotRightMargin;
  const int bottom = h - kPlotBottomMargin;

  const int step = LevelGridStep(view.dbbreite);
  for (int l = view.dbmax - view.dbbreite; l <= view.dbmax; ++l) {
    if (l % step != 0) continue;
    const int y = kPlotTop + TruncPixel(view.dbmax * scales.kdb) - TruncPixel(l * scales.kdb);
    diagram.grid.lines.push_back({kPlotLeft, y, right, y, DiagramColour::Black});
    diagram.grid.texts.push_back({IntText(l, 2), 8, y - 5});
  }

  const int middle = kPlotTop + TruncPixel((h - (kPlotTop + kPlotBottomMargin)) / 2.0);
  for (int y : {kPlotTop, bottom, middle}) diagram.grid.lines.push_back({kPlotLeft, y, right, y, DiagramColour::Blue});
  diagram.phaseTexts.push_back({"+180°", kPlotLeft, 45});
  diagram.phaseTexts.push_back({"-180°", kPlotLeft, h - 51});
  diagram.phaseTexts.push_back({"0°", kPlotLeft, middle - 6});

  const int spanClass = SpanClass(view.fmin, view.fbreite);
  const int fmax = std::min(view.fmin + view.fbreite, kUpperFrequencyLimit);
  for (int f = std::max(view.fmin, 10); f <= fmax; ++f) {
    const int spacing = FrequencyLineSpacing(f, spanClass);
    if (spacing == 0 || f % spacing != 0) continue;
    const int x = map.X(f);
    diagram.grid.lines.push_back({x, kPlotTop, x, bottom, DiagramColour::Black});
    diagram.grid.texts.push_back({FrequencyLabel(f), x - 8, h - 40});
  }

  // Point j of a chain is element j at its grid frequency; the point after the last drawn one is
  // the element that repeats the grid's end.
  const auto point = [&](int j, double f) {
    const int x = map.X(f);
    diagram.level.push_back({x, map.YLevel(total.level[j])});
    diagram.phase.push_back({x, map.YPhase(total.phase[j])});
  };
  const int upper = std::min(kUpperFrequencyLimit, view.fmin + view.fbreite - 1);
  if (fastGrid) {
    const int first = FastGridIndex(view.fmin);
    const int last = std::min(kFastGridLast, FastGridIndex(upper));
    if (first < 1 || first > last) return;
    for (int i = first; i <= last; ++i) point(i, FastGridFrequency(i));
    point(last + 1, FastGridNextFrequency(last));
  } else {
    const int first = view.fmin;
    const int last = upper;
    if (first < 1 || first > last) return;
    for (int i = first; i <= last; ++i) point(i, i);
    point(last + 1, last + 1);
  }
}

bool InCrossoverMouseArea(int x, int y, int w, int h) { return y > kPlotTop && y < h && x > 0 && x < w; }

ZoomTarget ZoomPositions(const DragAnchor& anchor, int x, int y) {
  const double logSpan = anchor.view.fbreite > 0 ? std::log(static_cast<double>(anchor.view.fbreite)) : 0.0;
  return {anchor.view.dbbreite - TruncToInt((anchor.y - y) / 20.0),
          anchor.view.fbreite + TruncToInt(5 * logSpan * (anchor.x - x))};
}

PanTarget PanPositions(const DragAnchor& anchor, int x, int y, double kdb) {
  const double logSpan = anchor.view.fbreite > 0 ? std::log(static_cast<double>(anchor.view.fbreite)) : 0.0;
  const double perDb = kdb > 0 ? kdb : 20.0;
  return {anchor.view.dbmax - TruncToInt((anchor.y - y) / perDb),
          anchor.view.fmin + TruncToInt(logSpan * (anchor.x - x) / 4)};
}

std::string CrossoverCursorCaption(const CrossoverView& view, const CrossoverScales& scales, int x, int y,
                                   bool english) {
  const int f = scales.ppd > 0 && view.fmin > 0 ? TruncToInt(view.fmin * std::pow(10.0, (x - kPlotLeft) / scales.ppd))
                                                : 0;
  const double level = scales.kdb > 0 ? view.dbmax - (y - kPlotTop) / scales.kdb : 0.0;
  return std::string(english ? "total crossover, cursor f=" : "Gesamtweiche, Cursor f=") + IntText(f, 3) + "Hz, " +
         OneDecimal(level) + "dB";
}

}  // namespace velomare
