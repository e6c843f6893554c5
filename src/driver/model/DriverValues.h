#pragma once
// The working set of the driver-data window and the values derived from it: membrane area,
// nominal impedance, sensitivity and efficiency, bandwidth product, force factor, compliance,
// moving mass, electrical capacitance and mechanical resistance. Everything here is program-wide,
// because other tools read the values being typed (the advisor) or write some of them (the
// Thiele-Small window writes WorkDia and WorkVol); the driver-data window re-reads its edits at
// every computation, so such a write lasts there until its next edit change or paint.
//
// The functions take the edit texts in and hand every read-out back as finished text, so the
// window only moves texts between its controls and this model.
#include <optional>
#include <string>
#include <string_view>

namespace velomare {

// The working set (units as in the committed record).
extern double WorkQts;
extern double WorkQes;
extern double WorkQms;   // as typed
extern double WorkVas;   // litres
extern double WorkFs;    // Hz
extern double WorkRe;    // ohm
extern double WorkDia;   // cm
extern double WorkVol;   // litres
extern double WorkLe;    // microhenry
extern std::string WorkName;
extern std::string WorkManufacturer;
extern double WorkQmsCalc;  // mechanical Q computed from Qts and Qes
extern double WorkSpl;      // dB at 1 W, 1 m
extern double WorkEff;      // percent

// The derived values. A value whose guard fails keeps its previous value (only ChassisCms falls
// back to 0), and later uses (Rms, the driver file) see that value.
extern double ChassisSd;    // cm²
extern double ChassisZ;     // ohm
extern double ChassisEbp;   // Hz
extern double ChassisBL;    // N/A
extern double ChassisCms;   // mm/N
extern double ChassisMms;   // g
extern double ChassisCmes;  // µF
extern double ChassisRms;   // kg/s

// Working set and derived values back to their start-up state (all 0, names empty).
void ResetDriverValues();

// The values derived from one driver's numbers alone (units as above; spl in dB at 1 W, 1 m,
// eff in percent). A value is present only when its guard holds for this driver and it is
// finite; nothing is carried over from an earlier driver, so a driver file can state them.
// Rms comes from this driver's Mms, Cms and computed Qms whenever all three are above 0.
struct DerivedDriverValues {
  std::optional<double> qmsCalc, sd, z, spl, eff, ebp, bl, cms, mms, cmes, rms;
};
DerivedDriverValues DeriveDriverValues(double qts, double qes, double vas, double fs, double re, double dia);

// The texts of the edits that the computation reads.
struct DriverEditTexts {
  std::string qts, qes, qms, vas, fs, re, dia, vol;
};

// Every read-out of one computation.
struct DriverReadouts {
  std::string qmsCalc;    // computed Qms
  std::string sd;         // membrane area
  std::string impedance;  // the "Ohm" unit label beside Re, with the nominal impedance
  std::string spl;
  std::string efficiency;
  std::string ebp;
  std::string bl;
  std::string cms;
  std::string mms;
  std::string cmes;
  std::string rms;
  bool valid = false;     // OK enabled
  std::string indicator;  // "old values" / "new values"
};

// Reads the edits into the working set (a text that is not a number counts as 0), computes every
// derived value whose guard holds and returns the read-out texts in the current language, with
// the validity and the old/new indicator. The names are cut to 30 characters here; the Le and the
// names themselves are taken by their own edits (TakeInductance, WorkName, WorkManufacturer).
DriverReadouts ComputeDriverValues(const DriverEditTexts& edits);

// True while the working set is plausible enough to commit.
bool DriverValuesValid();
// "alte Werte" / "old values" while the working set equals the committed driver (Qms aside).
std::string ShowValuesChanged();

// Imperial read-outs of the unit labels.
std::string VasUnitText(std::string_view vasText);         // "Liter = 8.62 Cubic Foot"
std::string VolumeUnitText(std::string_view volumeText);   // "Liter = 128.2 Cubic Inches"
std::string DiameterUnitText(double workDia);              // "cm = 10.0 Inches"
// Takes the Le text into WorkLe (0 when it is not a positive number) and returns "uH = 1.50 mH".
std::string TakeInductance(std::string_view leText);

// The Q calculators. Each returns the text for its result edit, or nothing when the edit stays
// as it is: a result is written only when its denominator is positive and it is finite and
// positive. The Qes and Qts calculators give "0" for an input outside their range.
std::optional<std::string> QesFromQtsAndQms(std::string_view qtsText, std::string_view qmsText, double qts,
                                            double qms);
std::optional<std::string> QtsFromQesAndQms(std::string_view qesText, std::string_view qmsText, double qes,
                                            double qms);
std::optional<std::string> QmsFromQtsAndQes(std::string_view qtsText, std::string_view qesText, double qts,
                                            double qes);
struct QmsEstimate {
  std::string qesText;
  std::string qmsText;  // "5.0"
};
// Qes for an assumed Qms of 5.
std::optional<QmsEstimate> EstimateFromQts(std::string_view qtsText, double qts);

// The fields the driver-data window fills from the committed driver, in its order.
enum class DriverField { Qts, Qes, Qms, Vas, Fs, Re, Name, Dia, Vol, Le, Manufacturer };
inline constexpr DriverField kShowOrder[] = {DriverField::Qts, DriverField::Qes, DriverField::Qms,
                                             DriverField::Vas, DriverField::Fs,  DriverField::Re,
                                             DriverField::Name, DriverField::Dia, DriverField::Vol,
                                             DriverField::Le,  DriverField::Manufacturer};
// The committed value as its edit shows it ("0,410", "244,0", "2,10", "1500").
std::string CommittedEditText(DriverField field);
// The working value of the field := the committed one.
void TakeCommitted(DriverField field);

// The built-in driver as the reset writes it into the edits.
struct ResetEntry {
  DriverField field;
  const char* text;
};
inline constexpr ResetEntry kResetTexts[] = {
    {DriverField::Qts, "0,410"},  {DriverField::Qes, "0,513"},   {DriverField::Vas, "244,0"},
    {DriverField::Fs, "29,0"},    {DriverField::Re, "6,8"},      {DriverField::Dia, "25,3"},
    {DriverField::Vol, "2,10"},   {DriverField::Le, "1500"},     {DriverField::Qms, "2,040"},
    {DriverField::Manufacturer, "VISATON"}, {DriverField::Name, "W 300 NG (8 Ohm)"},
};

// OK: copies the working set into the committed record and computes the sensitivity into
// WorkSpl and ChassisSpl. Returns the text for the maximum-sound-pressure window's first
// sensitivity edit ("92,5").
std::string CommitWorkingSet();
// Writes the committed driver to the settings file as one replacement of the file; false when
// the file could not be written (the driver stays committed all the same).
bool SaveCommittedDriver();

}  // namespace velomare
