#pragma once
// The enclosure response diagram as plain data: frame, level grid (+10 to -30 dB), frequency axis
// (logarithmic 10 to about 405 Hz, or linear 0 to 200 Hz), the curve of a level function evaluated
// at every whole hertz, and the marked points with their texts. Every enclosure window, and the
// printed pages, compute their diagram here and hand the result to the drawing code
// (enclosures/ResponseDiagram.h paints it on a window, enclosures/PrintedResponsePage.h on paper).
//
// All positions are whole pixels in the coordinates of the surface drawn on (a window's client
// area, or the page). W and H are the outer size of the window (or the page's size): the plot runs
// from x = 15 to W - 15 and from y = T (+10 dB) to H - 45 (-30 dB).
//
// A window that adds a diagram picks or adds a style:
//
//   ResponsePlotStyle style = ClosedBoxPlotStyle(FrequencyAxis::Logarithmic);
//   auto plot = ComputeResponsePlot(style, W, H, [&](double f) { return MyLevel(f); });
//   diagram->ShowPlot(std::move(plot));   // nothing when the window is too small for a plot
//
// and reads the pointer with ReadPointer(style, W, H, x, y) for its caption read-out.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Pixel.h"

namespace velomare {

enum class FrequencyAxis { Logarithmic, Linear };

// Which points are marked.
enum class PlotMarkers {
  // The first frequency at or above -3 dB and the first peak of the clamped curve (closed box,
  // bass reflex).
  CutoffAndFirstPeak,
  // The highest level of the unclamped curve over the whole range (closed bandpass).
  Maximum,
};

struct ResponsePlotStyle {
  int top = 100;        // y of the +10 dB line
  int labelRaise = 5;   // level labels sit this many pixels above their lines
  FrequencyAxis axis = FrequencyAxis::Logarithmic;
  const char* frequencyUnit = "Hz";  // after the numbers of the frequency labels
  double linear200LabelAt = 0.97;    // where "200" stands on the linear axis, as a fraction of Q
  std::optional<double> upperClamp;  // the curve is drawn no higher than this level (dB)
  PlotMarkers markers = PlotMarkers::CutoffAndFirstPeak;
  double peakMinLevel = -30;        // a first peak below this level is not marked
  // Logarithmic axis: a -3 dB point above 200 Hz and up to cutoffLeftUpTo is marked to the left of
  // the curve; a first peak up to peakRightUpTo is marked to the right, one above it and below
  // peakLeftBelow to the left (0: never to the left).
  double cutoffLeftUpTo = 0;
  double peakRightUpTo = 210;
  double peakLeftBelow = 0;
  int peakDecimalsLogarithmic = 0;  // decimals of the peak level in its text
  int peakDecimalsLinear = 0;
  bool squares = true;  // small squares around the marked points (the screen; not on paper)
  int readoutBelow = 95;  // the caption read-out works below this y (exclusive)
};

ResponsePlotStyle ClosedBoxPlotStyle(FrequencyAxis axis);
// The closed box's printed page: the logarithmic diagram, markers without squares.
ResponsePlotStyle ClosedBoxPrintStyle();
// The bass-reflex box: frequency labels without a unit, "200" at 0.989 of the linear axis, the peak
// marked from 0 dB up, with two decimals on the logarithmic axis.
ResponsePlotStyle ReflexPlotStyle(FrequencyAxis axis);
// The bass-reflex box's printed page: the logarithmic diagram, the peak without decimals, no squares.
ResponsePlotStyle ReflexPrintStyle();
// The closed bandpass: top line at 175, labels on their lines, curve within -30..+12 dB, the
// maximum marked.
ResponsePlotStyle BandpassPlotStyle();
// The open baffle: the logarithmic diagram, with markers to the left of the curve for a -3 dB point
// above 200 Hz and a first peak between 200 and 400 Hz.
ResponsePlotStyle OpenBafflePlotStyle();

// The diagram's pixel arithmetic for one surface.
struct PlotGeometry {
  int width = 0;   // W, the outer width
  int height = 0;  // H, the outer height
  int top = 100;   // T

  int Left() const { return 15; }                       // the left frame line, and 10 Hz
  int Right() const { return width - 15; }              // where the horizontal lines end
  int PlotWidth() const { return width - 30; }          // Q
  int PlotHeight() const { return height - 45 - top; }  // P
  int Bottom() const { return height - 45; }
  bool Usable() const { return PlotWidth() > 0 && PlotHeight() > 0; }

  // The level grid line at a fraction of the plot height: T + Trunc(k P).
  int GridY(double fraction) const;
  int Y(double level) const;                     // T + Trunc(0.25 P) - Trunc(P L / 40)
  int X(double frequency, FrequencyAxis axis) const;
  // The inverses, without truncation (the caption read-out); 0 when the plot has no room.
  double FrequencyAt(int x, FrequencyAxis axis) const;
  double LevelAt(int y) const;
};

// One drawing step, in drawing order.
struct PlotItem {
  enum Kind { Line, Text, Curve, Square } kind = Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends; a text's top-left corner; a square's centre
  std::string text;
  // A marker's text: the index in `items` of the line that leads from the marked point to the text
  // (its second end lies at the text). -1 for the axis labels.
  int leader = -1;
};

struct ResponsePlot {
  std::vector<PlotItem> items;
  // The curve's polyline, from the bottom-left corner (15, H - 45) to the last frequency; drawn
  // where the Curve item stands.
  std::vector<std::pair<int, int>> curve;
  // What the marker search found: the -3 dB frequency (0 = none), the marked peak or maximum.
  double cutoffFrequency = 0;
  double peakLevel = -30;
  double peakFrequency = 0;
};

// The level in dB at a frequency in Hz. A level that is not finite is drawn at the lower clamp.
using LevelFunction = std::function<double(double frequency)>;

// The whole diagram for the outer size W x H, or nothing when W or H leaves no room for a plot.
// The caller tests its model's guards first: this draws whatever the level function returns.
std::optional<ResponsePlot> ComputeResponsePlot(const ResponsePlotStyle& style, int width, int height,
                                                const LevelFunction& level);

// The pointer over a window with this diagram.
struct PointerReading {
  bool inArea = false;   // the read-out works here (crosshair); else the plain caption
  double frequency = 0;  // Hz under the pointer; 0 when the window is too small for a plot
  double level = 0;      // dB at the pointer's height; 0 when the window is too small
};
PointerReading ReadPointer(const ResponsePlotStyle& style, int width, int height, int x, int y);

// The caption of a window with this diagram for the pointer's reading: the window's name with a
// trailing blank (German) outside the area; in it the frequency and either the level at the
// pointer's height (cursor) or the curve's level (left button held), with decimal commas in both
// languages.
std::string ResponsePointerCaption(const char* germanName, const char* englishName, bool english, bool inArea,
                                   bool curveMode, double frequency, double level);

// The printed page's diagram height: the page height in landscape, the upper half in portrait.
int PrintedDiagramHeight(int pageHeight, bool landscape);

}  // namespace velomare
