#include "app/model/ProgramOptions.h"

namespace velomare {
namespace {
constexpr const char* kOptions = "Options";
}  // namespace

ProgramOptions ReadProgramOptions(const platform::IniFile& ini) {
  ProgramOptions o;
  o.autoBoxSim = ini.ReadBool(kOptions, "AutoBoxSim", true);
  o.autoFilterSim = ini.ReadBool(kOptions, "AutoFilterSim", true);
  o.autoHousingSim = ini.ReadBool(kOptions, "AutohousingSim", true);
  o.aboutAtStart = ini.ReadBool(kOptions, "AboutAtStart", true);
  o.fastFilter = ini.ReadBool(kOptions, "FastFilter", true);
  o.saveBox = ini.ReadBool(kOptions, "SaveBox", false);
  o.saveFilter = ini.ReadBool(kOptions, "SaveFilter", false);
  o.noCheckEnd = ini.ReadBool(kOptions, "NoCheckEnd", false);
  o.overwrite = ini.ReadBool(kOptions, "overwrite", false);
  o.autoUpdateCheck = ini.ReadBool(kOptions, "autoupdatecheck", false);
  o.alwaysShowVersion = ini.ReadBool(kOptions, "alwaysshowversion", false);
  const int color = ini.ReadInteger(kOptions, "color", 0);
  o.color = (color == 1 || color == 2) ? color : 0;
  o.language = ini.ReadString("Info", "Sprache", "deutsch");
  return o;
}

bool WriteProgramOptions(platform::IniFile& ini, const ProgramOptions& o) {
  ini.BeginUpdate();
  ini.WriteBool(kOptions, "AutoBoxSim", o.autoBoxSim);
  ini.WriteBool(kOptions, "AutoFilterSim", o.autoFilterSim);
  ini.WriteBool(kOptions, "AutohousingSim", o.autoHousingSim);
  ini.WriteBool(kOptions, "AboutAtStart", o.aboutAtStart);
  ini.WriteBool(kOptions, "FastFilter", o.fastFilter);
  ini.WriteBool(kOptions, "SaveBox", o.saveBox);
  ini.WriteBool(kOptions, "SaveFilter", o.saveFilter);
  ini.WriteBool(kOptions, "NoCheckEnd", o.noCheckEnd);
  ini.WriteBool(kOptions, "overwrite", o.overwrite);
  ini.WriteBool(kOptions, "autoupdatecheck", o.autoUpdateCheck);
  ini.WriteBool(kOptions, "alwaysshowversion", o.alwaysShowVersion);
  ini.WriteInteger(kOptions, "color", (o.color == 1 || o.color == 2) ? o.color : 0);
  ini.WriteString("Info", "Sprache", o.language == "english" ? "english" : "deutsch");
  return ini.CommitUpdate();
}

const char* BoxTypeShortLabel(int boxType, bool english) {
  switch (boxType) {
    case 0: return english ? "open:" : "offen:";
    case 1: return english ? "closed:" : "geschl.:";
    case 2: return english ? "Reflex" : "BR:";
    case 3: return english ? "3rd O. BP:" : "BP 3.O.:";
    case 4: return english ? "6th O. BP:" : "BP 6.O.:";
    default: return "-";
  }
}

std::string ComparisonSlotText(int slot, bool english) {
  if (!(ComparisonCurveOf(slot)[0] > 0.5)) return "   ";
  const ComparisonHeader& header = ComparisonHeaderOf(slot);
  return std::string(BoxTypeShortLabel(static_cast<int>(header.BoxType), english)) + " " + header.DriverLabel;
}

const char* FastFilterStatusText(bool checked, bool stored, bool english) {
  if (checked && stored) return english ? "fast simulation" : "schnelle Simulation (fast)";
  if (!checked && !stored) return english ? "slow simulation" : "langsame Simulation";
  if (!checked) return english ? "slow simulation after save" : "langsame Simulation nach speichern";
  return english ? "fast simulation after save" : "schnelle Simulation (fast) nach speichern";
}

}  // namespace velomare
