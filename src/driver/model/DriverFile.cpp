#include "driver/model/DriverFile.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "common/Encoding.h"
#include "common/FileTexts.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/DriverValues.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

namespace fs = std::filesystem;

// The units the file's numbers are given in, for a reader of the file.
constexpr std::pair<const char*, const char*> kUnits[] = {
    {"Volumen (Vas, vol)", "l (Liter)"},
    {"Länge (dia)", "cm (Zentimeter)"},
    {"Flaeche (Sd)", "qcm (Quadratzentimeter)"},
    {"SPL", "dB (1W1m)"},
    {"eff", "Wirkungsgrad in %"},
    {"Mms", "g (Gramm)"},
    {"Cms", "mm/N (Millimeter pro Newton)"},
    {"Rms", "kg/s (Kilogramm pro Sekunde)"},
    {"Cmes", "µF (Mikrofarad)"},
    {"BL", "N/A (Newton pro Ampere)"},
};

constexpr const char* kDerivedSection = "other TSPs";

std::string Plain(double value) { return FormatPlain(value, 7, '.'); }

DriverFileStatus Inspect(std::string_view bytes) {
  switch (platform::InspectIniBytes(bytes)) {
    case platform::IniShape::Ini: return DriverFileStatus::Ok;
    case platform::IniShape::Blank: return DriverFileStatus::NotDriver;
    case platform::IniShape::Binary:
    case platform::IniShape::CutOff: break;
  }
  return DriverFileStatus::Damaged;
}

std::string Joined(const char* german, std::string_view name, const char* germanEnd, const char* english,
                   const char* englishEnd) {
  return IsEnglish() ? std::string(english) + std::string(name) + englishEnd
                     : std::string(german) + std::string(name) + germanEnd;
}

}  // namespace

bool IsDriverFileName(std::string_view fileName) {
  if (Utf8Length(fileName) <= 4) return false;
  const std::string_view end = fileName.substr(fileName.size() - 4);
  return end == ".vmx" || end == ".VMX";
}

std::string DriverFileNameFor(std::string_view chosen) {
  return IsDriverFileName(chosen) ? std::string(chosen) : std::string(chosen) + ".vmx";
}

bool WriteDriverFile(const std::string& path, const DriverFileTexts& texts, bool valid) {
  // An existing file that cannot be read is not replaced by our keys alone: the ini file refuses.
  platform::IniFile ini(path, platform::ReadForReplacing(path, file_text::kLargestDocument));

  ini.BeginUpdate();
  ini.WriteString("Info", "Version", "Velomar Version 3.2.5");
  ini.WriteString("Info", "Sprache", "deutsch");

  for (const auto& [key, value] : kUnits) ini.WriteString("Units", key, value);

  ini.WriteString("Chassis", "manufactor", texts.manufacturer);
  ini.WriteString("Chassis", "name", texts.name);
  ini.WriteString("Chassis", "Qts", texts.qts);
  ini.WriteString("Chassis", "Qes", texts.qes);
  ini.WriteString("Chassis", "Qms", texts.qms);
  ini.WriteString("Chassis", "Vas", texts.vas);
  ini.WriteString("Chassis", "fs", texts.fs);
  ini.WriteString("Chassis", "Re", texts.re);
  ini.WriteString("Chassis", "dia", texts.dia);
  ini.WriteString("Chassis", "vol", texts.vol);
  ini.WriteString("Chassis", "Le", texts.le);

  if (valid) {
    // Computed afresh from the numbers this file holds, never taken from what the window last
    // stored: a value that cannot be computed for this driver (no nominal impedance below 0.5
    // ohm) is left out rather than written as another driver's.
    const DerivedDriverValues d = DeriveDriverValues(ReadNumber(texts.qts), ReadNumber(texts.qes),
                                                     ReadNumber(texts.vas), ReadNumber(texts.fs),
                                                     ReadNumber(texts.re), ReadNumber(texts.dia));
    const std::pair<const char*, std::optional<double>> derived[] = {
        {"Qms", d.qmsCalc}, {"Z", d.z},     {"Sd", d.sd},   {"SPL", d.spl}, {"eff", d.eff},   {"EBP", d.ebp},
        {"BL", d.bl},       {"Mms", d.mms}, {"Cms", d.cms}, {"Rms", d.rms}, {"Cmes", d.cmes}};
    // All of them go and come back in their order: a key left out must not keep an older
    // driver's value, and one that returns must not land behind the others.
    for (const auto& [key, value] : derived) ini.EraseKey(kDerivedSection, key);
    for (const auto& [key, value] : derived)
      if (value) ini.WriteString(kDerivedSection, key, Plain(*value));
  } else {
    // Values of an implausible driver are not written, and an older driver's must not remain.
    ini.EraseSection(kDerivedSection);
  }
  return ini.CommitUpdate();
}

DriverFileRead ReadDriverFile(const std::string& path) {
  DriverFileRead result;
  const platform::FileBytes read = platform::ReadRegularFile(path, file_text::kLargestDocument);
  switch (read.status) {
    case platform::ReadStatus::Ok: break;
    case platform::ReadStatus::Missing: result.status = DriverFileStatus::Missing; return result;
    // A FIFO, a device or a folder under a driver file's name is refused before a byte is read.
    case platform::ReadStatus::NotRegular:
    case platform::ReadStatus::Failed: result.status = DriverFileStatus::Unreadable; return result;
    case platform::ReadStatus::TooLarge: result.status = DriverFileStatus::TooLarge; return result;
  }
  result.status = Inspect(read.bytes);
  if (result.status != DriverFileStatus::Ok) return result;

  const platform::IniFile ini(path, read);
  if (!ini.SectionExists("Chassis")) {
    result.status = DriverFileStatus::NotDriver;
    return result;
  }
  DriverFileTexts& t = result.texts;
  t.manufacturer = ini.ReadString("Chassis", "manufactor", "keine");
  t.name = ini.ReadString("Chassis", "name", "keine");
  t.qts = ini.ReadString("Chassis", "Qts", "0");
  t.qes = ini.ReadString("Chassis", "Qes", "0");
  t.qms = ini.ReadString("Chassis", "Qms", "0");
  t.vas = ini.ReadString("Chassis", "Vas", "0");
  t.fs = ini.ReadString("Chassis", "fs", "0");
  t.re = ini.ReadString("Chassis", "Re", "0");
  t.dia = ini.ReadString("Chassis", "dia", "0");
  t.vol = ini.ReadString("Chassis", "vol", "0");
  t.le = ini.ReadString("Chassis", "Le", "0");
  return result;
}

bool DriverFileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

bool DeleteDriverFile(const std::string& path) {
  std::error_code error;
  // Only a file goes: a folder that happens to carry the name stays.
  const fs::file_status status = fs::symlink_status(path, error);
  if (error || !fs::exists(status) || fs::is_directory(status)) return false;
  return fs::remove(path, error) && !error;
}

namespace driver_file_text {

std::string SaveTitle() { return Lang("Velomar-Datei speichern", "save Velomar file"); }
std::string OpenTitle() { return Lang("Velomar-Datei öffnen", "open Velomar file"); }
std::string OverwriteQuestion(std::string_view name) {
  return Joined("Datei ", name, " überschreiben?", "overwrite ", " ?");
}
std::string Saved(std::string_view name) { return Joined("Datei ", name, " gespeichert", "file ", " saved"); }
std::string Overwritten(std::string_view name) {
  return Joined("Datei ", name, " überschrieben", "file ", " overwritten");
}
std::string NotSaved() { return Lang("Datei nicht gespeichert", "file not saved"); }
std::string WriteFailed(std::string_view name) { return file_text::WriteFailed(name, IsEnglish()); }
std::string DoesNotExist(std::string_view name) {
  return Joined("Datei ", name, " existiert nicht", "file ", " does not exist ");
}
std::string Opened(std::string_view name) { return Joined("Datei ", name, " geöffnet", "file ", " opened"); }
std::string CannotOpen(std::string_view name, DriverFileStatus status) {
  switch (status) {
    case DriverFileStatus::Unreadable: return file_text::CannotRead(name, IsEnglish());
    case DriverFileStatus::TooLarge:
      return file_text::TooLarge(name, IsEnglish(), " und wurde nicht geöffnet.", " and was not opened.");
    case DriverFileStatus::Damaged:
      return file_text::AboutFile(name, IsEnglish(), " ist beschädigt und wurde nicht geöffnet.",
                                  " is damaged and was not opened.");
    case DriverFileStatus::NotDriver:
      return file_text::AboutFile(
          name, IsEnglish(), " ist keine Velomar-Datei (der Abschnitt [Chassis] fehlt) und wurde nicht geöffnet.",
          " is not a Velomar file (it has no [Chassis] section) and was not opened.");
    case DriverFileStatus::Missing: return DoesNotExist(name);
    case DriverFileStatus::Ok: break;
  }
  return {};
}
std::string DeleteQuestion(std::string_view name) { return Joined("Dateie ", name, "löschen?", "delete ", "?"); }
std::string Deleted(std::string_view name) { return Joined("Datei ", name, " gelöscht", "file ", " deleted"); }
std::string NotDeleted(std::string_view name) {
  return Joined("Datei ", name, " nicht gelöscht", "file ", " not deleted");
}

}  // namespace driver_file_text
}  // namespace velomare
