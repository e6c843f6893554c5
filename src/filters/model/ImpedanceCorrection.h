#pragma once
// Impedance correction: two networks wired in parallel with the driver so that the amplifier
// sees a flatter load. A series circuit R1-L-C1 tuned to the driver's resonance pulls the
// impedance peak down; a Zobel network R2-C2 cancels the rise caused by the voice-coil
// inductance. From six typed values this gives the parts, their load ratings, the texts of the
// result lines and the magnitude of the two networks' own impedance on the fast grid, laid out
// for the window's diagram. The window only moves texts in and out and draws.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filters/model/Complex.h"
#include "filters/model/FastFilterGrid.h"

namespace velomare {

// The six inputs (extended precision, as typed): Edit1 .. Edit6.
struct ImpInputs {
  long double re = 0;     // voice-coil DC resistance, ohm
  long double power = 0;  // amplifier power the parts must carry, W
  long double le = 0;     // voice-coil inductance, µH
  long double fres = 0;   // frequency of the impedance peak, Hz
  long double zmax = 0;   // height of that peak, ohm
  long double coil = 0;   // the coil L of the resonance circuit, mH
};

// A text that is not a number counts as 0.
ImpInputs ReadImpInputs(const std::array<std::string, 6>& texts);

struct ImpNetworks {
  ImpInputs in;        // the values this computation read, valid or not
  bool valid = false;  // Re > 1, Le > 0, P > 0, Zmax > Re, L > 0, fres > 10
  // All 0 when not valid.
  long double r1 = 0;         // ohm; negative for Zmax below 1.3 Re, 0 at Zmax = 1.3 Re
  long double c1 = 0;         // µF
  long double powerR1 = 0;    // W
  long double voltageC1 = 0;  // V
  long double r2 = 0;         // ohm
  long double c2 = 0;         // µF
  long double powerR2 = 0;    // W
  long double voltageC2 = 0;  // V
};

ImpNetworks ComputeImpNetworks(const ImpInputs& in);

// The four result lines: the values when both tests of a line pass, else its short name.
struct ImpLines {
  std::string r1;  // Label13
  std::string c1;  // Label14
  std::string r2;  // Label15
  std::string c2;  // Label16
};
ImpLines ImpResultLines(const ImpNetworks& networks, bool english);

// The power label beside P for the Re text: the nominal impedance 1.44 Re; nothing (keep the
// label) for a number of 0.5 or less; the designed text for a text that is not a number.
std::optional<std::string> ImpPowerLabel(std::string_view reText);

// The coil that compensates the driver's electrical Q at fres, for the coil edit ("8,17"), from
// the Re and fres of the last computation and the committed Qes; "0" when that cannot be worked
// out.
std::string ImpCoilText(const ImpInputs& lastRead, double qes);

// The committed driver's Re and Le as the show handler writes them into Edit1 and Edit3;
// nothing for a value of 0 or less, which leaves the edit as it is.
std::optional<std::string> ImpReEditText(double chassisRe);
std::optional<std::string> ImpLeEditText(double chassisLe);

// The networks' own impedance Z = 1 / (1/Zz + 1/Zn) at f Hz, each division by the polar route
// of ComplexDividePolar (so for R1 < 0 the resonance branch enters with the opposite sign).
Complex ImpNetworkImpedance(const ImpNetworks& networks, long double frequency);

// |Z| on the fast grid, capped at 1000 ohm, and whether there is a curve at all: only after a
// valid computation whose R1 is not 0 (at Zmax = 1.3 Re the series branch would have no
// resistance and could pass a zero divisor at fres).
struct ImpCurve {
  bool drawable = false;
  std::array<double, kFastGridPoints> magnitude{};  // ohm, at FastFilterGrid(kFastGridFirst + k)
};
ImpCurve ComputeImpCurve(const ImpNetworks& networks);

// The diagram laid out for the window's outer size W x H (frame and caption included), in
// client pixels: 10 Hz at x = 15, one decade of frequency 0.3 (W - 30) pixels; 1 ohm at
// y = H - 45, one decade of impedance 0.333 (H - 255) pixels.
struct ImpDiagramText {
  const char* text;
  int x, y;  // top-left corner
};
struct ImpDiagram {
  bool drawn = false;  // false: nothing of the diagram is drawn
  int left = 0, right = 0, top = 0, bottom = 0;
  std::vector<int> impedanceLines;  // y of the 30 horizontal lines, 1 .. 1000 ohm
  std::vector<int> frequencyLines;  // x of the 32 vertical lines, 10 Hz .. 20 kHz
  std::vector<ImpDiagramText> labels;
  std::vector<std::array<int, 2>> curve;  // (x, y) from 10 Hz to 20 kHz
};
ImpDiagram LayOutImpDiagram(const ImpCurve& curve, int outerWidth, int outerHeight);

// x(f) and y(Z) of the diagram, clamped to a pixel range an int holds.
int ImpDiagramX(long double frequency, int outerWidth);
int ImpDiagramY(long double impedance, int outerHeight);

// The caption for the mouse at client (x, y): the frequency and impedance under the cursor in
// the plot area (y > 205), else the plain caption. A window too small for the axes (height 255
// or less, width 30 or less) shows the plain caption.
struct ImpCursorReadout {
  std::string caption;
  bool cross = false;  // the cross cursor
};
ImpCursorReadout ImpCursorCaption(int x, int y, int outerWidth, int outerHeight, bool english);

// The window's caption without a read-out.
const char* ImpPlainCaption(bool english);

}  // namespace velomare
