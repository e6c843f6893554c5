#pragma once
// What the three box-shape calculators (cuboid, trapezoid, pyramid) share: reading a number
// field against its range, the w:d read-out numbers, and the oblique drawing of a box whose side
// section is a rectangle or a right trapezoid. Lengths in millimetres, volumes in litres.
#include <string>
#include <string_view>
#include <vector>

#include "common/Pixel.h"

namespace velomare {

// Speed of sound of the box calculators, mm/s (343 m/s). Their standing-wave "frequencies" are
// c / L over an inner dimension, a whole wavelength across it, not the textbook first mode
// c / 2L: the figures users compare against have always been computed that way.
inline constexpr double kShapeSpeedOfSound = 343000.0;
inline constexpr double kCubicMmPerLitre = 1e6;

// The range an edit's value must lie in; a value outside it counts as 0.
struct FieldRange {
  double min;
  double max;
  bool maxIncluded;
};

// The number field of a box window: the text's value when it is a number text inside the range,
// else 0 (letters, an empty text, "1e999" and 30 digits all end as 0).
double ReadRangedField(std::string_view text, FieldRange range);

// A read-out number "w:d": d decimals, a decimal point in both languages, right-aligned with
// blanks to at least w characters; "?" for a value that is not finite.
std::string ShapeNumber(double value, int width, int decimals);

// A box as the oblique drawing sees it: its outer front width and height and its outer depths at
// the bottom and at the top (equal for a cuboid; a trapezoid's top depth is the smaller).
struct ObliqueBox {
  double width = 0;
  double height = 0;
  double depthBottom = 0;
  double depthTop = 0;
};

struct FigureLine {
  int x1, y1, x2, y2;
  bool operator==(const FigureLine&) const = default;
};
struct FigureText {
  int x, y;  // top left corner of the text
  std::string text;
};

// Everything the drawing paints, in window pixels: the edges of the front in oblique projection
// and of the side view, the two scales, the driver's ellipse and the texts.
struct ObliqueFigure {
  std::vector<FigureLine> lines;
  int ellipseLeft = 0, ellipseTop = 0, ellipseRight = 0, ellipseBottom = 0;
  std::vector<FigureText> texts;  // the driver's diameter, then "Front"/"front", "Seite"/"side"
  double scale = 0;               // pixels per millimetre
};

// The drawing in a window of formWidth x formHeight pixels: base line 50 pixels above the
// bottom, the front at x = 50 with its receding edges at 45 degrees and half length, the side
// view to its right, a height scale at x = 25 and a width scale under the base line, one tick
// every 100 mm. The scale is the larger one at which both the width and the height fit.
// driverDiameterCm is the driver's membrane diameter (cm), drawn centred on the front.
ObliqueFigure DrawObliqueBox(const ObliqueBox& box, int formWidth, int formHeight, double driverDiameterCm,
                             bool english);

}  // namespace velomare
