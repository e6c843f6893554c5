#pragma once
// The filter branch responses: level (dB) and phase (radians) of the low-pass, band-pass and
// high-pass designers' exported circuits, which the complete crossover adds and the settings
// window lists, clears and converts. One store for the whole run, every element 0.0 at start.
//
// Element 0 of each array is a marker, not a data point: level[0] > 0.5 means the branch holds
// an export, phase[0] > 0.5 that its data lie on the fast grid (FastFilterGrid.h, element i at
// grid point i); otherwise element i holds i Hz (the one-hertz grid, 10 to 20001).
#include <array>

namespace velomare {

inline constexpr int kFilterBranchSize = 20003;  // elements 0 to 20002
using FilterBranchArray = std::array<double, kFilterBranchSize>;

extern FilterBranchArray TPLevel, TPPhase;  // low pass
extern FilterBranchArray BPLevel, BPPhase;  // band pass
extern FilterBranchArray HPLevel, HPPhase;  // high pass

enum class FilterBranchKind { LowPass, BandPass, HighPass };

struct FilterBranch {
  FilterBranchArray& level;
  FilterBranchArray& phase;
};
FilterBranch FilterBranchOf(FilterBranchKind kind);

bool BranchExported(FilterBranchKind kind);
bool BranchOnFastGrid(FilterBranchKind kind);

// Empties the branch: both markers 0.0; the data stay and are ignored.
void ClearFilterBranch(FilterBranchKind kind);

// Moves one-hertz data to the fast grid in place: grid point i takes the values at its frequency,
// passed through single precision as the fast simulation keeps them; element 291 becomes 0.0
// and phase[0] 1.0. Only a branch exported on the one-hertz grid is converted; any other is left
// as it is and false returned, so that a branch is never converted twice.
bool ConvertBranchToFastGrid(FilterBranchKind kind);

// All six arrays back to 0.0, as at program start.
void ResetFilterBranches();

}  // namespace velomare
