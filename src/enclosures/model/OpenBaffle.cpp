#include "enclosures/model/OpenBaffle.h"

#include <cmath>

#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ResponsePlot.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

constexpr double kCentimetresToHalfPath = 0.005;  // half of D cm, in metres
constexpr double kNotionalBoxFactor = 100.0;       // the diagram's closed volume, in Vas
constexpr double kDiagramFloor = -30.0;            // dB, the diagram's bottom line
constexpr int kFirstDiagramFrequency = 10, kLastDiagramFrequency = 400;
constexpr const char* kSection = "Offen";
constexpr const char* kKey = "Abstand";

}  // namespace

OpenBaffleDriver OpenBaffleDriverFromCommitted() { return {ChassisQts, ChassisFs, ChassisVas}; }

double OpenBaffleDiagramAlpha(double vas) {
  const double vb = kNotionalBoxFactor * vas;
  if (!(vb > 0) || !std::isfinite(vb)) return 1.0 + 1.0 / kNotionalBoxFactor;
  return vas / vb + 1.0;
}

double OpenBaffleHalfPath(std::string_view pathText) { return ReadNumber(pathText) * kCentimetresToHalfPath; }

std::optional<double> OpenBaffleTuningFrequency(double halfPath) {
  if (!(halfPath >= 0.01 && halfPath <= 500)) return std::nullopt;
  return kOpenBaffleSpeedOfSound / (4.0 * halfPath);
}

std::string OpenBaffleTuningText(double halfPath, bool english) {
  const std::optional<double> fu = OpenBaffleTuningFrequency(halfPath);
  if (!fu) return "-";
  return (english ? "lower cut tuning frequency " : "untere Grenzfrequ. der Abstimmung ") + FormatFixed(*fu, 3, 0) +
         " Hz";
}

std::optional<double> OpenBaffleLevel(const OpenBaffleDriver& driver, double halfPath, double frequency, double alpha,
                                      bool withDriver) {
  if (!(frequency > 0) || !(halfPath > 0)) return std::nullopt;
  // The baffle: the first-order high pass 1 / (1 - j r) with r = fu / f, whose magnitude squared
  // is 1 / (1 + r^2).
  const double r = kOpenBaffleSpeedOfSound / (4.0 * frequency * halfPath);
  double level = -10.0 * std::log10(1.0 + r * r);
  if (withDriver) {
    if (!(driver.fs > 0) || !(driver.qts > 0)) return std::nullopt;
    // The driver in a closed box of compliance ratio alpha - 1, normalised to fs:
    // x^2 / (x^2 - alpha + j x / Qts) (Small, closed-box systems).
    const double x = frequency / driver.fs;
    const double x2 = x * x, x3 = x2 * x, x4 = x2 * x2;
    const double real = x4 - alpha * x2, imaginary = x3 / driver.qts;
    level += 20.0 * std::log10(x4 / std::hypot(real, imaginary));
  }
  if (!std::isfinite(level)) return std::nullopt;
  return level;
}

bool OpenBaffleDiagramValid(const OpenBaffleDriver& d, double halfPath) {
  return d.qts >= 0.1 && d.vas > 1 && d.fs >= 10 && halfPath >= 0.1 && halfPath <= 5;
}

bool OpenBaffleExportValid(const OpenBaffleDriver& d, double halfPath) {
  return halfPath >= 0.01 && d.qts >= 0.01 && d.fs > 1 && d.vas >= 0.1 && std::isfinite(halfPath) &&
         std::isfinite(d.qts) && std::isfinite(d.fs) && std::isfinite(d.vas);
}

double OpenBaffleQtc(const OpenBaffleDriver& driver, double halfPath, bool withDriver) {
  if (!OpenBaffleDiagramValid(driver, halfPath)) return 0;
  const int f = TruncToInt(driver.fs);
  if (f < kFirstDiagramFrequency || f > kLastDiagramFrequency) return 0;
  double level = OpenBaffleLevel(driver, halfPath, f, OpenBaffleDiagramAlpha(driver.vas), withDriver).value_or(kDiagramFloor);
  if (level < kDiagramFloor) level = kDiagramFloor;
  return std::pow(10.0, level / 20.0);
}

std::string OpenBaffleQtcText(double qtc, double fs, bool english) {
  const std::string q = FormatFixed(qtc, 2, 1), f = FormatFixed(fs, 2, 0);
  return english ? "Quality in box Qtc= " + q + " at " + f + " Hz " : "Einbaugüte Qtc= " + q + " bei " + f + " Hz ";
}

ComparisonLevels OpenBaffleFileLevels(const OpenBaffleDriver& driver, double halfPath) {
  ComparisonLevels levels{};
  for (int f = 1; f <= kComparisonLevelCount; ++f)
    levels[static_cast<std::size_t>(f - 1)] =
        OpenBaffleLevel(driver, halfPath, f, kOpenBaffleFileAlpha).value_or(std::nan(""));
  return levels;
}

ComparisonHeader OpenBaffleComparisonHeader(double halfPath) {
  ComparisonHeader header = HeaderForCommittedDriver(BoxType::OpenBaffle);
  header.PortLength1 = halfPath;
  return header;
}

std::string OpenBaffleCaption(bool english) { return english ? "open box" : "offenes Gehäuse"; }

std::string OpenBafflePointerCaption(bool english, bool inArea, bool curveMode, double frequency, double level) {
  return ResponsePointerCaption("offenes Gehäuse", "open box", english, inArea, curveMode, frequency, level);
}

std::optional<int> ReadOpenBaffleSection(const platform::IniFile& ini) {
  const int n = ini.ReadInteger(kSection, kKey, 0);
  if (n < 1 || n > kOpenBaffleMaxKeptPath) return std::nullopt;
  return n;
}

std::optional<int> OpenBafflePathToKeep(std::string_view pathText) {
  if (pathText.empty() || pathText.size() > 4 || !IsNumberText(pathText)) return std::nullopt;
  for (char c : pathText)
    if (c < '0' || c > '9') return std::nullopt;
  const int n = TruncToInt(TextToFloat(pathText));
  if (n < 1 || n > kOpenBaffleMaxKeptPath) return std::nullopt;
  return n;
}

bool WriteOpenBaffleSection(platform::IniFile& ini, std::string_view pathText) {
  const std::optional<int> n = OpenBafflePathToKeep(pathText);
  if (!n) return true;
  return ini.WriteInteger(kSection, kKey, *n);
}

}  // namespace velomare
