#pragma once
// The vented sixth-order bandpass: the driver in the wall between chamber 1 (rear) and chamber 2
// (front), each vented to the outside by one round tube. From the eight chamber fields (volume,
// tube diameter or cross-section, tube length per chamber) the model derives the other tube
// measure and each chamber's Helmholtz tuning; it keeps the loss factor Ql, fills the fields from
// three presets, and gives the response, the validity tests, the comparison record and the export
// values.
//
// The window (enclosures/Tventpass.h) moves texts only:
//
//   VentpassTexts texts = UpdateVentpass(state, chamber1Fields, chamber2Fields);
//   Edit4 (or Edit2) <- texts.chamber1.derivedTube; Edit9 <- texts.chamber1.tuning; ... chamber 2
//   ApplyVentpassPreset(index, state, driver, [](VentpassField field, const std::string& text) {
//     write the text into the field, whose change handler recomputes at once });
#include <functional>
#include <optional>
#include <string>

#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/SimulationExport.h"

namespace velomare {

struct VentpassDriver {
  double qts = 0, vas = 0, fs = 0;  // Vas in litres, fs in Hz
};
VentpassDriver VentpassDriverFromCommitted();

struct VentpassChamber {
  double volume = 0;        // litres
  double portDiameter = 0;  // cm
  double portArea = 0;      // cm²
  double portLength = 0;    // cm
  double tuning = 0;        // Hz; kept while the chamber has no positive volume, length or diameter
};

struct VentpassState {
  VentpassChamber chamber1;  // rear
  VentpassChamber chamber2;  // front
  int ql = 0;                // 1..100 once set
};

// One chamber's fields as shown; `crossSection` while the tube is given by its cross-section.
struct VentpassChamberFields {
  std::string volume, diameter, length, area;
  bool crossSection = false;
};
// What a recompute writes back into one chamber's fields: the area (diameter entry) or the
// diameter (cross-section entry), and the tuning; one decimal, a decimal point in both languages.
struct VentpassChamberTexts {
  std::string derivedTube;
  std::string tuning;
};
struct VentpassTexts {
  VentpassChamberTexts chamber1, chamber2;
};
// What a chamber whose fields give no tuning (volume, tube length or diameter not above 0)
// shows. While the user types, it keeps the tuning it had. After a preset it shows none (0): the
// presets give a tube length of 0 or less for about half of all drivers, and the tuning kept from
// the design before stood beside the preset's fields and drew a curve they do not give.
enum class UnbuildableChamber { KeepTuning, NoTuning };
VentpassTexts UpdateVentpass(VentpassState& state, const VentpassChamberFields& chamber1,
                             const VentpassChamberFields& chamber2,
                             UnbuildableChamber unbuildable = UnbuildableChamber::KeepTuning);

// The automatic loss factor int(sqrt(6000 / (V1 + V2) + 1)) within 1..100, kept while a volume is
// not positive; or the scroll bar's position. Returns the position to show.
int UpdateVentpassQl(VentpassState& state, bool autoQl, int scrollPosition);
std::string VentpassQlLabel(bool english, int scrollPosition);

// The presets of the "Tip" list: 0 "BR1-2-2", 1 "cBP1", 2 "cBP2". Each writes its values, one
// decimal, into the fields in its order through `write`, whose change handlers recompute the
// state before the next write (BR1-2-2's chamber 2 length depends on it). A driver or chamber 1
// tube that the rules cannot use leaves every field unchanged; false then, and for another index.
// After a preset that wrote its fields the window recomputes once more with NoTuning.
enum class VentpassField { Volume1, Length1, Diameter2, Volume2, Length2 };
using VentpassFieldWriter = std::function<void(VentpassField field, const std::string& text)>;
bool ApplyVentpassPreset(int index, VentpassState& state, const VentpassDriver& driver,
                         const VentpassFieldWriter& write);

// The response of the two tuned chambers with the loss factor Q.
struct VentpassResponseInputs {
  double f1 = 0, f2 = 0;  // Hz
  double v1 = 0, v2 = 0;  // litres
  double ql = 0;
  double qts = 0, vas = 0, fs = 0;
};
VentpassResponseInputs VentpassResponseInputsOf(const VentpassState& state, const VentpassDriver& driver);
// The denominator's coefficients a0..a5 of D(s) = s^6 + a5 s^5 + ... + a0 (s = j f) and the gain.
struct VentpassResponse {
  double a[6] = {};
  double gain = 0;  // |F2² - F1²|
};
VentpassResponse VentpassResponseOf(const VentpassResponseInputs& in);
// Level in dB at f Hz; nothing where it has no finite value.
std::optional<double> VentpassResponseLevel(const VentpassResponse& response, double f);

// The diagram and the export list: Qts >= 0.05, V1, V2 > 0, Vas > 1, fs > 10, F1, F2 > 0,
// F1 != F2, Ql >= 1.
bool VentpassSimulationValid(const VentpassState& state, const VentpassDriver& driver);
// The export list (slot or file) further needs both tubes' lengths and diameters above 0, so
// that both tunings belong to the fields as shown and no kept tuning goes into a slot or file.
bool VentpassExportListValid(const VentpassState& state, const VentpassDriver& driver);
// The file export's own test before its dialog.
bool VentpassExportFileValid(const VentpassState& state, const VentpassDriver& driver);

// The levels at 1..400 Hz; nothing when one of them has no value.
std::optional<ComparisonLevels> VentpassLevels(const VentpassState& state, const VentpassDriver& driver);
ComparisonHeader VentpassComparisonHeader(const VentpassState& state, bool pushPull);
VentedBandpassExportValues VentpassExportValues(const VentpassState& state, bool pushPull);

std::string VentpassCaption(bool english, bool pushPull);

}  // namespace velomare
