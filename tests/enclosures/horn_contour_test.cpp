// The horn contour as planned geometry: decade axis ends, exact grid labels, the frame, the
// contour on the area law, the marker's leader, windows too small for a plot, and the mouse
// read-out with decimal commas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ExpoHorn.h"
#include "enclosures/model/HornContour.h"

namespace velomare {
namespace {

constexpr int W = 700, H = 475;

HornValues DesignHorn() { return ComputeHorn({100, 500, 500, HornPlacement::Floor}, {29, 0.41, 0.513, 244}).values; }

// A horn of the given length with a throat of 100 cm² and k = 10 /m.
HornValues HornOfLength(double length) { return {100, HornArea(100, 10, length), 10, length}; }

std::vector<std::string> TextsAt(const HornContourPlot& plot, int y) {
  std::vector<std::string> out;
  for (const PlotText& t : plot.texts)
    if (t.at.y == y) out.push_back(t.text);
  return out;
}

TEST(HornAxis, LargestValueDividedByTenWhileAboveTenGivesTheDivisionsOfOnePowerOfTen) {
  const struct {
    double largest;
    int divisions;
    double step, end;
  } cases[] = {{4599.58, 4, 1000, 5000}, {60.14, 6, 10, 70},     {10, 10, 1, 11},    {100, 10, 10, 110},
               {5.5, 5, 1, 6},           {229978.9, 2, 1e5, 3e5}, {10.01, 1, 10, 20}, {999.9, 9, 100, 1000}};
  for (const auto& c : cases) {
    const HornAxis a = HornAxisFor(c.largest);
    EXPECT_EQ((std::vector<double>{double(a.divisions), a.step, a.end}), (std::vector<double>{double(c.divisions), c.step, c.end})) << c.largest;
  }
  for (double bad : {std::nan(""), HUGE_VAL, -3.0}) EXPECT_EQ(HornAxisFor(bad).end, 0) << bad;
}

TEST(HornContour, DesignValuesGiveAxisEnds5000And70WithExactGridLabels) {
  const auto plot = PlanHornContour(DesignHorn(), 1, W, H, false);
  ASSERT_TRUE(plot);
  EXPECT_EQ(plot->area.end, 5000);
  EXPECT_EQ(plot->length.end, 70);
  EXPECT_EQ(TextsAt(*plot, H - 40), (std::vector<std::string>{"0", "70", "10", "20", "30", "40", "50", "60"}));
  // The area labels stand 5 pixels above their lines, the rows being 250/5 = 50 pixels high.
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(TextsAt(*plot, (H - 50) - 50 * i), (std::vector<std::string>{std::to_string(1000 * i)})) << i;
  EXPECT_EQ(TextsAt(*plot, 175), (std::vector<std::string>{"5000"}));
  EXPECT_EQ(TextsAt(*plot, H - 60), (std::vector<std::string>{"Xm in cm"}));
  EXPECT_EQ(TextsAt(*plot, 190), (std::vector<std::string>{"Trichterfläche"}));
  const auto english = PlanHornContour(DesignHorn(), 1, W, H, true);
  EXPECT_EQ(TextsAt(*english, H - 73), (std::vector<std::string>{"horn length"}));
  EXPECT_EQ(TextsAt(*english, 190), (std::vector<std::string>{"horn cross-section"}));
  EXPECT_EQ(TextsAt(*english, H - 60), (std::vector<std::string>{"Xmax in cm"}));
}

TEST(HornContour, LargeMouthsStillLabelTheGridWithExactMultiples) {
  // 20 Hz free: Am = 229978.9 cm², axis end 300000 with a line at 100000 and 200000.
  const HornValues v = ComputeHorn({20, 500, 500, HornPlacement::Free}, {29, 0.41, 0.513, 244}).values;
  const auto plot = PlanHornContour(v, 0, W, H, false);
  ASSERT_TRUE(plot);
  EXPECT_EQ(plot->area.end, 300000);
  for (int i : {1, 2}) EXPECT_EQ(TextsAt(*plot, (H - 50) - 83 * i), (std::vector<std::string>{std::to_string(100000 * i)}));
}

TEST(HornContour, FrameAndGridLinesLieWhereThePlotSpansWMinus45AcrossAndHMinus225Up) {
  const auto plot = PlanHornContour(DesignHorn(), 1, W, H, false);
  ASSERT_TRUE(plot);
  ASSERT_EQ(plot->lines.size(), 4u + 6u + 4u);
  const std::vector<PlotLine>& l = plot->lines;
  EXPECT_EQ((std::vector<int>{l[0].from.x, l[0].from.y, l[0].to.y, l[1].from.y, l[1].to.x, l[3].from.x}),
            (std::vector<int>{30, 180, H - 43, H - 45, W - 15, W - 15}));
  // Seven columns of 655/7 pixels.
  const int columns[] = {123, 217, 310, 404, 497, 591};
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(l[4 + i].from.x == columns[i] && l[4 + i].to.x == columns[i]) << i;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(plot->lines[10 + i].from.y, (H - 45) - 50 * (i + 1));
}

TEST(HornContour, ContourHasOneSegmentPerCentimetreOnTheAreaLaw) {
  const HornValues v = DesignHorn();
  const auto plot = PlanHornContour(v, 1, W, H, false);
  ASSERT_TRUE(plot);
  ASSERT_EQ(plot->contour.size(), 61u);
  // 500 cm² of 5000 on 250 pixels.
  EXPECT_TRUE(plot->contour.front().x == 30 && plot->contour.front().y == (H - 45) - 25) << plot->contour.front().y;
  for (std::size_t i = 1; i < plot->contour.size(); ++i) {
    const PlotPoint& p = plot->contour[i];
    // Back from pixels to centimetres and cm² on the axes, within a pixel of the area law.
    EXPECT_NEAR((p.x - 30) * 70.0 / 655, static_cast<double>(i), 70.0 / 655);
    EXPECT_NEAR(((H - 45) - p.y) * 5000.0 / 250, HornArea(500, v.flareConstant, static_cast<double>(i)), 5000.0 / 250);
    EXPECT_LE(p.y, plot->contour[i - 1].y);
  }
  // The last point is the last whole centimetre, not the mouth itself.
  EXPECT_EQ(plot->contour.back().x, 30 + static_cast<int>(60 * 655.0 / 70));
}

TEST(HornContour, MarkerLeadsRightNearTheAreaAxisAndLeftFromX70On) {
  const HornValues v = DesignHorn();
  const auto at = [&](int cursor) { return *PlanHornContour(v, cursor, W, H, false); };
  const HornContourPlot p = at(0);
  EXPECT_EQ((std::vector<int>{p.marker.x, p.marker.y, p.leader.to.x, p.leader.to.y}),
            (std::vector<int>{30, p.contour.front().y, 55, p.marker.y - 25}));
  // 655/70 pixels per centimetre: 4 cm lie at x = 67, 5 cm at x = 76.
  for (const auto& [cm, x, leader] : {std::tuple{4, 67, 92}, {5, 76, 51}, {30, 310, 285}})
    EXPECT_TRUE(at(cm).marker.x == x && at(cm).leader.to.x == leader) << cm;
  EXPECT_NEAR(((H - 45) - at(30).marker.y) * 20.0, 1512.65, 20);
  // At x = 70 itself it leans left: 700 pixels across, 10 per centimetre.
  EXPECT_EQ(PlanHornContour(v, 4, 745, H, false)->leader.to.x, 70 - 25);
}

TEST(HornContour, LengthsOfExactlyTenOrAHundredAreNotDividedFurther) {
  auto plot = PlanHornContour(HornOfLength(10), 0, W, H, false);
  ASSERT_TRUE(plot);
  EXPECT_EQ(plot->length.end, 11);
  EXPECT_EQ(TextsAt(*plot, H - 40),
            (std::vector<std::string>{"0", "11", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  plot = PlanHornContour(HornOfLength(100), 0, W, H, false);
  ASSERT_TRUE(plot);
  EXPECT_TRUE(plot->length.end == 110 && TextsAt(*plot, H - 40).back() == "100") << plot->length.end;
}

TEST(HornContour, OnlyHornsLongerThan5CmWithAMouthAndAFlareAreDrawn) {
  const auto plot = PlanHornContour(HornOfLength(5.5), 0, W, H, false);
  ASSERT_TRUE(plot);
  EXPECT_TRUE(plot->length.end == 6 && plot->contour.size() == 6u) << plot->length.end << " " << plot->contour.size();
  EXPECT_FALSE(PlanHornContour(HornOfLength(5.0), 0, W, H, false));
  for (double HornValues::*field : {&HornValues::flareConstant, &HornValues::throatArea, &HornValues::mouthArea}) {
    HornValues v = DesignHorn();
    v.*field = field == &HornValues::flareConstant ? 0 : field == &HornValues::throatArea ? 5 : 6;
    EXPECT_FALSE(PlanHornContour(v, 0, W, H, false));
  }
  // The mouth smaller than the throat: a negative length, nothing to draw.
  const HornValues shrinking = ComputeHorn({200, 2500, 500, HornPlacement::Free}, {29, 0.41, 0.513, 244}).values;
  EXPECT_FALSE(PlanHornContour(shrinking, 0, W, H, false));
  EXPECT_FALSE(PlanHornContour(HornValues{}, 0, W, H, false));
}

TEST(HornContour, WindowWithNoRoomForThePlotDrawsNothing) {
  const HornValues v = DesignHorn();
  for (const auto& [w, h] : {std::pair{45, H}, std::pair{W, 225}, std::pair{3, 2}, std::pair{-10, -10}})
    EXPECT_FALSE(PlanHornContour(v, 1, w, h, false)) << w << " " << h;
  const auto tiny = PlanHornContour(v, 60, 46, 226, false);
  ASSERT_TRUE(tiny);
  for (const PlotPoint& p : tiny->contour) EXPECT_TRUE(p.x >= 30 && p.x <= 31 && p.y >= 180 && p.y <= 181) << p.x << " " << p.y;
}

TEST(HornReadout, CornerOfTheAxesReadsZeroWithDecimalCommasInBothLanguages) {
  const HornValues v = DesignHorn();
  EXPECT_EQ(HornReadoutCaption(v, 5000, 70, 30, H - 45, W, H, false),
            "Exponential-Horn (Cursor 0,0cm /   0cm² [=0,0x0,0cm])");
  EXPECT_EQ(HornReadoutCaption(v, 5000, 70, 30, H - 45, W, H, true),
            "exponential horn system (cursor 0,0cm /   0cm² [=0,0x0,0cm])");
  // 131 of 655 pixels across is 14 cm of 70; 50 of 250 pixels up is 1000 of 5000 cm².
  EXPECT_EQ(HornReadoutCaption(v, 5000, 70, 161, H - 95, W, H, true),
            "exponential horn system (cursor 14,0cm / 1000cm² [=31,6x31,6cm])");
  // No right-hand bound: past the frame the length goes on past the axis end.
  EXPECT_EQ(HornReadoutCaption(v, 5000, 70, 30 + 655 + 131, H - 45, W, H, false),
            "Exponential-Horn (Cursor 84,0cm /   0cm² [=0,0x0,0cm])");
}

TEST(HornReadout, InactiveOutsideThePlotBeforeTheFirstDrawingAndForHornsNotDrawn) {
  const HornValues v = DesignHorn();
  const struct {
    double areaEnd, lengthEnd;
    int x, y;
    bool active;
  } cases[] = {{5000, 70, 30, 171, true},      {5000, 70, 30, 170, false},       {5000, 70, 29, 300, false},
               {5000, 70, 100, H - 45, true},  {5000, 70, 100, H - 44, false},   {0, 0, 100, 300, false}};
  for (const auto& c : cases)
    EXPECT_EQ(HornReadoutCaption(v, c.areaEnd, c.lengthEnd, c.x, c.y, W, H, false).has_value(), c.active) << c.x << " " << c.y;
  EXPECT_FALSE(HornReadoutCaption(HornOfLength(5), 5000, 70, 100, 300, W, H, false));
  // Room for no plot: no division by W - 45 or H - 225 at or below 0.
  for (const auto& [w, h] : {std::pair{45, H}, std::pair{W, 225}, std::pair{20, 20}})
    EXPECT_FALSE(HornReadoutCaption(v, 5000, 70, 40, 200, w, h, false)) << w << " " << h;
  EXPECT_EQ(HornCaption(false), "Exponential-Horn");
  EXPECT_EQ(HornCaption(true), "exponential horn system");
}

}  // namespace
}  // namespace velomare
