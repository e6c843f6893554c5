#include "enclosures/model/Helmholtz.h"

#include <cmath>

namespace velomare {
namespace {
// The digits the tube fields have always been computed with.
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPi = 3.141592653589793;
}  // namespace

double HelmholtzTuning(double radiusCm, double volumeLitres, double lengthCm) {
  const double t = kHelmholtzConstant * radiusCm * radiusCm / volumeLitres;
  const double effectiveLength = lengthCm + kHelmholtzEndCorrection * radiusCm;
  if (!(effectiveLength > 0)) return 0;
  const double tuning = std::sqrt(t / effectiveLength);
  return std::isfinite(tuning) ? tuning : 0.0;
}

double HelmholtzTubeLength(double radiusCm, double tuningHz, double volumeLitres) {
  return kHelmholtzConstant * radiusCm * radiusCm / (tuningHz * tuningHz * volumeLitres) -
         kHelmholtzEndCorrection * radiusCm;
}

double TubeAreaOf(double diameterCm) { return diameterCm * diameterCm * kQuarterPi; }

double TubeDiameterOf(double areaCm2) { return std::sqrt(4.0 * areaCm2 / kPi); }

}  // namespace velomare
