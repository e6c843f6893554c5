#pragma once
// The loss factor Ql of a built vented box, from five readings off its impedance curve and the
// driver's Thiele-Small parameters. The box's tuning follows from the two peaks and the resonance
// with the port closed (fb^2 + fc^2 = fl^2 + fh^2, fb fsb = fl fh); a check figure compares fb with
// the frequency of the impedance minimum that the computed Ql implies.
#include <array>
#include <string>

namespace velomare {

// The ten edit texts: the driver's Re, Qts, Qms, Qes, fs, then the readings fl, fm, Rm, fh, fc.
enum class QlEdit { Re, Qts, Qms, Qes, Fs, Fl, Fm, Rm, Fh, Fc };
inline constexpr std::size_t kQlEditCount = 10;
using QlEditTexts = std::array<std::string, kQlEditCount>;

struct QlValues {
  double fb = 0, fsb = 0;                  // Hz
  double rm = 0;                           // Rm / Re
  double qmsb = 0, qesb = 0, qtsb = 0;     // the driver's Q scaled to its resonance in the box
  double h = 0;                            // fb / fsb
  double alpha = 0;                        // compliance ratio Vas / Vb
  double ql = 0;
  double ratio = 0;                        // check figure fb / fm
  double deviation = 0;                    // |ratio - 1| in percent
  bool tuning = false, scaled = false, compliance = false, lossFactor = false, check = false;
};

struct QlReadouts {
  std::string fb, fsb, rm, qmsb, qesb, qtsb, h, alpha, ql, ratio, deviation;
};

struct QlResult {
  QlValues values;
  QlReadouts texts;  // in the current language
};

// A text that is not a number counts as 0.
QlResult ComputeQl(const QlEditTexts& texts);

// The driver edits' texts for the current driver: Re, Qts, Qms, Qes and fs.
std::array<std::string, 5> QlDriverEditTexts();

}  // namespace velomare
