// The settings window's update page: the check on demand and at start-up, answered through the
// platform seam or a loopback server, the report for every kind of answer, one check at a time,
// a start that a slow server does not hold up, and the web link.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "LoopbackServer.h"
#include "OptionsTest.h"
#include "app/Startup.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

constexpr int kUpdatePage = 3;

class UpdatePage : public OptionsTest {
 protected:
  Toptions* Open() { return OptionsTest::Open(kUpdatePage); }
  void Serve(const QByteArray& body, int status = 200) {
    seam.http = [body, status](const QString&) {
      return platform::HttpResult{status >= 200 && status < 300, status, body, {}};
    };
  }
  // Presses the check button and lets the answer arrive.
  void Check(Toptions* w) {
    w->Button17->click();
    for (int i = 0; i < 5 && w->UpdateCheckRunning(); ++i) QCoreApplication::processEvents();
    ASSERT_FALSE(w->UpdateCheckRunning());
  }
  static QColor Colour(QLabel* label) { return label->palette().color(QPalette::WindowText); }
};

TEST_F(UpdatePage, BeforeAnyCheckTheWebVersionIsAQuestionMark) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=0\r\n");
  Toptions* w = Open();
  EXPECT_EQ(w->Label9->text(), "Version im Internet :?");
  QCoreApplication::processEvents();
  EXPECT_TRUE(seam.httpRequests.isEmpty());  // no check unless asked for, at start or later
}

TEST_F(UpdatePage, TheSameVersionIsReportedAndShownInAMessageOnlyWhenAskedFor) {
  Serve("3250");
  Toptions* w = Open();
  Check(w);
  EXPECT_EQ(seam.httpRequests, QStringList{"http://www.velomare.example/velomareversion.txt"});
  EXPECT_EQ(w->Label13->text(), "Internet-Verbindung erfolgreich hergestellt, Installierte Version ist neuste Fassung");
  EXPECT_EQ(w->Label9->text(), "Version im Internet : 3.2.5.0");
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_TRUE(LayoutProblems(w, "deutsch").isEmpty()) << LayoutProblems(w, "deutsch").join("\n").toStdString();
  // The box on the page counts while the window is open, saved or not.
  w->CheckBox25->setChecked(true);
  w->radio_en->click();
  Check(w);
  EXPECT_EQ(w->Label11->text(), "version on PC : 3.2.5.0");
  EXPECT_EQ(w->Label9->text(), "version in internet :3.2.5.0");
  EXPECT_EQ(seam.messages, QStringList{"your software is up to date"});
  EXPECT_TRUE(seam.questions.isEmpty());
}

TEST_F(UpdatePage, ANewerVersionAlwaysOffersTheDownloadPage) {
  Serve("3251");
  Toptions* w = Open();
  AnswerNo();
  Check(w);
  EXPECT_EQ(seam.questions, QStringList{"Neue Version im Internet verfügbar, Download-Seite aufrufen?"});
  EXPECT_TRUE(seam.opened.isEmpty());
  EXPECT_EQ(w->Label13->text(), "");  // unchanged
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  Check(w);
  EXPECT_EQ(seam.opened, QStringList{"http://www.velomare.example/velomar.htm"});
  // The text routines compose the labels again after a language change.
  w->radio_en->click();
  EXPECT_EQ(w->Label9->text(), "version in internet : 3.2.5.1");
}

TEST_F(UpdatePage, EveryKindOfAnswerGivesItsReport) {
  const struct {
    QByteArray body;
    int status;
    const char* web;     // Label9 after "version in internet :"
    const char* result;  // Label13, or nullptr for "unchanged"
    bool asks;
  } cases[] = {
      {"", 0, "?", "internet connection not successful", false},
      {"3250", 404, "?", "internet connection not successful", false},
      {"999", 200, "?", nullptr, false},
      {"10000", 200, "?", nullptr, true},
      {QByteArray(1024, '9'), 200, "?", "could not read version from internet", false},
      {"3249", 302, "3.2.4.9", "internet connection successful, installed version is newer than the web-version", false},
  };
  AnswerNo();
  Toptions* w = Open();
  w->radio_en->click();
  w->CheckBox25->setChecked(true);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body.left(20).toStdString() + " / " + std::to_string(c.status));
    w->Label13->setText("before");
    seam.messages.clear();
    seam.questions.clear();
    Serve(c.body, c.status);
    Check(w);
    EXPECT_EQ(w->Label9->text(), QString("version in internet :") + c.web);
    EXPECT_EQ(w->Label13->text(), c.result ? c.result : "before");
    EXPECT_EQ(seam.messages.size(), c.result ? 1 : 0);
    EXPECT_EQ(seam.questions.size(), c.asks ? 1 : 0);
    EXPECT_TRUE(LayoutProblems(w, "english").isEmpty()) << LayoutProblems(w, "english").join("\n").toStdString();
  }
}

TEST_F(UpdatePage, ASecondPressWhileACheckRunsStartsNothing) {
  Serve("3250");
  Toptions* w = Open();
  w->Button17->click();
  w->Button17->click();
  EXPECT_TRUE(w->UpdateCheckRunning());
  QCoreApplication::processEvents();
  EXPECT_FALSE(w->UpdateCheckRunning());
  EXPECT_EQ(seam.httpRequests.size(), 1);
  w->Button17->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(seam.httpRequests.size(), 2);
}

TEST_F(UpdatePage, TheStartUpCheckReportsInTheStoredLanguageAndBy_alwaysshowversion) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=1\r\n[Info]\r\nSprache=english\r\n");
  Serve("3250");
  StartProgram();
  ASSERT_EQ(seam.httpRequests.size(), 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(forms::options->Label13->text(), "internet connection successful, your software is up to date");
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_FALSE(forms::options->isVisible());
}

TEST_F(UpdatePage, TheStartUpCheckShowsItsMessageWhenStoredSo) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=1\r\nalwaysshowversion=1\r\n");
  Serve("", 0);
  StartProgram();
  QCoreApplication::processEvents();
  EXPECT_EQ(seam.messages, QStringList{"Konnte Verbindung zum Internet nicht herstellen"});
}

TEST_F(UpdatePage, ASlowServerHoldsUpNeitherTheStartNorTheWindowsNorTheEnd) {
  auto silent = std::make_unique<LoopbackServer>();
  seam.httpRoute = [url = silent->Url()](const QString&) { return url; };
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=1\r\nalwaysshowversion=1\r\n");
  QElapsedTimer timer;
  timer.start();
  StartProgram();
  EXPECT_LT(timer.elapsed(), 3000);
  EXPECT_TRUE(forms::Form1->isVisible());
  QPointer<Toptions> options = forms::options;
  // The main window answers while the server keeps silent.
  QTest::qWait(300);
  forms::Form1->Optionen1->trigger();
  EXPECT_TRUE(options->isVisible());
  EXPECT_TRUE(options->UpdateCheckRunning());
  EXPECT_EQ(silent->Requests(), 1);
  EXPECT_EQ(options->Label13->text(), "");
  // Quitting now: the windows go at once, and the answer that comes later finds none of them.
  timer.restart();
  DestroyForms();
  started = false;
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_TRUE(options.isNull());
  silent.reset();  // the connection closes: the check ends with no one to report to
  QTest::qWait(300);
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(UpdatePage, TheLinkTurnsPurpleUnderTheMouseAndBlueAgainAfterASecond) {
  Toptions* w = Open();
  ASSERT_TRUE(ShowAndActivate(w));
  const QColor blue(0, 0, 255), purple(128, 0, 128);
  MoveMouse(w->Label2, {2, 2});
  EXPECT_EQ(Colour(w->Label2), purple);
  w->Timer1Timer();
  w->Timer1Timer();
  MoveMouse(w->Label2, {2, 2});  // a movement starts the count again
  w->Timer1Timer();
  w->Timer1Timer();
  EXPECT_EQ(Colour(w->Label2), purple);
  w->Timer1Timer();
  EXPECT_EQ(Colour(w->Label2), blue);
  // Over the page's background it turns blue at once.
  MoveMouse(w->Label2, {2, 2});
  MoveMouse(w->TabbedNotebook1->widget(kUpdatePage), {2, 2});
  EXPECT_EQ(Colour(w->Label2), blue);
  QTest::mouseRelease(w->Label2, Qt::LeftButton, {}, {2, 2});
  EXPECT_EQ(seam.opened, QStringList{"http://www.velomare.example/velomar.htm"});
}

}  // namespace
}  // namespace velomare::test
