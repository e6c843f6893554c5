#pragma once
// The messages about a file the user named, built alike for every kind of file: "Die Datei " or
// "The file ", the full name, then why. The callers say which language.
#include <cstddef>
#include <string>
#include <string_view>

namespace velomare::file_text {

// A driver or spectrum file is a few hundred bytes; a file beyond this is none, and TooLarge
// says so with this limit.
inline constexpr std::size_t kLargestDocument = 1024 * 1024;

// "Die Datei <path><germanWhy>" or "The file <path><englishWhy>".
std::string AboutFile(std::string_view path, bool english, std::string_view germanWhy, std::string_view englishWhy);

// A file that exists but cannot be read: no permission, a FIFO or a folder under its name, a
// read error.
std::string CannotRead(std::string_view path, bool english);
// A write that failed; the old file, if any, is as it was.
std::string WriteFailed(std::string_view path, bool english);
// A file larger than kLargestDocument; `germanDone` / `englishDone` tell what did not happen to
// it, as " und wurde nicht geöffnet." / " and was not opened.".
std::string TooLarge(std::string_view path, bool english, std::string_view germanDone, std::string_view englishDone);
// The question before a file is replaced.
std::string ReplaceQuestion(std::string_view path, bool english);

}  // namespace velomare::file_text
