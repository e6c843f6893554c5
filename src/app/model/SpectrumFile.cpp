#include "app/model/SpectrumFile.h"

#include "common/FileTexts.h"
#include "common/NumberText.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

constexpr const char* kNoLevel = "-100";

}  // namespace

SpectrumTexts TakeSpectrum(std::string_view name, const std::array<std::string, kSpectrumBandCount>& cells) {
  SpectrumTexts taken;
  taken.name = std::string(name);
  for (int i = 0; i < kSpectrumBandCount; ++i) taken.levels[i] = IsNumberText(cells[i]) ? cells[i] : kNoLevel;
  return taken;
}

SpectrumFileRead ReadSpectrumFile(const std::string& path) {
  SpectrumFileRead result;
  const platform::FileBytes read = platform::ReadRegularFile(path, file_text::kLargestDocument);
  switch (read.status) {
    case platform::ReadStatus::Ok: break;
    case platform::ReadStatus::Missing: result.status = SpectrumFileStatus::Missing; return result;
    case platform::ReadStatus::NotRegular:
    case platform::ReadStatus::Failed: result.status = SpectrumFileStatus::Unreadable; return result;
    case platform::ReadStatus::TooLarge: result.status = SpectrumFileStatus::TooLarge; return result;
  }
  return ReadSpectrumBytes(read.bytes);
}

SpectrumFileRead ReadSpectrumBytes(std::string_view bytes) {
  SpectrumFileRead result;
  switch (platform::InspectIniBytes(bytes)) {
    case platform::IniShape::Ini: break;
    case platform::IniShape::Blank:
    case platform::IniShape::Binary: result.status = SpectrumFileStatus::NotIni; return result;
    case platform::IniShape::CutOff: result.status = SpectrumFileStatus::Damaged; return result;
  }
  const platform::IniFile ini({}, platform::FileBytes{platform::ReadStatus::Ok, std::string(bytes)});
  if (!ini.SectionExists(kSpectrumSection)) {
    result.status = SpectrumFileStatus::NoSpectrum;
    return result;
  }
  result.status = SpectrumFileStatus::Ok;
  result.spectrum = ReadSpectrumSection(ini);
  return result;
}

bool WriteSpectrumFile(const std::string& path, const SpectrumTexts& spectrum) {
  // An existing file that cannot be read is refused by the ini file rather than replaced.
  platform::IniFile ini(path, platform::ReadForReplacing(path, file_text::kLargestDocument));
  return WriteSpectrumSection(ini, spectrum);
}

namespace spectrum_file_text {

std::string CannotImport(std::string_view path, SpectrumFileStatus status, bool english) {
  switch (status) {
    case SpectrumFileStatus::Missing:
      return file_text::AboutFile(path, english, " existiert nicht.", " does not exist.");
    case SpectrumFileStatus::Unreadable: return file_text::CannotRead(path, english);
    case SpectrumFileStatus::TooLarge:
      return file_text::TooLarge(path, english, " und wurde nicht geladen.", " and was not loaded.");
    case SpectrumFileStatus::NotIni:
      return file_text::AboutFile(path, english, " ist keine Spektrum-Datei und wurde nicht geladen.",
                                  " is not a spectrum file and was not loaded.");
    case SpectrumFileStatus::Damaged:
      return file_text::AboutFile(path, english, " ist beschädigt und wurde nicht geladen.",
                                  " is damaged and was not loaded.");
    case SpectrumFileStatus::NoSpectrum:
      return file_text::AboutFile(path, english,
                                  " ist keine Spektrum-Datei (der Abschnitt [spectrum] fehlt) und wurde nicht geladen.",
                                  " is not a spectrum file (it has no [spectrum] section) and was not loaded.");
    case SpectrumFileStatus::Ok: break;
  }
  return {};
}

}  // namespace spectrum_file_text
}  // namespace velomare
