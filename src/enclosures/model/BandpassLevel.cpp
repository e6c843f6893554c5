#include "enclosures/model/BandpassLevel.h"

#include <cmath>

namespace velomare {

std::optional<double> BandpassLevel(const BandpassLevelInputs& in, double f) {
  if (!(f > 0) || !(in.tuning > 0) || !(in.ql > 0) || !(in.qts > 0) || !(in.vg > 0) || !(in.vr > 0) || !(in.fs > 0))
    return std::nullopt;
  const double fs = in.fs, ft = in.tuning, a = in.vas, ql = in.ql, qts = in.qts;
  const double f2 = f * f;
  const double sealedStiffness = 1.0 + a / in.vg;
  const double real = f2 * f2 / (ft * ft) -
                      f2 * (1.0 + (fs / ft) * (fs * (1.0 + a / in.vg + a / in.vr) / ft + 1.0 / (qts * ql))) +
                      fs * fs * sealedStiffness;
  const double imag = f * fs * (1.0 / qts + fs * sealedStiffness / (ft * ql)) - f2 * f * (1.0 / ql + fs / (ft * qts)) / ft;
  const double level = (20.0 / std::log(10.0)) * std::log(f2 / std::sqrt(real * real + imag * imag));
  if (!std::isfinite(level)) return std::nullopt;
  return level;
}

}  // namespace velomare
