#include "enclosures/model/ResponsePlot.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace velomare {
namespace {

// 1 / log10(40.5): the logarithmic axis puts 10 Hz on the left edge and 40.5 x 10 Hz on the right.
constexpr double kLogSpan = 0.6221;
constexpr int kLeft = 15;
constexpr double kBottomLevel = -30.0;
constexpr double kLinearTop = 200.0;  // Hz at the right edge of the linear axis

struct FrequencyLabel {
  const char* number;
  double logarithmicAt;
  double linearAt;
};
constexpr FrequencyLabel kFrequencyLabels[] = {
    {"20", 0.19, 0.1}, {"40", 0.38, 0.2}, {"60", 0.49, 0.3}, {"80", 0.57, 0.4}, {"100", 0.62, 0.5}, {"200", 0.81, 0.0},
};

// Number texts of the marker labels are cut to 10 characters (decimals only).
std::string MarkerNumber(double value, int width, int decimals) {
  return CutDecimals(FormatFixed(value, width, decimals), 10);
}

class Builder {
 public:
  Builder(const ResponsePlotStyle& style, const PlotGeometry& g) : style_(style), g_(g) {}

  void Line(int x1, int y1, int x2, int y2) { plot.items.push_back({PlotItem::Line, x1, y1, x2, y2, {}}); }
  void Text(int x, int y, std::string text) { plot.items.push_back({PlotItem::Text, x, y, 0, 0, std::move(text)}); }
  // A marker: the line from the marked point to (x2, y2), then its text at (x, y).
  void Marker(int x1, int y1, int x2, int y2, int x, int y, std::string text) {
    Line(x1, y1, x2, y2);
    const int leader = static_cast<int>(plot.items.size()) - 1;
    plot.items.push_back({PlotItem::Text, x, y, 0, 0, std::move(text), leader});
  }
  void Square(int x, int y) {
    if (style_.squares) plot.items.push_back({PlotItem::Square, x, y, 0, 0, {}});
  }

  void FrameGridAndLabels() {
    const int t = g_.top, bottom = g_.Bottom(), right = g_.width - kLeft, p = g_.PlotHeight(), q = g_.PlotWidth();
    Line(kLeft, t, kLeft, bottom);
    Line(kLeft, bottom, right, bottom);
    Line(kLeft, t, right, t);
    for (double k : {0.25, 0.5, 0.75}) Line(kLeft, g_.GridY(k), right, g_.GridY(k));
    const int raised = t - style_.labelRaise;
    Text(1, raised, "10");
    Text(1, TruncPixel(0.25 * p + raised), "0dB");
    Text(1, TruncPixel(0.5 * p + raised), "-10");
    Text(1, TruncPixel(0.75 * p + raised), "-20");
    Text(1, bottom - style_.labelRaise, "-30");

    if (style_.axis == FrequencyAxis::Logarithmic) {
      for (int f : {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400}) {
        const int x = g_.X(f, style_.axis);
        Line(x, t, x, bottom);
      }
    } else {
      for (int f = 10; f <= 200; f += 10) {
        const int x = g_.X(f, style_.axis);
        Line(x, t, x, bottom);
      }
    }
    for (const FrequencyLabel& label : kFrequencyLabels) {
      double k = style_.axis == FrequencyAxis::Logarithmic ? label.logarithmicAt : label.linearAt;
      if (style_.axis == FrequencyAxis::Linear && k == 0.0) k = style_.linear200LabelAt;
      Text(TruncPixel(k * q) + 5, g_.height - 40, std::string(label.number) + style_.frequencyUnit);
    }
  }

  void Curve(const LevelFunction& level) {
    const bool logarithmic = style_.axis == FrequencyAxis::Logarithmic;
    const int first = logarithmic ? 10 : 1, last = logarithmic ? 400 : 200;
    plot.items.push_back({PlotItem::Curve, 0, 0, 0, 0, {}});
    plot.curve.reserve(static_cast<std::size_t>(last - first + 2));
    plot.curve.emplace_back(kLeft, g_.Bottom());
    bool tracking = true;
    double maxLevel = kBottomLevel, maxFrequency = 0;
    for (int f = first; f <= last; ++f) {
      double l = level(f);
      if (!std::isfinite(l)) l = kBottomLevel;
      if (style_.markers == PlotMarkers::Maximum) {
        // The maximum is searched before the clamp, so its mark sits at the true level.
        if (l >= maxLevel) {
          maxLevel = l;
          maxFrequency = f;
        }
      }
      if (l < kBottomLevel) l = kBottomLevel;
      if (style_.upperClamp && l > *style_.upperClamp) l = *style_.upperClamp;
      if (style_.markers == PlotMarkers::CutoffAndFirstPeak) {
        if (plot.cutoffFrequency == 0 && l >= -3.0) plot.cutoffFrequency = f;
        if (tracking) {
          if (l < maxLevel) {
            tracking = false;
          } else {
            maxLevel = l;
            maxFrequency = f;
          }
        }
      }
      plot.curve.emplace_back(g_.X(f, style_.axis), g_.Y(l));
    }
    plot.peakLevel = maxLevel;
    plot.peakFrequency = maxFrequency;
  }

  void CutoffAndPeakMarkers() {
    const bool logarithmic = style_.axis == FrequencyAxis::Logarithmic;
    const double f3 = plot.cutoffFrequency;
    const std::string cutoffText = "-3dB bei " + MarkerNumber(f3, 3, 0) + " Hz";
    if (f3 > 0 && f3 <= (logarithmic ? 200.0 : 140.0)) {
      const int x = g_.X(f3, style_.axis), y = g_.Y(-3.0);
      Marker(x, y, x + (logarithmic ? 85 : 55), g_.height - 100, x + 55, g_.height - 100, cutoffText);
      Square(x, y);
    } else if (logarithmic && f3 > 200.0 && f3 <= style_.cutoffLeftUpTo) {
      LeftMarker(f3, -3.0, g_.height - 100, cutoffText);
    }
    const double lp = plot.peakLevel, fp = plot.peakFrequency;
    if (lp < style_.peakMinLevel) return;
    const int decimals = logarithmic ? style_.peakDecimalsLogarithmic : style_.peakDecimalsLinear;
    const std::string peakText = "max." + MarkerNumber(lp, 3, decimals) + "dB/" + MarkerNumber(fp, 2, 1) + " Hz";
    if (fp <= (logarithmic ? style_.peakRightUpTo : 160.0)) {
      const int x = g_.X(fp, style_.axis), y = g_.Y(lp);
      Marker(x, y, x + (logarithmic ? 20 : 55), g_.height - 200, x + (logarithmic ? 0 : 10), g_.height - 200, peakText);
      Square(x, y);
    } else if (logarithmic && fp < style_.peakLeftBelow) {
      LeftMarker(fp, lp, g_.height - 200, peakText);
    }
  }

  // A marker whose text stands to the left of its point, for points near the right edge.
  void LeftMarker(double frequency, double level, int textY, const std::string& text) {
    const int x = g_.X(frequency, style_.axis), y = g_.Y(level);
    Marker(x, y, x - 115, textY, x - 155, textY, text);
    Square(x, y);
  }

  void MaximumMarker() {
    if (plot.peakFrequency == 0) plot.peakFrequency = 1;
    const int x = g_.X(plot.peakFrequency, FrequencyAxis::Logarithmic), y = g_.Y(plot.peakLevel);
    Marker(x, y, x - 5, y + 50, x - 55, y + 50,
           "max " + MarkerNumber(plot.peakLevel, 1, 1) + "dB @ " + MarkerNumber(plot.peakFrequency, 2, 0) + "Hz");
    Square(x, y);
  }

  ResponsePlot plot;

 private:
  const ResponsePlotStyle& style_;
  const PlotGeometry& g_;
};

}  // namespace

int PlotGeometry::GridY(double fraction) const { return top + TruncPixel(fraction * PlotHeight()); }

int PlotGeometry::Y(double level) const {
  const int p = PlotHeight();
  return top + TruncPixel(0.25 * p) - TruncPixel(p * level / 40.0);
}

int PlotGeometry::X(double frequency, FrequencyAxis axis) const {
  const int q = PlotWidth();
  if (axis == FrequencyAxis::Linear) return kLeft + TruncPixel(frequency / kLinearTop * q);
  if (!(frequency > 0)) return kLeft;
  return TruncPixel(kLeft + kLogSpan * q * std::log10(frequency / 10.0));
}

double PlotGeometry::FrequencyAt(int x, FrequencyAxis axis) const {
  if (!Usable()) return 0;
  const int q = PlotWidth();
  if (axis == FrequencyAxis::Linear) return kLinearTop * (x - kLeft) / q;
  return std::pow(10.0, 1.0 + (x - kLeft) / (kLogSpan * q));
}

double PlotGeometry::LevelAt(int y) const {
  if (!Usable()) return 0;
  const int p = PlotHeight();
  return 40.0 * (top + 0.25 * p - y) / p;
}

ResponsePlotStyle ClosedBoxPlotStyle(FrequencyAxis axis) {
  ResponsePlotStyle style;
  style.axis = axis;
  return style;
}

ResponsePlotStyle ClosedBoxPrintStyle() {
  ResponsePlotStyle style = ClosedBoxPlotStyle(FrequencyAxis::Logarithmic);
  style.squares = false;
  return style;
}

ResponsePlotStyle ReflexPlotStyle(FrequencyAxis axis) {
  ResponsePlotStyle style;
  style.axis = axis;
  style.frequencyUnit = "";
  style.linear200LabelAt = 0.989;
  style.peakMinLevel = 0;
  style.peakDecimalsLogarithmic = 2;
  return style;
}

ResponsePlotStyle ReflexPrintStyle() {
  ResponsePlotStyle style = ReflexPlotStyle(FrequencyAxis::Logarithmic);
  style.peakDecimalsLogarithmic = 0;
  style.squares = false;
  return style;
}

ResponsePlotStyle BandpassPlotStyle() {
  ResponsePlotStyle style;
  style.top = 175;
  style.labelRaise = 0;
  style.upperClamp = 12.0;
  style.markers = PlotMarkers::Maximum;
  style.readoutBelow = 169;
  return style;
}

ResponsePlotStyle OpenBafflePlotStyle() {
  ResponsePlotStyle style = ClosedBoxPlotStyle(FrequencyAxis::Logarithmic);
  style.cutoffLeftUpTo = 400;
  style.peakRightUpTo = 200;
  style.peakLeftBelow = 400;
  return style;
}

std::optional<ResponsePlot> ComputeResponsePlot(const ResponsePlotStyle& style, int width, int height,
                                                const LevelFunction& level) {
  const PlotGeometry geometry{width, height, style.top};
  if (!geometry.Usable() || !level) return std::nullopt;
  Builder builder(style, geometry);
  builder.FrameGridAndLabels();
  builder.Curve(level);
  if (style.markers == PlotMarkers::CutoffAndFirstPeak)
    builder.CutoffAndPeakMarkers();
  else
    builder.MaximumMarker();
  return std::move(builder.plot);
}

PointerReading ReadPointer(const ResponsePlotStyle& style, int width, int height, int x, int y) {
  PointerReading reading;
  reading.inArea = x > 0 && x < width && y > style.readoutBelow && y < height;
  const PlotGeometry geometry{width, height, style.top};
  reading.frequency = geometry.FrequencyAt(x, style.axis);
  reading.level = geometry.LevelAt(y);
  return reading;
}

std::string ResponsePointerCaption(const char* germanName, const char* englishName, bool english, bool inArea,
                                   bool curveMode, double frequency, double level) {
  if (!inArea) return english ? std::string(englishName) : std::string(germanName) + " ";
  const auto number = [](double v) { return DotToComma(CutDecimals(FormatFixed(v, 3, 1), 10)); };
  const std::string f = number(frequency), l = number(level);
  if (curveMode)
    return english ? std::string(englishName) + " (curve " + l + " dB at " + f + " Hz)"
                   : std::string(germanName) + " (Kurve " + l + " dB bei " + f + " Hz)";
  return english ? std::string(englishName) + " (cursor " + f + "Hz / " + l + "dB)"
                 : std::string(germanName) + " (Cursor " + f + "Hz / " + l + "dB)";
}

int PrintedDiagramHeight(int pageHeight, bool landscape) { return landscape ? pageHeight : pageHeight / 2; }

}  // namespace velomare
