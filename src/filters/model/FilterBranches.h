#pragma once
// The filter branch responses: one level and one phase array per designer branch (low, band and
// high pass), written by the designers' export and read by the complete crossover and the
// settings window. One store for the whole run; reach it through FilterBranchStore().
//
// Element 0 of each array is a marker, not a data point:
//   level[0] > 0.5  the branch holds an export (cleared by ClearFilterBranch);
//   phase[0] > 0.5  the data lie on the fast grid (FastFilterGrid), else on the one-hertz grid,
//                   where element i holds i Hz for i = 10 to 20001.
// Levels are in dB, phases in radians.
#include <array>

#include "filters/model/FilterDesign.h"

namespace velomare {

inline constexpr int kBranchSize = 20003;        // elements 0 to 20002
inline constexpr int kBranchOneHertzLast = 20001;

struct FilterBranch {
  std::array<double, kBranchSize> level{};
  std::array<double, kBranchSize> phase{};

  bool Filled() const { return level[0] > 0.5; }
  bool OnFastGrid() const { return phase[0] > 0.5; }
};

struct FilterBranches {
  FilterBranch lowPass, bandPass, highPass;

  FilterBranch& Of(FilterKind kind) {
    return kind == FilterKind::LowPass ? lowPass : kind == FilterKind::BandPass ? bandPass : highPass;
  }
};

// The run's one store (about 1 MB, so it lives outside any window).
FilterBranches& FilterBranchStore();

// Marks the branch empty; its data elements stay as they were.
void ClearFilterBranch(FilterBranch& branch);

// Moves one-hertz data onto the fast grid in place: element k takes element FastFilterGrid(k)
// for k = 1 to 290, each through single precision; element 291 becomes 0 and the branch is
// marked as fast-grid data. The fill marker stays as it was.
void ConvertFilterBranchToFastGrid(FilterBranch& branch);

}  // namespace velomare
