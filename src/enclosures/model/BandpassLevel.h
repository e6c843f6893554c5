#pragma once
// The level of a closed bandpass (one sealed chamber Vg behind the driver, one vented chamber Vr
// in front, tuned to ft through a port with loss factor Ql): the fourth-order band pass normalised
// so that an ideal pass band lies near 0 dB. The closed bandpass window's diagram, read-out,
// comparison slot and export file evaluate it, and the reference picture of S values draws it.
#include <optional>

namespace velomare {

struct BandpassLevelInputs {
  double qts = 0;        // driver's total Q
  double fs = 0;         // Hz
  double vas = 0;        // litres, already scaled for push-pull (Vas x 0.5)
  double vg = 0;         // sealed chamber, litres
  double vr = 0;         // vented chamber, litres
  double tuning = 0;     // ft, Hz
  double ql = 0;         // port loss factor
};

// Level in dB at f Hz; nothing where the model has no value (f, ft, Ql, Qts, Vg, Vr or fs not
// above 0, or a result that is not finite).
std::optional<double> BandpassLevel(const BandpassLevelInputs& in, double f);

}  // namespace velomare
