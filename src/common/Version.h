#pragma once
// The program's name and version, and the maker's addresses, in one place.

namespace velomare {

inline constexpr const char* kProgramTitle = "Velomare";
inline constexpr const char* kVersionNumber = "3.2.5";
inline constexpr const char* kStatusVersionText = "Velomare 3.2.5";
inline constexpr const char* kMainCaption = "Velomare 3.2.5 - Freeware";
inline constexpr const char* kVersionKeyValue = "Velomare Freeware ";  // the trailing blank is stored

inline constexpr const char* kMakerWebText = "www.velomare.example";
inline constexpr const char* kMakerWebUrl = "http://www.velomare.example/";
inline constexpr const char* kMakerMailAddress = "info@velomare.example";
inline constexpr const char* kUpdateHost = "www.velomare.example";

inline constexpr const char* kHelpFile = "VELO.HLP";

}  // namespace velomare
