#pragma once
// The spectrum editor apart from its grid: taking the typed levels, and spectrum files (ini files
// with the section "spectrum", extension "spe") with the texts the settings window shows for
// them in its own language.
#include <array>
#include <string>
#include <string_view>

#include "common/BandSpectrum.h"

namespace velomare {

// The grid's texts as they are stored: a level that IsNumberText refuses becomes "-100"; the
// others stay exactly as typed (a decimal comma stays a comma).
SpectrumTexts TakeSpectrum(std::string_view name, const std::array<std::string, kSpectrumBandCount>& cells);

// Why a file did not load. Lines that are no key lines (a note, a line of text) are skipped, as in
// the settings file, so a file annotated by hand loads.
enum class SpectrumFileStatus {
  Ok,
  Missing,     // no such file
  Unreadable,  // exists but cannot be read: no permission, a FIFO or a folder, a read error
  TooLarge,    // larger than any spectrum file (1 MiB)
  NotIni,      // empty, or binary
  Damaged,     // cut off in its last line
  NoSpectrum,  // an ini file without the section "spectrum" (a driver file, say)
};
struct SpectrumFileRead {
  SpectrumFileStatus status = SpectrumFileStatus::Missing;
  SpectrumTexts spectrum;  // only for Ok; bands the section lacks hold their "Dance" level
};
SpectrumFileRead ReadSpectrumFile(const std::string& path);
// The same for a file's bytes already read: Ok, NotIni, Damaged or NoSpectrum.
SpectrumFileRead ReadSpectrumBytes(std::string_view bytes);
// Writes the section into the file, keeping every other section of an existing file, whole or
// not at all. False when it could not be written; the file is then as it was.
bool WriteSpectrumFile(const std::string& path, const SpectrumTexts& spectrum);

// The dialogs and messages of the spectrum page (the replace question and a failed write are
// those of every file: common/FileTexts.h).
namespace spectrum_file_text {
inline constexpr const char* kExportTitle = "export spectrum-file";
inline constexpr const char* kImportTitle = "import spectrum-file";
inline constexpr const char* kExportFilter = "spectrum files (*.spe);;all files (*)";
inline constexpr const char* kImportFilter = "spectrum file (*.spe);;all files (*)";
inline constexpr const char* kExtension = "spe";
std::string CannotImport(std::string_view path, SpectrumFileStatus status, bool english);
}  // namespace spectrum_file_text

}  // namespace velomare
