#include "enclosures/model/ExpoHorn.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

// The flare constant k = fu / 27.1 (1/m) is the textbook m = 4 pi fu / c with c = 340.5 m/s.
constexpr double kFlareDivisor = 27.1;
// The free-field mouth: its circumference equals the wavelength at fu, Am = c^2 / (4 pi fu^2),
// here with c = 340 m/s and in cm² (the 10^4 folded in).
constexpr double kFreeMouthAreaTimesFuSquared = 91991557.0;
// The pressure chamber's corner frequency c St / (2 pi Vc) solved for Vc in litres with
// c = 340 m/s and St in cm².
constexpr double kChamberFactor = 5.4113;

constexpr double kLowestFu = 20, kHighestFu = 500;          // Hz, both valid
constexpr double kSmallestThroat = 5, kLargestThroat = 3000;  // cm², both invalid
constexpr double kLowestFo = 50, kHighestFo = 1000;          // Hz, both valid

const char* Pick(bool english, const char* german, const char* englishText) { return english ? englishText : german; }

std::string Str(double value, int width, int decimals) { return FormatFixed(value, width, decimals); }

bool ThroatInRange(double ah) { return ah > kSmallestThroat && ah < kLargestThroat; }

}  // namespace

int PlacementDivisor(HornPlacement placement) {
  switch (placement) {
    case HornPlacement::Free: return 1;
    case HornPlacement::Floor: return 2;
    case HornPlacement::Wall: return 4;
    case HornPlacement::Corner: return 8;
  }
  return 2;
}

double HornPlacementDivide(double value, HornPlacement placement) { return value / PlacementDivisor(placement); }

HornInput ReadHornInput(std::string_view fu, std::string_view ah, std::string_view fo, HornPlacement placement) {
  return {ReadNumber(fu), ReadNumber(ah), ReadNumber(fo), placement};
}

double HornArea(double throatArea, double flareConstant, double xCm) {
  return throatArea * std::exp(flareConstant * xCm / 100.0);
}

HornDesign ComputeHorn(const HornInput& in, const HornDriver& driver) {
  HornDesign d;
  d.values.throatArea = in.ah;
  d.hornValid = in.fu >= kLowestFu && in.fu <= kHighestFu && ThroatInRange(in.ah);
  if (d.hornValid) {
    HornValues& v = d.values;
    v.flareConstant = in.fu / kFlareDivisor;
    v.mouthArea = HornPlacementDivide(kFreeMouthAreaTimesFuSquared / (in.fu * in.fu), in.placement);
    const double ratio = v.mouthArea / in.ah;
    v.length = 100.0 * std::log(ratio) / v.flareConstant;
    d.gain = 20.0 * std::log(std::sqrt(ratio)) / std::log(10.0);
    if (const auto spl0 = ReferenceSpl(driver.fs, driver.vas, driver.qes)) d.level = *spl0 + d.gain;

    const double q = driver.fs * driver.qts / in.fu;
    d.closedVolumeAboveVas = q > 1.0;
    // Above q = 1 the rule drops to (Vas/fu)(fs Qts - 1): not a textbook relation, but the value
    // users of this tool have always been given, note and all.
    d.closedVolume = d.closedVolumeAboveVas ? (driver.vas / in.fu) * (driver.fs * driver.qts - 1.0) : driver.vas * q;
    // A mouth smaller than the throat gives a negative length; the scroll bar cannot go below 0.
    d.cursorMaximum = std::max(0, TruncToInt(v.length));
  }
  // The chamber has its own test and uses fu as read, even when fu is out of the horn's range.
  d.chamberValid = in.fo >= kLowestFo && in.fo <= kHighestFo && in.fo > in.fu && ThroatInRange(in.ah);
  if (d.chamberValid) d.chamberVolume = kChamberFactor * in.ah / in.fo;
  return d;
}

HornTexts HornResultTexts(const HornDesign& d, bool english) {
  HornTexts t;
  if (d.hornValid) {
    const HornValues& v = d.values;
    const std::string a = Str(std::sqrt(v.throatArea), 2, 1);
    const std::string m = Str(std::sqrt(v.mouthArea), 3, 1);
    t.Label2 = Pick(english, "Trichterkonstante k= ", "horn constant k= ") + Str(v.flareConstant, 2, 1);
    t.Label11 = Pick(english, "Querschnitt ", "cross-section ") + a + "x" + a + "cm";
    t.Label6 = Pick(english, "Mundfläche Am= ", "mouth cross-section Am= ") + Str(v.mouthArea, 3, 1) + " cm², " + m +
               " cm x " + m + " cm";
    t.Label10 = Pick(english, "Trichterlänge Xmax= ", "horn length Xm= ") + Str(v.length, 3, 1) + " cm";
    const std::string level = d.level ? Str(*d.level, 3, 1) : "?";
    t.Label9 = Pick(english, "Schalldruckgewinn durch Trichter ", "SPL gain of horn ") + Str(d.gain, 2, 1) +
               Pick(english, " dB auf ", " dB to ") + level + " dB";
    t.Labelboxvol = Pick(english, "geschl. Volumen : ", "closed volume : ") + Str(d.closedVolume, 3, 1) + " l " +
                    (d.closedVolumeAboveVas ? " (V>Vas!)" : "");
    // The label above the scroll bar shows the first centimetre after every computation, in
    // German whatever the language, until the scroll bar moves.
    const double a1 = HornArea(v.throatArea, v.flareConstant, 1.0);
    const std::string s1 = Str(std::sqrt(a1), 2, 1);
    t.Label14 = "bei x= 1cm, A=" + Str(a1, 2, 0) + "cm² (=" + s1 + "x" + s1 + "cm)";
  } else {
    t.Label14 = "Fläche bei x";
    t.Label11 = "=";
    t.Label2 = "k";
    t.Label6 = "Am";
    t.Label10 = "Xm";
    t.Label9 = "SPL";
    t.Labelboxvol = "-";
  }
  t.Label12 = d.chamberValid ? Pick(english, "Druckkammervolumen ", "dry well / pressure chamber volume = ") +
                                   Str(d.chamberVolume, 3, 1) + " l"
                             : "-";
  return t;
}

std::string HornCursorAreaText(const HornValues& values, int x, bool english) {
  const double area = HornArea(values.throatArea, values.flareConstant, x);
  const std::string side = Str(std::sqrt(std::fabs(area)), 2, 1);
  return Pick(english, "bei x=", "at x=") + Str(x, 2, 0) + "cm, A=" + Str(area, 2, 0) + "cm² (=" + side + "x" + side +
         "cm)";
}

HornSavedInputs ReadHornSection(const platform::IniFile& ini) {
  HornSavedInputs saved;
  const auto number = [&](const char* key) { return ReadNumber(ini.ReadString("Expo", key, "0")); };
  const double fu = number("fu");
  const double fo = number("fo");
  const double ah = number("Hals");
  // A missing or unreadable cursor must not count as the valid position 0.
  const int cursor = ini.ReadInteger("Expo", "Cursor", -1);
  const int placement = ini.ReadInteger("Expo", "Aufstellung", 0);
  if (fu > 1 && fu < 1000) saved.fu = FormatPlain(fu, 15);
  if (fo >= 200 && fo <= 500) saved.fo = FormatPlain(fo, 15);
  if (ah > 1 && ah <= 5000) saved.ah = FormatPlain(ah, 15);
  if (cursor >= 0 && cursor <= 1000) saved.cursor = cursor;
  if (placement >= 1 && placement <= 4) saved.placement = static_cast<HornPlacement>(placement);
  return saved;
}

bool WriteHornSection(platform::IniFile& ini, std::string_view fuText, std::string_view ahText,
                      std::string_view foText, int cursor, HornPlacement placement) {
  const auto numberOr = [](std::string_view text, double fallback) {
    return IsNumberText(text) ? TextToFloat(text) : fallback;
  };
  ini.BeginUpdate();
  ini.WriteString("Expo", "fu", FormatPlain(numberOr(fuText, 100), 15));
  ini.WriteString("Expo", "fo", FormatPlain(numberOr(foText, 500), 15));
  ini.WriteString("Expo", "Hals", FormatPlain(numberOr(ahText, 500), 15));
  ini.WriteInteger("Expo", "Cursor", cursor);
  ini.WriteInteger("Expo", "Aufstellung", static_cast<int>(placement));
  return ini.CommitUpdate();
}

}  // namespace velomare
