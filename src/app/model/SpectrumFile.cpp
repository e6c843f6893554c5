#include "app/model/SpectrumFile.h"

#include "common/NumberText.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

// A spectrum file is a few hundred bytes; anything far larger is not one.
constexpr std::size_t kLargestSpectrumFile = 1024 * 1024;
constexpr const char* kNoLevel = "-100";

std::string Joined(bool english, const char* german, std::string_view path, const char* germanEnd,
                   const char* englishStart, const char* englishEnd) {
  return english ? std::string(englishStart) + std::string(path) + englishEnd
                 : std::string(german) + std::string(path) + germanEnd;
}

}  // namespace

SpectrumTexts TakeSpectrum(std::string_view name, const std::array<std::string, kSpectrumBandCount>& cells) {
  SpectrumTexts taken;
  taken.name = std::string(name);
  for (int i = 0; i < kSpectrumBandCount; ++i) taken.levels[i] = IsNumberText(cells[i]) ? cells[i] : kNoLevel;
  return taken;
}

SpectrumFileRead ReadSpectrumFile(const std::string& path) {
  SpectrumFileRead result;
  const platform::FileBytes read = platform::ReadRegularFile(path, kLargestSpectrumFile);
  switch (read.status) {
    case platform::ReadStatus::Ok: break;
    case platform::ReadStatus::Missing: result.status = SpectrumFileStatus::Missing; return result;
    case platform::ReadStatus::NotRegular:
    case platform::ReadStatus::TooLarge:
    case platform::ReadStatus::Failed: result.status = SpectrumFileStatus::Unreadable; return result;
  }
  return ReadSpectrumBytes(read.bytes);
}

SpectrumFileRead ReadSpectrumBytes(std::string_view bytes) {
  SpectrumFileRead result;
  if (platform::InspectIniBytes(bytes) != platform::IniShape::Ini) {
    result.status = SpectrumFileStatus::NotIni;
    return result;
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
  platform::IniFile ini(path, kLargestSpectrumFile);
  return WriteSpectrumSection(ini, spectrum);
}

namespace spectrum_file_text {

std::string ReplaceQuestion(std::string_view path, bool english) {
  return Joined(english, "Die Datei ", path, " existiert bereits. Ersetzen?", "The file ", " already exists. Replace it?");
}

std::string WriteFailed(std::string_view path, bool english) {
  return Joined(english, "Die Datei ", path,
                " konnte nicht geschrieben werden. Bitte einen anderen Ordner oder Namen wählen.", "The file ",
                " could not be written. Please choose another folder or name.");
}

std::string CannotImport(std::string_view path, SpectrumFileStatus status, bool english) {
  switch (status) {
    case SpectrumFileStatus::Missing:
      return Joined(english, "Die Datei ", path, " existiert nicht.", "The file ", " does not exist.");
    case SpectrumFileStatus::Unreadable:
      return Joined(english, "Die Datei ", path, " kann nicht gelesen werden.", "The file ", " cannot be read.");
    case SpectrumFileStatus::NotIni:
      return Joined(english, "Die Datei ", path, " ist keine Spektrum-Datei und wurde nicht geladen.", "The file ",
                    " is not a spectrum file and was not loaded.");
    case SpectrumFileStatus::NoSpectrum:
      return Joined(english, "Die Datei ", path,
                    " ist keine Spektrum-Datei (der Abschnitt [spectrum] fehlt) und wurde nicht geladen.",
                    "The file ", " is not a spectrum file (it has no [spectrum] section) and was not loaded.");
    case SpectrumFileStatus::Ok: break;
  }
  return {};
}

}  // namespace spectrum_file_text
}  // namespace velomare
