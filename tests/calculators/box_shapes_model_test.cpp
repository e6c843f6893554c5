// The box shapes against the textbook volumes of a cuboid, a right-trapezoid prism, a regular
// pyramid and frustum; the inputs that would divide by zero; the oblique drawing's geometry.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "calculators/model/BoxShape.h"
#include "calculators/model/PyramidBox.h"
#include "calculators/model/RectBox.h"
#include "calculators/model/TrapezBox.h"

namespace velomare::test {
namespace {

using Texts = std::vector<std::string>;
constexpr double kPi = std::numbers::pi;

// No number of the texts failed to format: no "?", "nan" or "inf".
void ExpectClean(const Texts& texts) {
  for (const std::string& s : texts) EXPECT_TRUE(s.find('?') == std::string::npos && !ShowsNonFinite(s)) << s;
}

// Every read-out of the pyramid formatted (no "?", nan or inf), and a valid box larger outside than inside.
void ExpectPyramidClean(const PyramidBoxInput& in) {
  const PyramidBoxResult r = ComputePyramidBox(in);
  const PyramidBoxReadouts o = PyramidBoxTexts(in, r, true);
  ExpectClean({o.corners, o.edges, o.angle, o.outsideVolume, o.leg, o.topEdges, o.panelHeight});
  if (r.valid) {
    EXPECT_GT(r.outsideVolume, in.volume);
  }
}

TEST(RectBoxModel, WorkedExamples) {
  // Inner 358 x 458 (21 mm panels); c / 2L with c = 343 m/s gives 958 Hz and 749 Hz. The depth
  // brings the net volume back from the inner cuboid, the rods' volume added: 4 x 35 x 50 along
  // the height (388 mm) and the width (258 mm) is 4.522 l, the four along the depth take 7000 mm^2.
  const struct {
    const char* name;
    RectBoxInput in;
    Texts texts;  // depth, outside volume, frequencies
  } rows[] = {
      {"defaults", {}, {"Tiefe  408 mm", "Außenvolumen 81.6 l", "Resonanzfrequenz(en) (Hz) :  958    749    937"}},
      {"rods", {.useRods = true}, {"Tiefe  453 mm", "Außenvolumen 90.6 l", "Resonanzfrequenz(en) (Hz) :  958    749    834"}},
      // A 300 mm inner cube: one frequency, shown once.
      {"cube", {27, 10, 0, 0, 320, 320, false}, {"Tiefe  320 mm", "Außenvolumen 32.8 l", "Resonanzfrequenz(en) (Hz) : 1143      "}},
      // Height and depth are compared only with the width: equal, both stay.
      {"depth = height", {358 * 458 * 458 / 1e6, 21, 0, 0, 400, 500, false},
       {"Tiefe  500 mm", "Außenvolumen 100.0 l", "Resonanzfrequenz(en) (Hz) :  958    749    749"}},
      {"square front", {60, 21, 0, 0, 400, 400, false}, {"Tiefe  510 mm", "Außenvolumen 81.6 l", "Resonanzfrequenz(en) (Hz) :  958       733"}},
  };
  for (const auto& row : rows) {
    const RectBoxResult r = ComputeRectBox(row.in);
    ASSERT_TRUE(r.valid) << row.name;
    const double section = (row.in.width - 2 * row.in.thickness) * (row.in.height - 2 * row.in.thickness);
    const double rods = row.in.useRods ? 4.522 : 0;
    EXPECT_NEAR((section - (row.in.useRods ? 7000 : 0)) * (r.depth - 2 * row.in.thickness) / 1e6, row.in.volume + rods,
                1e-9) << row.name;
    const RectBoxReadouts t = RectBoxTexts(row.in, r, false);
    EXPECT_EQ((Texts{t.depth, t.outsideVolume, t.frequencies}), row.texts) << row.name;
  }
  const RectBoxReadouts t = RectBoxTexts({}, ComputeRectBox({}), false);
  EXPECT_EQ((Texts{t.width, t.height, t.loss}), (Texts{"Breite  400 mm", "Höhe  500 mm", "Verlust durch Eckleisten 7.4 l"}));
  EXPECT_EQ(RectBoxTexts({}, ComputeRectBox({}), true).frequencies, "resonance frequencies (Hz) :  958    749    937");
}

TEST(RectBoxModel, RangesAndRodsTooSmallToCount) {
  const auto read = [](const char* v, const char* t, const char* a, const char* b) {
    return ReadRectBoxInput(v, t, a, b, 400, 500, false);
  };
  const struct { const char* name; double got, expected; } rows[] = {
      {"volume 2000", read("2000", "21", "35", "50").volume, 0},
      {"volume 5", read("5", "21", "35", "50").volume, 5},
      {"volume 1999,5", read("1999,5", "21", "35", "50").volume, 1999.5},
      {"thickness 100", read("60", "100", "35", "50").thickness, 100},
      {"thickness 100.5", read("60", "100.5", "35", "50").thickness, 0},
      {"thickness 4,9", read("60", "4,9", "35", "50").thickness, 0},
      {"rod 99.9", read("60", "21", "99.9", "10").rodA, 99.9},
      {"rod 9.99", read("60", "21", "99.9", "9.99").rodB, 0}};
  for (const auto& row : rows) EXPECT_EQ(row.got, row.expected) << row.name;
  for (const char* rod : {"5", "abc", "", "100"}) {
    RectBoxInput in = ReadRectBoxInput("60", "21", rod, "50", 400, 500, true);
    EXPECT_EQ(in.rodA, 0) << rod;
    EXPECT_EQ(RectBoxTexts(in, ComputeRectBox(in), false).loss, "Verlust durch Eckleisten 0.0 l") << rod;
    EXPECT_EQ(ComputeRectBox(in).depth, ComputeRectBox(RectBoxInput{60, 21, 0, 0, 400, 500, false}).depth) << rod;
  }
}

TEST(RectBoxModel, InvalidInputsShowThePlaceholdersAndNoDrawing) {
  const struct { const char* why; RectBoxInput in; } rows[] = {
      {"thickness 8 passes its range, fails the check", ReadRectBoxInput("60", "8", "35", "50", 400, 500, false)},
      {"volume not a number", ReadRectBoxInput("abc", "21", "35", "50", 400, 500, false)},
      {"panels fill the width", ReadRectBoxInput("60", "100", "0", "0", 200, 500, false)},
      {"panels overlap in the height", ReadRectBoxInput("60", "80", "0", "0", 1200, 150, false)},
      // Four 40 x 40 rods take the whole 80 x 80 inner section, with or without the check box.
      {"rods fill the section", ReadRectBoxInput("60", "10", "40", "40", 100, 100, false)},
      {"rods fill the section, used", ReadRectBoxInput("60", "10", "40", "40", 100, 100, true)}};
  for (const auto& row : rows) {
    const RectBoxResult r = ComputeRectBox(row.in);
    const RectBoxReadouts t = RectBoxTexts(row.in, r, false);
    EXPECT_EQ((Texts{t.outsideVolume, t.depth, t.loss, t.frequencies}), (Texts{"-", "?", "-", "-"})) << row.why;
    // The width and the height follow their bars all the same.
    EXPECT_EQ(t.width, "Breite " + std::string(row.in.width < 1000 ? " " : "") + std::to_string(int(row.in.width)) + " mm");
    EXPECT_FALSE(r.valid || RectBoxDrawing(row.in, r).has_value()) << row.why;
  }
}

TEST(TrapezBoxModel, WorkedExamples) {
  TrapezBoxInput in;
  TrapezBoxResult r = ComputeTrapezBox(in);
  ASSERT_TRUE(r.valid);
  // Inner section: trapezoid of height 358 and mean depth (258 + 358) / 2.
  EXPECT_NEAR(358.0 * (258.0 + 358.0) / 2 * (r.width - 42) / 1e6, 60, 1e-9);
  TrapezBoxReadouts t = TrapezBoxTexts(in, r, false);
  EXPECT_EQ((Texts{t.depthTop, t.depthBottom, t.height, t.slantedPanel, t.width, t.loss, t.angle, t.outsideVolume,
                   t.frequencies}),
            (Texts{"Tiefe (oben)  300 mm", "Tiefe (unten)  400 mm", "Höhe  400 mm", "Höhe der Seitenplatte  412 mm",
                   "Breite  586 mm", "Verlust durch Eckleisten 7.8 l", "Neigungswinkel 76.0 °", "Außenvolumen 82.1 l",
                   "Gehäuse-Resonanzfrequenzen (Hz)  630    958"}));
  in.useRods = true;
  t = TrapezBoxTexts(in, ComputeTrapezBox(in), true);
  EXPECT_EQ((Texts{t.width, t.outsideVolume, t.frequencies}),
            (Texts{"width  657 mm", "outside volume 92.0 l", "resonance frequencies (Hz)  558    958"}));
  // Rods of exactly 10 mm pass the range test and still count for nothing.
  in = ReadTrapezBoxInput("60", "21", "10", "10", 300, 400, 400, true);
  EXPECT_EQ(in.rod1, 10);
  t = TrapezBoxTexts(in, ComputeTrapezBox(in), false);
  EXPECT_EQ((Texts{t.loss, t.width}), (Texts{"Verlust durch Eckleisten 0.0 l", "Breite  586 mm"}));
  // (a + b) / 2 * h: depths 200 and 400, height 300, 10 mm panels -> (180 + 380) / 2 * 280 mm^2.
  in = TrapezBoxInput{78.4, 10, 0, 0, 200, 400, 300, false};
  r = ComputeTrapezBox(in);
  EXPECT_NEAR(r.width, 1020, 1e-9);
  EXPECT_NEAR(r.angle, std::atan(300.0 / 200.0) * 180 / kPi, 1e-12);
  EXPECT_NEAR(r.slantedPanel, std::hypot(300.0, 200.0), 1e-12);
  EXPECT_EQ(TrapezBoxTexts(in, r, true).outsideVolume, "outside volume 91.8 l");
  in.height = 100;  // the lowest box that is still drawn
  EXPECT_TRUE(TrapezBoxDrawing(in, ComputeTrapezBox(in)));
  // The narrowest box that is still drawn: 10 mm panels, inner section 250 x (420 + 620 - 40) / 2 =
  // 125000 mm^2, so 10 l give 20 + 80 = 100 mm; 9.99 l give 99.92 mm.
  in = TrapezBoxInput{10, 10, 0, 0, 420, 620, 270, false};
  r = ComputeTrapezBox(in);
  ASSERT_EQ(r.width, 100);
  EXPECT_TRUE(TrapezBoxDrawing(in, r));
  EXPECT_EQ(TrapezBoxTexts(in, r, true).width, "width  100 mm");
  in.volume = 9.99;
  EXPECT_FALSE(TrapezBoxDrawing(in, ComputeTrapezBox(in)));
}

TEST(TrapezBoxModel, InvalidInputsShowPlaceholdersWhileDepthsAndHeightFollow) {
  const struct { const char* why; TrapezBoxInput in; } rows[] = {
      {"equal depths", ReadTrapezBoxInput("60", "21", "35", "50", 500, 500, 400, false)},
      {"thickness 60 is out of range", ReadTrapezBoxInput("60", "60", "35", "50", 300, 400, 400, false)},
      {"panels take the whole height", ReadTrapezBoxInput("60", "50", "0", "0", 300, 400, 100, false)},
      {"rods fill the inner section", ReadTrapezBoxInput("60", "21", "70", "70", 100, 110, 100, false)},
      {"no volume", ReadTrapezBoxInput("", "21", "35", "50", 300, 400, 400, false)}};
  for (const auto& row : rows) {
    const TrapezBoxResult r = ComputeTrapezBox(row.in);
    const TrapezBoxReadouts t = TrapezBoxTexts(row.in, r, false);
    EXPECT_EQ((Texts{t.width, t.outsideVolume, t.frequencies, t.loss, t.angle}), (Texts{"-", "-", "-", "-", "° ?"}))
        << row.why;
    EXPECT_FALSE(r.valid || TrapezBoxDrawing(row.in, r).has_value() || t.height == "-") << row.why;
  }
  // The slanted panel is sqrt(h^2 + (dBot - dTop)^2) whatever the rest.
  EXPECT_NEAR(ComputeTrapezBox(ReadTrapezBoxInput("", "", "", "", 300, 1200, 1000, false)).slantedPanel,
              std::hypot(1000.0, 900.0), 1e-9);
  // A box too narrow to show its width shows dashes but its angle.
  const TrapezBoxInput narrow = ReadTrapezBoxInput("5", "5", "", "", 999, 1200, 1000, false);
  const TrapezBoxResult r = ComputeTrapezBox(narrow);
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.fWidth, 0);
  const TrapezBoxReadouts t = TrapezBoxTexts(narrow, r, true);
  EXPECT_EQ((Texts{t.width, t.frequencies, t.angle}), (Texts{"-", "-", "tilt angle 78.6 °"}));
  EXPECT_FALSE(TrapezBoxDrawing(narrow, r).has_value());
}

double PolygonArea(double s, int n) { return n * s * s / (4 * std::tan(kPi / n)); }

TEST(PyramidBoxModel, WorkedExamples) {
  PyramidBoxInput in;
  PyramidBoxResult r = ComputePyramidBox(in);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(PolygonArea(300, 4) * r.innerHeight / 3 / 1e6, 30, 1e-9);  // V = A h / 3
  PyramidBoxReadouts t = PyramidBoxTexts(in, r, false);
  EXPECT_EQ((Texts{t.corners, t.edges, t.angle, t.outsideVolume, t.leg, t.panelHeight}),
            (Texts{"Ecken:  4",
                   "innere Kantenlänge  300 mm, äußere Kantenlänge:  342 mm, innere Höhe 1000 mm, äußere Höhe 1042 mm",
                   "Pyramiden-Neigungswinkel 81.5°", "Außenvolumen 40.6 l",
                   "Schenkellänge der dreieckigen Platten 1070 mm", "Plattenhöhe 1056 mm"}));
  EXPECT_EQ(PyramidBoxTexts(in, r, true).topEdges, "uppper inner border length  100 mm, outside  142 mm");

  in.frustum = true;
  r = ComputePyramidBox(in);
  ASSERT_TRUE(r.valid);
  const double a1 = PolygonArea(300, 4), a2 = PolygonArea(100, 4);
  EXPECT_NEAR(r.innerHeight / 3 * (a1 + a2 + std::sqrt(a1 * a2)) / 1e6, 30, 1e-9);
  // The slanted edge of a frustum panel runs from an outer bottom corner to the corner above it:
  // the height and the inset of the corner, 100 mm on both axes of the square.
  EXPECT_NEAR(r.leg, std::sqrt(r.outerHeight * r.outerHeight + 100.0 * 100.0 + 100.0 * 100.0), 1e-9);
  t = PyramidBoxTexts(in, r, false);
  EXPECT_EQ((Texts{t.topEdges, t.edges, t.angle, t.outsideVolume, t.panelHeight}),
            (Texts{"Kantenlänge oben innen  100 mm, außen  142 mm",
                   "innere Kantenlänge  300 mm, äußere Kantenlänge:  342 mm, innere Höhe  692 mm, äußere Höhe  734 mm",
                   "Pyramiden-Neigungswinkel 81.8°", "Außenvolumen 45.5 l", "Plattenhöhe  741 mm"}));
  EXPECT_EQ(t.leg, "Schenkellänge der viereckigen Platten  748 mm");
}

// A regular polygon of n corners and edge s, centred on the axis at height z, as 3-D points.
struct Point3 {
  double x, y, z;
};
Point3 Minus(Point3 a, Point3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Length(Point3 a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
Point3 Cross(Point3 a, Point3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Point3 Corner(int n, double s, double z, int k) {
  // The circumradius from the chord: s = 2 R sin(pi / n).
  const double radius = s / (2 * std::sin(kPi / n)), angle = 2 * kPi * k / n;
  return {radius * std::cos(angle), radius * std::sin(angle), z};
}
Point3 Middle(Point3 a, Point3 b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2}; }

// The tilt of the face over the edge from corner 0 to corner 1 of a box whose bottom edge is s and
// top edge e (0 for an apex), h high: the angle between the face's normal and the axis, degrees.
double FaceTilt(int n, double s, double e, double h) {
  const Point3 b0 = Corner(n, s, 0, 0), b1 = Corner(n, s, 0, 1);
  const Point3 top = e > 0 ? Corner(n, e, h, 0) : Point3{0, 0, h};
  const Point3 normal = Cross(Minus(b1, b0), Minus(top, b0));
  return std::acos(std::abs(normal.z) / Length(normal)) * 180 / kPi;
}

TEST(PyramidBoxModel, CuttingSizesFitTheSolidForEveryCornerCount) {
  // Worked by hand: six corners at the defaults lean at atan(385 / (150 cot 30deg)) = 56.0 deg;
  // the outer height keeps its apex allowance (428 mm).
  const struct {
    const char* name;
    PyramidBoxInput in;
    Texts texts;  // angle, leg, panel height, edges
  } rows[] = {
      {"six corners", {.corners = 6},
       {"pyramid tilt angle 56.0°", "leg length of triangular shelf  537 mm", "height of shelf  512 mm",
        "inner shelf length  300 mm, ouside shelf length  324 mm, inner height  385 mm, outside height  428 mm"}},
      {"sixteen corners", {.corners = 16}, {"pyramid tilt angle 3.8°", "leg length of triangular shelf  802 mm",
                                            "height of shelf  787 mm"}},
      {"five corners", {50, 19, 400, 5, 100, false},
       {"pyramid tilt angle 63.2°", "leg length of triangular shelf  688 mm", "height of shelf  654 mm"}},
      {"frustum, top 200", {.topEdge = 200, .frustum = true},
       {"pyramid tilt angle 84.0°", "leg length of quadrangular shelf  521 mm", "height of shelf  518 mm"}},
      {"six-cornered frustum", {50, 19, 400, 6, 150, true},
       {"pyramid tilt angle 47.7°", "leg length of quadrangular shelf  372 mm", "height of shelf  351 mm"}},
  };
  for (const auto& row : rows) {
    const PyramidBoxReadouts t = PyramidBoxTexts(row.in, ComputePyramidBox(row.in), true);
    Texts shown{t.angle, t.leg, t.panelHeight, t.edges};
    shown.resize(row.texts.size());
    EXPECT_EQ(shown, row.texts) << row.name;
  }

  // Over many shapes: the tilt is the face's own against the inner solid, the leg the distance
  // between the outer corners it joins, the panel height the distance between the middles of the
  // outer edges, and a panel cut by its edges, its height and its leg closes.
  std::mt19937 random(44);
  std::uniform_int_distribution<int> corners(3, 16), bottom(100, 1000), thickness(6, 100);
  std::uniform_real_distribution<double> volume(2.5, 1000);
  for (int i = 0; i < 400; ++i) {
    PyramidBoxInput in{volume(random), double(thickness(random)), double(bottom(random)), corners(random), 0,
                       i % 2 == 1};
    in.topEdge = std::uniform_int_distribution<int>(50, std::max(50, PyramidTopEdgeLimit(int(in.bottomEdge))))(random);
    const PyramidBoxResult r = ComputePyramidBox(in);
    ASSERT_TRUE(r.valid) << i;
    const int n = in.corners;
    const double s = in.bottomEdge, e = in.frustum ? in.topEdge : 0;
    const double eOut = in.frustum ? r.outerTopEdge : 0;
    if (e < s) EXPECT_NEAR(r.angle, FaceTilt(n, s, e, r.innerHeight), 1e-9) << i;
    const Point3 b0 = Corner(n, r.outerBottomEdge, 0, 0), b1 = Corner(n, r.outerBottomEdge, 0, 1);
    const Point3 t0 = in.frustum ? Corner(n, eOut, r.outerHeight, 0) : Point3{0, 0, r.outerHeight};
    const Point3 t1 = in.frustum ? Corner(n, eOut, r.outerHeight, 1) : t0;
    EXPECT_NEAR(r.leg, Length(Minus(t0, b0)), 1e-9 * r.leg) << i;
    EXPECT_NEAR(r.panelHeight, Length(Minus(Middle(t0, t1), Middle(b0, b1))), 1e-9 * r.leg) << i;
    const double overhang = (r.outerBottomEdge - eOut) / 2;
    EXPECT_NEAR(r.leg * r.leg, r.panelHeight * r.panelHeight + overhang * overhang, 1e-9 * r.leg * r.leg) << i;
    // The outer height and volume keep the square's apex allowance at every corner count.
    const double hOut = in.frustum ? r.innerHeight + 2 * in.thickness
                                   : r.innerHeight + in.thickness +
                                         in.thickness / std::sin(std::atan(2 * r.innerHeight / s));
    EXPECT_NEAR(r.outerHeight, hOut, 1e-9 * hOut) << i;
  }
}

TEST(PyramidBoxModel, OtherCornerCountsUseTheRegularPolygon) {
  PyramidBoxResult r = ComputePyramidBox({.corners = 6});
  EXPECT_NEAR(r.outerBottomEdge, 300 + 2 * 21 * std::tan(kPi / 6), 1e-9);
  EXPECT_NEAR(r.innerHeight, 3 * 30e6 / PolygonArea(300, 6), 1e-9);
  r = ComputePyramidBox(PyramidBoxInput{30, 21, 300, 3, 100, false});
  EXPECT_EQ(std::lround(r.outerBottomEdge), 373);
  EXPECT_NEAR(r.innerHeight, 3 * 30e6 / PolygonArea(300, 3), 1e-9);
  // The apex allowance stays t / sin(alpha) with alpha from 2 h / s, whatever the corner count.
  const double alpha = std::atan(2 * r.innerHeight / 300);
  EXPECT_NEAR(r.outerHeight, r.innerHeight + 21 + 21 / std::sin(alpha), 1e-9);
  // A top edge at or above the bottom edge stands upright.
  EXPECT_EQ(ComputePyramidBox(PyramidBoxInput{30, 21, 100, 4, 200, true}).angle, 90);
  EXPECT_EQ(PyramidTopEdgeLimit(200), 180);
  EXPECT_EQ(PyramidTopEdgeLimit(105), 94);
}

TEST(PyramidBoxModel, InvalidInputsShowDashesButTheCorners) {
  for (const char* thickness : {"5", "4", "101", "x"}) {
    const PyramidBoxInput in = ReadPyramidBoxInput("30", thickness, 300, 5, 100, false);
    const PyramidBoxResult r = ComputePyramidBox(in);
    EXPECT_FALSE(r.valid) << thickness;
    const PyramidBoxReadouts t = PyramidBoxTexts(in, r, false);
    EXPECT_EQ((Texts{t.corners, t.edges, t.angle, t.outsideVolume, t.leg, t.topEdges, t.panelHeight}),
              (Texts{"Ecken:  5", "-", "-", "-", "-", "-", "-"})) << thickness;
  }
  EXPECT_EQ(ReadPyramidBoxInput("1000", "21", 300, 4, 100, false).volume, 1000);
  EXPECT_EQ(ReadPyramidBoxInput("1000.1", "21", 300, 4, 100, false).volume, 0);
  EXPECT_FALSE(ComputePyramidBox(ReadPyramidBoxInput("2", "21", 300, 4, 100, false)).valid);
}

TEST(BoxShapeModels, EveryInputCombinationGivesFiniteTextsAndADrawingInsideTheWindow) {
  const char* texts[] = {"", "-", "0", "-5", "abc", "1e999", "123456789012345678901234567890", "1", "3", "5,5", "10",
                         "21", "50", "60", "70", "99", "100", "1000", "1999"};
  for (const char* v : texts)
    for (const char* t : texts)
      for (int a : {100, 1000, 1200})
        for (int b : {100, 1000, 2000})
          for (bool option : {false, true}) {
            const RectBoxInput rect = ReadRectBoxInput(v, t, t, v, a, b, option);
            const RectBoxResult r = ComputeRectBox(rect);
            const RectBoxReadouts o = RectBoxTexts(rect, r, true);
            ExpectClean({o.width, o.height, o.loss, o.outsideVolume, o.frequencies});
            if (auto box = RectBoxDrawing(rect, r)) {
              EXPECT_GT(r.depth, 2 * rect.thickness);
              for (const FigureLine& l : DrawObliqueBox(*box, 577, 418, 25.3, false).lines) {
                EXPECT_GE(std::min({l.x1, l.x2, l.y1, l.y2}), 0);
                EXPECT_LE(std::max(l.x1, l.x2), 577);
                EXPECT_LE(std::max(l.y1, l.y2), 418);
              }
            }
            const TrapezBoxInput trapez = ReadTrapezBoxInput(v, t, t, t, a, b, option ? b : a, true);
            const TrapezBoxReadouts p = TrapezBoxTexts(trapez, ComputeTrapezBox(trapez), false);
            ExpectClean({p.depthTop, p.depthBottom, p.height, p.slantedPanel, p.loss, p.width, p.outsideVolume,
                         p.frequencies});
            const int corners = a == 100 ? 3 : a == 1000 ? 4 : 16, top = b == 100 ? 50 : b == 1000 ? 200 : a * 9 / 10;
            ExpectPyramidClean(ReadPyramidBoxInput(v, t, a, corners, top, option));
          }
}

TEST(ObliqueDrawing, FrontSideAndDriverOfTheDefaultCuboid) {
  const ObliqueFigure f = DrawObliqueBox({400, 500, 408, 408}, 577, 418, 25.3, false);
  // d45 = 144; sx = 427 / 952, sy = 208 / 644: the height decides.
  EXPECT_NEAR(f.scale, 208.0 / 644.0, 1e-12);
  const int x1 = 50 + int(f.scale * 400), y1 = 368 - int(f.scale * 500);
  EXPECT_EQ(f.lines[0], (FigureLine{50, 368, x1, 368}));
  EXPECT_EQ(f.lines[1], (FigureLine{x1, 368, x1, y1}));
  const FigureLine back = f.lines[7];
  EXPECT_EQ(back.x1, back.x2);  // the back edge of a cuboid is upright
  // The driver: 253 mm wide and high, centred on the front, standing near the base line.
  EXPECT_NEAR((f.ellipseLeft + f.ellipseRight) / 2.0, (50 + x1) / 2.0, 1.0);
  EXPECT_NEAR(f.ellipseRight - f.ellipseLeft, 253 * f.scale, 2.0);
  EXPECT_EQ((std::pair{f.ellipseTop, f.ellipseBottom}), (std::pair{368 - int(253 * f.scale), 418 - 55}));
  ASSERT_EQ(f.texts.size(), 3u);
  EXPECT_EQ((Texts{f.texts[0].text, f.texts[1].text, f.texts[2].text}), (Texts{"d=25.3cm", "Front", "Seite"}));
  EXPECT_EQ(DrawObliqueBox({400, 500, 408, 408}, 577, 418, 25.3, true).texts[2].text, "side");
  // The side view is as wide as the depth and stands to the right of the front's receding edge.
  const FigureLine sideBottom = f.lines[9];
  EXPECT_EQ(sideBottom.y1, 368);
  EXPECT_EQ(sideBottom.x2 - sideBottom.x1, int(408 * f.scale));
  EXPECT_GT(sideBottom.x1, back.x1);
}

TEST(ObliqueDrawing, ScaleRuleFitsWideAndTallBoxes) {
  // A wide flat box is limited by the width, a tall narrow one by the height; either way the
  // box's own edges (the first thirteen lines) keep out of the controls above y = 160.
  const ObliqueFigure wide = DrawObliqueBox({1200, 200, 300, 300}, 577, 418, 25.3, false);
  EXPECT_NEAR(wide.scale, 427.0 / (1200 + int(300 / 2.828) + 300), 1e-12);
  const ObliqueFigure tall = DrawObliqueBox({200, 2000, 300, 300}, 577, 418, 25.3, false);
  EXPECT_NEAR(tall.scale, 208.0 / (2000 + int(300 / 2.828)), 1e-12);
  for (const ObliqueFigure* f : {&wide, &tall})
    for (std::size_t i = 0; i < 13; ++i) {
      EXPECT_GE(std::min(f->lines[i].y1, f->lines[i].y2), 159);
      EXPECT_LE(std::max(f->lines[i].x1, f->lines[i].x2), 577);
    }
}

TEST(ObliqueDrawing, TrapezoidHasAShorterTopAndASlantedBack) {
  const ObliqueFigure f = DrawObliqueBox({586, 400, 400, 300}, 633, 423, 25.3, false);
  EXPECT_EQ(f.scale, DrawObliqueBox({586, 400, 400, 400}, 633, 423, 25.3, false).scale);  // the bottom depth decides
  EXPECT_LT(f.lines[7].x2, f.lines[7].x1);  // the back leans forward toward the top
  const FigureLine sideBottom = f.lines[9], sideTop = f.lines[10];
  EXPECT_EQ(sideBottom.x2 - sideBottom.x1, int(400 * f.scale));
  EXPECT_EQ(sideTop.x2 - sideTop.x1, int(300 * f.scale));
  // Scales: width 586 mm gives ticks at 0..600 mm, height 400 mm ticks at 0..500 mm.
  const int step = int(f.scale * 100);
  int widthTicks = 0, heightTicks = 0;
  for (const FigureLine& l : f.lines) {
    if (l.x1 == 20 && l.x2 == 30) ++heightTicks;
    if (l.y1 == 423 - 20 && l.y2 == 423 - 40) {
      ++widthTicks;
      EXPECT_EQ((l.x1 - 50) % step, 0);
    }
  }
  EXPECT_EQ(widthTicks, 7);
  EXPECT_EQ(heightTicks, 6);
}

TEST(RectBoxModel, EnglishReadoutsRodLossAndTheCube) {
  const RectBoxResult r = ComputeRectBox({});
  const RectBoxReadouts e = RectBoxTexts({}, r, true);
  EXPECT_EQ((Texts{e.depth, e.loss, e.outsideVolume}),
            (Texts{"depth  408 mm", "volume loss with rods 7.4 l", "outside volume 81.6 l"}));
  const RectBoxInput rods{.useRods = true};
  const RectBoxResult withRods = ComputeRectBox(rods);
  EXPECT_NEAR(withRods.rodVolume, 4.522, 1e-9);
  EXPECT_EQ(RectBoxTexts(rods, withRods, false).loss, "Verlust durch Eckleisten 7.4 l");  // the loss ignores the check box

  const RectBoxInput cube{27, 10, 0, 0, 320, 320, false};
  const RectBoxResult c = ComputeRectBox(cube);
  EXPECT_NEAR(c.outsideVolume, 0.32 * 0.32 * 0.32 * 1000, 1e-9);
  EXPECT_NEAR(c.fWidth, 343000.0 / 300, 1e-9);
  const RectBoxReadouts t = RectBoxTexts(cube, c, true);
  EXPECT_EQ(t.outsideVolume, "outside volume 32.8 l");
  EXPECT_EQ(t.frequencies, "resonance frequencies (Hz) : 1143      ");
}

TEST(RectBoxModel, EveryInputCombinationGivesFiniteTexts) {
  const char* texts[] = {"", "-", "0", "-5", "abc", "1e999", "123456789012345678901234567890", "5", "10", "99",
                         "100", "1999", "60", "21"};
  for (const char* v : texts)
    for (const char* t : texts)
      for (const char* a : {"", "10", "99", "60"})
        for (int w : {100, 1200})
          for (int h : {100, 2000})
            for (bool rods : {false, true}) {
              const RectBoxInput in = ReadRectBoxInput(v, t, a, a, w, h, rods);
              const RectBoxResult r = ComputeRectBox(in);
              const RectBoxReadouts o = RectBoxTexts(in, r, true);
              ExpectClean({o.width, o.height, o.loss, o.outsideVolume, o.frequencies});
              if (r.valid) {
                EXPECT_GT(r.depth, 2 * in.thickness);
              }
              if (auto box = RectBoxDrawing(in, r)) {
                const ObliqueFigure f = DrawObliqueBox(*box, 577, 418, 25.3, false);
                for (const FigureLine& l : f.lines) {
                  EXPECT_GE(std::min({l.x1, l.x2, l.y1, l.y2}), 0);
                  EXPECT_LE(std::max(l.x1, l.x2), 577);
                  EXPECT_LE(std::max(l.y1, l.y2), 418);
                }
              }
            }
}

TEST(TrapezBoxModel, EnglishReadoutsOfTheDefaultsAndTheTextbookSection) {
  TrapezBoxInput in;
  const TrapezBoxReadouts e = TrapezBoxTexts(in, ComputeTrapezBox(in), true);
  EXPECT_EQ((Texts{e.depthTop, e.depthBottom, e.slantedPanel, e.loss, e.angle, e.frequencies}),
            (Texts{"upper depth  300 mm", "depth (below)  400 mm", "height of side shelf  412 mm",
                   "volume loss with shelfs  7.8 l", "tilt angle 76.0 °", "resonance frequencies (Hz)  630    958"}));
  in = TrapezBoxInput{78.4, 10, 0, 0, 200, 400, 300, false};
  const TrapezBoxResult r = ComputeTrapezBox(in);
  ASSERT_TRUE(r.valid);
  const TrapezBoxReadouts t = TrapezBoxTexts(in, r, true);
  EXPECT_EQ((Texts{t.width, t.angle, t.slantedPanel}),
            (Texts{"width 1020 mm", "tilt angle 56.3 °", "height of side shelf  361 mm"}));
}

TEST(TrapezBoxModel, InvalidInputsStillShowTheHeightAndTheSlantedPanel) {
  for (const TrapezBoxInput& in : {ReadTrapezBoxInput("60", "21", "35", "50", 500, 500, 400, false),
                                   ReadTrapezBoxInput("60", "60", "35", "50", 300, 400, 400, false),
                                   ReadTrapezBoxInput("60", "50", "0", "0", 300, 400, 100, false),
                                   ReadTrapezBoxInput("60", "21", "70", "70", 100, 110, 100, false),
                                   ReadTrapezBoxInput("", "21", "35", "50", 300, 400, 400, false)}) {
    const TrapezBoxResult r = ComputeTrapezBox(in);
    const TrapezBoxReadouts t = TrapezBoxTexts(in, r, false);
    EXPECT_EQ(t.height, "Höhe " + std::string(in.height < 1000 ? " " : "") + std::to_string(int(in.height)) + " mm");
    EXPECT_EQ(t.slantedPanel, "Höhe der Seitenplatte " + std::string(r.slantedPanel < 999.5 ? " " : "") +
                                  std::to_string(int(std::lround(r.slantedPanel))) + " mm");
  }
  EXPECT_LT(ComputeTrapezBox(ReadTrapezBoxInput("5", "5", "", "", 999, 1200, 1000, false)).width, 100);
}

TEST(TrapezBoxModel, EveryInputCombinationGivesFiniteTexts) {
  const char* texts[] = {"", "-", "0", "-5", "abc", "1e999", "123456789012345678901234567890", "5", "50", "60",
                         "1999"};
  for (const char* v : texts)
    for (const char* t : texts)
      for (const char* rod : {"", "11", "70"})
        for (int top : {100, 1000})
          for (int bottom : {100, 1000, 1200})
            for (int h : {100, 1000}) {
              const TrapezBoxInput in = ReadTrapezBoxInput(v, t, rod, rod, top, bottom, h, true);
              const TrapezBoxReadouts o = TrapezBoxTexts(in, ComputeTrapezBox(in), false);
              ExpectClean({o.depthTop, o.depthBottom, o.height, o.slantedPanel, o.loss, o.width, o.outsideVolume,
                           o.frequencies});
            }
}

TEST(PyramidBoxModel, EnglishReadoutsAndTheRoundedSizesOfOtherCornerCounts) {
  PyramidBoxInput in;
  const PyramidBoxReadouts e = PyramidBoxTexts(in, ComputePyramidBox(in), true);
  EXPECT_EQ((Texts{e.corners, e.edges, e.leg}),
            (Texts{"corners:  4",
                   "inner shelf length  300 mm, ouside shelf length  342 mm, inner height 1000 mm, outside height 1042 mm",
                   "leg length of triangular shelf 1070 mm"}));
  EXPECT_NEAR(PolygonArea(300, 6) / (300.0 * 300.0), 2.598, 5e-4);
  const PyramidBoxResult six = ComputePyramidBox({.corners = 6});
  EXPECT_EQ(std::lround(six.outerBottomEdge), 324);
  EXPECT_EQ(std::lround(six.innerHeight), 385);
  EXPECT_EQ(std::lround(ComputePyramidBox(PyramidBoxInput{30, 21, 300, 3, 100, false}).innerHeight), 2309);
  EXPECT_TRUE(ComputePyramidBox(PyramidBoxInput{30, 21, 100, 4, 200, true}).valid);
  EXPECT_EQ(PyramidTopEdgeLimit(1000), 900);
}

TEST(PyramidBoxModel, EveryInputCombinationGivesFiniteTexts) {
  const char* texts[] = {"", "-", "0", "abc", "1e999", "123456789012345678901234567890", "1", "3", "5,5", "100",
                         "1000"};
  for (const char* v : texts)
    for (const char* t : texts)
      for (int s : {100, 1000})
        for (int n : {3, 4, 16})
          for (bool frustum : {false, true})
            for (int e : {50, PyramidTopEdgeLimit(s), 200}) {
              ExpectPyramidClean(ReadPyramidBoxInput(v, t, s, n, e, frustum));
            }
}

TEST(ObliqueDrawing, AWideBoxStaysBelowTheTopOfTheWindow) {
  const ObliqueFigure wide = DrawObliqueBox({1200, 200, 300, 300}, 577, 418, 25.3, false);
  int y = 1 << 30;
  for (const FigureLine& l : wide.lines) y = std::min({y, l.y1, l.y2});
  EXPECT_GE(y, 100);
}

}  // namespace
}  // namespace velomare::test
