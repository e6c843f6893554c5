// Standard-value stepping: the listed steps of both series, the values that lie on a threshold,
// the exact bits that the old number types leave in the results, round trips across decade
// edges, and the arguments no step may touch.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/NumberText.h"
#include "filters/model/StandardValues.h"

namespace velomare {
namespace {

// The value with four significant digits, more than the designers show of any series value.
double Shown(double v) {
  const double decade = std::pow(10.0, std::floor(std::log10(v * (1 + 1e-9))));
  return std::round(v / decade * 1000.0) / 1000.0;
}

TEST(StandardSteps, EachStepGivesTheNeighbouringSeriesValue) {
  const struct { const char* step; double (*function)(double); double from, to; } rows[] = {
      {"up", StepStandardUp, 1.0, 1.2},       {"up", StepStandardUp, 1.17, 1.2},    {"up", StepStandardUp, 1.495, 1.8},
      {"up", StepStandardUp, 1.48, 1.5},      {"up", StepStandardUp, 9.1, 10},      {"up", StepStandardUp, 0.91, 1.0},
      {"up", StepStandardUp, 100, 120},       {"up", StepStandardUp, 3.9, 4.7},     {"up", StepStandardUp, 8.0, 8.2},
      {"up", StepStandardUp, 9.1e-6, 1e-5},   {"up", StepStandardUp, 9.1e6, 1e7},   {"down", StepStandardDown, 1.205, 1.0},
      {"down", StepStandardDown, 1.0, 0.91},  {"down", StepStandardDown, 1000, 910}, {"down", StepStandardDown, 9.2, 9.1},
      {"down", StepStandardDown, 5.0, 4.7},   {"down", StepStandardDown, 0.1, 0.091}, {"down", StepStandardDown, 7.5, 6.8},
      {"down", StepStandardDown, 1e-6, 9.1e-7}, {"down", StepStandardDown, 1e6, 9.1e5},
      {"trimode up", TriStepStandardUp, 3.9, 4.3},  {"trimode up", TriStepStandardUp, 4.29, 4.7},
      {"trimode up", TriStepStandardUp, 2200, 2700}, {"trimode up", TriStepStandardUp, 0.1, 0.12},
      {"trimode down", TriStepStandardDown, 4.7, 4.3}, {"trimode down", TriStepStandardDown, 4.3, 3.9},
      {"trimode down", TriStepStandardDown, 15, 12},   {"trimode down", TriStepStandardDown, 1000, 910},
      {"up", StepStandardUp, 1.5, 1.8},       {"up", StepStandardUp, 5.0, 5.6},     {"up", StepStandardUp, 7.0, 7.5},
      {"down", StepStandardDown, 1.2, 1.0},   {"down", StepStandardDown, 10, 9.1},  {"down", StepStandardDown, 4.7, 3.9},
      {"down", StepStandardDown, 9.1, 8.2},   {"down", StepStandardDown, 8.2, 7.5},
      // The trimode series holds 4.3; the designers' series has none.
      {"trimode up", TriStepStandardUp, 1, 1.2},      {"trimode up", TriStepStandardUp, 9.1, 10},
      {"trimode up", TriStepStandardUp, 10, 12},      {"trimode up", TriStepStandardUp, 4.3, 4.7},
      {"trimode up", TriStepStandardUp, 1000, 1200},  {"trimode up", TriStepStandardUp, 1.16, 1.2},
      {"trimode up", TriStepStandardUp, 5, 5.6},      {"trimode down", TriStepStandardDown, 1, 0.91},
      {"trimode down", TriStepStandardDown, 10, 9.1}, {"trimode down", TriStepStandardDown, 100, 91},
      {"trimode down", TriStepStandardDown, 0.1, 0.091}, {"trimode down", TriStepStandardDown, 1.2, 1.0},
      {"trimode down", TriStepStandardDown, 9.11, 9.1},  {"trimode down", TriStepStandardDown, 2200, 1800},
      {"trimode down", TriStepStandardDown, 5, 4.7},
  };
  for (const auto& row : rows) {
    // A step up lands on its value to 1e-12, a step down to 1e-10.
    const bool up = row.function == StepStandardUp || row.function == TriStepStandardUp;
    EXPECT_NEAR(row.function(row.from), row.to, row.to * (up ? 1e-12 : 1e-10)) << row.step << " " << row.from;
  }
  EXPECT_EQ(TriStepStandardDown(1.0), 0.9099999999998545);
  EXPECT_NEAR(StepStandardUp(3.9), 4.7, 1e-12);
  EXPECT_NEAR(StepStandardDown(4.7), 3.9, 1e-11);
}

TEST(StandardSteps, ResultsCarryTheBitsOfTheOldNumberTypes) {
  // Up: 5.6 times the decade factor 0.01 built by repeated division, rounded once.
  EXPECT_EQ(StepStandardUp(0.047), 0.055999999999999994);
  // Down: the nearest 6-byte reals (40-bit significand) of 3.9, 0.91 and 1.2.
  EXPECT_EQ(StepStandardDown(4.7), 3.900000000001455);
  EXPECT_EQ(StepStandardDown(1.0), 0.9099999999998545);
  EXPECT_EQ(StepStandardDown(1.5), 1.2000000000007276);
  // The same values worked out apart: 3.9 with its significand cut to 40 bits.
  const double significand = std::round(std::ldexp(3.9 / 2.0, 39));
  EXPECT_EQ(StepStandardDown(4.7), std::ldexp(significand, -38));
}

TEST(StandardSteps, ValuesOnAThresholdLandWhereTheirBinaryFormLies) {
  EXPECT_NEAR(StepStandardDown(1.21), 1.0, 1e-11);  // 1.2099999999991269 in the 6-byte real
  EXPECT_NEAR(StepStandardDown(1.51), 1.5, 1e-11);
  EXPECT_NEAR(StepStandardDown(9.11), 9.1, 1e-11);
  EXPECT_EQ(StepStandardUp(9.09), 9.1);  // its double lies below the extended 9.09
  // Trimode: 1.49 lies below its threshold, 1.79 above.
  EXPECT_EQ(TriStepStandardUp(1.49), 1.5);
  EXPECT_EQ(TriStepStandardUp(1.79), 2.2);
  EXPECT_NEAR(TriStepStandardDown(1.21), 1.0, 1e-11);
  EXPECT_NEAR(TriStepStandardDown(4.31), 3.9, 1e-11);
}

// Every value of a series over the decades the windows step in, stepped up then down and down
// then up, comes back to itself as the windows show it, and each step lands on the neighbouring
// value. (Below 0.01 the 6-byte 1.0 of a decade can lie a hair under it, which a second step
// up takes for the 10 of the decade below; the windows never step down there, and they read
// every stepped value back from its shown text.)
void CheckRoundTrips(const StandardSeries& series) {
  std::vector<double> values;
  for (int e = -2; e <= 6; ++e)
    for (int h : series.hundredths) values.push_back(h / 100.0 * std::pow(10.0, e));
  for (std::size_t i = 1; i + 1 < values.size(); ++i) {
    const double v = values[i];
    const double up = StepSeriesUp(series, v);
    const double down = StepSeriesDown(series, v);
    EXPECT_NEAR(up, values[i + 1], values[i + 1] * 1e-9) << v;
    EXPECT_NEAR(down, values[i - 1], values[i - 1] * 1e-9) << v;
    EXPECT_EQ(Shown(StepSeriesDown(series, up)), Shown(v)) << v;
    EXPECT_EQ(Shown(StepSeriesUp(series, down)), Shown(v)) << v;
  }
}

TEST(StandardSteps, EverySeriesValueStepsToItsNeighboursAndBackAcrossDecades) {
  CheckRoundTrips(kFilterDesignerSeries);
  CheckRoundTrips(kTrimodeSeries);
}

TEST(StandardSteps, ResultsAreAlwaysSeriesValues) {
  // Any value in between steps onto the series, in both directions, over many decades.
  const std::vector<int> series(kFilterDesignerSeries.hundredths.begin(), kFilterDesignerSeries.hundredths.end());
  const auto onSeries = [&](double v) {
    const double m = Shown(v) * 100.0;
    for (int h : series)
      if (std::fabs(m - h) < 1e-6) return true;
    return false;
  };
  for (double x = 0.0123; x < 5e5; x *= 1.0371) {
    const double up = StepStandardUp(x), down = StepStandardDown(x);
    EXPECT_TRUE(onSeries(up)) << x << " up " << up;
    EXPECT_TRUE(onSeries(down)) << x << " down " << down;
    EXPECT_GT(up, x * 0.99) << x;
    EXPECT_LT(down, x * 1.01) << x;
  }
}

TEST(StandardSteps, DecadeEdges) {
  for (int e = -6; e <= 6; ++e) {
    const double decade = std::pow(10.0, e);
    EXPECT_NEAR(StepStandardUp(9.1 * decade), 10 * decade, decade * 1e-10) << e;
    EXPECT_NEAR(StepStandardDown(decade), 0.91 * decade, decade * 1e-10) << e;
  }
}

TEST(StandardSteps, ArgumentsOutsideTheSteppableRangeComeBackUnchanged) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double (*step)(double) : {StepStandardUp, StepStandardDown, TriStepStandardUp, TriStepStandardDown}) {
    for (double x : {0.0, -1.0, -0.5, 9e-18, 1e18, 1e20, 1e300, inf, -inf}) EXPECT_EQ(step(x), x) << x;
    EXPECT_TRUE(std::isnan(step(std::numeric_limits<double>::quiet_NaN())));
  }
  // The ends of the range still step within their decade.
  EXPECT_NEAR(StepStandardDown(9.9e17), 9.1e17, 1e6);
  EXPECT_NEAR(StepStandardUp(1e-17), 1.2e-17, 1e-28);
}

}  // namespace
}  // namespace velomare
