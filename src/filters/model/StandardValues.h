#pragma once
// Stepping a component value to the next standard value above or below, as the up-down buttons
// beside the component edits of the filter windows do.
//
// How to use it: a window with its own series passes that series to StepSeriesUp and
// StepSeriesDown (or uses one of the named pairs below); the caller checks its own bounds first
// and formats the result itself. A series is the list of its values within one decade, in
// hundredths (1.0 is 100, 9.1 is 910), rising from 100; the thresholds lie 0.01 below (up) or
// above (down) each value, so a value shown as a series value up to a small error steps past it.
//
// The results are meant to come out bit for bit as the program always gave them, which takes
// three precisions: the thresholds are extended-precision (64-bit significand) constants; the up
// step splits and scales in doubles, each product or quotient formed in extended precision; the
// down step works in the old 6-byte real (40-bit significand, ties rounded away from zero), so
// stepping 1.0 down gives 0.9099999999998545, not the double nearest 0.91. Shown with two or
// three decimals these are the series values.
//
// Both steps return their argument unchanged for zero, negative or non-finite values and outside
// 1e-17 <= x < 1e18, where the decade factor (Pow10, Pow10Neg) would be lost.
#include <span>

namespace velomare {

struct StandardSeries {
  std::span<const int> hundredths;  // one decade, rising, starting with 100
};

// E12 with 7.5 and 9.1: the series of the high-, band- and low-pass designers.
extern const StandardSeries kFilterDesignerSeries;
// The same with 4.3: the series of the trimode crossover.
extern const StandardSeries kTrimodeSeries;

double StepSeriesUp(const StandardSeries& series, double x);
double StepSeriesDown(const StandardSeries& series, double x);

inline double StepStandardUp(double x) { return StepSeriesUp(kFilterDesignerSeries, x); }
inline double StepStandardDown(double x) { return StepSeriesDown(kFilterDesignerSeries, x); }
inline double TriStepStandardUp(double x) { return StepSeriesUp(kTrimodeSeries, x); }
inline double TriStepStandardDown(double x) { return StepSeriesDown(kTrimodeSeries, x); }

}  // namespace velomare
