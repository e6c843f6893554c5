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

// A chain of points that folds each run on one pixel column into its first, lowest, highest and
// last point: the segments of a run cover exactly the column between its lowest and highest point.
class ColumnChain {
 public:
  explicit ColumnChain(std::vector<DiagramPoint>& out) : out_(out) {}
  void Add(int x, int y) {
    if (open_ && x == runX_) {
      lowest_ = std::min(lowest_, y);
      highest_ = std::max(highest_, y);
      last_ = y;
      return;
    }
    Finish();
    open_ = true;
    runX_ = x;
    first_ = lowest_ = highest_ = last_ = y;
  }
  void Finish() {
    if (!open_) return;
    open_ = false;
    Put(first_);
    // The extreme nearer the first point comes first, so that the chain runs monotonically.
    const bool downFirst = std::abs(lowest_ - first_) <= std::abs(highest_ - first_);
    Put(downFirst ? lowest_ : highest_);
    Put(downFirst ? highest_ : lowest_);
    Put(last_);
  }

 private:
  void Put(int y) {
    if (!out_.empty() && out_.back().x == runX_ && out_.back().y == y) return;
    out_.push_back({runX_, y});
  }
  std::vector<DiagramPoint>& out_;
  bool open_ = false;
  int runX_ = 0, first_ = 0, lowest_ = 0, highest_ = 0, last_ = 0;
};

}  // namespace

Phasor PhasorOfCartesian(double x, double y) { return {std::sqrt(x * x + y * y), x == 0.0 ? 0.0 : std::atan2(y, x)}; }

Phasor AddPhasors(const Phasor& a, const Phasor& b) {
  const double x = a.magnitude * std::cos(a.phase) + b.magnitude * std::cos(b.phase);
  const double y = a.magnitude * std::sin(a.phase) + b.magnitude * std::sin(b.phase);
  return PhasorOfCartesian(x, y);
}

bool BranchOfferedOnGrid(FilterBranchKind kind, bool fastGrid) {
  return BranchExported(kind) && BranchOnFastGrid(kind) == fastGrid;
}

double LevelSettingOfBar(int position) { return position / 2.0; }

// The sum is that of AddPhasors applied branch by branch with the level in dB in between, kept
// in x and y instead: the conversions to dB and back between two branches change nothing but the
// last bits, and dropping them makes a one-hertz sum several times faster. The rules of the
// stepwise sum stay: a point whose sum or branch lies below -1000 dB starts again from -1000 dB
// at phase 0, and a sum whose real part is exactly 0 continues at phase 0.
void SumCrossoverBranches(const CrossoverSettings& settings, TotalResponse& total) {
  const int last = SumLast(settings.fastGrid);
  const double start = std::pow(10.0, kTotalStartLevel / 20);
  const double startSquared = start * start;
  constexpr double kDbToLn = 2.302585092994046 / 20;  // 10^(dB/20) = exp(dB * ln 10 / 20)
  // x and y of every point live in the level and phase arrays until the end.
  double* x = total.level.data();
  double* y = total.phase.data();
  std::fill(x + 1, x + last + 1, start);
  std::fill(y + 1, y + last + 1, 0.0);
  bool summed = false;
  for (std::size_t b = 0; b < kCrossoverBranches.size(); ++b) {
    const CrossoverBranchSetting& setting = settings.branches[b];
    if (!setting.ticked || !BranchOfferedOnGrid(kCrossoverBranches[b], settings.fastGrid)) continue;
    const FilterBranch branch = FilterBranchOf(kCrossoverBranches[b]);
    // A reversed branch is turned by pi: its phasor changes sign.
    const double gain = (setting.reversed ? -1.0 : 1.0) * std::pow(10.0, setting.levelDb / 20);
    for (int k = kFastGridFirst; k <= last; ++k) {
      const double level = branch.level[k];
      if (x[k] * x[k] + y[k] * y[k] < startSquared || level < kTotalStartLevel) {
        x[k] = start;
        y[k] = 0.0;
        continue;
      }
      summed = true;
      const double m = gain * std::exp(level * kDbToLn);
      const double p = branch.phase[k];
      double sx = x[k] + m * std::cos(p);
      double sy = y[k] + m * std::sin(p);
      if (sx == 0.0) {
        sx = std::fabs(sy);
        sy = 0.0;
      }
      // Branches that cancel exactly have no level in dB; so that no logarithm of 0 (nor any value
      // out of a corrupt branch) reaches the curve, such a point stays at the start value.
      if (sx == 0.0 || !std::isfinite(sx) || !std::isfinite(sy)) {
        sx = start;
        sy = 0.0;
      }
      x[k] = sx;
      y[k] = sy;
    }
  }
  for (int k = 1; k <= last; ++k) {
    const Phasor p = PhasorOfCartesian(x[k], y[k]);
    const bool atStart = x[k] == start && y[k] == 0.0;
    x[k] = atStart || !(p.magnitude > 0) ? kTotalStartLevel : 20 * std::log10(p.magnitude);
    y[k] = atStart ? 0.0 : p.phase;
  }
  total.level[0] = summed ? 1.0 : 0.0;
  total.level[last + 1] = total.level[last];
  total.phase[last + 1] = total.phase[last];
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
  for (int f = std::max(view.fmin, 10); f <= fmax;) {
    const int spacing = FrequencyLineSpacing(f, spanClass);
    if (spacing == 0 || f % spacing != 0) {
      // On to the next multiple of the spacing, or to the next decade's first frequency, where
      // the spacing changes.
      const int decadeEnd = f <= 100 ? 100 : f <= 1000 ? 1000 : f <= 10000 ? 10000 : kUpperFrequencyLimit;
      f = spacing == 0 ? decadeEnd + 1 : std::min((f / spacing + 1) * spacing, decadeEnd + 1);
      continue;
    }
    const int x = map.X(f);
    diagram.grid.lines.push_back({x, kPlotTop, x, bottom, DiagramColour::Black});
    diagram.grid.texts.push_back({FrequencyLabel(f), x - 8, h - 40});
    ++f;
  }

  // Point j of a chain is element j at its grid frequency; the point after the last drawn one is
  // the element that repeats the grid's end.
  ColumnChain level(diagram.level), phase(diagram.phase);
  const auto point = [&](int j, double f) {
    const int x = map.X(f);
    level.Add(x, map.YLevel(total.level[j]));
    phase.Add(x, map.YPhase(total.phase[j]));
  };
  const int upper = std::min(kUpperFrequencyLimit, view.fmin + view.fbreite - 1);
  if (fastGrid) {
    const int first = FastGridIndex(view.fmin);
    const int last = std::min(kFastGridLast, FastGridIndex(upper));
    if (first < 1 || first > last) return;
    for (int i = first; i <= last; ++i) point(i, FastGridFrequency(i));
    point(last + 1, FastGridNextFrequency(last));
    level.Finish();
    phase.Finish();
  } else {
    const int first = view.fmin;
    const int last = upper;
    if (first < 1 || first > last) return;
    for (int i = first; i <= last; ++i) point(i, i);
    point(last + 1, last + 1);
    level.Finish();
    phase.Finish();
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
