#pragma once
// The passive high-, band- and low-pass designers: component values for a resistive load, the
// quality of the designed second-order stages, the steps of their up-downs, the caption's cursor
// read-out and their settings sections. Everything takes the windows' texts and selections in and
// gives finished texts back; the windows only move them between their controls and this model.
//
// The ladders are the singly terminated prototypes with the series element next to the source
// (Zverev, Handbook of Filter Synthesis; Williams & Taylor, Electronic Filter Design Handbook,
// tables of normalised element values g_k): a low pass has L_k = g_k·R/(2πf) and
// C_k = g_k/(2πfR), a high pass the reciprocal elements C_k = 1/(g_k·2πfR), L_k = R/(g_k·2πf).
// Capacitances are in µF, inductances in mH.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/UpDownDirection.h"
#include "filters/model/StandardValues.h"
#include "platform/plain/IniFile.h"

namespace velomare {

enum class FilterKind { HighPass, BandPass, LowPass };
enum class Component { C1, L1, C2, L2 };
enum class Characteristic { Butterworth = 1, Bessel = 2, Linkwitz = 3, PhaseLinear = 4 };

// The band-pass presets by combo-box index; -1 when no entry is chosen.
inline constexpr int kBandPassFirstOrder = 0;          // "2x6dB (Butterworth)"
inline constexpr int kBandPassDefaultPreset = 3;       // "2x12dB (Butterworth)"
inline constexpr int kNoPresetChosen = -1;

// The values of one designer window: the inputs as last read and the four components.
struct FilterValues {
  double z = 0;   // ohm
  double f = 0;   // Hz, the cut-off (the band pass's lower one)
  double fo = 0;  // Hz, the band pass's upper cut-off
  double c1 = 0, l1 = 0, c2 = 0, l2 = 0;

  double& Of(Component c);
  double Of(Component c) const;
};

struct ComponentText {
  Component component;
  std::string text;
};

// One recalculation. The inputs are always read and stored; the components and texts only when
// `componentsChanged` is set (an invalid high- or low-pass input and a band pass without a chosen
// preset leave them as they were).
struct FilterCalculation {
  double z = 0, f = 0, fo = 0;
  bool componentsChanged = false;
  double c1 = 0, l1 = 0, c2 = 0, l2 = 0;
  std::vector<ComponentText> writes;      // in the order the edits are written
  std::optional<bool> secondStageEnabled;  // band pass: the L2 and C2 controls
};

FilterCalculation CalcHighPassParts(std::string_view zText, std::string_view fText, int order, Characteristic ch);
FilterCalculation CalcLowPassParts(std::string_view zText, std::string_view fText, int order, Characteristic ch);
FilterCalculation CalcBandPassParts(std::string_view zText, std::string_view fuText, std::string_view foText,
                                    int presetIndex);

// Stores the calculation's inputs and, when it changed them, its components.
void TakeCalculation(FilterValues& values, const FilterCalculation& calculation);

// The text of the quality label; nullopt when the label keeps its text (the band pass while L1
// or C1 is not above 0.0001). `order` is the checked order of the high and low pass (1 to 4).
std::optional<std::string> FilterQualityText(FilterKind kind, const FilterValues& values, int order, bool english);

// Up-down of a component edit: the component's stepping ranges and decimals.
struct ComponentStepRule {
  double downAbove;       // down while v > downAbove (or >= with downInclusive)
  bool downInclusive;
  double upAbove;         // up while upAbove < v < upBelow (or <= upBelow with upInclusive)
  double upBelow;
  bool upInclusive;
  int decimals;
  const StandardSeries* series = &kFilterDesignerSeries;  // the series stepped through
};
// The edit's new text, or nullopt when the press changes nothing.
std::optional<std::string> StepComponentText(std::string_view text, UpDownDirection direction,
                                             const ComponentStepRule& rule);

// Up-down of a frequency edit. The band pass's two edits step only while both frequencies are
// above 0, within 19 to 25100 Hz, the lower one up only while below the upper and the upper one
// down only while above the lower.
enum class FrequencyEdit { Single, BandLower, BandUpper };
std::optional<std::string> StepFrequencyText(FrequencyEdit which, std::string_view text,
                                             std::string_view partnerText, UpDownDirection direction);

// The window caption: plain, or with the frequency, level and phase under the mouse at (x, y) of
// the client area, laid out from the window's outer size. nullopt from CursorCaption means the
// mouse is above the diagram or the window is too small for a read-out: plain caption and arrow.
const char* PlainCaption(FilterKind kind, bool english);
std::optional<std::string> CursorCaption(FilterKind kind, int x, int y, int outerWidth, int outerHeight,
                                         bool english);

// The section each designer keeps in the settings file.
const char* SectionName(FilterKind kind);

// What the window holds when it closes: the edit texts, the checked order (band pass: 1 for the
// first-order preset, else 2) and characteristic.
struct FilterCloseState {
  std::string z, f, fo;
  std::string c1, l1, c2, l2;
  int order = 2;
  Characteristic characteristic = Characteristic::Butterworth;
};
// Writes the window's section as one replacement of the file; false when it could not be written.
bool SaveFilterSection(platform::IniFile& ini, FilterKind kind, const FilterCloseState& state);

// What a restore writes into the controls, in this order: Z, the frequencies, the order (band
// pass: the preset), the characteristic, then each component that lies inside its range.
struct FilterRestore {
  std::string z, f, fo;
  int order = 2;
  int presetIndex = kBandPassDefaultPreset;
  Characteristic characteristic = Characteristic::Butterworth;
  std::optional<std::string> c1, l1, c2, l2;
};
FilterRestore ReadFilterSection(const platform::IniFile& ini, FilterKind kind);

}  // namespace velomare
