#pragma once
// The current driver: one program-wide record that every window reads when it computes or
// paints. Written only by the driver-data window's OK, the Thiele-Small window's apply, the
// displacement-volume window (the volume) and the start-up load.
#include <optional>
#include <string>

namespace velomare {

extern double ChassisQts;
extern double ChassisQes;
extern double ChassisQms;
extern double ChassisVas;   // litres
extern double ChassisFs;    // Hz
extern double ChassisRe;    // ohm
extern double ChassisDia;   // effective membrane diameter, cm
extern double ChassisSpl;   // reference sound pressure, dB at 1 W and 1 m
extern double ChassisVol;   // displacement volume, litres
extern double ChassisLe;    // microhenry
extern std::string ChassisName;
extern std::string ChassisManufacturer;

// The built-in driver, used on a first start and for every stored value that reads as 0.
namespace default_driver {
inline constexpr const char* kName = "W 300 NG (8 Ohm)";
inline constexpr const char* kManufacturer = "VISATON";
inline constexpr double kQts = 0.41;
inline constexpr double kQms = 2.04;
inline constexpr double kQes = 0.513;
inline constexpr double kVas = 244.0;
inline constexpr double kFs = 29.0;
inline constexpr double kRe = 6.8;
inline constexpr double kDia = 25.3;
inline constexpr double kVol = 2.1;
inline constexpr double kLe = 1500.0;
}  // namespace default_driver

// 112 + 10 log10(pi^2 fs^3 Vas 0.001 / (Qes 10088402)); nothing when the logarithm's argument is
// not positive or the result is not finite.
std::optional<double> ReferenceSpl(double fs, double vas, double qes);

// The committed record as it is before the start-up load: all zero, empty names.
void ResetCommittedDriver();

// The main window's first show: reads the driver from section "Chassis" of the settings file
// (a missing, zero or unreadable value takes the built-in driver's; so does a Qes, fs or Vas at
// or below zero, whose sensitivity would be undefined), reads "NoCheckEnd" and "Sprache", writes
// the version keys and computes ChassisSpl. Returns false when the version keys could not be
// written (the driver is loaded all the same).
bool LoadDriverAtStartup();

}  // namespace velomare
