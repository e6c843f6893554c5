#include "platform/plain/SettingsLocation.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velomare::platform {

std::string WindowsDirectory() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/velomare";
  const char* home = std::getenv("HOME");
  const std::string base = (home != nullptr && home[0] != '\0') ? std::string(home) : std::string(".");
  return base + "/.config/velomare";
}

std::string ProfilePath(const std::string& bareName) { return WindowsDirectory() + "/" + bareName; }

bool EnsureWindowsDirectory() {
  std::error_code ec;
  std::filesystem::create_directories(WindowsDirectory(), ec);
  return std::filesystem::is_directory(WindowsDirectory(), ec);
}

}  // namespace velomare::platform
