#include "calculators/model/PyramidBox.h"

#include <cmath>
#include <numbers>

namespace velomare {

PyramidBoxInput ReadPyramidBoxInput(std::string_view volumeText, std::string_view thicknessText, double bottomEdge,
                                    int corners, double topEdge, bool frustum) {
  PyramidBoxInput in;
  in.volume = ReadRangedField(volumeText, kPyramidVolumeRange);
  in.thickness = ReadRangedField(thicknessText, kPyramidThicknessRange);
  in.bottomEdge = bottomEdge;
  in.corners = corners;
  in.topEdge = topEdge;
  in.frustum = frustum;
  return in;
}

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// The outer edge of a regular polygon whose sides moved outwards by t: s + 2t * tan(pi / n),
// written through g = cot(pi / n).
double OuterEdge(double s, double g, double t) { return s * (s * g + 2 * t) / (s * g); }
// Area of the regular n-gon of edge s: n s^2 cot(pi / n) / 4.
double PolygonArea(double s, int n, double g) { return s * s * n * g / 4; }

bool AllFinite(const PyramidBoxResult& r) {
  for (double v : {r.outerBottomEdge, r.outerTopEdge, r.innerHeight, r.outerHeight, r.angle, r.outsideVolume, r.leg,
                   r.panelHeight})
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

PyramidBoxResult ComputePyramidBox(const PyramidBoxInput& in) {
  PyramidBoxResult r;
  const int n = in.corners;
  const double s = in.bottomEdge, e = in.topEdge, t = in.thickness;
  // A thickness of exactly 5 passes the edit's range and is still refused here.
  if (!(n > 2 && t > 5 && in.volume > 2 && s > 0 && (!in.frustum || e > 0))) return r;

  const double g = std::tan(std::numbers::pi / 2 - std::numbers::pi / n);
  r.outerBottomEdge = OuterEdge(s, g, t);
  r.outerTopEdge = e > 0 ? OuterEdge(e, g, t) : 0;
  const double areaIn = PolygonArea(s, n, g), areaOut = PolygonArea(r.outerBottomEdge, n, g);
  const double volumeMm3 = in.volume * kCubicMmPerLitre;

  // What a user cuts by follows from the polygon: a face leans over the distance from the centre
  // to the middle of an edge (the apothem, (s / 2) cot(pi / n)) and its slanted edge runs over the
  // distance from the centre to a corner ((s / 2) / sin(pi / n)). The frustum's faces lean over
  // the difference of bottom and top. At four corners these are the square's half edge and half
  // diagonal.
  const double toCorner = 1 / (2 * std::sin(std::numbers::pi / n));
  const double toEdge = g / 2;
  if (!in.frustum) {
    r.innerHeight = 3 * volumeMm3 / areaIn;
    // The apex allowance t / sin(alpha) takes alpha from the square's rule at every corner count:
    // with the polygon's flatter faces it would grow without bound for flat shapes.
    const double allowanceAngle = std::atan(2 * r.innerHeight / s);
    r.outerHeight = r.innerHeight + t + t / std::sin(allowanceAngle);
    r.angle = std::atan(r.innerHeight / (s * toEdge)) * kDegreesPerRadian;
    r.outsideVolume = r.outerHeight / (3 * kCubicMmPerLitre) * areaOut;
    r.panelHeight = std::hypot(r.outerHeight, r.outerBottomEdge * toEdge);
    r.leg = std::hypot(r.outerHeight, r.outerBottomEdge * toCorner);
  } else {
    const double topIn = PolygonArea(e, n, g), topOut = PolygonArea(r.outerTopEdge, n, g);
    r.innerHeight = 3 * volumeMm3 / (std::sqrt(areaIn * topIn) + areaIn + topIn);
    // A top edge not below the bottom edge (set before the frustum limit applied) stands upright.
    r.angle = e < s ? std::atan(r.innerHeight / ((s - e) * toEdge)) * kDegreesPerRadian : 90;
    r.outerHeight = r.innerHeight + 2 * t;
    r.outsideVolume = (std::sqrt(topOut * areaOut) + areaOut + topOut) * r.outerHeight / (3 * kCubicMmPerLitre);
    const double inset = r.outerBottomEdge - r.outerTopEdge;
    r.panelHeight = std::hypot(r.outerHeight, inset * toEdge);
    r.leg = std::hypot(r.outerHeight, inset * toCorner);
  }
  r.valid = AllFinite(r);
  return r.valid ? r : PyramidBoxResult{};
}

PyramidBoxReadouts PyramidBoxTexts(const PyramidBoxInput& in, const PyramidBoxResult& r, bool english) {
  PyramidBoxReadouts out;
  out.corners = (english ? "corners: " : "Ecken: ") + ShapeNumber(in.corners, 2, 0);
  if (!r.valid) {
    out.edges = out.angle = out.outsideVolume = out.leg = out.topEdges = out.panelHeight = "-";
    return out;
  }
  out.topEdges = english ? "uppper inner border length " + ShapeNumber(in.topEdge, 4, 0) + " mm, outside " +
                               ShapeNumber(r.outerTopEdge, 4, 0) + " mm"
                         : "Kantenlänge oben innen " + ShapeNumber(in.topEdge, 4, 0) + " mm, außen " +
                               ShapeNumber(r.outerTopEdge, 4, 0) + " mm";
  const std::string leg = ShapeNumber(r.leg, 4, 0) + " mm";
  if (in.frustum)
    out.leg = (english ? "leg length of quadrangular shelf " : "Schenkellänge der viereckigen Platten ") + leg;
  else
    out.leg = (english ? "leg length of triangular shelf " : "Schenkellänge der dreieckigen Platten ") + leg;
  out.panelHeight = (english ? "height of shelf " : "Plattenhöhe ") + ShapeNumber(r.panelHeight, 4, 0) + " mm";
  const std::string w = ShapeNumber(in.bottomEdge, 4, 0), x = ShapeNumber(r.outerBottomEdge, 4, 0),
                    y = ShapeNumber(r.innerHeight, 4, 0), z = ShapeNumber(r.outerHeight, 4, 0);
  out.edges = english ? "inner shelf length " + w + " mm, ouside shelf length " + x + " mm, inner height " + y +
                            " mm, outside height " + z + " mm"
                      : "innere Kantenlänge " + w + " mm, äußere Kantenlänge: " + x + " mm, innere Höhe " + y +
                            " mm, äußere Höhe " + z + " mm";
  out.angle = (english ? "pyramid tilt angle " : "Pyramiden-Neigungswinkel ") + ShapeNumber(r.angle, 2, 1) + "°";
  out.outsideVolume = (english ? "outside volume " : "Außenvolumen ") + ShapeNumber(r.outsideVolume, 3, 1) + " l";
  return out;
}

int PyramidTopEdgeLimit(int bottomEdge) { return static_cast<int>(0.9 * bottomEdge); }

}  // namespace velomare
