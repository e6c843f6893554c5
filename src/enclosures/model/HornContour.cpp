#include "enclosures/model/HornContour.h"

#include <cmath>

#include "common/NumberText.h"

namespace velomare {
namespace {

// The plot frame inside the window's outer size W x H.
constexpr int kLeft = 30;
constexpr int kTop = 180;
constexpr int kRightMargin = 15;   // right edge at W - 15
constexpr int kBottomMargin = 45;  // bottom edge at H - 45
constexpr int kAcross = kLeft + kRightMargin;           // the plot spans W - 45 pixels across
constexpr int kUp = kTop + kBottomMargin;               // and H - 225 pixels up
constexpr int kTickOverhang = 2;                        // frame lines reach 2 pixels past the axes
constexpr int kMarkerLeanLimit = 70;                    // a marker left of this leans right
constexpr int kLeaderLength = 25;

std::string Whole(double value) { return FormatFixed(value, 1, 0); }

}  // namespace

HornAxis HornAxisFor(double largest) {
  HornAxis axis;
  if (!std::isfinite(largest) || !(largest > 1e-9)) return axis;
  double a = largest;
  double step = 1;
  while (a > 10) {
    a /= 10;
    step *= 10;
  }
  axis.divisions = static_cast<int>(a);
  axis.step = step;
  axis.end = (axis.divisions + 1) * step;
  return axis;
}

bool HornContourDrawable(const HornValues& v) {
  return v.throatArea > 5 && v.mouthArea > 6 && v.length > 5 && v.flareConstant > 0 && std::isfinite(v.throatArea) &&
         std::isfinite(v.mouthArea) && std::isfinite(v.length) && std::isfinite(v.flareConstant);
}

std::optional<HornContourPlot> PlanHornContour(const HornValues& v, int cursor, int outerWidth, int outerHeight,
                                               bool english) {
  const int W = outerWidth, H = outerHeight;
  const int across = W - kAcross, up = H - kUp;
  if (!HornContourDrawable(v) || across <= 0 || up <= 0) return std::nullopt;
  const int right = W - kRightMargin, bottom = H - kBottomMargin;

  HornContourPlot plot;
  plot.area = HornAxisFor(v.mouthArea);
  plot.length = HornAxisFor(v.length);

  auto& texts = plot.texts;
  texts.push_back({{35, 190}, english ? "horn cross-section" : "Trichterfläche"});
  texts.push_back({{35, 203}, "A in cm²"});
  texts.push_back({{W - 80, H - 73}, english ? "horn length" : "Trichterlänge"});
  texts.push_back({{W - 80, H - 60}, english ? "Xmax in cm" : "Xm in cm"});
  texts.push_back({{27, H - 40}, "0"});
  texts.push_back({{10, H - 50}, "0"});
  texts.push_back({{1, 175}, FormatFixed(plot.area.end, 2, 0)});
  texts.push_back({{W - 28, H - 40}, FormatFixed(plot.length.end, 2, 0)});

  auto& lines = plot.lines;
  lines.push_back({{kLeft, kTop}, {kLeft, bottom + kTickOverhang}});
  lines.push_back({{kLeft - kTickOverhang, bottom}, {right, bottom}});
  lines.push_back({{kLeft - kTickOverhang, kTop}, {right, kTop}});
  lines.push_back({{right, bottom + kTickOverhang}, {right, kTop}});

  const double columnWidth = static_cast<double>(across) / (plot.length.divisions + 1);
  for (int i = 1; i <= plot.length.divisions; ++i) {
    const int x = TruncToInt(i * columnWidth) + kLeft;
    lines.push_back({{x, kTop}, {x, bottom + kTickOverhang}});
    texts.push_back({{x - 7, H - 40}, Whole(i * plot.length.step)});
  }
  const double rowHeight = static_cast<double>(up) / (plot.area.divisions + 1);
  for (int i = 1; i <= plot.area.divisions; ++i) {
    const int offset = TruncToInt(i * rowHeight);
    lines.push_back({{kLeft - kTickOverhang, bottom - offset}, {right, bottom - offset}});
    texts.push_back({{1, (H - 50) - offset}, Whole(i * plot.area.step)});
  }

  const double pixelsPerArea = up / plot.area.end;
  const double pixelsPerLength = across / plot.length.end;
  const auto at = [&](double xCm) {
    return PlotPoint{TruncToInt(xCm * pixelsPerLength) + kLeft,
                     bottom - TruncToInt(std::exp(xCm * v.flareConstant / 100.0) * pixelsPerArea * v.throatArea)};
  };
  const int wholeCentimetres = TruncToInt(v.length);
  plot.contour.reserve(static_cast<std::size_t>(wholeCentimetres) + 1);
  plot.contour.push_back({kLeft, bottom - TruncToInt(pixelsPerArea * v.throatArea)});
  for (int i = 1; i <= wholeCentimetres; ++i) plot.contour.push_back(at(i));

  plot.marker = at(cursor);
  const int lean = plot.marker.x < kMarkerLeanLimit ? kLeaderLength : -kLeaderLength;
  plot.leader = {plot.marker, {plot.marker.x + lean, plot.marker.y - kLeaderLength}};
  return plot;
}

std::optional<std::string> HornReadoutCaption(const HornValues& v, double areaAxisEnd, double lengthAxisEnd, int x,
                                              int y, int outerWidth, int outerHeight, bool english) {
  const int W = outerWidth, H = outerHeight;
  const int across = W - kAcross, up = H - kUp;
  // No right-hand bound: past the frame the read-out goes on beyond the axis end.
  const bool active = x > kLeft - 1 && y > 170 && y < H - 44 && areaAxisEnd > 0 && lengthAxisEnd > 0 &&
                      HornContourDrawable(v) && across > 0 && up > 0;
  if (!active) return std::nullopt;
  const double length = (x - kLeft) * lengthAxisEnd / across;
  const double area = (H - kBottomMargin - y) * areaAxisEnd / up;
  const std::string lx = FormatFixedComma(length, 3, 1);
  const std::string la = FormatFixedComma(area, 3, 0);
  const std::string side = FormatFixedComma(std::sqrt(std::fabs(area)), 2, 1);
  return std::string(english ? "exponential horn system (cursor " : "Exponential-Horn (Cursor ") + lx + "cm / " + la +
         "cm² [=" + side + "x" + side + "cm])";
}

std::string HornCaption(bool english) { return english ? "exponential horn system" : "Exponential-Horn"; }

}  // namespace velomare
