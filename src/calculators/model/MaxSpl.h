#pragma once
// The sound pressure level that up to three groups of boxes reach together at their listening
// distance: each group's level from its drivers' sensitivity, the power of one driver, the number
// of drivers and the distance (free field, inverse square law), the groups summed by power, plus
// the placement gain of a wall or a corner; with the efficiency, the sound pressure and the
// loudness that go with it.
#include <array>
#include <optional>
#include <string>

namespace velomare {

enum class Placement { Free, NearWall, Corner };

// One group as its controls hold it: the sensitivity text (dB at 1 W, 1 m) and the positions of
// its three scroll bars (power of one driver in W, number of drivers, distance in tenths of a
// metre).
struct SplGroupInput {
  std::string sensitivity = "90";
  int power = 100;
  int count = 2;
  int distanceTenths = 100;
};

struct MaxSplInput {
  std::array<SplGroupInput, 3> groups;
  bool group2Used = false;
  bool group3Used = false;
  Placement placement = Placement::Free;
  bool english = false;
};

// The read-outs of one group.
struct SplGroupTexts {
  std::string efficiency;  // "Wirkungsgrad = 0.63 %", or the group's text for a sensitivity out of range
  std::string power;       // "100 W"
  std::string count;       // "2"
  std::string distance;    // "10,00 m"
};

// The bar's colour, chosen from the first group's own level.
struct BarColour {
  int red, green, blue;
  bool operator==(const BarColour&) const = default;
};

struct MaxSplResult {
  std::array<SplGroupTexts, 3> groups;
  // False in the gated state (the first sensitivity outside 70 <= s < 112, or a level that
  // overflows): the total is hidden, the bar is empty and the pressure text is "-". The group
  // read-outs and the power of all drivers are shown in either state.
  bool levelShown = false;
  double totalLevel = 0;     // dB, with the placement gain
  double firstLevel = 0;     // dB, the first group alone
  std::string totalText;     // "93,0 dB"
  std::string powerText;     // "Leistung aller Chassis 200 W", shown in the gated state too
  std::string pressureText;  // "Druck 0,9 Pa, Lautheit 39,4 sone", or "-" when gated
  int barValue = kBarEmpty;
  BarColour barColour{0, 0, 0};

  // The bar's range, and the value that leaves it empty.
  static constexpr int kBarMinimum = 80;
  static constexpr int kBarMaximum = 170;
  static constexpr int kBarEmpty = 75;
};

MaxSplResult ComputeMaxSpl(const MaxSplInput& input);

// 10 log10 P + 10 log10 N - 20 log10 d added to the sensitivity: the level of N drivers fed P watts
// each, heard d metres away. Not finite when an argument is not positive.
double GroupLevel(double sensitivity, double power, double count, double distanceMetres);

// Efficiency in percent from the sensitivity: 112 dB at 1 W and 1 m is a perfect radiator.
double EfficiencyPercent(double sensitivity);

// Sound pressure in pascal of a level in dB re 20 micropascal.
double PressureOfLevel(double level);

// Loudness in sone of a loudness level in phon (40 phon is 1 sone, every 10 phon double it).
double LoudnessOfLevel(double phon);

// The first sensitivity as the window prefills it from a driver: the driver's reference level
// with one decimal and a decimal comma; nothing when fs, Vas or Qes are too small to trust.
std::optional<std::string> PrefillSensitivity(double fs, double vas, double qes);

}  // namespace velomare
