// Several speakers: the options against the divisors counted out, advice and count moves against
// their tables, the total impedance against the series and parallel rules.
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "calculators/model/SpeakerGrouping.h"

namespace velomare::test {
namespace {

// The impedance of p parallel branches, each s speakers of z in series, by adding the branch admittances one by one.
double ByAdmittances(double z, int p, int s) {
  double admittance = 0;
  for (int branch = 0; branch < p; ++branch) admittance += 1.0 / (s * z);
  return 1.0 / admittance;
}

TEST(SpeakerGrouping, OptionsAreTheDivisorsFromAllInSeriesToAllInParallel) {
  int total = 0;
  for (int n = 1; n <= kMaxSpeakers; ++n) {
    std::vector<int> divisors;
    for (int d = 1; d <= n; ++d)
      if (n % d == 0) divisors.push_back(d);
    ASSERT_EQ(GroupingOptionCount(n), int(divisors.size())) << n;
    EXPECT_LE(GroupingOptionCount(n), kMaxGroupingOptions);
    for (int k = 1; k <= int(divisors.size()); ++k) EXPECT_EQ(ParallelGroups(n, k), divisors[k - 1]) << n << " option " << k;
    EXPECT_EQ(ParallelGroups(n, int(divisors.size()) + 1), 0);  // places beyond the count hold 0
    total += GroupingOptionCount(n);
  }
  EXPECT_EQ(total, 207);  // the divisor summatory function at 50
  for (int n : {0, 51, -3}) EXPECT_EQ(GroupingOptionCount(n) + ParallelGroups(n, 1), 0) << n;  // no such count
  EXPECT_EQ(ParallelGroups(12, 0), 0);
}

TEST(SpeakerGrouping, RecommendedOptionsMatchTheirTable) {
  const int expected[kMaxSpeakers + 1] = {0, 1, 1, 1, 2, 1, 2, 1, 2, 2, 2, 1, 3, 1, 2, 2, 3, 1, 3, 1, 3, 2, 2, 1, 4, 2,
                                          2, 2, 3, 1, 4, 1, 3, 2, 2, 2, 5, 1, 2, 2, 4, 1, 4, 1, 3, 3, 2, 1, 5, 2, 3};
  // The rule behind it: the largest group count not above the square root, so that the groups
  // are as square as they can be; a prime count, eleven too, is advised all in series.
  for (int n = 1; n <= kMaxSpeakers; ++n) EXPECT_EQ(AdvisedOption(n), expected[n]) << n;
  EXPECT_EQ(AdvisedOption(0), 1);
}

TEST(SpeakerGrouping, CountMovesMatchTheirTable) {
  const std::pair<int, int> moves[] = {{3, 4},   {5, 6},   {7, 8},   {11, 12}, {13, 15}, {14, 15}, {17, 18}, {19, 20},
                                       {22, 24}, {23, 24}, {26, 28}, {27, 28}, {29, 30}, {31, 32}, {34, 35}, {37, 36},
                                       {38, 40}, {39, 40}, {41, 40}, {43, 42}, {46, 45}, {47, 48}};
  for (int n = kMinSpeakers; n <= kMaxSpeakers; ++n) {
    int expected = n;
    for (const auto& [from, to] : moves)
      if (from == n) expected = to;
    EXPECT_EQ(AdjustedSpeakerCount(n), expected) << n;
  }
}

TEST(SpeakerGrouping, TotalImpedanceFollowsTheSeriesAndParallelRules) {
  for (double z : {2.0, 4.0, 6.5, 8.0}) {
    for (int n = kMinSpeakers; n <= kMaxSpeakers; ++n) {
      for (int k = 1; k <= GroupingOptionCount(n); ++k) {
        const auto g = ComputeSpeakerGrouping(z, n, k, GroupingOptionCount(n), true);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->parallel * g->series, n);
        EXPECT_NEAR(g->totalImpedance, ByAdmittances(z, g->parallel, g->series), 1e-12 * z * n);
      }
      // All in series adds, all in parallel divides.
      EXPECT_NEAR(ComputeSpeakerGrouping(z, n, 1, 2, true)->totalImpedance, n * z, 1e-12);
      EXPECT_NEAR(ComputeSpeakerGrouping(z, n, GroupingOptionCount(n), 2, true)->totalImpedance, z / n, 1e-12);
    }
  }
}

TEST(SpeakerGrouping, TextsOfTheThreeWiringsInBothLanguages) {
  const auto texts = [](int n, int option, int options, bool english) {
    const auto g = ComputeSpeakerGrouping(4, n, option, options, english);
    return std::vector<std::string>{g->count, g->option, g->wiring, g->grouping, g->total};};
  using Texts = std::vector<std::string>;
  EXPECT_EQ(texts(2, 1, 2, false), (Texts{"Anzahl: 2 LS", "Variante 1 von 2", "Reihenschaltung von 2 Lautsprechern",
                                          "1 x 2 (parallel x Reihe)", "neue Gesamt-Impedanz dann Z= 8.00 Ohm"}));
  EXPECT_EQ(texts(6, 3, 4, true),
            (Texts{"numbers of speakers: 6", "option 3 of 4",
                   "series connection of every 2 speakers, then these 3 groups parallel connected",
                   "3 x 2 (parallel x serial)", "new total impedance Z= 2.67 ohms"}));
  EXPECT_EQ(texts(6, 3, 4, false)[2], "Reihenschaltung von je 2 Lautsprechern, dann diese 3 Gruppen parallel");
  EXPECT_EQ(texts(11, 2, 2, true)[2], "parallel connection of 11 speakers");
  EXPECT_EQ(texts(11, 2, 2, false)[2], "Parallelschaltung von 11 Lautsprechern");
  EXPECT_EQ(texts(11, 1, 2, true)[2], "series connection of 11 speakers");
  EXPECT_EQ(texts(2, 2, 2, true)[2], "parallel connection of 2 speakers");
  // Two groups of two are the smallest grouping of series and parallel.
  EXPECT_EQ(texts(4, 2, 3, true)[2], "series connection of every 2 speakers, then these 2 groups parallel connected");
}

TEST(SpeakerGrouping, NoImpedanceOrNoGroupingGivesNothingToShow) {
  for (double z : {0.0, -4.0, -0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(ComputeSpeakerGrouping(z, 6, 3, 4, true)) << z;
  EXPECT_FALSE(ComputeSpeakerGrouping(4, 6, 5, 4, true));  // six has four options
  EXPECT_FALSE(ComputeSpeakerGrouping(4, 6, 0, 4, true));
  EXPECT_FALSE(ComputeSpeakerGrouping(4, 51, 1, 2, true));
  // A huge impedance is still a number with two decimals.
  const auto huge = ComputeSpeakerGrouping(1e17, 50, 1, 6, true);
  ASSERT_TRUE(huge);
  EXPECT_EQ(huge->total, "new total impedance Z= 5000000000000000000.00 ohms");
}

bool IsPrime(int n) {
  if (n < 2) return false;
  for (int d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

TEST(SpeakerGrouping, AdviceIsTheSquarestGroupingAndMovesGoToANearCountThatIsNoPrime) {
  EXPECT_EQ(ParallelGroups(12, 11), 0);
  // The largest group count not above the square root, for every count.
  for (int n = kMinSpeakers; n <= kMaxSpeakers; ++n) {
    const int p = ParallelGroups(n, AdvisedOption(n));
    EXPECT_LE(p * p, n) << n;
    EXPECT_GT(ParallelGroups(n, AdvisedOption(n) + 1) * ParallelGroups(n, AdvisedOption(n) + 1), n) << n;
  }
  // So no advice loads the amplifier below the impedance of one speaker: eleven 4 ohm speakers are
  // advised in series, 44 ohms, not 0.36 ohms in parallel.
  for (int n = kMinSpeakers; n <= kMaxSpeakers; ++n) {
    const auto advised = ComputeSpeakerGrouping(4, n, AdvisedOption(n), GroupingOptionCount(n), true);
    ASSERT_TRUE(advised) << n;
    EXPECT_GE(advised->totalImpedance, 4.0) << n;
  }
  EXPECT_EQ(ParallelGroups(11, AdvisedOption(11)), 1);
  EXPECT_DOUBLE_EQ(ComputeSpeakerGrouping(4, 11, AdvisedOption(11), 2, true)->totalImpedance, 44.0);
  for (int n = kMinSpeakers; n <= kMaxSpeakers; ++n) {
    EXPECT_LE(std::abs(AdjustedSpeakerCount(n) - n), 2) << n;
    if (AdjustedSpeakerCount(n) != n) {
      EXPECT_FALSE(IsPrime(AdjustedSpeakerCount(n))) << n;
    }
    if (IsPrime(n) && n > 2) {
      EXPECT_NE(AdjustedSpeakerCount(n), n) << n;
    }
  }
}

TEST(SpeakerGrouping, WorkedGroupingsAndTheirTexts) {
  // Sixteen 8-ohm speakers as 4 x 4 give 8 ohm; nine 4-ohm speakers as 3 x 3 give 4 ohm.
  const auto sixteen = ComputeSpeakerGrouping(8, 16, 3, 5, true);
  ASSERT_TRUE(sixteen);
  EXPECT_EQ(sixteen->parallel, 4);
  EXPECT_EQ(sixteen->series, 4);
  EXPECT_EQ(sixteen->total, "new total impedance Z= 8.00 ohms");
  const auto nine = ComputeSpeakerGrouping(4, 9, 2, 3, false);
  ASSERT_TRUE(nine);
  EXPECT_EQ(nine->total, "neue Gesamt-Impedanz dann Z= 4.00 Ohm");
  EXPECT_EQ(nine->grouping, "3 x 3 (parallel x Reihe)");
  EXPECT_EQ(ComputeSpeakerGrouping(4, 11, 2, 2, true)->total, "new total impedance Z= 0.36 ohms");
  EXPECT_EQ(ComputeSpeakerGrouping(4, 48, 5, 10, true)->grouping, "6 x 8 (parallel x serial)");
  EXPECT_EQ(ComputeSpeakerGrouping(4, 48, 5, 10, true)->total, "new total impedance Z= 5.33 ohms");
  EXPECT_EQ(ComputeSpeakerGrouping(4, 45, 3, 6, true)->grouping, "5 x 9 (parallel x serial)");
  EXPECT_EQ(ComputeSpeakerGrouping(4, 45, 3, 6, true)->total, "new total impedance Z= 7.20 ohms");
}

}  // namespace
}  // namespace velomare::test
