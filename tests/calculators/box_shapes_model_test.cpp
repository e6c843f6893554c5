// The box-shape models against worked examples and against the textbook volumes of a cuboid, a
// right-trapezoid prism, a regular-polygon pyramid and frustum; the invalid inputs that would
// divide by zero; and the oblique drawing's geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "calculators/model/BoxShape.h"
#include "calculators/model/PyramidBox.h"
#include "calculators/model/RectBox.h"
#include "calculators/model/TrapezBox.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;

// No number of the text failed to format: no "?" and no word that is "nan" or "inf".
bool Clean(const std::string& text) {
  if (text.find('?') != std::string::npos) return false;
  std::string word;
  for (char c : text + " ") {
    if (c != ' ') {
      word.push_back(c);
      continue;
    }
    if (word.find("nan") != std::string::npos && word.find("Resonanz") == std::string::npos &&
        word.find("resonance") == std::string::npos)
      return false;
    if (word.find("inf") != std::string::npos) return false;
    word.clear();
  }
  return true;
}

// ---- cuboid -------------------------------------------------------------------------------

TEST(RectBoxModel, DefaultsGiveTheWorkedExample) {
  RectBoxInput in;  // 60 l, 21 mm, 400 x 500 mm, rods 35 x 50, check box not set
  const RectBoxResult r = ComputeRectBox(in);
  ASSERT_TRUE(r.valid);
  // The net volume comes back from the inner cuboid (358 x 458 x (D - 42)).
  EXPECT_NEAR(358.0 * 458.0 * (r.depth - 42) / 1e6, 60.0, 1e-9);
  const RectBoxReadouts t = RectBoxTexts(in, r, false);
  EXPECT_EQ(t.width, "Breite  400 mm");
  EXPECT_EQ(t.height, "Höhe  500 mm");
  EXPECT_EQ(t.depth, "Tiefe  408 mm");
  EXPECT_EQ(t.loss, "Verlust durch Eckleisten 7.4 l");
  EXPECT_EQ(t.outsideVolume, "Außenvolumen 81.6 l");
  EXPECT_EQ(t.frequencies, "Resonanzfrequenz(en) (Hz) :  958    749    937");
  EXPECT_EQ(RectBoxTexts(in, r, true).frequencies, "resonance frequencies (Hz) :  958    749    937");
}

TEST(RectBoxModel, RodsDeepenTheBoxByTheirVolumeOverTheNarrowedSection) {
  RectBoxInput in;
  in.useRods = true;
  const RectBoxResult r = ComputeRectBox(in);
  ASSERT_TRUE(r.valid);
  // Rods: 4 x 35 x 50 x (500 - 42 - 70) along the height, 4 x 35 x 50 x (400 - 42 - 100) along the
  // width = 4.522 l; the four along the depth take 4 x 35 x 50 mm^2 of the 358 x 458 section.
  EXPECT_NEAR(r.rodVolume, 4.522, 1e-9);
  EXPECT_NEAR((358.0 * 458.0 - 7000.0) * (r.depth - 42) / 1e6, 60 + 4.522, 1e-9);
  const RectBoxReadouts t = RectBoxTexts(in, r, false);
  EXPECT_EQ(t.depth, "Tiefe  453 mm");
  EXPECT_EQ(t.outsideVolume, "Außenvolumen 90.6 l");
  EXPECT_EQ(t.frequencies, "Resonanzfrequenz(en) (Hz) :  958    749    834");
  EXPECT_EQ(t.loss, "Verlust durch Eckleisten 7.4 l");  // the loss does not depend on the check box
}

TEST(RectBoxModel, CubeShowsItsOneFrequencyOnce) {
  RectBoxInput in{27, 10, 0, 0, 320, 320, false};
  const RectBoxResult r = ComputeRectBox(in);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(r.depth, 320, 1e-9);
  EXPECT_NEAR(r.outsideVolume, 0.32 * 0.32 * 0.32 * 1000, 1e-9);
  EXPECT_NEAR(r.fWidth, 343000.0 / 300, 1e-9);
  const RectBoxReadouts t = RectBoxTexts(in, r, true);
  EXPECT_EQ(t.outsideVolume, "outside volume 32.8 l");
  EXPECT_EQ(t.frequencies, "resonance frequencies (Hz) : 1143      ");
}

TEST(RectBoxModel, HeightAndDepthFrequenciesAreComparedOnlyWithTheWidth) {
  // Inner depth made equal to the inner height (458 mm): both stay.
  RectBoxInput in{358 * 458 * 458 / 1e6, 21, 0, 0, 400, 500, false};
  const RectBoxReadouts t = RectBoxTexts(in, ComputeRectBox(in), false);
  EXPECT_EQ(t.frequencies, "Resonanzfrequenz(en) (Hz) :  958    749    749");
  // A square front drops the height, the depth stays.
  in = RectBoxInput{60, 21, 0, 0, 400, 400, false};
  EXPECT_EQ(RectBoxTexts(in, ComputeRectBox(in), false).frequencies, "Resonanzfrequenz(en) (Hz) :  958       733");
}

TEST(RectBoxModel, SmallOrUnreadableRodsCountForNothing) {
  for (const char* rod : {"5", "abc", "", "100"}) {
    RectBoxInput in = ReadRectBoxInput("60", "21", rod, "50", 400, 500, false);
    EXPECT_EQ(in.rodA, 0) << rod;
    const RectBoxResult off = ComputeRectBox(in);
    EXPECT_EQ(RectBoxTexts(in, off, false).loss, "Verlust durch Eckleisten 0.0 l") << rod;
    in.useRods = true;
    EXPECT_DOUBLE_EQ(ComputeRectBox(in).depth, off.depth) << rod;
  }
}

TEST(RectBoxModel, RangeTestsKeepTheirBounds) {
  EXPECT_EQ(ReadRectBoxInput("2000", "21", "35", "50", 400, 500, false).volume, 0);
  EXPECT_EQ(ReadRectBoxInput("5", "21", "35", "50", 400, 500, false).volume, 5);
  EXPECT_EQ(ReadRectBoxInput("1999,5", "21", "35", "50", 400, 500, false).volume, 1999.5);
  EXPECT_EQ(ReadRectBoxInput("60", "100", "35", "50", 400, 500, false).thickness, 100);
  EXPECT_EQ(ReadRectBoxInput("60", "100.5", "35", "50", 400, 500, false).thickness, 0);
  EXPECT_EQ(ReadRectBoxInput("60", "4,9", "35", "50", 400, 500, false).thickness, 0);
  EXPECT_EQ(ReadRectBoxInput("60", "21", "99.9", "10", 400, 500, false).rodA, 99.9);
  EXPECT_EQ(ReadRectBoxInput("60", "21", "99.9", "9.99", 400, 500, false).rodB, 0);
}

TEST(RectBoxModel, InvalidInputsShowThePlaceholdersAndNoDrawing) {
  const auto check = [](const RectBoxInput& in, const char* why) {
    const RectBoxResult r = ComputeRectBox(in);
    EXPECT_FALSE(r.valid) << why;
    const RectBoxReadouts t = RectBoxTexts(in, r, false);
    EXPECT_EQ(t.outsideVolume, "-") << why;
    EXPECT_EQ(t.depth, "?") << why;
    EXPECT_EQ(t.loss, "-") << why;
    EXPECT_EQ(t.frequencies, "-") << why;
    // The width and height read-outs follow the scroll bars all the same.
    EXPECT_EQ(t.width, "Breite " + std::string(in.width < 1000 ? " " : "") + std::to_string(int(in.width)) + " mm");
    EXPECT_FALSE(RectBoxDrawing(in, r).has_value()) << why;
  };
  check(ReadRectBoxInput("60", "8", "35", "50", 400, 500, false), "thickness 8 passes its range, fails the check");
  check(ReadRectBoxInput("abc", "21", "35", "50", 400, 500, false), "volume not a number");
  check(ReadRectBoxInput("60", "100", "0", "0", 200, 500, false), "panels fill the width");
  check(ReadRectBoxInput("60", "80", "0", "0", 1200, 150, false), "panels overlap in the height");
  // Four 40 x 40 rods take the whole 80 x 80 inner section, with or without the check box.
  check(ReadRectBoxInput("60", "10", "40", "40", 100, 100, false), "rods fill the section");
  check(ReadRectBoxInput("60", "10", "40", "40", 100, 100, true), "rods fill the section, used");
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
              for (const std::string& s : {o.width, o.height, o.loss, o.outsideVolume, o.frequencies})
                EXPECT_TRUE(Clean(s)) << s;
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

// ---- trapezoid ----------------------------------------------------------------------------

TEST(TrapezBoxModel, DefaultsGiveTheWorkedExample) {
  TrapezBoxInput in;
  const TrapezBoxResult r = ComputeTrapezBox(in);
  ASSERT_TRUE(r.valid);
  // Inner section: trapezoid of height 358 and mean depth (258 + 358) / 2.
  EXPECT_NEAR(358.0 * (258.0 + 358.0) / 2 * (r.width - 42) / 1e6, 60, 1e-9);
  const TrapezBoxReadouts t = TrapezBoxTexts(in, r, false);
  EXPECT_EQ(t.depthTop, "Tiefe (oben)  300 mm");
  EXPECT_EQ(t.depthBottom, "Tiefe (unten)  400 mm");
  EXPECT_EQ(t.height, "Höhe  400 mm");
  EXPECT_EQ(t.slantedPanel, "Höhe der Seitenplatte  412 mm");
  EXPECT_EQ(t.width, "Breite  586 mm");
  EXPECT_EQ(t.loss, "Verlust durch Eckleisten 7.8 l");
  EXPECT_EQ(t.angle, "Neigungswinkel 76.0 °");
  EXPECT_EQ(t.outsideVolume, "Außenvolumen 82.1 l");
  EXPECT_EQ(t.frequencies, "Gehäuse-Resonanzfrequenzen (Hz)  630    958");
  EXPECT_EQ(TrapezBoxTexts(in, r, true).frequencies, "resonance frequencies (Hz)  630    958");
}

TEST(TrapezBoxModel, RodsWidenTheBox) {
  TrapezBoxInput in;
  in.useRods = true;
  const TrapezBoxReadouts t = TrapezBoxTexts(in, ComputeTrapezBox(in), false);
  EXPECT_EQ(t.width, "Breite  657 mm");
  EXPECT_EQ(t.outsideVolume, "Außenvolumen 92.0 l");
  EXPECT_EQ(t.frequencies, "Gehäuse-Resonanzfrequenzen (Hz)  558    958");
  // Rods of exactly 10 mm pass the range test and still count for nothing.
  const TrapezBoxInput ten = ReadTrapezBoxInput("60", "21", "10", "10", 300, 400, 400, true);
  EXPECT_EQ(ten.rod1, 10);
  const TrapezBoxResult r = ComputeTrapezBox(ten);
  EXPECT_EQ(TrapezBoxTexts(ten, r, false).loss, "Verlust durch Eckleisten 0.0 l");
  EXPECT_EQ(TrapezBoxTexts(ten, r, false).width, "Breite  586 mm");
}

TEST(TrapezBoxModel, SectionIsTheTextbookTrapezoid) {
  // (a + b) / 2 * h: depths 200 and 400, height 300, 10 mm panels -> (180 + 380) / 2 * 280 mm^2.
  const TrapezBoxInput in{78.4, 10, 0, 0, 200, 400, 300, false};
  const TrapezBoxResult r = ComputeTrapezBox(in);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(r.width, 1020, 1e-9);
  EXPECT_NEAR(r.angle, std::atan(300.0 / 200.0) * 180 / kPi, 1e-12);
  EXPECT_NEAR(r.slantedPanel, std::hypot(300.0, 200.0), 1e-12);
  const TrapezBoxReadouts t = TrapezBoxTexts(in, r, true);
  EXPECT_EQ(t.width, "width 1020 mm");
  EXPECT_EQ(t.angle, "tilt angle 56.3 °");
  EXPECT_EQ(t.slantedPanel, "height of side shelf  361 mm");
  EXPECT_EQ(t.outsideVolume, "outside volume 91.8 l");
}

TEST(TrapezBoxModel, InvalidInputsShowPlaceholdersWhileDepthsAndHeightFollow) {
  const auto check = [](const TrapezBoxInput& in, const char* why) {
    const TrapezBoxResult r = ComputeTrapezBox(in);
    EXPECT_FALSE(r.valid) << why;
    const TrapezBoxReadouts t = TrapezBoxTexts(in, r, false);
    EXPECT_EQ(t.width, "-") << why;
    EXPECT_EQ(t.outsideVolume, "-") << why;
    EXPECT_EQ(t.frequencies, "-") << why;
    EXPECT_EQ(t.loss, "-") << why;
    EXPECT_EQ(t.angle, "° ?") << why;
    EXPECT_NE(t.height, "-") << why;  // the height and the slanted panel follow their bars
    EXPECT_NE(t.slantedPanel, "-") << why;
    EXPECT_FALSE(TrapezBoxDrawing(in, r).has_value()) << why;
  };
  check(ReadTrapezBoxInput("60", "21", "35", "50", 500, 500, 400, false), "equal depths");
  check(ReadTrapezBoxInput("60", "60", "35", "50", 300, 400, 400, false), "thickness 60 is out of range");
  check(ReadTrapezBoxInput("60", "50", "0", "0", 300, 400, 100, false), "panels take the whole height");
  check(ReadTrapezBoxInput("60", "21", "70", "70", 100, 110, 100, false), "rods fill the inner section");
  check(ReadTrapezBoxInput("", "21", "35", "50", 300, 400, 400, false), "no volume");
  // The slanted panel is sqrt(h^2 + (dBot - dTop)^2) whatever the rest.
  EXPECT_NEAR(ComputeTrapezBox(ReadTrapezBoxInput("", "", "", "", 300, 1200, 1000, false)).slantedPanel,
              std::hypot(1000.0, 900.0), 1e-9);
}

TEST(TrapezBoxModel, NarrowBoxShowsDashesButItsAngle) {
  const TrapezBoxInput in = ReadTrapezBoxInput("5", "5", "", "", 999, 1200, 1000, false);
  const TrapezBoxResult r = ComputeTrapezBox(in);
  ASSERT_TRUE(r.valid);
  EXPECT_LT(r.width, 100);
  EXPECT_EQ(r.fWidth, 0);
  const TrapezBoxReadouts t = TrapezBoxTexts(in, r, true);
  EXPECT_EQ(t.width, "-");
  EXPECT_EQ(t.frequencies, "-");
  EXPECT_EQ(t.angle, "tilt angle 78.6 °");
  EXPECT_FALSE(TrapezBoxDrawing(in, r).has_value());
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
              const TrapezBoxResult r = ComputeTrapezBox(in);
              const TrapezBoxReadouts o = TrapezBoxTexts(in, r, false);
              for (const std::string& s : {o.depthTop, o.depthBottom, o.height, o.slantedPanel, o.loss, o.width,
                                           o.outsideVolume, o.frequencies})
                EXPECT_TRUE(Clean(s)) << s;
            }
}

// ---- pyramid ------------------------------------------------------------------------------

double PolygonArea(double s, int n) { return n * s * s / (4 * std::tan(kPi / n)); }

TEST(PyramidBoxModel, DefaultsGiveTheWorkedExample) {
  PyramidBoxInput in;
  const PyramidBoxResult r = ComputePyramidBox(in);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(PolygonArea(300, 4) * r.innerHeight / 3 / 1e6, 30, 1e-9);  // V = A h / 3
  const PyramidBoxReadouts t = PyramidBoxTexts(in, r, false);
  EXPECT_EQ(t.corners, "Ecken:  4");
  EXPECT_EQ(t.edges,
            "innere Kantenlänge  300 mm, äußere Kantenlänge:  342 mm, innere Höhe 1000 mm, äußere Höhe 1042 mm");
  EXPECT_EQ(t.angle, "Pyramiden-Neigungswinkel 81.5°");
  EXPECT_EQ(t.outsideVolume, "Außenvolumen 40.6 l");
  EXPECT_EQ(t.leg, "Schenkellänge der dreieckigen Platten 1070 mm");
  EXPECT_EQ(t.panelHeight, "Plattenhöhe 1056 mm");
  EXPECT_EQ(PyramidBoxTexts(in, r, true).topEdges, "uppper inner border length  100 mm, outside  142 mm");
}

TEST(PyramidBoxModel, FrustumGivesTheWorkedExample) {
  PyramidBoxInput in;
  in.frustum = true;
  const PyramidBoxResult r = ComputePyramidBox(in);
  ASSERT_TRUE(r.valid);
  const double a1 = PolygonArea(300, 4), a2 = PolygonArea(100, 4);
  EXPECT_NEAR(r.innerHeight / 3 * (a1 + a2 + std::sqrt(a1 * a2)) / 1e6, 30, 1e-9);
  // The slanted edge of a frustum panel: height, half the outer edge and the inset at right angles.
  EXPECT_NEAR(r.leg, std::sqrt(r.outerHeight * r.outerHeight + 171.0 * 171.0 + 100.0 * 100.0), 1e-9);
  const PyramidBoxReadouts t = PyramidBoxTexts(in, r, false);
  EXPECT_EQ(t.topEdges, "Kantenlänge oben innen  100 mm, außen  142 mm");
  EXPECT_EQ(t.edges,
            "innere Kantenlänge  300 mm, äußere Kantenlänge:  342 mm, innere Höhe  692 mm, äußere Höhe  734 mm");
  EXPECT_EQ(t.angle, "Pyramiden-Neigungswinkel 81.8°");
  EXPECT_EQ(t.outsideVolume, "Außenvolumen 45.5 l");
  EXPECT_EQ(t.panelHeight, "Plattenhöhe  741 mm");
  EXPECT_EQ(t.leg, "Schenkellänge der viereckigen Platten " + ShapeNumber(r.leg, 4, 0) + " mm");
}

TEST(PyramidBoxModel, OtherCornerCountsUseTheRegularPolygon) {
  PyramidBoxInput in;
  in.corners = 6;
  PyramidBoxResult r = ComputePyramidBox(in);
  EXPECT_NEAR(PolygonArea(300, 6) / (300.0 * 300.0), 2.598, 5e-4);
  EXPECT_NEAR(r.outerBottomEdge, 300 + 2 * 21 * std::tan(kPi / 6), 1e-9);
  EXPECT_EQ(std::lround(r.outerBottomEdge), 324);
  EXPECT_EQ(std::lround(r.innerHeight), 385);
  in = PyramidBoxInput{30, 21, 300, 3, 100, false};
  r = ComputePyramidBox(in);
  EXPECT_EQ(std::lround(r.outerBottomEdge), 373);
  EXPECT_NEAR(r.innerHeight, 3 * 30e6 / PolygonArea(300, 3), 1e-9);
  EXPECT_EQ(std::lround(r.innerHeight), 2309);
  // The apex allowance stays t / sin(alpha) with alpha from 2 h / s, whatever the corner count.
  const double alpha = std::atan(2 * r.innerHeight / 300);
  EXPECT_NEAR(r.outerHeight, r.innerHeight + 21 + 21 / std::sin(alpha), 1e-9);
}

TEST(PyramidBoxModel, InvalidInputsShowDashesButTheCorners) {
  for (const char* thickness : {"5", "4", "101", "x"}) {
    const PyramidBoxInput in = ReadPyramidBoxInput("30", thickness, 300, 5, 100, false);
    const PyramidBoxResult r = ComputePyramidBox(in);
    EXPECT_FALSE(r.valid) << thickness;
    const PyramidBoxReadouts t = PyramidBoxTexts(in, r, false);
    EXPECT_EQ(t.corners, "Ecken:  5");
    for (const std::string& s : {t.edges, t.angle, t.outsideVolume, t.leg, t.topEdges, t.panelHeight})
      EXPECT_EQ(s, "-");
  }
  EXPECT_EQ(ReadPyramidBoxInput("1000", "21", 300, 4, 100, false).volume, 1000);
  EXPECT_EQ(ReadPyramidBoxInput("1000.1", "21", 300, 4, 100, false).volume, 0);
  EXPECT_FALSE(ComputePyramidBox(ReadPyramidBoxInput("2", "21", 300, 4, 100, false)).valid);
}

TEST(PyramidBoxModel, TopEdgeAtOrAboveTheBottomStandsUpright) {
  const PyramidBoxResult r = ComputePyramidBox(PyramidBoxInput{30, 21, 100, 4, 200, true});
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.angle, 90);
  EXPECT_EQ(PyramidTopEdgeLimit(200), 180);
  EXPECT_EQ(PyramidTopEdgeLimit(1000), 900);
  EXPECT_EQ(PyramidTopEdgeLimit(105), 94);
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
              const PyramidBoxInput in = ReadPyramidBoxInput(v, t, s, n, e, frustum);
              const PyramidBoxResult r = ComputePyramidBox(in);
              const PyramidBoxReadouts o = PyramidBoxTexts(in, r, true);
              for (const std::string& x : {o.corners, o.edges, o.angle, o.outsideVolume, o.leg, o.topEdges,
                                           o.panelHeight})
                EXPECT_TRUE(Clean(x)) << x;
              if (r.valid) {
                EXPECT_GT(r.outsideVolume, in.volume);
              }
            }
}

// ---- oblique drawing ----------------------------------------------------------------------

int MinY(const ObliqueFigure& f) {
  int y = 1 << 30;
  for (const FigureLine& l : f.lines) y = std::min({y, l.y1, l.y2});
  return y;
}

TEST(ObliqueDrawing, FrontSideAndDriverOfTheDefaultCuboid) {
  const ObliqueBox box{400, 500, 408, 408};
  const ObliqueFigure f = DrawObliqueBox(box, 577, 418, 25.3, false);
  // d45 = 144; sx = 427 / 952, sy = 208 / 644: the height decides.
  EXPECT_NEAR(f.scale, 208.0 / 644.0, 1e-12);
  const int x1 = 50 + int(f.scale * 400), y1 = 368 - int(f.scale * 500);
  EXPECT_EQ(f.lines[0], (FigureLine{50, 368, x1, 368}));
  EXPECT_EQ(f.lines[1], (FigureLine{x1, 368, x1, y1}));
  // The back edge of a cuboid is upright.
  const FigureLine back = f.lines[7];
  EXPECT_EQ(back.x1, back.x2);
  // The driver: 253 mm wide and high, centred on the front, standing near the base line.
  EXPECT_NEAR((f.ellipseLeft + f.ellipseRight) / 2.0, (50 + x1) / 2.0, 1.0);
  EXPECT_NEAR(f.ellipseRight - f.ellipseLeft, 253 * f.scale, 2.0);
  EXPECT_EQ(f.ellipseBottom, 418 - 55);
  ASSERT_EQ(f.texts.size(), 3u);
  EXPECT_EQ(f.texts[0].text, "d=25.3cm");
  EXPECT_EQ(f.texts[1].text, "Front");
  EXPECT_EQ(f.texts[2].text, "Seite");
  EXPECT_EQ(DrawObliqueBox(box, 577, 418, 25.3, true).texts[2].text, "side");
  // The side view is as wide as the depth and stands to the right of the front's receding edge.
  const FigureLine sideBottom = f.lines[9];
  EXPECT_EQ(sideBottom.y1, 368);
  EXPECT_EQ(sideBottom.x2 - sideBottom.x1, int(408 * f.scale));
  EXPECT_GT(sideBottom.x1, back.x1);
}

TEST(ObliqueDrawing, ScaleRuleFitsWideAndTallBoxes) {
  // A wide flat box is limited by the width, a tall narrow one by the height; either way the
  // drawing keeps out of the controls above y = 160 and inside the window.
  const ObliqueFigure wide = DrawObliqueBox({1200, 200, 300, 300}, 577, 418, 25.3, false);
  EXPECT_NEAR(wide.scale, 427.0 / (1200 + int(300 / 2.828) + 300), 1e-12);
  const ObliqueFigure tall = DrawObliqueBox({200, 2000, 300, 300}, 577, 418, 25.3, false);
  EXPECT_NEAR(tall.scale, 208.0 / (2000 + int(300 / 2.828)), 1e-12);
  for (const ObliqueFigure* f : {&wide, &tall}) {
    // The box's own edges (the first thirteen lines) lie inside the window below the controls.
    for (std::size_t i = 0; i < 13; ++i) {
      const FigureLine& l = f->lines[i];
      EXPECT_GE(std::min(l.y1, l.y2), 159);
      EXPECT_LE(std::max(l.x1, l.x2), 577);
    }
  }
  EXPECT_GE(MinY(wide), 100);
}

TEST(ObliqueDrawing, TrapezoidHasAShorterTopAndASlantedBack) {
  const ObliqueFigure f = DrawObliqueBox({586, 400, 400, 300}, 633, 423, 25.3, false);
  const ObliqueFigure cuboid = DrawObliqueBox({586, 400, 400, 400}, 633, 423, 25.3, false);
  EXPECT_EQ(f.scale, cuboid.scale);  // the bottom depth sets the scale
  const FigureLine back = f.lines[7];
  EXPECT_LT(back.x2, back.x1);  // leans forward toward the top
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

}  // namespace
}  // namespace velomare
