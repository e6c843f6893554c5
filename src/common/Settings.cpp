#include "common/Settings.h"

#include <cerrno>
#include <cstdio>

#include "platform/plain/SettingsLocation.h"

namespace velomare {

std::string Language = "deutsch";
int ColorScheme = 0;
bool NoCheckEnd = false;

std::string SettingsFilePath() { return platform::ProfilePath(kSettingsFileName); }

platform::IniFile OpenSettings() {
  platform::EnsureWindowsDirectory();
  return platform::IniFile(SettingsFilePath());
}

bool IsEnglish(std::string_view language) { return language == "english"; }

const std::string& RefreshLanguage() {
  Language = platform::IniFile(SettingsFilePath()).ReadString("Info", "Sprache", "deutsch");
  return Language;
}

int RefreshColorScheme() {
  ColorScheme = platform::IniFile(SettingsFilePath()).ReadInteger("Options", "color", 0);
  return ColorScheme;
}

SchemeColour SchemeOf(int colorScheme) {
  if (colorScheme == 1) return SchemeColour::White;
  if (colorScheme == 2) return SchemeColour::Desktop;
  return SchemeColour::ButtonFace;
}

bool DeleteSettingsFile() { return std::remove(SettingsFilePath().c_str()) == 0 || errno == ENOENT; }

void ResetProgramSettings() {
  Language = "deutsch";
  ColorScheme = 0;
  NoCheckEnd = false;
}

}  // namespace velomare
