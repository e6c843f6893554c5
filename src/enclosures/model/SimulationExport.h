#pragma once
// The simulation export file: one enclosure design as tab-separated Windows-1252 text with CR LF
// line ends: the driver, the box's values and the level at every whole hertz from 1 to 400 Hz.
// One writer serves the five box types; a window fills SimulationExport with the committed driver
// (ExportDriverFromCommitted), its own box values and its 400 levels, and hands it to
// RunSimulationExportDialog (enclosures/SimulationExportDialog.h), which asks for the file name,
// asks before replacing a file and writes the bytes of ComposeSimulationExport whole or not at all.
//
//   SimulationExport data;
//   data.driver = ExportDriverFromCommitted(ExportSensitivity::ComputedNow);
//   data.box = ReflexExportValues{volume, drivers, ql, seriesR, ports, diameter, length};
//   for (int f = 1; f <= 400; ++f) data.levels[f - 1] = ReflexResponseLevel(f);
//   data.english = IsEnglish();
#include <optional>
#include <string>
#include <variant>

#include "enclosures/model/ComparisonStore.h"

namespace velomare {

inline constexpr const char* kExportFirstLine = "Velomare simulations export file, Version 3.2.5";

struct ExportDriver {
  std::string manufacturer;  // UTF-8; written in Windows-1252
  std::string name;
  double qts = 0, qes = 0, fs = 0, vas = 0;
  double spl = 0;  // dB at 1 W / 1 m
};

// The vented bandpass writes the committed sensitivity; the other boxes compute it at writing
// time from fs, Vas and Qes by the same formula.
enum class ExportSensitivity { ComputedNow, Committed };
// The committed driver; a sensitivity that cannot be computed (Qes <= 0) is written as 0.
ExportDriver ExportDriverFromCommitted(ExportSensitivity sensitivity);

struct ClosedExportValues {
  double qtc = 0;
  double volume = 0;  // net, litres
  int drivers = 1;
  double seriesR = 0;  // ohm
};
struct ReflexExportValues {
  double volume = 0;
  int drivers = 1;
  int ql = 0;
  double seriesR = 0;
  int ports = 1;
  double portDiameter = 0;  // cm
  double portLength = 0;    // cm
};
struct ClosedBandpassExportValues {
  bool pushPull = false;
  double vg = 0;  // sealed chamber, litres
  double vr = 0;  // vented chamber, litres
  int ql = 0;
  double portDiameter = 0;
  double portLength = 0;
  bool rectangularPort = false;
  std::string tunnelWidthText;  // the two tunnel edits as typed
  std::string tunnelHeightText;
};
struct VentedBandpassExportValues {
  bool pushPull = false;
  double volume1 = 0, volume2 = 0;
  int ql = 0;
  double portDiameter1 = 0, portLength1 = 0, portDiameter2 = 0, portLength2 = 0;
};
struct OpenBaffleExportValues {
  double halfPath = 0;  // metres
};

using ExportBoxValues = std::variant<ClosedExportValues, ReflexExportValues, ClosedBandpassExportValues,
                                     VentedBandpassExportValues, OpenBaffleExportValues>;

struct SimulationExport {
  ExportDriver driver;
  ExportBoxValues box;
  ComparisonLevels levels{};  // levels[i] at i + 1 Hz
  bool english = false;       // the writing window's language: a point instead of the comma
};

// The file's bytes, or nothing when a number to be written is not finite.
std::optional<std::string> ComposeSimulationExport(const SimulationExport& data);

// The file's default name in the save dialog: "closed", "reflex", "bandpass", "ventedbandpass", "open".
const char* ExportDefaultName(const ExportBoxValues& box);

// The texts of the shared dialog sequence (both languages in one text).
namespace export_text {
inline constexpr const char* kTitle = "export simulation";
inline constexpr const char* kNoData = "keine simulationsdaten / no data";
inline constexpr const char* kNotReplaced = "Datei nicht überschrieben / file not replaced";
inline constexpr const char* kSuccess = "Dateiexport erfolgreich / file export successful";
std::string OverwriteQuestion(const std::string& fileName);
std::string WriteFailed(const std::string& fileName);
}  // namespace export_text

// A chosen name without an extension gets ".txt" (the dialog's default extension).
std::string WithDefaultExportExtension(const std::string& path);

}  // namespace velomare
