#pragma once
// The program options of section "Options", the language of section "Info", and the texts of
// the settings window's data-set page: what the settings window reads, writes and lists, apart
// from its widgets.
#include <string>

#include "enclosures/model/ComparisonStore.h"
#include "platform/plain/IniFile.h"

namespace velomare {

struct ProgramOptions {
  bool autoBoxSim = true;
  bool autoFilterSim = true;
  bool autoHousingSim = true;
  bool aboutAtStart = true;
  bool fastFilter = true;
  bool saveBox = false;
  bool saveFilter = false;
  bool noCheckEnd = false;
  bool overwrite = false;
  bool autoUpdateCheck = false;
  bool alwaysShowVersion = false;
  int color = 0;  // 0 button face, 1 white, 2 desktop; any other stored value reads as 0
  std::string language = "deutsch";
};

// Every option with its default when absent or unreadable.
ProgramOptions ReadProgramOptions(const platform::IniFile& ini);

// Writes the options in their fixed order as "1"/"0", then "color", then "Sprache" ("english"
// or "deutsch"), as one replacement of the file; every other line stays. False, with the file on
// disk as it was, when it could not be written.
bool WriteProgramOptions(platform::IniFile& ini, const ProgramOptions& options);

// The short label of a comparison slot's box type ("-" for an unknown type).
const char* BoxTypeShortLabel(int boxType, bool english);
// A slot's line on the data-set page: the short label, a blank and the driver, or three blanks
// for an empty slot.
std::string ComparisonSlotText(int slot, bool english);

// The fast-simulation status: the checked option against the one stored.
const char* FastFilterStatusText(bool checked, bool stored, bool english);

}  // namespace velomare
