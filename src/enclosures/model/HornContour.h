#pragma once
// The horn's contour diagram as geometry: cross-section area over the length from the throat,
// with decade axis ends, grid, labels and a marker at the chosen distance, laid out for a window
// of outer size W x H; and the read-out of length and area under the mouse. The window paints
// what this plans; nothing here knows about widgets.
//
// All coordinates are client pixels. The plot frame runs from x = 30 to W - 15 and from y = 180
// down to H - 45.
#include <optional>
#include <string>
#include <vector>

#include "enclosures/model/ExpoHorn.h"

namespace velomare {

// One axis: `divisions` grid lines of `step` each below the end `end` = (divisions + 1) step,
// step being a power of ten. The steps are exact, so the grid labels are exact multiples.
struct HornAxis {
  int divisions = 0;
  double step = 1;
  double end = 0;
};
// The axis for a largest value v > 10^-9: v divided by ten while above 10, the whole part of
// what is left gives the divisions (1 to 10).
HornAxis HornAxisFor(double largest);

// Whether the horn values allow a contour at all (throat above 5 cm², mouth above 6 cm², length
// above 5 cm, a positive flare constant).
bool HornContourDrawable(const HornValues& values);

struct PlotPoint {
  int x = 0;
  int y = 0;
};
struct PlotLine {
  PlotPoint from, to;
};
// A text whose top-left corner stands at `at`.
struct PlotText {
  PlotPoint at;
  std::string text;
};

struct HornContourPlot {
  HornAxis area;    // cm²
  HornAxis length;  // cm
  std::vector<PlotText> texts;  // titles, zero labels, axis ends, grid labels
  std::vector<PlotLine> lines;  // frame, then the length grid, then the area grid
  std::vector<PlotPoint> contour;  // the throat, then one point per whole centimetre
  // From the marker to the upper left, or to the upper right while the marker stands close to
  // the area axis (x < 70), where a leader to the left would cross the axis labels.
  PlotLine leader;
  PlotPoint marker;  // centre of a 5 x 5 pixel square
};

// The plan for the horn values, the scroll-bar position (cm) and the window's outer size;
// nothing when the horn is not drawable or the window leaves no room for the plot.
std::optional<HornContourPlot> PlanHornContour(const HornValues& values, int cursor, int outerWidth,
                                               int outerHeight, bool english);

// The window caption while the mouse is at client (x, y): the length and area under it with
// decimal commas in both languages. Inactive (nothing) before the first drawing (axis ends 0),
// for a horn that cannot be drawn, outside the plot's left, top and bottom bounds and when the
// window leaves no room for the plot.
std::optional<std::string> HornReadoutCaption(const HornValues& values, double areaAxisEnd, double lengthAxisEnd,
                                              int x, int y, int outerWidth, int outerHeight, bool english);

// The plain caption, when the read-out is inactive.
std::string HornCaption(bool english);

}  // namespace velomare
