// The update check's rules without network or widgets: version numbers and their texts, the
// fetched text of an answer, and the report for every range of web version numbers.
#include <gtest/gtest.h>

#include <string>

#include "app/model/UpdateCheck.h"
#include "common/Version.h"

namespace velomare::test {
namespace {

TEST(UpdateVersion, TheInstalledNumberAndTheShownVersionComeFromOneConstant) {
  EXPECT_EQ(kInstalledVersionNumber, 3250);
  EXPECT_STREQ(kVersionNumber, "3.2.5");
  EXPECT_EQ(VersionNumberOf("3.2.5"), 3250);
  EXPECT_EQ(VersionNumberOf("3.2.5.1"), 3251);
  EXPECT_EQ(VersionNumberOf("4"), 4000);
  EXPECT_EQ(FormatVersionNumber(kInstalledVersionNumber), "3.2.5.0");
}

TEST(UpdateVersion, FormatPutsAPointAfterEachOfTheFirstThreeDigits) {
  EXPECT_EQ(FormatVersionNumber(3250), "3.2.5.0");
  EXPECT_EQ(FormatVersionNumber(1001), "1.0.0.1");
  EXPECT_EQ(FormatVersionNumber(9999), "9.9.9.9");
  EXPECT_EQ(FormatVersionNumber(3251), "3.2.5.1");
  EXPECT_EQ(FormatVersionNumber(10000), "1.0.0.00");
}

TEST(UpdateVersion, DigitsOnlyDropsEverythingButTheDigits) {
  EXPECT_EQ(DigitsOnly("3.250"), "3250");
  EXPECT_EQ(DigitsOnly("-3,2 5a0\r\n"), "3250");
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
}

TEST(UpdateAnswer, AUrlWithoutTheSchemeGetsHttpInFront) {
  EXPECT_EQ(UrlWithScheme("www.velomare.example/v.txt"), "http://www.velomare.example/v.txt");
  EXPECT_EQ(UrlWithScheme("HTTP://host/v.txt"), "HTTP://host/v.txt");
  EXPECT_EQ(VersionFileUrl(), "http://www.velomare.example/velomareversion.txt");
  EXPECT_EQ(DownloadPageUrl(), "http://www.velomare.example/velomar.htm");
}

TEST(UpdateAnswer, EveryKindOfServerAnswerGivesItsWebVersionNumber) {
  EXPECT_EQ(WebVersionNumber(""), 0);
  EXPECT_EQ(WebVersionNumber("Status:404"), 0);
  EXPECT_EQ(WebVersionNumber("3250"), 3250);
  EXPECT_EQ(WebVersionNumber("3.250"), 3250);
  EXPECT_EQ(WebVersionNumber("-3250"), 3250);
  EXPECT_EQ(WebVersionNumber("3,2.5"), 0);  // two separators: no number
  EXPECT_EQ(WebVersionNumber("999"), 999);
  EXPECT_EQ(WebVersionNumber("10000"), 10000);
  EXPECT_EQ(WebVersionNumber("<html>3250</html>"), 0);
  EXPECT_EQ(WebVersionNumber("\x01\xff\x7f"), 0);
  // Surrounding blanks and line ends are no part of the number: a version file saved with a
  // line end is read as the number it holds.
  EXPECT_EQ(WebVersionNumber(" 3250 "), 3250);
  EXPECT_EQ(WebVersionNumber("3250\r\n"), 3250);
  EXPECT_EQ(WebVersionNumber("\t3251\n"), 3251);
  EXPECT_EQ(WebVersionNumber("32 50"), 0);
  // 2^31 - 1 still fits 32 bits, 2^31 does not; a kilobyte of digits does not either.
  EXPECT_EQ(WebVersionNumber("2147483647"), 2147483647);
  EXPECT_EQ(WebVersionNumber("2147483648"), 1);
  EXPECT_EQ(WebVersionNumber(std::string(1024, '7')), 1);
}

TEST(UpdateAnswer, TheWebVersionIsShownOnlyFrom1001To9999) {
  EXPECT_EQ(WebVersionText(0), "?");
  EXPECT_EQ(WebVersionText(1000), "?");
  EXPECT_EQ(WebVersionText(1001), "1.0.0.1");
  EXPECT_EQ(WebVersionText(3251), "3.2.5.1");
  EXPECT_EQ(WebVersionText(9999), "9.9.9.9");
  EXPECT_EQ(WebVersionText(10000), "?");
  EXPECT_EQ(WebVersionText(2147483647), "?");
}

TEST(UpdateReportTable, RowsSwitchExactlyAtTheirLimits) {
  const char* kNewer = "installed version is newer than the web-version";
  // 0 and 1: failures, with the message equal to the label.
  UpdateReport r = ReportFor(0, true);
  EXPECT_TRUE(r.setsResult);
  EXPECT_EQ(r.result, "internet connection not successful");
  EXPECT_EQ(r.message, r.result);
  EXPECT_FALSE(r.offersDownload);
  r = ReportFor(1, true);
  EXPECT_EQ(r.result, "could not read version from internet");
  EXPECT_EQ(r.message, r.result);
  // 2 ... 1000: nothing at all.
  for (int v : {2, 999, 1000}) {
    r = ReportFor(v, true);
    EXPECT_FALSE(r.setsResult) << v;
    EXPECT_TRUE(r.message.empty()) << v;
    EXPECT_FALSE(r.offersDownload) << v;
  }
  for (int v : {1001, 3249}) {
    r = ReportFor(v, true);
    EXPECT_EQ(r.result, std::string("internet connection successful, ") + kNewer) << v;
    EXPECT_EQ(r.message, kNewer) << v;
    EXPECT_FALSE(r.offersDownload);
  }
  r = ReportFor(3250, true);
  EXPECT_EQ(r.result, "internet connection successful, your software is up to date");
  EXPECT_EQ(r.message, "your software is up to date");
  EXPECT_FALSE(r.offersDownload);
  for (int v : {3251, 9999, 10000, 2147483647}) {
    r = ReportFor(v, true);
    EXPECT_FALSE(r.setsResult) << v;
    EXPECT_TRUE(r.message.empty()) << v;
    EXPECT_TRUE(r.offersDownload) << v;
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
