// The four comparison slots: store, empty, list, and the rule that a slot never shows a field left
// over from an earlier occupant or a number that is not finite.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ComparisonStore.h"

namespace velomare {
namespace {

class ComparisonStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetComparisonStore(); }
  void TearDown() override { ResetComparisonStore(); }
  static ComparisonLevels Ramp(double offset) {
    ComparisonLevels levels;
    for (int i = 0; i < kComparisonLevelCount; ++i) levels[i] = offset + i * 0.01;
    return levels;
  }
};

TEST_F(ComparisonStoreTest, StoreWritesLevelsAtTheirFrequencyMarksTheSlotAndEmptyingClearsOnlyTheFlag) {
  EXPECT_TRUE(FilledComparisonSlots().empty());
  for (int slot = 1; slot <= 4; ++slot) EXPECT_EQ(ComparisonCurveOf(slot)[0], 0.0);
  ASSERT_TRUE(StoreComparisonCurve(2, Ramp(-20), {.Multiple = 3, .DriverLabel = "A B"}));
  EXPECT_EQ(FilledComparisonSlots(), std::vector<int>{2});
  const ComparisonCurve& curve = ComparisonCurveOf(2);
  // The filled flag, then 1, 100 and 400 Hz.
  for (const auto& [i, level] : {std::pair{0, 1.0}, {1, -20.0}, {100, -19.01}, {400, -16.01}}) EXPECT_NEAR(curve[i], level, 1e-12) << i;
  EXPECT_TRUE(ComparisonHeaderOf(2).Multiple == 3 && ComparisonHeaderOf(2).DriverLabel == "A B");
  EmptyComparisonSlot(2);
  EXPECT_TRUE(!ComparisonSlotFilled(2) && ComparisonCurveOf(2)[1] == -20.0);
  EmptyComparisonSlot(9);  // nothing happens
}

TEST_F(ComparisonStoreTest, ASlotKeepsOnlyTheFieldsOfItsBoxType) {
  const ComparisonHeader bandpass{BoxType::VentedBandpass, 0, 2, 7, 10, 20, 30, 40, 50, 60};
  ASSERT_TRUE(StoreComparisonCurve(1, Ramp(0), bandpass));
  const auto fields = [] {
    const ComparisonHeader& h = ComparisonHeaderOf(1);
    return std::vector<double>{double(h.Multiple), double(h.BoxQl), h.Volume1,     h.Volume2,
                               h.PortArea1,        h.PortLength1,   h.PortArea2,   h.PortLength2};
  };
  EXPECT_EQ(fields(), (std::vector<double>{2, 7, 10, 20, 30, 40, 50, 60}));
  // A careless writer handing over stale fields.
  ASSERT_TRUE(StoreComparisonCurve(1, Ramp(0), {BoxType::OpenBaffle, 0, 2, 7, 10, 20, 30, 0.15, 50, 60}));
  EXPECT_EQ(fields(), (std::vector<double>{0, 0, 0, 0, 0, 0.15, 0, 0}));
  ASSERT_TRUE(StoreComparisonCurve(1, Ramp(0), {BoxType::Closed, 0, 2, 7, 10, 20, 30, 40, 50, 60}));
  EXPECT_EQ(fields(), (std::vector<double>{2, 0, 10, 0, 0, 0, 0, 0}));
}

TEST_F(ComparisonStoreTest, RefusesNonFiniteNumbersAndBadSlotsLeavingTheSlotAsItWas) {
  ComparisonHeader header;
  ASSERT_TRUE(StoreComparisonCurve(3, Ramp(1), header));
  ComparisonLevels bad = Ramp(5);
  bad[250] = INFINITY;
  EXPECT_FALSE(StoreComparisonCurve(3, bad, header));
  EXPECT_DOUBLE_EQ(ComparisonCurveOf(3)[1], 1.0);
  header.Volume1 = std::nan("");
  EXPECT_FALSE(StoreComparisonCurve(3, Ramp(5), header) || StoreComparisonCurve(0, Ramp(5), ComparisonHeader{}) ||
               StoreComparisonCurve(5, Ramp(5), ComparisonHeader{}));
  EXPECT_EQ(ComparisonCurveOf(5)[0], 0.0);
}

TEST_F(ComparisonStoreTest, HeaderForTheCommittedDriver) {
  ResetCommittedDriver();
  ChassisManufacturer = "VISATON";
  ChassisName = "W 300";
  ChassisSpl = 90.5;
  const ComparisonHeader h = HeaderForCommittedDriver(BoxType::BassReflex);
  EXPECT_EQ(h.BoxType, BoxType::BassReflex);
  EXPECT_EQ(h.DriverLabel, "VISATON W 300");
  EXPECT_EQ(h.DriverSpl, 90.5);
  ResetCommittedDriver();
}

}  // namespace
}  // namespace velomare
