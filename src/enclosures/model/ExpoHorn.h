#pragma once
// An exponential horn for the current driver: from the lower cut-off frequency, the throat area
// and where the horn stands, the flare constant, mouth area, length and gain; a closed volume
// behind the driver; a pressure chamber for an upper frequency; the cross-section along the axis.
// The horn window's saved inputs (section "Expo") are read and written here too.
//
// Units: frequencies in Hz, areas in cm², lengths in cm, the flare constant in 1/m, volumes in
// litres.
#include <optional>
#include <string>
#include <string_view>

namespace velomare {

namespace platform {
class IniFile;
}

// Where the horn stands. The walls close to the mouth mirror it, so the free-field mouth area is
// shared with 1, 2, 4 or 8 images (free, floor, wall, corner).
enum class HornPlacement { Free = 1, Floor = 2, Wall = 3, Corner = 4 };

int PlacementDivisor(HornPlacement placement);
double HornPlacementDivide(double value, HornPlacement placement);

struct HornDriver {
  double fs = 0;   // Hz
  double qts = 0;
  double qes = 0;
  double vas = 0;  // litres
};

struct HornInput {
  double fu = 0;  // lower cut-off frequency
  double ah = 0;  // throat area
  double fo = 0;  // upper frequency, for the pressure chamber only
  HornPlacement placement = HornPlacement::Floor;
};

// The three edit texts by the number-field rule: a text that is not a number counts as 0.
HornInput ReadHornInput(std::string_view fu, std::string_view ah, std::string_view fo, HornPlacement placement);

// What the contour and the mouse read-out work from. For an invalid horn every value but the
// throat area is 0, which is how the diagram and the read-out know to stay blank.
struct HornValues {
  double throatArea = 0;     // Ah as last read, also when the horn is invalid
  double mouthArea = 0;      // Am
  double flareConstant = 0;  // k
  double length = 0;         // Xm; negative when the mouth is smaller than the throat
};

struct HornDesign {
  HornValues values;
  bool hornValid = false;
  double gain = 0;              // dB
  std::optional<double> level;  // dB at 1 W and 1 m: the driver's reference level plus the gain
  double closedVolume = 0;
  bool closedVolumeAboveVas = false;  // the note " (V>Vas!)"
  bool chamberValid = false;
  double chamberVolume = 0;
  // Trunc(Xm), raised to the scroll bar's minimum 0 where the mouth is smaller than the throat.
  int cursorMaximum = 0;
};

HornDesign ComputeHorn(const HornInput& input, const HornDriver& driver);

// The cross-section at x cm from the throat, A(x) = Ah exp(k x / 100); A(Xm) = Am.
double HornArea(double throatArea, double flareConstant, double xCm);

// The result labels of one computation, in the language given (numbers with a decimal point in
// both languages). For a valid horn Label14 holds the cross-section at 1 cm, in German in both
// languages; an invalid horn gives every label its placeholder. Label12 (the pressure chamber)
// follows its own test.
struct HornTexts {
  std::string Label2, Label11, Label6, Label10, Label9, Labelboxvol, Label12, Label14;
};
HornTexts HornResultTexts(const HornDesign& design, bool english);

// The cross-section at the scroll-bar position x (no validity test: with k = 0 it is the throat).
std::string HornCursorAreaText(const HornValues& values, int x, bool english);

// The saved inputs of the horn window, as they are to be restored: texts for the three edits,
// the scroll-bar position and the placement. Missing keys, texts that are no numbers and values
// outside their ranges give "100", "500", "500", position 1 and the floor.
struct HornSavedInputs {
  std::string fu = "100";
  std::string ah = "500";
  std::string fo = "500";
  int cursor = 1;
  HornPlacement placement = HornPlacement::Floor;
};
HornSavedInputs ReadHornSection(const platform::IniFile& ini);

// Writes "fu", "fo", "Hals", "Cursor" and "Aufstellung" in this order as one replacement of the
// file; an edit text that is no number is saved as 100 (fu) or 500. False when the file could not
// be written (it is then left as it was).
bool WriteHornSection(platform::IniFile& ini, std::string_view fuText, std::string_view ahText,
                      std::string_view foText, int cursor, HornPlacement placement);

}  // namespace velomare
