// The update check's rules without network or widgets: version numbers and their texts, the
// fetched text of an answer, and the report for every range of web version numbers.
#include <gtest/gtest.h>

#include <string>

#include "app/model/UpdateCheck.h"
#include "common/Version.h"

namespace velomare::test {
namespace {

TEST(UpdateVersion, NumbersAndTheirTextsPutAPointAfterEachOfTheFirstThreeDigits) {
  EXPECT_EQ(kInstalledVersionNumber, 3250);
  EXPECT_STREQ(kVersionNumber, "3.2.5");
  EXPECT_EQ(FormatVersionNumber(kInstalledVersionNumber), "3.2.5.0");
  EXPECT_EQ(VersionNumberOf("3.2.5"), 3250);
  EXPECT_EQ(VersionNumberOf("3.2.5.1"), 3251);
  EXPECT_EQ(VersionNumberOf("4"), 4000);
  EXPECT_EQ(FormatVersionNumber(3250), "3.2.5.0");
  EXPECT_EQ(FormatVersionNumber(1001), "1.0.0.1");
  EXPECT_EQ(FormatVersionNumber(9999), "9.9.9.9");
  EXPECT_EQ(FormatVersionNumber(3251), "3.2.5.1");
  EXPECT_EQ(FormatVersionNumber(10000), "1.0.0.00");
  EXPECT_EQ(DigitsOnly("-3,2 5a0\r\n"), "3250");
  EXPECT_EQ(DigitsOnly("3.250"), "3250");
  EXPECT_EQ(DigitsOnly("abc"), "");
  EXPECT_EQ(DigitsOnly(""), "");
}

TEST(UpdateAnswer, TheFetchedTextOfAnAnswerFollowsItsStatus) {
  EXPECT_EQ(FetchedText(200, "3250"), "3250");
  EXPECT_EQ(FetchedText(302, "3251"), "3251");
  EXPECT_EQ(FetchedText(404, "3250"), "Status:404");
  EXPECT_EQ(FetchedText(500, ""), "Status:500");
  EXPECT_EQ(FetchedText(0, "3250"), "");  // no answer at all
  EXPECT_EQ(FetchedText(200, std::string("32\0" "50", 5)), "32");  // the text ends at a zero byte
  EXPECT_EQ(UrlWithScheme("www.velomare.example/v.txt"), "http://www.velomare.example/v.txt");
  EXPECT_EQ(UrlWithScheme("HTTP://host/v.txt"), "HTTP://host/v.txt");
  EXPECT_EQ(VersionFileUrl(), "http://www.velomare.example/velomareversion.txt");
  EXPECT_EQ(DownloadPageUrl(), "http://www.velomare.example/velomar.htm");
}

TEST(UpdateAnswer, EveryKindOfServerAnswerGivesItsWebVersionNumber) {
  const std::pair<std::string, int> rows[] = {
      {"", 0}, {"Status:404", 0}, {"3250", 3250}, {"3.250", 3250}, {"-3250", 3250},
      {"3,2.5", 0},  // two separators: no number
      {"999", 999}, {"10000", 10000}, {"<html>3250</html>", 0}, {"\x01\xff\x7f", 0},
      // Surrounding blanks and line ends are no part of the number: a version file saved with a
      // line end is read as the number it holds.
      {" 3250 ", 3250}, {"3250\r\n", 3250}, {"\t3251\n", 3251}, {"32 50", 0},
      // 2^31 - 1 still fits 32 bits, 2^31 does not; a kilobyte of digits does not either.
      {"2147483647", 2147483647}, {"2147483648", 1}, {std::string(1024, '7'), 1}};
  for (const auto& [text, number] : rows) EXPECT_EQ(WebVersionNumber(text), number) << '"' << text << '"';
}

TEST(UpdateAnswer, TheWebVersionIsShownOnlyFrom1001To9999) {
  const std::pair<int, const char*> rows[] = {
      {0, "?"}, {1000, "?"}, {1001, "1.0.0.1"}, {3251, "3.2.5.1"}, {9999, "9.9.9.9"}, {10000, "?"}, {2147483647, "?"}};
  for (const auto& [number, text] : rows) EXPECT_EQ(WebVersionText(number), text) << number;
}

TEST(UpdateReportTable, RowsSwitchExactlyAtTheirLimits) {
  const std::string kNewer = "installed version is newer than the web-version";
  const std::string kCurrent = "your software is up to date";
  const struct {
    int web;
    bool setsResult;
    std::string result, message;
    bool offersDownload;
  } rows[] = {
      {0, true, "internet connection not successful", "internet connection not successful", false},
      {1, true, "could not read version from internet", "could not read version from internet", false},
      {2, false, "", "", false},
      {999, false, "", "", false},
      {1000, false, "", "", false},
      {1001, true, "internet connection successful, " + kNewer, kNewer, false},
      {3249, true, "internet connection successful, " + kNewer, kNewer, false},
      {3250, true, "internet connection successful, " + kCurrent, kCurrent, false},
      {3251, false, "", "", true},
      {9999, false, "", "", true},
      {10000, false, "", "", true},
      {2147483647, false, "", "", true},
  };
  for (const auto& row : rows) {
    const UpdateReport r = ReportFor(row.web, true);
    EXPECT_EQ(r.setsResult, row.setsResult) << row.web;
    if (row.setsResult) EXPECT_EQ(r.result, row.result) << row.web;
    EXPECT_EQ(r.message, row.message) << row.web;
    EXPECT_EQ(r.offersDownload, row.offersDownload) << row.web;
  }
}

TEST(UpdateReportTable, GermanTexts) {
  EXPECT_EQ(ReportFor(0, false).result, "Konnte Verbindung zum Internet nicht herstellen");
  EXPECT_EQ(ReportFor(1, false).result, "Konnte Versionsnummer via Internet-Verbindung nicht korrekt lesen.");
  EXPECT_EQ(ReportFor(3250, false).result,
            "Internet-Verbindung erfolgreich hergestellt, Installierte Version ist neuste Fassung");
  EXPECT_EQ(ReportFor(3250, false).message, "Installierte Version ist neuste Fassung");
  EXPECT_EQ(ReportFor(2000, false).message, "Installierte Version ist neuer als Internet-Fassung");
  EXPECT_EQ(DownloadQuestion(false), "Neue Version im Internet verfügbar, Download-Seite aufrufen?");
  EXPECT_EQ(DownloadQuestion(true), "new version on website available, go to download page?");
}

TEST(UpdateLabels, TheCheckAndTheTextRoutinesPlaceTheBlankDifferently) {
  const VersionLabels checkedEn = CheckedVersionLabels(true, "3.2.5.0", "3.2.5.1");
  EXPECT_EQ(checkedEn.installed, "version on PC : 3.2.5.0");
  EXPECT_EQ(checkedEn.web, "version in internet :3.2.5.1");
  const VersionLabels checkedDe = CheckedVersionLabels(false, "3.2.5.0", "?");
  EXPECT_EQ(checkedDe.installed, "Versionsnummer der gestarteten Software : 3.2.5.0");
  EXPECT_EQ(checkedDe.web, "Version im Internet : ?");
  EXPECT_EQ(ComposedVersionLabels(true, "3.2.5.0", "?").web, "version in internet : ?");
  EXPECT_EQ(ComposedVersionLabels(false, "3.2.5.0", "?").web, "Version im Internet :?");
}

}  // namespace
}  // namespace velomare::test
