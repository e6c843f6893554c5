#pragma once
// The program keeps its texts as UTF-8; every file it reads or writes is Windows-1252.
#include <string>
#include <string_view>

namespace velomare {

// A character that Windows-1252 cannot hold becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

// Length in characters and the first n characters of a UTF-8 text (each Windows-1252 character
// is one character, so these match the byte counts of the file encoding).
std::size_t Utf8Length(std::string_view utf8);
std::string Utf8Left(std::string_view utf8, std::size_t n);

// The text without the blanks, tabs and line ends around it.
std::string_view TrimBlanks(std::string_view text);

}  // namespace velomare
