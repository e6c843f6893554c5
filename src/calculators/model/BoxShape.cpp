#include "calculators/model/BoxShape.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace velomare {

double ReadRangedField(std::string_view text, FieldRange range) {
  const double value = ReadNumber(text);
  if (!std::isfinite(value) || value < range.min) return 0;
  if (range.maxIncluded ? value > range.max : value >= range.max) return 0;
  return value;
}

std::string ShapeNumber(double value, int width, int decimals) { return FormatFixed(value, width, decimals); }

namespace {

// The oblique depth: half the depth drawn at 45 degrees, D * 0.5 * cos 45 = D / 2.828.
int ObliqueDepth(double depth) { return TruncPixel(depth / 2.828); }

// Scale ticks count the whole hundreds of a dimension; a count outside 1 to 100 falls back to 10.
int ScaleCount(double length) {
  const int m = TruncPixel(length / 100);
  return (m < 1 || m > 100) ? 10 : m;
}

}  // namespace

ObliqueFigure DrawObliqueBox(const ObliqueBox& box, int formWidth, int formHeight, double driverDiameterCm,
                             bool english) {
  ObliqueFigure figure;
  auto line = [&figure](int x1, int y1, int x2, int y2) { figure.lines.push_back({x1, y1, x2, y2}); };
  const int yb = formHeight - 50;

  const int d45Bottom = ObliqueDepth(box.depthBottom);
  const double sx = (formWidth - 150) / (box.width + d45Bottom + box.depthBottom);
  const double sy = (formHeight - 210) / (box.height + d45Bottom);
  double s = sx < sy ? sx : sy;
  if (!std::isfinite(s) || s < 0) s = 0;
  figure.scale = s;
  const double kB = s * d45Bottom;
  const double kT = s * ObliqueDepth(box.depthTop);

  // Front with its receding edges; the back edge is vertical for a cuboid, slanted for a trapezoid.
  const int x1 = 50 + TruncPixel(s * box.width);
  const int y1 = yb - TruncPixel(s * box.height);
  line(50, yb, x1, yb);
  line(x1, yb, x1, y1);
  line(x1, y1, 50, y1);
  line(50, y1, 50, yb);
  const int backBottomX = TruncPixel(x1 + kB), backBottomY = TruncPixel(yb - kB);
  const int backTopX = TruncPixel(x1 + kT), backTopY = TruncPixel(y1 - kT);
  line(x1, yb, backBottomX, backBottomY);
  line(x1, y1, backTopX, backTopY);
  line(50, y1, TruncPixel(50 + kT), TruncPixel(y1 - kT));
  line(backBottomX, backBottomY, backTopX, backTopY);
  line(backTopX, backTopY, TruncPixel(50 + kT), TruncPixel(y1 - kT));

  // The driver, centred on the front and standing on the base line.
  const int dmm = TruncPixel(driverDiameterCm * 10);
  const int xo = TruncPixel((box.width - dmm) * s / 2);
  const int yt = yb - TruncPixel(dmm * s);
  figure.ellipseLeft = 50 + xo;
  figure.ellipseTop = yt;
  figure.ellipseRight = x1 - xo;
  figure.ellipseBottom = formHeight - 55;
  figure.texts.push_back({xo + 60, yt + TruncPixel(dmm * s / 2), "d=" + ShapeNumber(driverDiameterCm, 1, 1) + "cm"});

  // Side view.
  const int xs = x1 + 50 + TruncPixel(kB);
  const int hs = TruncPixel(box.height * s);
  const int bottomEnd = xs + TruncPixel(box.depthBottom * s);
  const int topEnd = xs + TruncPixel(box.depthTop * s);
  line(xs, yb, bottomEnd, yb);
  line(xs, yb - hs, topEnd, yb - hs);
  line(xs, yb, xs, yb - hs);
  line(bottomEnd, yb, topEnd, yb - hs);

  // Scales, one tick per 100 mm.
  const int step = std::min(TruncPixel(s * 100), 1000000);
  const int mh = ScaleCount(box.height);
  line(25, yb, 25, yb - step * (mh + 1));
  line(20, yb, 30, yb);
  for (int i = 1; i <= mh + 1; ++i) line(20, yb - step * i, 30, yb - step * i);
  const int mw = ScaleCount(box.width);
  line(50, formHeight - 35, 50 + step * (mw + 1), formHeight - 35);
  for (int i = 0; i <= mw + 1; ++i) line(50 + step * i, formHeight - 20, 50 + step * i, formHeight - 40);

  figure.texts.push_back({x1 + 20, yb, english ? "front" : "Front"});
  figure.texts.push_back({bottomEnd + 5, yb, english ? "side" : "Seite"});
  return figure;
}

}  // namespace velomare
