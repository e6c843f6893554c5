#include "driver/model/CommittedDriver.h"

#include <cmath>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "common/Version.h"

namespace velomare {

double ChassisQts = 0, ChassisQes = 0, ChassisQms = 0, ChassisVas = 0, ChassisFs = 0, ChassisRe = 0,
       ChassisDia = 0, ChassisSpl = 0, ChassisVol = 0, ChassisLe = 0;
std::string ChassisName;
std::string ChassisManufacturer;

std::optional<double> ReferenceSpl(double fs, double vas, double qes) {
  constexpr double kPiSquared = 9.869604401089358;
  if (!std::isfinite(fs) || !std::isfinite(vas) || !std::isfinite(qes) || qes == 0.0) return std::nullopt;
  const double argument = kPiSquared * fs * fs * fs * vas * 0.001 / (qes * 10088402.0);
  if (!(argument > 0.0) || !std::isfinite(argument)) return std::nullopt;
  const double spl = 10.0 * (std::log(argument) / std::log(10.0)) + 112.0;
  if (!std::isfinite(spl)) return std::nullopt;
  return spl;
}

void ResetCommittedDriver() {
  ChassisQts = ChassisQes = ChassisQms = ChassisVas = ChassisFs = ChassisRe = 0;
  ChassisDia = ChassisSpl = ChassisVol = ChassisLe = 0;
  ChassisName.clear();
  ChassisManufacturer.clear();
}

bool LoadDriverAtStartup() {
  namespace d = default_driver;
  {
    const platform::IniFile ini = OpenSettings();
    const std::string maker = ini.ReadString("Chassis", "manufactor", "keiner");
    const std::string name = ini.ReadString("Chassis", "name", "keiner");
    const auto number = [&](const char* key) { return ReadNumber(ini.ReadString("Chassis", key, "0")); };
    const double qts = number("Qts"), qms = number("Qms"), qes = number("Qes"), vas = number("Vas"),
                 fs = number("fs"), re = number("Re"), dia = number("dia"), vol = number("vol"),
                 le = number("Le");
    NoCheckEnd = ini.ReadBool("Options", "NoCheckEnd", false);
    Language = ini.ReadString("Info", "Sprache", "deutsch");

    const auto orDefault = [](double read, double fallback) { return read == 0.0 ? fallback : read; };
    const auto positiveOrDefault = [](double read, double fallback) { return read > 0.0 ? read : fallback; };
    ChassisQts = orDefault(qts, d::kQts);
    ChassisQes = positiveOrDefault(qes, d::kQes);
    ChassisQms = orDefault(qms, d::kQms);
    ChassisVas = positiveOrDefault(vas, d::kVas);
    ChassisFs = positiveOrDefault(fs, d::kFs);
    ChassisRe = orDefault(re, d::kRe);
    ChassisDia = orDefault(dia, d::kDia);
    ChassisVol = orDefault(vol, d::kVol);
    ChassisLe = orDefault(le, d::kLe);
    ChassisName = (name == "keiner") ? d::kName : name;
    ChassisManufacturer = (maker == "keiner") ? d::kManufacturer : maker;
  }

  platform::IniFile ini = OpenSettings();
  ini.BeginUpdate();
  ini.WriteString("Info", "Versionsnummer", kVersionNumber);
  ini.WriteString("Info", "Version", kVersionKeyValue);
  const bool written = ini.CommitUpdate();

  // Qes, fs and Vas are positive here, so the sensitivity is defined.
  ChassisSpl = ReferenceSpl(ChassisFs, ChassisVas, ChassisQes).value_or(0.0);
  return written;
}

}  // namespace velomare
