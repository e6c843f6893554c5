#include "common/Settings.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>

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

namespace {

// The settings file as last read, for the values every paint asks for. The file is parsed again
// only when it changed: another path, another file (inode), size or time stamp, or a write of
// this process (which a coarse time stamp could hide).
struct SettingsSnapshot {
  std::string path;
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};
  std::uint64_t writes = 0;
  std::string language = "deutsch";
  int colorScheme = 0;
  std::optional<platform::IniFile> ini;  // the whole file, for the other values asked at every paint
  bool valid = false;
};
SettingsSnapshot gSnapshot;

bool Same(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

const SettingsSnapshot& CurrentSnapshot() {
  const std::string path = SettingsFilePath();
  struct stat st {};
  const bool exists = ::stat(path.c_str(), &st) == 0;
  const std::uint64_t writes = platform::FileWriteCount();
  SettingsSnapshot& s = gSnapshot;
  if (s.valid && s.path == path && s.exists == exists && s.writes == writes &&
      (!exists || (s.device == st.st_dev && s.inode == st.st_ino && s.size == st.st_size &&
                   Same(s.modified, st.st_mtim) && Same(s.changed, st.st_ctim))))
    return s;
  s.path = path;
  s.exists = exists;
  s.device = exists ? st.st_dev : 0;
  s.inode = exists ? st.st_ino : 0;
  s.size = exists ? st.st_size : 0;
  s.modified = exists ? st.st_mtim : timespec{};
  s.changed = exists ? st.st_ctim : timespec{};
  s.writes = writes;
  // A missing file needs no read: every value takes its default.
  s.ini = exists ? platform::IniFile(path) : platform::IniFile(path, platform::FileBytes{});
  s.language = s.ini->ReadString("Info", "Sprache", "deutsch");
  s.colorScheme = s.ini->ReadInteger("Options", "color", 0);
  s.valid = true;
  return s;
}

}  // namespace

const std::string& RefreshLanguage() {
  Language = CurrentSnapshot().language;
  return Language;
}

int RefreshColorScheme() {
  ColorScheme = CurrentSnapshot().colorScheme;
  return ColorScheme;
}

bool ReadSettingsBoolCached(std::string_view section, std::string_view key, bool def) {
  return CurrentSnapshot().ini->ReadBool(section, key, def);
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
