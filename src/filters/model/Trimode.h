#pragma once
// The trimode crossover of car audio: one stereo amplifier drives a subwoofer through a
// second-order low pass (coil Lsub in series, Csub across the subwoofer) and two satellites
// through one series capacitor Csat each. The design, the cut-off read-outs, the branch levels
// over the fast grid, the up-down steps, the cursor caption and the settings section. Inductances
// in mH, capacitances in µF, impedances in ohm.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/UpDownDirection.h"
#include "filters/model/FastFilterGrid.h"
#include "filters/model/FilterDesign.h"
#include "platform/plain/IniFile.h"

namespace velomare {

struct TrimodeValues {
  double zsub = 0, zsat = 0, fg = 0;
  double lsub = 0, csub = 0, csat = 0;
};

// The design from the three input texts. The component texts are empty where the guard fails;
// Lsub and Csub are 0 unless Zsub >= 1 and fg > 20, Csat is 0 unless Zsat >= 1 and fg > 20.
struct TrimodeDesign {
  TrimodeValues values;
  std::string lsubText, csubText, csatText;
};
TrimodeDesign ComputeTrimode(std::string_view zsubText, std::string_view zsatText, std::string_view fgText);

// A component value as its edit shows it: two decimals, cut to 10 characters by decimals only,
// decimal comma.
std::string TrimodeComponentText(double value);

// The read-outs under the component edits: the satellites' high-pass cut-off, and the low pass's
// cut-off (first scan frequency from 49 to 1001 Hz with |H| <= 0.70711), Q and resonance, with
// the range hint of Label8 when fc is not from 51 to 1000 Hz.
struct TrimodeInfo {
  std::string label4, label8, label8Hint;
  int fc = 10;  // 10 when nothing was scanned
  double f0 = 0, q = 0;
};
TrimodeInfo TrimodeInfoText(const TrimodeValues& v, bool english);

// Branch levels in dB on the fast grid (element i is grid point i), limited below to -30 dB.
struct TrimodeLevels {
  bool drawable = false;  // Csat, Csub, Lsub > 0 and Zsat, Zsub >= 1
  std::array<double, kFastGridLast + 1> sat{}, sub{}, sum{};
};
TrimodeLevels ComputeTrimodeLevels(const TrimodeValues& v);

// The diagram's scales for a window of outer size w x h.
int TrimodeX(double f, int w);
int TrimodeY(double level, int h);

const char* TrimodePlainCaption(bool english);
// The caption with the frequency and level under (x, y); nullopt above the diagram or when the
// window is too small to scale a read-out.
std::optional<std::string> TrimodeCursorCaption(int x, int y, int w, int h, bool english);

// Up-down presses: the edit's new text, or nullopt when the press changes nothing.
std::optional<std::string> StepTrimodeFrequencyText(std::string_view text, UpDownDirection direction);
extern const ComponentStepRule kTrimodeLsubSteps, kTrimodeCsubSteps, kTrimodeCsatSteps;

// Section "Trimode": the texts to restore (a component without a value keeps its edit), and the
// save from the six edit texts; false when the file could not be written.
struct TrimodeRestore {
  std::string zsub, zsat, fg;
  std::optional<std::string> lsub, csub, csat;
};
TrimodeRestore ReadTrimodeSection(const platform::IniFile& ini);
bool SaveTrimodeSection(platform::IniFile& ini, const std::array<std::string, 6>& editTexts);

}  // namespace velomare
