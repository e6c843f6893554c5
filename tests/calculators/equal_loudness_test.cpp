// The equal-loudness relation behind the phon/dB picture against the published contours.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/model/EqualLoudness.h"

namespace velomare {
namespace {

int IndexOf(double frequency) {
  const auto& f = LoudnessFrequencies();
  for (int i = 0; i < kLoudnessFrequencyCount; ++i)
    if (f[i] == frequency) return i;
  return -1;
}

TEST(EqualLoudness, AtOneKilohertzTheLevelIsTheLoudnessLevel) {
  // The phon is defined at 1 kHz; the relation meets it to within its rounding.
  for (double phon = 20; phon <= 90; phon += 10) EXPECT_NEAR(EqualLoudnessLevel(phon, IndexOf(1000)), phon, 0.1) << phon;
}

TEST(EqualLoudness, MeetsThePublishedFortyPhonContour) {
  // Tabulated 40-phon values of the 2003 contours: 20 Hz 99.85 dB, 100 Hz 64.37 dB, 3.15 kHz
  // 35.61 dB, 4 kHz 36.65 dB, 12.5 kHz 51.49 dB.
  EXPECT_NEAR(EqualLoudnessLevel(40, IndexOf(20)), 99.85, 0.05);
  EXPECT_NEAR(EqualLoudnessLevel(40, IndexOf(100)), 64.37, 0.05);
  EXPECT_NEAR(EqualLoudnessLevel(40, IndexOf(3150)), 35.61, 0.05);
  EXPECT_NEAR(EqualLoudnessLevel(40, IndexOf(4000)), 36.65, 0.05);
  EXPECT_NEAR(EqualLoudnessLevel(40, IndexOf(12500)), 51.49, 0.05);
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
