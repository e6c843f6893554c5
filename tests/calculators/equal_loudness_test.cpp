// The equal-loudness relation behind the phon/dB picture against the published contours.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "calculators/model/EqualLoudness.h"

namespace velomare {
namespace {

int IndexOf(double frequency) {
  const auto& f = LoudnessFrequencies();
  for (int i = 0; i < kLoudnessFrequencyCount; ++i)
    if (f[i] == frequency) return i;
  return -1;
}

TEST(EqualLoudness, MeetsThePublishedContours) {
  // The phon is defined at 1 kHz; the relation meets it to within its rounding.
  for (double phon = 20; phon <= 90; phon += 10) EXPECT_NEAR(EqualLoudnessLevel(phon, IndexOf(1000)), phon, 0.1) << phon;
  // The tabulated 40-phon contour of 2003, every frequency of the table.
  const std::pair<double, double> contour40[] = {
      {20, 99.85},   {25, 93.94},   {31.5, 88.17}, {40, 82.63},   {50, 77.78},   {63, 73.08},   {80, 68.48},
      {100, 64.37},  {125, 60.59},  {160, 56.70},  {200, 53.41},  {250, 50.40},  {315, 47.58},  {400, 44.98},
      {500, 43.05},  {630, 41.34},  {800, 40.06},  {1000, 40.01}, {1250, 41.82}, {1600, 42.51}, {2000, 39.23},
      {2500, 36.51}, {3150, 35.61}, {4000, 36.65}, {5000, 40.01}, {6300, 45.83}, {8000, 51.80}, {10000, 54.28},
      {12500, 51.49}};
  for (const auto& [hz, db] : contour40) EXPECT_NEAR(EqualLoudnessLevel(40, IndexOf(hz)), db, 0.05) << hz << " Hz";
}

TEST(EqualLoudness, ContoursRiseWithLoudnessAndLieAboveTheThresholdInTheBass) {
  for (int i = 0; i < kLoudnessFrequencyCount; ++i) {
    for (double phon = 0; phon < 130; phon += 10)
      EXPECT_LT(EqualLoudnessLevel(phon, i), EqualLoudnessLevel(phon + 10, i)) << i << " " << phon;
    EXPECT_TRUE(std::isfinite(EqualLoudnessLevel(0, i)));
  }
  // The ear is most sensitive near 3 to 4 kHz, and the threshold is lowest there.
  EXPECT_LT(HearingThreshold(IndexOf(3150)), 0);
  EXPECT_NEAR(HearingThreshold(IndexOf(20)), 78.5, 1e-12);
  EXPECT_GT(EqualLoudnessLevel(10, IndexOf(50)), HearingThreshold(IndexOf(50)));
}

}  // namespace
}  // namespace velomare
