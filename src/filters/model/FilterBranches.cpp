#include "filters/model/FilterBranches.h"

#include <memory>

#include "filters/model/FastFilterGrid.h"

namespace velomare {

FilterBranches& FilterBranchStore() {
  static const std::unique_ptr<FilterBranches> store = std::make_unique<FilterBranches>();
  return *store;
}

void ClearFilterBranch(FilterBranch& branch) {
  branch.level[0] = 0.0;
  branch.phase[0] = 0.0;
}

void ConvertFilterBranchToFastGrid(FilterBranch& branch) {
  // FastFilterGrid(k) >= k, so every source element is read before it is overwritten.
  for (int k = 1; k <= kFastGridLast; ++k) {
    const int source = FastFilterGrid(k);
    branch.level[k] = static_cast<float>(branch.level[source]);
    branch.phase[k] = static_cast<float>(branch.phase[source]);
  }
  branch.level[kFastGridLast + 1] = 0.0;
  branch.phase[kFastGridLast + 1] = 0.0;
  branch.phase[0] = 1.0;
}

}  // namespace velomare
