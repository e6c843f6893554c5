#include "filters/model/FilterBranches.h"

#include <cmath>
#include <limits>

#include "filters/model/FastFilterGrid.h"

namespace velomare {

FilterBranchArray TPLevel{}, TPPhase{};
FilterBranchArray BPLevel{}, BPPhase{};
FilterBranchArray HPLevel{}, HPPhase{};

FilterBranch FilterBranchOf(FilterBranchKind kind) {
  switch (kind) {
    case FilterBranchKind::LowPass: return {TPLevel, TPPhase};
    case FilterBranchKind::BandPass: return {BPLevel, BPPhase};
    case FilterBranchKind::HighPass: break;
  }
  return {HPLevel, HPPhase};
}

bool BranchExported(FilterBranchKind kind) { return FilterBranchOf(kind).level[0] > 0.5; }

bool BranchOnFastGrid(FilterBranchKind kind) { return FilterBranchOf(kind).phase[0] > 0.5; }

void ClearFilterBranch(FilterBranchKind kind) {
  FilterBranch branch = FilterBranchOf(kind);
  branch.level[0] = 0.0;
  branch.phase[0] = 0.0;
}

namespace {
// A value beyond single precision keeps its sign at the largest float rather than overflowing.
float ToSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}
}  // namespace

bool ConvertBranchToFastGrid(FilterBranchKind kind) {
  if (!BranchExported(kind) || BranchOnFastGrid(kind)) return false;
  FilterBranch branch = FilterBranchOf(kind);
  // Every source element is read before any is overwritten: grid point i takes element f(i) >= i.
  std::array<float, kFastGridLast + 1> level{}, phase{};
  for (int i = 1; i <= kFastGridLast; ++i) {
    level[i] = ToSingle(branch.level[FastFilterGrid(i)]);
    phase[i] = ToSingle(branch.phase[FastFilterGrid(i)]);
  }
  for (int i = 1; i <= kFastGridLast; ++i) {
    branch.level[i] = level[i];
    branch.phase[i] = phase[i];
  }
  branch.level[kFastGridLast + 1] = 0.0;
  branch.phase[kFastGridLast + 1] = 0.0;
  branch.phase[0] = 1.0;
  return true;
}

void ResetFilterBranches() {
  for (FilterBranchArray* a : {&TPLevel, &TPPhase, &BPLevel, &BPPhase, &HPLevel, &HPPhase}) a->fill(0.0);
}

}  // namespace velomare
