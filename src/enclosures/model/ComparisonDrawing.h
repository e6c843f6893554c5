#pragma once
// The comparison diagram as plain data: the filled slots with ticked channels drawn over one
// another on a logarithmic frequency axis, relative or in absolute dB (optionally raised by each
// channel's amplifier power), with grids, legend and banner; and the pointer arithmetic of the
// window (cursor read-out, pan and zoom by dragging). The comparison window paints the items.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "enclosures/model/ComparisonStore.h"

namespace velomare {

// The four scroll bars' positions: lowest frequency and frequency span (Hz), top level and level
// span (dB).
struct ComparisonBars {
  int fMin = 20, fSpan = 180, dbMax = 12, dbSpan = 30;
  bool operator==(const ComparisonBars&) const = default;
};
// Each position held within its scroll bar's range.
ComparisonBars ClampedBars(ComparisonBars bars);

struct ComparisonView {
  ComparisonBars bars;
  std::array<bool, kComparisonSlotCount> channels{};  // CheckBox1..4
  bool absolute = false;                              // "abs"
  bool power = false;                                 // "Power"
  std::array<std::string, kComparisonSlotCount> powerTexts{"1", "1", "1", "1"};
  bool legend = true;
  bool english = false;
  int width = 770, height = 550;  // the window's outer size
};

// 0 black (grid, banner), 1..4 the slot colours: black, blue, red, gray.
struct ComparisonItem {
  enum Kind { Line, Text, Rect, Curve } kind = Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's or rectangle's corners; a text's top-left corner
  std::string text;
  int colour = 0;
  std::vector<std::pair<int, int>> points;  // a curve's polyline, one point per whole hertz
};

// What the cursor read-out uses: the scales of the last drawing.
struct ComparisonScales {
  double pixelsPerDb = 0;
  double pixelsPerDecade = 0;
  int fMin = 20;
  int top = 12;
};

struct ComparisonDrawing {
  int listed = 0;                        // curves drawn
  std::optional<std::string> rangeText;  // the new range read-out, when one was drawn
  std::optional<ComparisonScales> scales;  // new scales, when the curves were laid out
  std::vector<ComparisonItem> items;
};

// The gain of an amplifier power text: 10 log10 P for 0.5 < P <= 5000 W, else 0.
double PowerGainDb(const std::string& text);

// The diagram for the slots of the comparison store.
ComparisonDrawing ComputeComparisonDrawing(const ComparisonView& view);

// The caption at the pointer with no button held.
std::string ComparisonCursorCaption(const ComparisonScales& scales, int x, int y, bool english);
std::string ComparisonTitle(bool english);

// The scroll bars after a drag from (downX, downY) with the positions remembered there to
// (x, y): the right button zooms, the left pans, both do both; what no button moves stays current.
ComparisonBars DraggedBars(const ComparisonBars& current, const ComparisonBars& remembered, int downX, int downY, int x, int y, bool left, bool right,
                           double pixelsPerDb);

}  // namespace velomare
