#pragma once
// The update check apart from the network and the widgets: the addresses on the maker's server,
// how an HTTP answer becomes the fetched text, how that text becomes the web version number, and
// what the settings window reports for each number, in either language.
#include <string>
#include <string_view>

#include "common/Version.h"

namespace velomare {

// A check ends after this long, whatever the server does, and reads at most this many bytes: a
// version number is a few digits.
inline constexpr int kUpdateTimeoutMs = 10000;
inline constexpr int kUpdateBodyLimit = 1024;

// "http://<host>/velomareversion.txt" and "http://<host>/velomar.htm".
std::string VersionFileUrl();
std::string DownloadPageUrl();

// The url with "http://" in front unless its lower-case copy already holds "http://".
std::string UrlWithScheme(std::string_view url);
// The text a fetch gives for an answer: no status (no answer at all) gives the empty text, 200
// and 302 the body up to its first zero byte, any other status "Status:" and the code.
std::string FetchedText(int status, std::string_view body);

// The decimal text of n with a point after each of its first three digits: 3250 is "3.2.5.0".
std::string FormatVersionNumber(int n);
// The text without every character other than "0" to "9".
std::string DigitsOnly(std::string_view text);

// The web version number of a fetched text: 0 when the text (without surrounding blanks and line
// ends) is no number text, 1 when its digits do not fit a 32-bit integer, else their value. A
// sign and a separator are ignored: "3.250" and "-3250" both give 3250.
int WebVersionNumber(std::string_view fetched);
// "?" unless 1001 <= v < 10000, then FormatVersionNumber(v).
std::string WebVersionText(int v);

// What a check shows for the web version number v.
struct UpdateReport {
  bool setsResult = false;      // Label13 takes `result`; otherwise it keeps its text
  std::string result;
  std::string message;          // the message box text (shown only when asked for), empty for none
  bool offersDownload = false;  // ask whether to open the download page, always
};
UpdateReport ReportFor(int v, bool english);
std::string DownloadQuestion(bool english);

// The two version labels as a check sets them and as the window's texts compose them; the two
// differ in a blank on purpose: each keeps the spacing users know from earlier versions.
struct VersionLabels {
  std::string installed;  // Label11
  std::string web;        // Label9
};
VersionLabels CheckedVersionLabels(bool english, std::string_view installedText, std::string_view webText);
VersionLabels ComposedVersionLabels(bool english, std::string_view installedText, std::string_view webText);

}  // namespace velomare
