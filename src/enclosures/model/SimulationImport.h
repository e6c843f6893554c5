#pragma once
// Reading a simulation export file (enclosures/model/SimulationExport.h writes them) back into a
// comparison slot. The reader is tolerant: it finds its lines by keywords, defaults and clamps
// every header value, and accepts the file only when its response table has 400 numeric levels
// on 400 rows whose frequency is their row number. It parses into a value of its own; the slot
// changes only when the caller stores an accepted result (StoreImportedCurve).
#include <cstddef>
#include <string>
#include <string_view>

#include "enclosures/model/ComparisonStore.h"

namespace velomare {

// Lines past this one are ignored, and so is what follows the first MiB of a larger file.
inline constexpr int kImportLineLimit = 440;
inline constexpr std::size_t kImportByteLimit = 1024 * 1024;

struct SimulationImport {
  enum Outcome { NoTable, Incomplete, Accepted } outcome = NoTable;
  int numericLevels = 0;  // rows whose level is a number
  int matchingRows = 0;   // rows whose frequency, cut to a whole number, is the row number
  // Index 0 is 1.0 for an accepted file; index k the level of table row k (the last numeric
  // level up to that row).
  ComparisonCurve curve{};
  ComparisonHeader header;
};

// The file's bytes (Windows-1252, CR LF or LF); only the first 440 lines are looked at.
SimulationImport ReadSimulationFile(std::string_view bytes);

// What the window shows after reading: the failure or success message in its language.
namespace import_text {
inline constexpr const char* kDialogTitle = "Import Simulation";
inline constexpr const char* kNoData = "keine simulationsdaten / no data";
inline constexpr const char* kNotRead = "Konnte Werte aus Datei nicht auslesen";
std::string Outcome(const SimulationImport& result, int slot, bool english);
}  // namespace import_text

}  // namespace velomare
