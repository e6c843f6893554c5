#include "app/model/UpdateCheck.h"

#include <cstdint>
#include <limits>

#include "common/NumberText.h"

namespace velomare {
namespace {

constexpr int kNoAnswer = 0;
constexpr int kUnreadable = 1;
constexpr int kOldestVersion = 1001;
constexpr int kFirstUnknownVersion = 10000;

std::string HostFile(const char* file) { return std::string("http://") + kUpdateHost + "/" + file; }

// Blanks, tabs and line ends around the text: a version file that ends in a line end still holds
// a version number.
std::string_view TrimAnswer(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string Joined(const char* a, std::string_view b) { return std::string(a) + std::string(b); }

}  // namespace

std::string VersionFileUrl() { return HostFile(kVersionFileName); }
std::string DownloadPageUrl() { return HostFile(kDownloadPageName); }

std::string UrlWithScheme(std::string_view url) {
  std::string lower(url);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  if (lower.find("http://") != std::string::npos) return std::string(url);
  return "http://" + std::string(url);
}

std::string FetchedText(int status, std::string_view body) {
  if (status <= 0) return {};
  if (status != 200 && status != 302) return "Status:" + std::to_string(status);
  return std::string(body.substr(0, body.find('\0')));
}

std::string FormatVersionNumber(int n) {
  const std::string digits = std::to_string(n);
  std::string text;
  int placed = 0;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    text += digits[i];
    const bool isDigit = digits[i] >= '0' && digits[i] <= '9';
    if (isDigit && placed < 3 && i + 1 < digits.size()) {
      text += '.';
      ++placed;
    }
  }
  return text;
}

std::string DigitsOnly(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}

int WebVersionNumber(std::string_view fetched) {
  const std::string_view text = TrimAnswer(fetched);
  if (!IsNumberText(text)) return kNoAnswer;
  std::int64_t value = 0;
  for (char c : DigitsOnly(text)) {
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return kUnreadable;
  }
  return static_cast<int>(value);
}

std::string WebVersionText(int v) {
  return (v >= kOldestVersion && v < kFirstUnknownVersion) ? FormatVersionNumber(v) : "?";
}

UpdateReport ReportFor(int v, bool english) {
  UpdateReport r;
  auto failed = [&r](const char* text) {
    r.setsResult = true;
    r.result = text;
    r.message = text;
  };
  auto connected = [&r, english](const char* german, const char* englishText) {
    r.setsResult = true;
    r.message = english ? englishText : german;
    r.result = Joined(english ? "internet connection successful, " : "Internet-Verbindung erfolgreich hergestellt, ",
                      r.message);
  };
  if (v == kNoAnswer)
    failed(english ? "internet connection not successful" : "Konnte Verbindung zum Internet nicht herstellen");
  else if (v == kUnreadable)
    failed(english ? "could not read version from internet"
                   : "Konnte Versionsnummer via Internet-Verbindung nicht korrekt lesen.");
  else if (v == kInstalledVersionNumber)
    connected("Installierte Version ist neuste Fassung", "your software is up to date");
  else if (v >= kOldestVersion && v < kInstalledVersionNumber)
    connected("Installierte Version ist neuer als Internet-Fassung", "installed version is newer than the web-version");
  else if (v > kInstalledVersionNumber)
    r.offersDownload = true;
  return r;
}

std::string DownloadQuestion(bool english) {
  return english ? "new version on website available, go to download page?"
                 : "Neue Version im Internet verfügbar, Download-Seite aufrufen?";
}

VersionLabels CheckedVersionLabels(bool english, std::string_view installedText, std::string_view webText) {
  if (english) return {Joined("version on PC : ", installedText), Joined("version in internet :", webText)};
  return {Joined("Versionsnummer der gestarteten Software : ", installedText), Joined("Version im Internet : ", webText)};
}

VersionLabels ComposedVersionLabels(bool english, std::string_view installedText, std::string_view webText) {
  if (english) return {Joined("version on PC : ", installedText), Joined("version in internet : ", webText)};
  return {Joined("Versionsnummer der gestarteten Software : ", installedText), Joined("Version im Internet :", webText)};
}

}  // namespace velomare
