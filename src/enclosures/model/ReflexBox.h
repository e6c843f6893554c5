#pragma once
// The bass-reflex box: the working design (net volume, round ports, series resistance, number of
// drivers, box loss factor Ql), its three recomputes with their guard, the rule-of-thumb design,
// the seven alignments, the lossy vented-box response, the validity tests of the diagram, the
// store, the export and the printed page, and the kept section "Bassreflex".
//
// The window owns the edits: a design the program computes (rule of thumb, alignment) comes back
// as texts, the window writes them into its edits, and the edits' handlers recompute from the
// texts as shown. The rule-of-thumb volume and port length (ReflexTipVolume, ReflexTipPortLength)
// and the Helmholtz tuning (ReflexTuningOf) are plain functions that other vented boxes reuse.
#include <optional>
#include <string>
#include <string_view>

#include "platform/plain/IniFile.h"

namespace velomare {

// The committed driver's values that the design reads, taken at each recompute.
struct ReflexDriver {
  long double qts = 0, re = 0, vas = 0, fs = 0, vol = 0;
};
ReflexDriver ReflexDriverFromCommitted();

struct ReflexDesign {
  long double qtsEffective = 0;  // Qts' = Qts (Re + Rs) / Re; 0 while Re <= 0
  long double seriesR = 0;       // ohm
  double portDiameter = 0;       // cm, one port
  int portCount = 1;             // 0 for a typed count
  int driverCount = 1;
  long double portArea = 0;      // cm², all ports
  long double boxVolume = 0;     // litres, net
  long double portLength = 0;    // cm
  long double tuning = 0;        // fb, Hz
  long double cutoff = 0;        // fg, Hz
  long double grossVolume = 0;   // litres
  int ql = 0;
  // Whether the last recompute's guard held. While it did not, fb, the port area and the gross
  // volume still describe the design before it, so the store, the export and the printed page
  // refuse rather than hand out that design under the new values.
  bool lastDesignValid = false;
};

// Qts with the series resistance in front of the driver; 0 (no design) for Re <= 0.
long double ReflexEffectiveQts(const ReflexDriver& driver, long double seriesR);

// Helmholtz tuning of a port of total area A (cm²) and length L (cm) on a net volume Vb (litres),
// with the end correction 0.846 sqrt(A): sqrt(30000 A / (Vb (L + 0.846 sqrt A))); 30000 stands for
// (c / 2 pi)^2 with c = 344.1 m/s in these units. 0 where the root has no value.
long double ReflexTuningOf(long double area, long double volume, long double length);
// The port length that tunes a net volume Vb (litres) to fb with ports of total area A (cm²),
// from the same formula; not limited (it can come out negative).
long double ReflexPortLengthFor(long double area, long double fb, long double volume);
// Rule of thumb: |15 N Vas Qts'^2.87| litres, kept within 1 to 10000 litres.
long double ReflexTipVolume(long double qtsEffective, long double vas, int drivers);
// Rule of thumb: 168939 A Qts'^1.8 / (fs^2 Vb) - 0.88 sqrt(A) cm, kept within 2 to 200 cm.
long double ReflexTipPortLength(long double area, long double qtsEffective, long double fs, long double volume);
// The same two rules without their limits, for the vented bandpass's presets; the results may be
// out of any sensible range or not finite, which the caller tests.
long double ReflexRuleVolume(long double qtsEffective, long double vas, int drivers);
long double ReflexRulePortLength(long double area, long double qtsEffective, long double fs, long double volume);
// Estimated lower cut-off 0.26 fs Qts'^-1.4 Hz; 0 where it has no value.
long double ReflexLowerCutoff(long double fs, long double qtsEffective);
// int(sqrt(3000 / Vb) + 1) within 1 to 100; `current` for a volume that is not positive.
int ReflexAutoQl(long double volume, int current);

// The guard of the three recomputes.
bool ReflexDesignGuard(const ReflexDesign& design, const ReflexDriver& driver);

// The recomputes. Each reads its one input text (0 when no number), recomputes when the guard
// holds and returns whether it did. The caller then shows the results.
bool RecalcReflexFromGeometry(ReflexDesign& design, std::string_view diameterText, const ReflexDriver& driver);
bool RecalcReflexFromVolume(ReflexDesign& design, std::string_view volumeText, const ReflexDriver& driver);
bool RecalcReflexFromLength(ReflexDesign& design, std::string_view lengthText, const ReflexDriver& driver);
// The series resistance as typed (0 when no number).
void SetReflexSeriesResistance(ReflexDesign& design, std::string_view text);

// The gross-volume label after a recompute: prefix ("l, total " or "l, insges. ") + volume + " l",
// or "l " when the guard failed.
std::string ReflexGrossLabel(const ReflexDesign& design, bool valid, const char* prefix);
inline constexpr const char* kGrossAfterVolume = "l, total ";
inline constexpr const char* kGrossAfterLength = "l, insges. ";

// The result labels. `autoQl` is the "&Auto Ql" box, `scrollPosition` the Ql scroll bar's.
struct ReflexResultTexts {
  int ql = 0;                // the design's Ql, and the scroll bar's position to set
  std::string qlLabel;       // Label3
  std::string cutoffLabel;   // Label4
  std::string tuningLabel;   // Label5
  std::string areaLabel;     // Label7
};
ReflexResultTexts ShowReflexResults(ReflexDesign& design, bool autoQl, int scrollPosition, bool english);
// The Ql label for a position of the scroll bar.
std::string ReflexQlLabel(int position, bool english);

// The rule-of-thumb design, first half: nothing when its guard fails (the window shows "l ").
// Sets the area, and the volume and port length as the texts it gives for the two edits read.
struct ReflexTipTexts {
  std::string lengthText;  // one decimal, decimal comma
  std::string volumeText;
};
std::optional<ReflexTipTexts> StartReflexTip(ReflexDesign& design, std::string_view diameterText,
                                             const ReflexDriver& driver);
// Second half, after the length edit took its text: tuning, cut-off, gross volume and the
// guard of the design as the edits show it.
void FinishReflexTip(ReflexDesign& design, const ReflexDriver& driver);

// The alignment list: 0 "Tip", 1 QB3, 2 BB4, 3 C4, 4 B4, 5 IE4, 6 BE4.
inline constexpr const char* kReflexAlignments[] = {"Tip", "QB3 / SQB3", "BB4 / SBB4", "C4 / SC4",
                                                    "B4 (Qts=0.4)", "IE4 (Qts=0.35)", "BE4 (Qts=0.33)"};
bool NearlyEqual(double a, double b, double tolerance);
// The tables keyed by the driver's own Qts (without the series resistance).
double QB3Volume(double qts, double vas);
double QB3Tuning(double qts, double fs);
double BB4Volume(double qts, double vas);
double C4Volume(double qts, double vas);
double C4Tuning(double qts, double fs);
struct ReflexAlignment {
  long double volume = 0;  // litres
  long double tuning = 0;  // target fb, Hz
};
// The volume and target tuning of entries 1 to 6; nothing for another index or for a driver with
// Vas <= 0 or fs <= 0.
std::optional<ReflexAlignment> ReflexAlignmentFor(int index, const ReflexDriver& driver);
// The length text of an alignment for the design's current port area, after the volume edit
// took the alignment's volume; nothing when the length has no value. The length edit's handler
// takes it into the design.
std::optional<std::string> ReflexAlignmentLengthText(const ReflexDesign& design, const ReflexAlignment& alignment);

// A number as written into an edit: one decimal, decimal comma.
std::string ReflexEditText(long double value);

// The response: Small's fourth-order vented box with the box losses folded in through Ql,
// normalised to fs (h = fb / fs, alpha = N Vas / Vb).
struct ReflexResponse {
  long double fs = 0;
  long double h2 = 0, b = 0, c = 0, e = 0;
};
// Nothing when the coefficients have no value (fs, Qts', Ql or Vb not positive).
std::optional<ReflexResponse> ReflexResponseOf(const ReflexDesign& design, const ReflexDriver& driver);
// The level in dB at f Hz relative to the passband, not clamped; nothing for f <= 0.
std::optional<double> ReflexResponseLevel(const ReflexResponse& response, double f);
// The level of the current design, or nothing; what the diagram, store, export and print evaluate.
std::optional<double> ReflexResponseLevel(const ReflexDesign& design, const ReflexDriver& driver, double f);

// The diagram is drawn on that axis.
bool ReflexPlotDrawable(const ReflexDesign& design, const ReflexDriver& driver, bool logarithmic);
// The store and the export may hand out the design (driver Qts passed apart: the design holds Qts').
bool ReflexStoreValid(const ReflexDesign& design, const ReflexDriver& driver);
// The printed page may show it.
bool ReflexPrintValid(const ReflexDesign& design, const ReflexDriver& driver);

// The printed page's title line.
std::string ReflexPrintTitle(const ReflexDesign& design, const std::string& manufacturer, const std::string& name);

// Captions.
std::string ReflexCaption(bool english);
std::string ReflexPointerCaption(bool english, bool inArea, bool curveMode, double frequency, double level);

// The section "Bassreflex".
struct ReflexStoredValues {
  double diameter = 0, length = 0, volume = 0, seriesR = 0;
  int ports = 0, ql = 0;
  bool autoQl = true;
};
ReflexStoredValues ReadReflexSection(const platform::IniFile& ini);
// What a restore writes into the controls, after the ranges and fallbacks.
struct ReflexRestore {
  std::string diameterText, lengthText, volumeText, seriesRText;
  int portItem = 0;  // Box1's item index
  int ql = 10;
  bool autoQl = true;
  bool runTip = false;  // nothing stored yet
};
ReflexRestore ReflexRestoreFrom(const ReflexStoredValues& stored);
// The values written at closing from the edits as typed (10, 10, 100, 0 when no number).
ReflexStoredValues ReflexValuesFromControls(std::string_view diameter, std::string_view length,
                                            std::string_view volume, std::string_view seriesR, int portItem, int ql,
                                            bool autoQl);
bool WriteReflexSection(platform::IniFile& ini, const ReflexStoredValues& values);

}  // namespace velomare
