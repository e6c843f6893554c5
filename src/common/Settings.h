#pragma once
// The settings file "velomar.ini" and the program-wide values read from it.
#include <string>
#include <string_view>

#include "platform/plain/IniFile.h"

namespace velomare {

inline constexpr const char* kSettingsFileName = "velomar.ini";

// The settings file as an ini object, opened by its bare name in the Windows directory. The
// folder is created first so that the first write can create the file.
platform::IniFile OpenSettings();
std::string SettingsFilePath();

// The last "Sprache" value read; "english" selects English, every other text German.
extern std::string Language;
// The last "color" value read (see SchemeOf).
extern int ColorScheme;
// Whether the main window closes without asking.
extern bool NoCheckEnd;

bool IsEnglish(std::string_view language);
inline bool IsEnglish() { return IsEnglish(Language); }
// The German or the English text by the current language.
inline const char* Lang(const char* german, const char* english) { return IsEnglish() ? english : german; }

// Re-reads "Sprache" of section "Info" (default "deutsch") into Language and returns it.
const std::string& RefreshLanguage();
// Re-reads "color" of section "Options" (default 0) into ColorScheme and returns it.
int RefreshColorScheme();
// A yes/no value of the settings file for a window that asks at every paint (the integer rule,
// any value but 0 is true); the file is parsed again only when it changed.
bool ReadSettingsBoolCached(std::string_view section, std::string_view key, bool def);

enum class SchemeColour { ButtonFace, White, Desktop };
// 1 is white, 2 the desktop colour, every other value the button-face colour.
SchemeColour SchemeOf(int colorScheme);

// Deletes the settings file, the one every read and write uses; from then on every reader gets
// its defaults and the next write creates the file anew. False when the file could not be
// deleted (a missing file counts as deleted).
bool DeleteSettingsFile();

// Back to the values before the first read (for a fresh start inside one process).
void ResetProgramSettings();

}  // namespace velomare
