#include "enclosures/model/ComparisonDrawing.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "common/Pixel.h"
#include "common/Version.h"

namespace velomare {
namespace {

// The plot's margins inside the window's outer size.
constexpr int kLeft = 34, kTop = 37, kRightMargin = 15, kBottomMargin = 45;
constexpr int kLegendWidth = 200, kLegendBlock = 85;
constexpr int kLegendLineOffsets[] = {1, 14, 28, 42, 56, 70};
// An absolute offset beyond this is no level a driver reaches; holding it keeps every integer
// conversion of the drawing defined whatever an imported file says.
constexpr double kOffsetLimit = 1e6;

double MaxOfRange(const ComparisonCurve& curve, int first, int last) {
  double m = -1000;
  for (int i = first; i <= last; ++i) m = std::max(m, curve[static_cast<std::size_t>(i)]);
  return m;
}

std::string Fixed(double v, int width, int decimals) { return FormatFixed(v, width, decimals); }

struct Geometry {
  double s = 0, xs = 0;
  int fMin = 20, top = 12, span = 30;
  int X(double f) const { return kLeft + TruncPixel(xs * std::log10(f) - xs * std::log10(fMin)); }
  int Y(double level) const { return TruncPixel(top * s) - TruncPixel(level * s) + kTop; }
};

bool FrequencyGridLine(int f, int gridClass) {
  if (f < 100) return f % (gridClass == 1 ? 5 : 10) == 0;
  constexpr int kStep[] = {0, 10, 20, 50, 20};
  return f % kStep[gridClass] == 0;
}

std::vector<std::string> LegendLines(const ComparisonHeader& h, bool english) {
  const auto pick = [&](const char* german, const char* englishText) { return std::string(english ? englishText : german); };
  const std::string v1 = Fixed(h.Volume1, 3, 1), v2 = Fixed(h.Volume2, 3, 1);
  const std::string a1 = Fixed(h.PortArea1, 3, 1), a2 = Fixed(h.PortArea2, 3, 1);
  const std::string l1 = Fixed(h.PortLength1, 2, 1), l2 = Fixed(h.PortLength2, 2, 1);
  std::string first = h.DriverLabel;
  if (h.Multiple > 1) first = std::to_string(h.Multiple) + "x " + first;
  const std::string pushPull = h.Multiple > 1 ? pick(" isobarik", " push-pull") : "";
  switch (h.BoxType) {
    case BoxType::OpenBaffle:
      return {first, pick("offen", "open"), pick("Schallwandlänge:", "baffle length "), Fixed(h.PortLength1 * 100, 2, 1) + " cm"};
    case BoxType::Closed:
      return {first, pick("geschlossen", "contained"), pick("Volumen ", "volume ") + v1 + " l"};
    case BoxType::BassReflex:
      return {first, pick("Bassreflex", "Reflex"), pick("Volumen ", "volume ") + v1 + " l",
              pick("Rohrfläche ", "tube sqare section ") + a1 + " qcm", pick("Rohrlänge ", "tube length ") + l1 + " cm"};
    case BoxType::ClosedBandpass:
      return {first, pick("Bandpass 3.Ordnung", "3rd order band pass") + pushPull,
              pick("Volumen (geschl.) ", "volume 1 (contained) ") + v1 + " l",
              pick("Volumen 2 (Reflex) ", "volume 2 (vented) ") + v2 + " l",
              pick("Rohrfläche ", "tube square section ") + a1 + " qcm", pick("Rohrlänge ", "tube length ") + l1 + " cm"};
    case BoxType::VentedBandpass:
      return {first, pick("Bandpass 6.Ordnung", "6th order band pass") + pushPull, pick("Volumen 1 ", "volume 1 ") + v1 + " l",
              pick("Volumen 2 ", "volume 2 ") + v2 + " l", pick("Rohr 1 ", "tube 1 ") + a1 + " qcm / " + l1 + " cm",
              pick("Rohr 2 ", "tube 2 ") + a2 + " qcm / " + l2 + " cm"};
  }
  return {first};
}

}  // namespace

ComparisonBars ClampedBars(ComparisonBars b) {
  b.fMin = std::clamp(b.fMin, 10, 100);
  b.fSpan = std::clamp(b.fSpan, 30, 300);
  b.dbMax = std::clamp(b.dbMax, -40, 30);
  b.dbSpan = std::clamp(b.dbSpan, 6, 60);
  return b;
}

double PowerGainDb(const std::string& text) {
  const double p = ReadNumber(text);
  return p > 0.5 && p <= 5000 ? 10 * std::log10(p) : 0.0;
}

ComparisonDrawing ComputeComparisonDrawing(const ComparisonView& view) {
  ComparisonDrawing d;
  const ComparisonBars bars = ClampedBars(view.bars);
  std::vector<int> slots;
  for (int slot = 1; slot <= kComparisonSlotCount; ++slot)
    if (view.channels[static_cast<std::size_t>(slot - 1)] && ComparisonSlotFilled(slot)) slots.push_back(slot);
  d.listed = static_cast<int>(slots.size());
  std::array<double, kComparisonSlotCount> gain{};
  if (view.power)
    for (std::size_t k = 0; k < gain.size(); ++k) gain[k] = PowerGainDb(view.powerTexts[k]);
  if (d.listed == 0) return d;

  const auto added = [&](int slot) {
    return (view.absolute ? ComparisonHeaderOf(slot).DriverSpl : 0.0) + gain[static_cast<std::size_t>(slot - 1)];
  };
  int offset = 0;
  if (view.absolute) {
    double sum = 0;
    for (int slot : slots)
      sum += MaxOfRange(ComparisonCurveOf(slot), 10, 400) + ComparisonHeaderOf(slot).DriverSpl +
             gain[static_cast<std::size_t>(slot - 1)];
    offset = TruncToInt(std::clamp(sum / d.listed, -kOffsetLimit, kOffsetLimit));
  }

  const int W = view.width, H = view.height;
  Geometry g;
  g.fMin = bars.fMin;
  g.span = bars.dbSpan;
  g.top = bars.dbMax + offset;
  const int plotHeight = H - 82, plotWidth = W - 49;
  // A window smaller than its plot draws nothing, and its read-out gives 0.
  if (plotHeight <= 0 || plotWidth <= 0) {
    d.scales = ComparisonScales{0, 0, g.fMin, g.top};
    return d;
  }
  g.s = static_cast<double>(plotHeight) / g.span;
  g.xs = plotWidth / std::log10(static_cast<double>(bars.fMin + bars.fSpan) / bars.fMin);
  d.scales = ComparisonScales{g.s, g.xs, g.fMin, g.top};
  const int bottom = g.top - g.span;
  const int fMax = bars.fMin + bars.fSpan;
  d.rangeText = "f= " + Fixed(bars.fMin, 3, 0) + "... " + Fixed(fMax, 3, 0) + "Hz, L= " + Fixed(bottom, 2, 0) + "... " +
                Fixed(g.top, 2, 0) + "dB";

  auto& items = d.items;
  const int step = g.span < 10 ? 1 : g.span < 20 ? 2 : g.span <= 30 ? 3 : 5;
  for (int L = bottom; L <= g.top; ++L) {
    if (L % step != 0) continue;
    items.push_back({ComparisonItem::Line, kLeft, g.Y(L), W - kRightMargin, g.Y(L), {}, 0, {}});
    items.push_back({ComparisonItem::Text, 17, g.Y(L) - 5, 0, 0, Fixed(L, 2, 0), 0, {}});
  }

  int gridClass = bars.fSpan <= 54 ? 1 : bars.fSpan <= 244 ? 2 : 3;
  if (gridClass > 1 && bars.fSpan >= 245 && bars.fMin >= 80) gridClass = 4;
  for (int f = bars.fMin; f <= fMax; ++f) {
    if (!FrequencyGridLine(f, gridClass)) continue;
    items.push_back({ComparisonItem::Line, g.X(f), kTop, g.X(f), H - kBottomMargin, {}, 0, {}});
    items.push_back({ComparisonItem::Text, g.X(f) - 17, H - 40, 0, 0, Fixed(f, 3, 0), 0, {}});
  }

  // Levels are compared with the edges before they become pixels: a level of any size is clamped.
  const auto clampedY = [&](double level) { return level > g.top ? kTop : level < bottom ? g.Y(bottom) : g.Y(level); };
  for (int slot : slots) {
    const ComparisonCurve& curve = ComparisonCurveOf(slot);
    const double a = added(slot);
    ComparisonItem line{ComparisonItem::Curve, 0, 0, 0, 0, {}, slot, {}};
    line.points.reserve(static_cast<std::size_t>(fMax - bars.fMin + 1));
    for (int f = bars.fMin; f <= fMax; ++f) line.points.emplace_back(g.X(f), clampedY(curve[static_cast<std::size_t>(f)] + a));
    items.push_back(std::move(line));
  }

  if (view.legend) {
    const int n = d.listed;
    items.push_back({ComparisonItem::Rect, W - kLegendWidth, H - kBottomMargin - kLegendBlock * n, W - 1, H - kBottomMargin, {}, 0, {}});
    for (int j = 1; j <= n; ++j) {
      const int slot = slots[static_cast<std::size_t>(j - 1)];
      const int start = H - kBottomMargin - (n - j + 1) * kLegendBlock;
      const std::vector<std::string> lines = LegendLines(ComparisonHeaderOf(slot), view.english);
      for (std::size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].empty()) items.push_back({ComparisonItem::Text, W - 195, start + kLegendLineOffsets[i], 0, 0, lines[i], slot, {}});
    }
  }
  items.push_back({ComparisonItem::Text, 36, H - 60, 0, 0, kStatusVersionText, 0, {}});
  return d;
}

std::string ComparisonTitle(bool english) { return english ? "Compare simulations" : "Vergleich der Simulationen"; }

std::string ComparisonCursorCaption(const ComparisonScales& scales, int x, int y, bool english) {
  const int f = scales.pixelsPerDecade > 0 && scales.fMin > 0
                    ? TruncToInt(scales.fMin * std::pow(10.0, (x - kLeft) / scales.pixelsPerDecade))
                    : 0;
  const double level = scales.pixelsPerDb > 0 ? scales.top - (y - kTop) / scales.pixelsPerDb : 0.0;
  return std::string(english ? "Compare simulations, cursor f=" : "Vergleich der Simulationen, Cursor f=") +
         Fixed(f, 3, 0) + "Hz, " + Fixed(level, 2, 1) + "dB";
}

ComparisonBars DraggedBars(const ComparisonBars& current, const ComparisonBars& remembered, int downX, int downY, int x,
                           int y, bool left, bool right, double pixelsPerDb) {
  ComparisonBars b = current;
  if (right) {
    b.dbSpan = remembered.dbSpan - (downY - y) / 20;
    b.fSpan = remembered.fSpan + (downX - x) / 5;
  }
  if (left) {
    const double s = pixelsPerDb > 0 ? pixelsPerDb : 20;
    b.dbMax = remembered.dbMax - TruncToInt((downY - y) / s);
    b.fMin = remembered.fMin + (downX - x) / 10;
  }
  return ClampedBars(b);
}

}  // namespace velomare
