#pragma once
// The closed (sealed) box: N identical drivers share one box, a series resistance may sit in front
// of them. Given the wanted total quality Qtc the design finds the net volume, given the volume it
// finds Qtc; both give the box resonance fc, the -3 dB frequency fg, the excursion-peak frequency
// and the gross volume. ClosedResponseLevel is the one response model behind the diagram, the
// read-out, the printed page, the comparison slot and the export file.
//
// Textbook relations (Small, "Closed-box loudspeaker systems", 1972): alpha = N Vas / Vb,
// fc = fs sqrt(1 + alpha), Qtc = Qts' sqrt(1 + alpha), and the response is the second-order high
// pass with corner fc and quality Qtc. The series resistance raises the driver's total Q as
// Qts' = Qts (Re + Rs) / Re; textbooks raise Qes only (0.4030 instead of 0.4083 for Qts 0.35,
// Re 6, Rs 1), but the program has always done it this way and users compare against it.
//
// The functions take the edit texts and hand back the texts to show.
#include <optional>
#include <string>
#include <string_view>

#include "platform/plain/IniFile.h"

namespace velomare {

// The committed driver values the closed box reads at each computation.
struct ClosedDriver {
  double qts = 0;
  double re = 0;   // ohm
  double fs = 0;   // Hz
  double vas = 0;  // litres
  double vol = 0;  // displacement of one driver, litres
};
ClosedDriver ClosedDriverFromCommitted();

// The design state; one per window, all zero at program start.
struct ClosedDesign {
  double qtc = 0;
  double volume = 0;       // net Vb, litres
  double fc = 0;           // Hz
  double fg = 0;           // Hz, 0 when CutoffF3 has none
  double totalVolume = 0;  // Vb + N x displacement
  double seriesR = 0;      // ohm
  double qtsR = 0;         // Qts', 0 while Re <= 0
  double peakFrequency = 0;
  int driverCount = 1;
  // The committed driver as it was at the end of the last design call: the driver the shown
  // design was made for. Re counts (with a series resistance it moves Qts'), and so does the
  // displacement (it moves the total volume).
  ClosedDriver snapshot;
  // Whether the last design that read the inputs passed its tests: a failed design keeps old
  // results beside newly read values, which must not be stored, exported or printed.
  bool lastDesignValid = false;
};

// What the window reads for a design.
struct ClosedInputs {
  std::string qtcText;       // Edit1
  std::string volumeText;    // Edit2
  std::string seriesRText;   // Edit3
  int driverItemIndex = -1;  // ComboBox1's item index (-1 for a typed text)
  bool qtcMode = true;       // CheckBox1
};

// What a design hands back to show.
struct ClosedDesignTexts {
  bool ran = false;    // the routine of the current mode: it read the inputs
  bool valid = false;  // its tests passed
  std::string fgLabel, fcLabel, totalLabel;  // Label4, Label5, Label11 (written when ran)
  std::optional<std::string> peakLabel;      // labelfxmax; nothing keeps its text
  std::optional<std::string> otherEdit;      // Edit2 after the Qtc design, Edit1 after the volume design
};

// The Qtc design (Qtc mode); in volume mode it only takes the driver snapshot.
ClosedDesignTexts ClosedDesignFromQtc(ClosedDesign& design, const ClosedInputs& in, const ClosedDriver& driver,
                                      bool english);
// The volume design (volume mode); in Qtc mode it only takes the driver snapshot.
ClosedDesignTexts ClosedDesignFromVolume(ClosedDesign& design, const ClosedInputs& in, const ClosedDriver& driver,
                                         bool english);
// A change of the series resistance text: Rs and Qts'. The window then runs the design of its mode.
void UpdateSeriesResistance(ClosedDesign& design, std::string_view seriesRText, const ClosedDriver& driver);

// The -3 dB frequency of a second-order high pass with corner fc and quality Qtc; 0 when
// fc <= 10 or Qtc < 0.2.
double CutoffF3(double fc, double qtc);

// Qts' = Qts (Re + Rs) / Re; 0 when Re <= 0, where it has no value.
double RaisedQts(const ClosedDriver& driver, double seriesR);

// The response model's inputs, taken from the design and the driver at the moment of use.
struct ClosedResponse {
  double fs = 0, vas = 0, qtsR = 0, volume = 0;
  int drivers = 1;
};
ClosedResponse ClosedResponseOf(const ClosedDesign& design, const ClosedDriver& driver);
// Level in dB relative to the pass band at f Hz: 20 log10(x^4 / sqrt((x^4 - A x^2)^2 + (x^3 / Qts')^2)),
// x = f / fs, A = 1 + N Vas / Vb. Nothing where it has no value (f, fs, Qts' or Vb not above 0).
std::optional<double> ClosedResponseLevel(const ClosedResponse& r, double f);

// The diagram's guards for an axis: the logarithmic axis needs Qts' > 0, Vas > 0, fs > 1 and
// Vb > 0.2; the linear one Qts' >= 0.1, Vas > 0.1, Qtc > 0.1, Qtc > Qts', fs > 10 and Vb > 0.2.
bool ClosedPlotDrawable(const ClosedDesign& design, const ClosedDriver& driver, bool logarithmic);
// Store and export: the last design passed, Qts' > 0.01, Qts > 0.01, fs > 1, Vas > 0.1, Vb > 0.1, N >= 1.
bool ClosedStoreValid(const ClosedDesign& design, const ClosedDriver& driver);
// The printed page: the last design passed, Qts' > 0.3, Vas > 0.2, fs >= 10 and Vb > 0.2.
bool ClosedPrintValid(const ClosedDesign& design, const ClosedDriver& driver);

// The committed driver differs from the snapshot of the last design in Qts, Re, fs, Vas or the
// displacement (by more than 1e-8).
bool ClosedDriverChanged(const ClosedDesign& design, const ClosedDriver& driver);

// The rule-of-thumb start: Qtc 0,707 for Qts <= 0.65, else 100 litres. The edit first gets the
// intermediate text so that the final one is a change even when the edit holds it already.
struct ClosedTip {
  bool qtcMode;
  const char* intermediate;
  const char* text;
};
ClosedTip ClosedTipFor(double qts);
// The start values at creation: Qtc mode for Qts < 0.7.
bool ClosedStartsInQtcMode(double qts);

// The printed page's title line (German, decimal points).
std::string ClosedPrintTitle(const ClosedDesign& design, const std::string& manufacturer, const std::string& name);

// The caption read-out: frequency and level with one decimal and a decimal comma in both languages.
std::string ClosedCaption(bool english);  // the plain caption at activation
std::string ClosedPointerCaption(bool english, bool inArea, bool curveMode, double frequency, double level);

// Section "Geschlossen": kept only when 0 < volume < 2000 and resistance >= 0.
struct ClosedSavedValues {
  double volume = 0;
  double seriesR = 0;
};
bool ClosedValuesKeepable(const ClosedSavedValues& values);
// The stored values when they are keepable (a number that is not a number text reads as 0).
std::optional<ClosedSavedValues> ReadClosedSection(const platform::IniFile& ini);
// Writes both keys when keepable; false when nothing was written because of a failed write.
bool WriteClosedSection(platform::IniFile& ini, const ClosedSavedValues& values);
// The text an edit gets from a stored value: plain decimal text with a point.
std::string ClosedStoredNumberText(double value);
// The values to keep at close: the edit texts by the number convention.
ClosedSavedValues ClosedValuesFromEdits(std::string_view volumeText, std::string_view seriesRText);

}  // namespace velomare
