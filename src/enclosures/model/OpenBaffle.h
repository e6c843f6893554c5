#pragma once
// The driver on an open baffle. The user gives the shortest path around the baffle from the front
// to the back of the membrane; half of it sets the baffle's lower tuning frequency, and the level
// is the sum of a driver term (the driver in a very large closed volume, a second-order high pass
// at fs) and a baffle term (a first-order high pass at the tuning frequency).
//
// One level function serves the diagram, the curve read-out, the export file and the comparison
// store; they differ only in the driver term's alpha (OpenBaffleAlpha) and in the diagram's clamp
// at -30 dB, which ComputeResponsePlot applies.
#include <optional>
#include <string>
#include <string_view>

#include "enclosures/model/ComparisonStore.h"

namespace velomare {

namespace platform {
class IniFile;
}

// This tool's speed of sound in m/s (the textbook value is 343; the tool's tuning texts rely on 340).
inline constexpr double kOpenBaffleSpeedOfSound = 340.0;

struct OpenBaffleDriver {
  double qts = 0;
  double fs = 0;   // Hz
  double vas = 0;  // litres
};
OpenBaffleDriver OpenBaffleDriverFromCommitted();

// The driver term's compliance ratio term of each use. The diagram's notional box is 100 Vas, so
// its alpha is 1 + Vas / (100 Vas) = 1.01; the curve read-out and the files use their own values,
// which differ on purpose: the three uses are not meant to agree to the last hundredth of a dB.
double OpenBaffleDiagramAlpha(double vas);
inline constexpr double kOpenBaffleReadoutAlpha = 1.0001;
inline constexpr double kOpenBaffleFileAlpha = 1.0;

// The half path d in metres from the text of the path edit (D in cm): D * 0.005, or 0 for a text
// that is no number.
double OpenBaffleHalfPath(std::string_view pathText);

// fu = c / (4 d) = c / (2 path), for 0.01 <= d <= 500 m; nothing outside.
std::optional<double> OpenBaffleTuningFrequency(double halfPath);
// The tuning label: "untere Grenzfrequ. der Abstimmung 170 Hz", or "-" without a tuning frequency.
std::string OpenBaffleTuningText(double halfPath, bool english);

// The level in dB at f Hz; nothing for f, fs, Qts or d at or below 0, or a result that is not
// finite. `withDriver` false leaves the baffle term alone.
std::optional<double> OpenBaffleLevel(const OpenBaffleDriver& driver, double halfPath, double frequency, double alpha,
                                      bool withDriver = true);

// The diagram draws only for Qts >= 0.1, Vas > 1 l, fs >= 10 Hz and 0.1 <= d <= 5 m.
bool OpenBaffleDiagramValid(const OpenBaffleDriver& driver, double halfPath);
// Store and export accept more: d >= 0.01 m, Qts >= 0.01, fs > 1 Hz, Vas >= 0.1 l.
bool OpenBaffleExportValid(const OpenBaffleDriver& driver, double halfPath);

// The linear amplitude of the diagram's level (clamped at -30 dB) at the whole hertz Trunc(fs), or 0
// when the diagram does not draw or its 10..400 Hz range does not reach Trunc(fs).
double OpenBaffleQtc(const OpenBaffleDriver& driver, double halfPath, bool withDriver = true);
// "Einbaugüte Qtc= 0.1 bei 29 Hz " / "Quality in box Qtc= 0.1 at 29 Hz ".
std::string OpenBaffleQtcText(double qtc, double fs, bool english);

// The curve of the files and the comparison store: alpha 1, the driver term always, not clamped.
ComparisonLevels OpenBaffleFileLevels(const OpenBaffleDriver& driver, double halfPath);
// The comparison record: box type 0, the half path in metres as PortLength1, the committed
// driver's label and sensitivity.
ComparisonHeader OpenBaffleComparisonHeader(double halfPath);

std::string OpenBaffleCaption(bool english);  // the caption at activation
std::string OpenBafflePointerCaption(bool english, bool inArea, bool curveMode, double frequency, double level);

// The kept path: "Abstand" of section "Offen", a whole number of centimetres from 1 to 1000. A
// stored value outside, or no whole number, is not restored; an edit text that is no whole number
// in the range is not kept.
inline constexpr int kOpenBaffleMaxKeptPath = 1000;
std::optional<int> ReadOpenBaffleSection(const platform::IniFile& ini);
std::optional<int> OpenBafflePathToKeep(std::string_view pathText);
// True when the path was written, or when there was nothing to write.
bool WriteOpenBaffleSection(platform::IniFile& ini, std::string_view pathText);

}  // namespace velomare
