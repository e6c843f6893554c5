#pragma once
// Driver files: one driver per ini file (extension "vmx") so that users can keep a library of
// drivers. The edit texts are stored as they stand in section "Chassis", the only section read
// back; "Info", "Units" and "other TSPs" document the file for a reader.
#include <string>
#include <string_view>

namespace velomare {

// The edit texts that make up a driver, in the file's key order.
struct DriverFileTexts {
  std::string manufacturer, name, qts, qes, qms, vas, fs, re, dia, vol, le;
};

// True when the name is longer than four characters and ends in ".vmx" or ".VMX" exactly.
bool IsDriverFileName(std::string_view fileName);
// The name the save uses: the chosen one, with ".vmx" appended unless it already ends so.
std::string DriverFileNameFor(std::string_view chosen);

// Writes the driver into the file, keeping every other section, key and line of an existing
// file, as one replacement of the file. While `valid` (the driver could be committed) the derived
// values go into "other TSPs" as plain decimal text with a point, each computed from the numbers
// of `texts` alone; a value this driver does not have (the nominal impedance below 0.5 ohm) is
// left out. Otherwise that section is removed, so the file never holds the derived values of
// another driver. False when the file could not be written (or an existing file could not be
// read); the file is then as it was.
bool WriteDriverFile(const std::string& path, const DriverFileTexts& texts, bool valid);

// Why a file did not open. Lines that are no key lines (a note, a line of text) are skipped, as in
// the settings file, so a file annotated by hand opens.
enum class DriverFileStatus {
  Ok,
  Missing,      // no such file
  Unreadable,   // exists but cannot be read: no permission, a FIFO or a folder, a read error
  TooLarge,     // larger than any driver file (1 MiB)
  Damaged,      // binary content, or cut off in its last line
  NotDriver,    // empty, or no section "Chassis"
};
struct DriverFileRead {
  DriverFileStatus status = DriverFileStatus::Missing;
  DriverFileTexts texts;  // only for Ok: "keine" for a missing name, "0" for a missing number
};
DriverFileRead ReadDriverFile(const std::string& path);

bool DriverFileExists(const std::string& path);
// True when the file was removed.
bool DeleteDriverFile(const std::string& path);

// The texts of the file operations in the current language ("name" is the full file name).
namespace driver_file_text {
std::string SaveTitle();
std::string OpenTitle();
std::string OverwriteQuestion(std::string_view name);
std::string Saved(std::string_view name);
std::string Overwritten(std::string_view name);
std::string NotSaved();
std::string WriteFailed(std::string_view name);
std::string DoesNotExist(std::string_view name);
std::string Opened(std::string_view name);
std::string CannotOpen(std::string_view name, DriverFileStatus status);
std::string DeleteQuestion(std::string_view name);
std::string Deleted(std::string_view name);
std::string NotDeleted(std::string_view name);
}  // namespace driver_file_text

}  // namespace velomare
