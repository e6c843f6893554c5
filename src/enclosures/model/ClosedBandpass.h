#pragma once
// The closed bandpass: the driver between a sealed chamber Vg and a vented chamber Vr that
// radiates through one port. From the committed driver and two choices, the curve shape S and the
// total quality Qt, the design derives both volumes, the port length, the limit frequencies from
// three fixed design tables, the gain against a closed box and the ripple. The user may then
// overwrite the port length and the two volumes by hand; RecalcBandpassFromEdits takes the edits
// back and works out the port tuning and Qtc from them, and the response, the comparison slot and
// the export file use those edited values.
//
// The window (enclosures/Tbandkiste.h) moves texts only:
//
//   ClosedBandpassState state;
//   auto texts = DesignClosedBandpass(state, inputs, BandpassDriverFromCommitted(), english);
//   Edit4 <- texts.portLength; Edit5 <- texts.vg; Edit6 <- texts.vr   (each change recalculates)
//   auto recalc = RecalcBandpassFromEdits(state, Edit4, Edit5, Edit6, driver);
#include <optional>
#include <string>
#include <string_view>

#include "enclosures/model/BandpassLevel.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/SimulationExport.h"
#include "platform/plain/IniFile.h"

namespace velomare {

struct BandpassDriver {
  double qts = 0, qes = 0, fs = 0, vas = 0;  // Vas in litres, fs in Hz
};
BandpassDriver BandpassDriverFromCommitted();

// The three design tables, by S (0.4, 0.5, 0.6 or 0.7) and Qt (whole hundredths). Outside the
// four S bands the tables give 0.
double BandpassTableA(double s, double qt);   // lower limit factor, x fs / Qts
double BandpassTableB(double s, double qt);   // upper limit factor, x fs / Qts
double BandpassLineFit(double s, double qt);  // gain against a closed box, dB

struct ClosedBandpassState {
  double qt = 1.0;
  double s = 0.6;
  double portDiameter = 0;  // cm; a tunnel's as the circle of equal area
  double portArea = 0;      // cm²; keeps its last value while the port has no size
  double vasFactor = 1.0;   // 0.5 with push-pull
  double pushPullDb = 0.0;  // 3 with push-pull
  double midFrequency = 0;
  double fb = 0;
  double vr = 0;
  double vg = 0;
  double portLength = 0;
  double lowerLimit = 0, upperLimit = 0;
  double gain = 0;
  double spl = 0;
  bool splKnown = false;  // false when the driver's reference level cannot be computed (Qes <= 0)
  double ripple = 0;
  int ql = 10;
  double tuning = 0;
  double qtc = 0;  // from the hand edits; shown only
  bool designValid = false;
  // The driver of the last design: a later activation designs again only when it changed, so
  // the hand edits survive a return to the window.
  BandpassDriver designedFor;
  bool designedOnce = false;
};

void SetPushPull(ClosedBandpassState& state, bool on);

struct QtRange {
  int minimum = 50, maximum = 130;
  bool enabled = true;  // S and Qt scroll bars
};
// The Qt scroll bar's range for the state's S and the driver's Qts; always min <= max.
QtRange SetQtRangeForS(const ClosedBandpassState& state, double qts);

struct BandpassInputs {
  int sPosition = 6;     // ScrollBar1
  int qtPosition = 100;  // ScrollBar2
  bool tunnel = false;
  std::string tubeText = "10", widthText = "10", heightText = "10";
};

// The three result edits' texts: port length, Vg, Vr (empty while there is no design).
struct BandpassEditTexts {
  std::string portLength, vg, vr;
};
BandpassEditTexts DesignClosedBandpass(ClosedBandpassState& state, const BandpassInputs& in,
                                       const BandpassDriver& driver, bool english);

// The hand-edit recalculation: port length, Vg and Vr from the edits, then Qtc (whenever both
// volumes are above 0) and the tuning (when the port length is above 0 too). `updateQl` is true
// when the volumes and the length allow a tuning, so that the automatic Ql follows.
struct BandpassRecalcTexts {
  std::string qtcLabel;  // Label17
  std::string frLabel;   // Label18
  bool updateQl = false;
};
BandpassRecalcTexts RecalcBandpassFromEdits(ClosedBandpassState& state, std::string_view portLengthText,
                                            std::string_view vgText, std::string_view vrText,
                                            const BandpassDriver& driver);

// The automatic loss factor from Vr, or the scroll bar's position; the position to show.
int UpdateBandpassQl(ClosedBandpassState& state, bool autoQl, int scrollPosition);
std::string BandpassQlLabel(bool english, int scrollPosition);

struct BandpassResultTexts {
  std::string label2, label1, label10, label7, label4, label3, label11, label5, label6, label12, label13, label15,
      well;
};
BandpassResultTexts ShowBandpassResults(const ClosedBandpassState& state, bool english);

// The response of the edited box.
BandpassLevelInputs BandpassLevelInputsOf(const ClosedBandpassState& state, const BandpassDriver& driver);
// The diagram and the read-out need a tuning, both volumes and a loss factor of at least 1.
bool BandpassPlotDrawable(const ClosedBandpassState& state, const BandpassDriver& driver);
// The store and the export: a valid design with the chambers as edited and a port that tunes.
bool BandpassStoreValid(const ClosedBandpassState& state, const BandpassDriver& driver);
// The levels at 1..400 Hz; nothing when the model has no value at one of them.
std::optional<ComparisonLevels> BandpassLevels(const ClosedBandpassState& state, const BandpassDriver& driver);
ComparisonHeader BandpassComparisonHeader(const ClosedBandpassState& state, bool pushPull);
ClosedBandpassExportValues BandpassExportValues(const ClosedBandpassState& state, bool pushPull, bool tunnel,
                                                const std::string& widthText, const std::string& heightText);

std::string BandpassCaption(bool english, bool pushPull);
std::string BandpassPointerCaption(bool english, bool pushPull, bool inArea, bool curveMode, double frequency,
                                   double level);

// True before the first design and when the driver differs from the last design's.
bool BandpassDriverChanged(const ClosedBandpassState& state, const BandpassDriver& driver);

// Section "geschl.Bandpass": what a restore applies (each value already within its range or
// replaced by its fallback), and what a close writes.
struct BandpassSavedValues {
  std::string tubeText = "8", widthText = "10", heightText = "5";
  int sPosition = 6, qtPosition = 100;
  bool pushPull = false, tunnel = false;
};
BandpassSavedValues ReadBandpassSection(const platform::IniFile& ini);
struct BandpassClosingValues {
  double tube = 8, width = 10, height = 5;
  int sPosition = 6, qtPosition = 100;
  bool pushPull = false, tunnel = false;
};
BandpassClosingValues BandpassValuesFromControls(std::string_view tube, std::string_view width,
                                                 std::string_view height, int sPosition, int qtPosition,
                                                 bool pushPull, bool tunnel);
bool WriteBandpassSection(platform::IniFile& ini, const BandpassClosingValues& values);

}  // namespace velomare
