#include "common/FileTexts.h"

namespace velomare::file_text {

std::string AboutFile(std::string_view path, bool english, std::string_view germanWhy, std::string_view englishWhy) {
  std::string text = english ? "The file " : "Die Datei ";
  text += path;
  text += english ? englishWhy : germanWhy;
  return text;
}

std::string CannotRead(std::string_view path, bool english) {
  return AboutFile(path, english, " kann nicht gelesen werden.", " cannot be read.");
}

std::string WriteFailed(std::string_view path, bool english) {
  return AboutFile(path, english, " konnte nicht geschrieben werden. Bitte einen anderen Ordner oder Namen wählen.",
                   " could not be written. Please choose another folder or name.");
}

std::string TooLarge(std::string_view path, bool english, std::string_view germanDone, std::string_view englishDone) {
  static_assert(kLargestDocument == 1024 * 1024, "the texts name the limit");
  return AboutFile(path, english, " ist zu groß (mehr als 1 MiB)" + std::string(germanDone),
                   " is too large (more than 1 MiB)" + std::string(englishDone));
}

std::string ReplaceQuestion(std::string_view path, bool english) {
  return AboutFile(path, english, " existiert bereits. Ersetzen?", " already exists. Replace it?");
}

}  // namespace velomare::file_text
