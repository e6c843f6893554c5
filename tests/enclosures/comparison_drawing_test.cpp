// The comparison diagram's layout: the range read-out, absolute mode against the driver's
// sensitivity worked out by hand, power gains, the grids, the legend and its texts, clamping of
// levels of any size, a window too small for a plot, and the pointer arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "enclosures/model/ComparisonDrawing.h"
#include "enclosures/model/ComparisonStore.h"

namespace velomare {
namespace {

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override { ResetComparisonStore(); }
  void TearDown() override { ResetComparisonStore(); }
  static void Fill(int slot, double level, ComparisonHeader h = {}) {
    ComparisonLevels levels;
    levels.fill(level);
    ASSERT_TRUE(StoreComparisonCurve(slot, levels, h));
  }
  static constexpr std::array<bool, kComparisonSlotCount> kAll{true, true, true, true};
  static ComparisonView AllChannels() { return {.channels = kAll}; }
  static std::vector<std::string> Texts(const ComparisonDrawing& d, int colour = -1) {
    std::vector<std::string> out;
    for (const auto& i : d.items)
      if (i.kind == ComparisonItem::Text && (colour < 0 || i.colour == colour)) out.push_back(i.text);
    return out;
  }
  static bool Has(const std::vector<std::string>& texts, const std::string& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
  }
};

TEST_F(Drawing, NothingIsDrawnWithoutAFilledTickedChannel) {
  Fill(1, 0);
  ComparisonView v;  // no channel ticked
  const auto d = ComputeComparisonDrawing(v);
  EXPECT_TRUE(d.listed == 0 && d.items.empty() && !d.rangeText);
}

TEST_F(Drawing, ViewAllShowsTwentyToTwoHundredHertzAndTwelveToMinusEighteenDb) {
  Fill(2, 0);
  const auto d = ComputeComparisonDrawing(AllChannels());
  EXPECT_EQ(d.listed, 1);
  ASSERT_TRUE(d.rangeText);
  EXPECT_EQ(*d.rangeText, "f=  20... 200Hz, L= -18... 12dB");
  // Span 30: a level line every 3 dB from -18 to 12, eleven of them.
  const auto texts = Texts(d, 0);
  EXPECT_TRUE(Has(texts, "-18") && Has(texts, "12") && !Has(texts, "10") && Has(texts, "Velomare 3.2.5"));
}

TEST_F(Drawing, AbsoluteModeAddsTheDriversSensitivity) {
  // One driver with the level peak 0 dB and 88.4 dB sensitivity: top edge 12 + 88.
  ComparisonHeader h{.DriverSpl = 88.4};
  Fill(1, 0, h);
  const ComparisonView v{.channels = kAll, .absolute = true};
  auto d = ComputeComparisonDrawing(v);
  EXPECT_EQ(d.scales->top, 100);
  // 87.41 dB for fs 30 Hz, Vas 50 l, Qes 0.38; a closed box at Qtc 0.707 peaks at -0.002 dB, so
  // the mean is 87.408 and the top 12 + 87, not 12 + 88.
  h.DriverSpl = 87.41;
  Fill(1, -0.002, h);
  d = ComputeComparisonDrawing(v);
  EXPECT_EQ(d.scales->top, 99);
  EXPECT_EQ(*d.rangeText, "f=  20... 200Hz, L= 69... 99dB");
}

TEST_F(Drawing, PowerAddsTenLogPWithinHalfAWattToFiveKilowatts) {
  EXPECT_NEAR(PowerGainDb("100"), 20, 1e-12);
  EXPECT_NEAR(PowerGainDb("5000"), 36.9897, 1e-4);
  for (const char* outside : {"0,5", "5001", "abc", "-100"}) EXPECT_EQ(PowerGainDb(outside), 0) << outside;
  Fill(1, 0);
  ComparisonView v{.channels = kAll, .absolute = true, .power = true, .powerTexts = {"100", "1", "1", "1"}};
  EXPECT_EQ(ComputeComparisonDrawing(v).scales->top, 32);  // 12 + 0 + 20
  v.power = false;  // the texts count only while "Power" is ticked
  EXPECT_EQ(ComputeComparisonDrawing(v).scales->top, 12);
}

TEST_F(Drawing, FrequencyGridClassFollowsSpanAndStart) {
  Fill(1, 0);
  auto grid = [&](int fMin, int fSpan) {
    ComparisonView v = AllChannels();
    v.bars = {fMin, fSpan, 12, 30};
    std::vector<int> fs;
    for (const auto& t : Texts(ComputeComparisonDrawing(v), 0))
      if (t.size() >= 3 && t.find_first_not_of(" 0123456789") == std::string::npos) fs.push_back(std::stoi(t));
    return fs;
  };
  const int labels[][4] = {{80, 300, 90, 1}, {80, 300, 120, 1}, {80, 300, 110, 0},  // 80 to 380 Hz
                           {79, 300, 120, 0}, {79, 300, 150, 1}, {20, 50, 25, 1}};
  for (const auto& [fMin, fSpan, f, count] : labels) {
    const auto fs = grid(fMin, fSpan);
    EXPECT_EQ(std::count(fs.begin(), fs.end(), f), count) << fMin << " " << fSpan << " " << f;
  }
}

TEST_F(Drawing, LegendOfFourEntriesIs340PixelsTallWithTheirTexts) {
  Fill(1, 0, {.BoxType = BoxType::Closed, .Multiple = 2, .Volume1 = 36.54, .DriverLabel = "Maker Model"});
  Fill(2, 0, {.BoxType = BoxType::ClosedBandpass, .Multiple = 2, .BoxQl = 10});
  Fill(3, 0, {.BoxType = BoxType::OpenBaffle, .PortLength1 = 0.25});
  Fill(4, 0, {.BoxType = BoxType::VentedBandpass, .Multiple = 1, .PortArea1 = 12.5, .PortLength1 = 8});
  ComparisonView v{.channels = kAll, .english = true};
  const auto d = ComputeComparisonDrawing(v);
  const auto rect = std::find_if(d.items.begin(), d.items.end(), [](const auto& i) { return i.kind == ComparisonItem::Rect; });
  ASSERT_NE(rect, d.items.end());
  EXPECT_EQ(rect->y2 - rect->y1, 340);
  EXPECT_EQ(std::pair(rect->x1, rect->x2), std::pair(770 - 200, 770 - 1));
  const std::pair<int, const char*> shown[] = {{1, "2x Maker Model"}, {1, "volume 36.5 l"}, {1, "contained"},
                                               {2, "3rd order band pass push-pull"}, {3, "25.0 cm"},
                                               {4, "6th order band pass"}, {4, "tube 1 12.5 qcm / 8.0 cm"}};
  for (const auto& [slot, text] : shown) EXPECT_TRUE(Has(Texts(d, slot), text)) << text;
  v.english = false;
  const auto german = ComputeComparisonDrawing(v);
  EXPECT_TRUE(Has(Texts(german, 2), "Bandpass 3.Ordnung isobarik"));
  EXPECT_TRUE(Has(Texts(german, 3), "Schallwandlänge:"));
  // The first entry's block is at the top: its driver line 1 pixel below the frame.
  const auto first = std::find_if(german.items.begin(), german.items.end(), [](const auto& i) { return i.text == "2x Maker Model"; });
  EXPECT_EQ(first->y1, 550 - 45 - 340 + 1);
}

TEST_F(Drawing, CurvesAreClampedAtTheEdgesWhateverTheirLevel) {
  Fill(1, 99999999999999999999.0);
  Fill(2, -1e300);
  ComparisonView v{.channels = kAll, .absolute = true, .power = true, .powerTexts = {"5000", "5000", "5000", "5000"}};
  for (const auto& i : ComputeComparisonDrawing(v).items)
    for (const auto& [x, y] : i.points) EXPECT_TRUE(y >= -100000000 && y <= 100000000) << y;
  v.absolute = false;
  const auto rel = ComputeComparisonDrawing(v);
  int curves = 0;
  for (const auto& i : rel.items) {
    if (i.kind != ComparisonItem::Curve) continue;
    ++curves;
    EXPECT_EQ(i.points.size(), 181u);  // 20 to 200 Hz
    for (const auto& [x, y] : i.points) // The bottom edge y(-18) = trunc(12 x 15.6) - trunc(-18 x 15.6) + 37 = 504.
      EXPECT_EQ(y, i.colour == 1 ? 37 : 504) << x;
  }
  EXPECT_EQ(curves, 2);
}

TEST_F(Drawing, WindowSmallerThanItsPlotDrawsNothingAndReadsOutZero) {
  Fill(1, 0);
  const ComparisonView v{.channels = kAll, .width = 49};
  const auto d = ComputeComparisonDrawing(v);
  ASSERT_TRUE(d.items.empty() && d.scales);
  EXPECT_EQ(ComparisonCursorCaption(*d.scales, 100, 100, true), "Compare simulations, cursor f=  0Hz, 0.0dB");
}

TEST_F(Drawing, CursorReadOutInvertsTheScales) {
  Fill(1, 0);
  const auto d = ComputeComparisonDrawing(AllChannels());
  // At the left edge 20 Hz; at the top 12 dB; the right edge lies at 200 Hz.
  EXPECT_EQ(ComparisonCursorCaption(*d.scales, 34, 37, false), "Vergleich der Simulationen, Cursor f= 20Hz, 12.0dB");
  EXPECT_EQ(ComparisonCursorCaption(*d.scales, 770 - 15, 550 - 45, true), "Compare simulations, cursor f=200Hz, -18.0dB");
}

TEST_F(Drawing, DraggingZoomsWithTheRightButtonAndPansWithTheLeftWithinTheBars) {
  const ComparisonBars start;
  // Right: 40 pixels up shrinks the level span by 2, 50 pixels left widens the frequency span by 10.
  EXPECT_EQ(DraggedBars(start, start, 100, 100, 50, 60, false, true, 10), (ComparisonBars{20, 190, 12, 28}));
  // Left: 30 pixels up at 10 pixels per dB lowers the top by 3; 100 pixels left moves 10 Hz up.
  EXPECT_EQ(DraggedBars(start, start, 100, 100, 0, 70, true, false, 10), (ComparisonBars{30, 180, 9, 30}));
  EXPECT_EQ(DraggedBars(start, start, 100, 100, 0, 70, true, true, 0), (ComparisonBars{30, 200, 11, 29}));
  EXPECT_EQ(DraggedBars(start, start, 0, 0, 100000, -100000, true, true, 10), (ComparisonBars{10, 30, -40, 6}));
}

}  // namespace
}  // namespace velomare
