// The filter branch store: empty at start, the conversion of a one-hertz export to the fast grid
// through single precision, and clearing.
#include <gtest/gtest.h>

#include <cmath>

#include "filters/model/FastFilterGrid.h"
#include "filters/model/FilterBranches.h"

namespace velomare {
namespace {

class FilterBranches : public ::testing::Test {
 protected:
  void SetUp() override { ResetFilterBranches(); }
  void TearDown() override { ResetFilterBranches(); }
  // A one-hertz export whose level names its frequency.
  static void ExportOneHertz(FilterBranch b) {
    for (int f = 10; f <= 20001; ++f) {
      b.level[f] = -0.001 * f;
      b.phase[f] = 0.1 + 1.0 / f;
    }
    b.level[0] = 1.0;
    b.phase[0] = 0.0;
  }
};

TEST_F(FilterBranches, ConversionTakesEachGridPointsFrequencyThroughSinglePrecision) {
  EXPECT_FALSE(BranchExported(FilterBranchKind::LowPass) || BranchOnFastGrid(FilterBranchKind::LowPass));
  EXPECT_FALSE(ConvertBranchToFastGrid(FilterBranchKind::LowPass)) << "nothing exported";
  ExportOneHertz(FilterBranchOf(FilterBranchKind::LowPass));
  const double before110 = TPLevel[110], before20000 = TPLevel[20000], phase1000 = TPPhase[1000];
  ASSERT_TRUE(ConvertBranchToFastGrid(FilterBranchKind::LowPass));
  EXPECT_DOUBLE_EQ(TPLevel[101], static_cast<float>(before110));
  EXPECT_DOUBLE_EQ(TPLevel[290], static_cast<float>(before20000));
  EXPECT_DOUBLE_EQ(TPPhase[190], static_cast<float>(phase1000));
  EXPECT_NE(TPPhase[190], phase1000);  // 0.101 has no exact single-precision value
  EXPECT_DOUBLE_EQ(TPLevel[50], static_cast<float>(-0.05));
  EXPECT_EQ(TPLevel[291] + TPPhase[291], 0.0);
  EXPECT_EQ(TPLevel[0] + TPPhase[0], 2.0);
  EXPECT_FALSE(BranchExported(FilterBranchKind::BandPass));  // the other branches stay as they were
  // Converted once, a branch is not converted again.
  const double converted = TPLevel[101];
  EXPECT_FALSE(ConvertBranchToFastGrid(FilterBranchKind::LowPass));
  EXPECT_DOUBLE_EQ(TPLevel[101], converted);
}

TEST_F(FilterBranches, ValuesBeyondSinglePrecisionStayFiniteAndClearKeepsTheData) {
  ExportOneHertz(FilterBranchOf(FilterBranchKind::HighPass));
  HPLevel[1000] = 1e300;
  ASSERT_TRUE(ConvertBranchToFastGrid(FilterBranchKind::HighPass));
  EXPECT_TRUE(std::isfinite(HPLevel[190]));
  ExportOneHertz(FilterBranchOf(FilterBranchKind::BandPass));
  BPPhase[0] = 1.0;
  ClearFilterBranch(FilterBranchKind::BandPass);
  EXPECT_FALSE(BranchExported(FilterBranchKind::BandPass));
  EXPECT_DOUBLE_EQ(BPPhase[0], 0.0);
  EXPECT_DOUBLE_EQ(BPLevel[500], -0.5);
}

}  // namespace
}  // namespace velomare
