#pragma once
// The program's name and version, and the maker's addresses, in one place.
#include <string_view>

namespace velomare {

inline constexpr const char* kProgramTitle = "Velomare";
inline constexpr const char* kVersionNumber = "3.2.5";
// The version as the update check compares it: the digits of kVersionNumber, padded to four
// ("3.2.5" is 3250, shown "3.2.5.0"), so that the number can never disagree with the text.
constexpr int VersionNumberOf(std::string_view version) {
  int number = 0, digits = 0;
  for (char c : version)
    if (c >= '0' && c <= '9') {
      number = number * 10 + (c - '0');
      ++digits;
    }
  for (; digits < 4; ++digits) number *= 10;
  return number;
}
inline constexpr int kInstalledVersionNumber = VersionNumberOf(kVersionNumber);
static_assert(kInstalledVersionNumber == 3250);
inline constexpr const char* kStatusVersionText = "Velomare 3.2.5";
inline constexpr const char* kMainCaption = "Velomare 3.2.5 - Freeware";
inline constexpr const char* kVersionKeyValue = "Velomare Freeware ";  // the trailing blank is stored

inline constexpr const char* kMakerWebText = "www.velomare.example";
inline constexpr const char* kMakerWebUrl = "http://www.velomare.example/";
inline constexpr const char* kMakerMailAddress = "info@velomare.example";
inline constexpr const char* kUpdateHost = "www.velomare.example";
// Both lie in the root folder of kUpdateHost and are fetched by plain HTTP.
inline constexpr const char* kVersionFileName = "velomareversion.txt";
inline constexpr const char* kDownloadPageName = "velomar.htm";

inline constexpr const char* kHelpFile = "VELO.HLP";

}  // namespace velomare
