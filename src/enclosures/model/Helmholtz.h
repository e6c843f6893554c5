#pragma once
// The Helmholtz tuning of a chamber vented by one round tube, as the two bandpass windows use it:
//
//   F = sqrt(94400 r² / (V (L + 1.463 r)))   r and L in cm, V in litres, F in Hz
//
// 94400 is 10 c² / (4 pi) in these units for c = 344.4 m/s (the bass-reflex box uses its own
// constants, kept apart on purpose). 1.463 r is the tube's end correction with one end flanged and
// one free, the same one the port calculator moves port lengths with.
#include "calculators/model/PortCalc.h"

namespace velomare {

inline constexpr double kHelmholtzConstant = 94400.0;
inline constexpr double kHelmholtzEndCorrection = kEndCorrectionOneFlush;

// The tuning in Hz; 0 when the effective length L + 1.463 r is not positive or the root has no
// finite value. The caller decides what a non-positive volume, length or radius means.
double HelmholtzTuning(double radiusCm, double volumeLitres, double lengthCm);
// The tube length (cm) that tunes the chamber to `tuningHz`; not limited, so it can come out
// negative. Not finite when the tuning or the volume is 0.
double HelmholtzTubeLength(double radiusCm, double tuningHz, double volumeLitres);

// A round tube's cross-section (cm²) and the diameter (cm) of the circle of a given area.
double TubeAreaOf(double diameterCm);
double TubeDiameterOf(double areaCm2);

}  // namespace velomare
