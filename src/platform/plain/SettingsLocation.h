#pragma once
#include <string>

namespace velomare::platform {

// The folder that stands in for the Windows directory, where files opened by a bare name live:
// $XDG_CONFIG_HOME/velomare, or ~/.config/velomare when that variable is unset or not absolute.
std::string WindowsDirectory();

// The full path of a file opened by its bare name.
std::string ProfilePath(const std::string& bareName);

// Creates the folder when it is missing; false when it cannot be created.
bool EnsureWindowsDirectory();

}  // namespace velomare::platform
