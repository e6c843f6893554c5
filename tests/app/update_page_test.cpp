// The settings window's update page: the check on demand and at start-up, answered through the
// platform seam or a loopback server, the report for every kind of answer, one check at a time,
// a start that a slow server does not hold up, and the web link.
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "LoopbackServer.h"
#include "OptionsTest.h"
#include "TestSupport.h"
#include "app/AllForms.h"
#include "app/Startup.h"

namespace velomare::test {
namespace {

constexpr int kUpdatePage = 3;

platform::HttpResult Answer(const QByteArray& body, int status = 200) {
  return platform::HttpResult{status >= 200 && status < 300, status, body, {}};
}

class UpdatePage : public OptionsTest {
 protected:
  Toptions* Open() { return OptionsTest::Open(kUpdatePage); }
  void Serve(const QByteArray& body, int status = 200) {
    seam.http = [body, status](const QString&) { return Answer(body, status); };
  }
  // Presses the check button and lets the answer arrive.
  void Check(Toptions* w) {
    w->Button17->click();
    for (int i = 0; i < 5 && w->UpdateCheckRunning(); ++i) QCoreApplication::processEvents();
    ASSERT_FALSE(w->UpdateCheckRunning());
  }
  static void MoveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
  }
  static QColor Colour(QLabel* label) { return label->palette().color(QPalette::WindowText); }
};

TEST_F(UpdatePage, BeforeAnyCheckTheWebVersionIsAQuestionMark) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=0\r\n");
  Toptions* w = Open();
  EXPECT_EQ(w->Label9->text(), "Version im Internet :?");
  w->radio_en->click();
  EXPECT_EQ(w->Label11->text(), "version on PC : 3.2.5.0");
  EXPECT_EQ(w->Label9->text(), "version in internet : ?");
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
  EXPECT_EQ(w->Label11->text(), "Versionsnummer der gestarteten Software : 3.2.5.0");
  EXPECT_TRUE(seam.messages.isEmpty());
  // The box on the page counts while the window is open, saved or not.
  w->CheckBox25->setChecked(true);
  w->radio_en->click();
  Check(w);
  EXPECT_EQ(w->Label13->text(), "internet connection successful, your software is up to date");
  EXPECT_EQ(w->Label9->text(), "version in internet :3.2.5.0");
  EXPECT_EQ(seam.messages, QStringList{"your software is up to date"});
  EXPECT_TRUE(seam.questions.isEmpty());
}

TEST_F(UpdatePage, ANewerVersionAlwaysOffersTheDownloadPage) {
  Serve("3251");
  Toptions* w = Open();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  Check(w);
  EXPECT_EQ(seam.questions, QStringList{"Neue Version im Internet verfügbar, Download-Seite aufrufen?"});
  EXPECT_TRUE(seam.opened.isEmpty());
  EXPECT_EQ(w->Label9->text(), "Version im Internet : 3.2.5.1");
  EXPECT_EQ(w->Label13->text(), "");  // unchanged
  EXPECT_TRUE(seam.messages.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  Check(w);
  EXPECT_EQ(seam.opened, QStringList{"http://www.velomare.example/velomar.htm"});
  // The text routines compose the labels again after a language change.
  w->radio_en->click();
  EXPECT_EQ(w->Label9->text(), "version in internet : 3.2.5.1");
  w->radio_de->click();
  EXPECT_EQ(w->Label9->text(), "Version im Internet :3.2.5.1");
}

TEST_F(UpdatePage, EveryKindOfAnswerGivesItsReport) {
  struct Case {
    QByteArray body;
    int status;
    const char* web;     // Label9 after "version in internet :"
    const char* result;  // Label13, or nullptr for "unchanged"
    bool asks;
  };
  const char* kNoConnection = "internet connection not successful";
  const char* kUnreadable = "could not read version from internet";
  const char* kCurrent = "internet connection successful, your software is up to date";
  const Case cases[] = {
      {"", 0, "?", kNoConnection, false},
      {"", 200, "?", kNoConnection, false},
      {"3250", 404, "?", kNoConnection, false},
      {"3.250", 200, "3.2.5.0", kCurrent, false},
      {"-3250", 200, "3.2.5.0", kCurrent, false},
      {" 3250 ", 200, "3.2.5.0", kCurrent, false},
      {"3250\r\n", 200, "3.2.5.0", kCurrent, false},
      {"999", 200, "?", nullptr, false},
      {"10000", 200, "?", nullptr, true},
      {QByteArray(1024, '9'), 200, "?", kUnreadable, false},
      {QByteArray("\x00\x01\xff\xfe", 4), 200, "?", kNoConnection, false},
      {"3,2,5,0", 200, "?", kNoConnection, false},
      {"3249", 302, "3.2.4.9", "internet connection successful, installed version is newer than the web-version", false},
  };
  seam.answer = [](const QString&) { return platform::Answer::No; };
  Toptions* w = Open();
  w->radio_en->click();
  w->CheckBox25->setChecked(true);
  for (const Case& c : cases) {
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
    ExpectNoNonFiniteTexts(w);
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
  Toptions* w = forms::options;
  EXPECT_FALSE(w->UpdateCheckRunning());
  EXPECT_EQ(w->Label13->text(), "internet connection successful, your software is up to date");
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_FALSE(w->isVisible());
}

TEST_F(UpdatePage, TheStartUpCheckShowsItsMessageWhenStoredSoAndAsksForANewerVersion) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=1\r\nalwaysshowversion=1\r\n");
  Serve("", 0);
  StartProgram();
  QCoreApplication::processEvents();
  EXPECT_EQ(seam.messages, QStringList{"Konnte Verbindung zum Internet nicht herstellen"});
  Serve("4000");
  forms::options->Button17->click();  // hidden window: the stored value still counts
  QCoreApplication::processEvents();
  EXPECT_EQ(seam.questions.size(), 1);
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
  EXPECT_EQ(Colour(w->Label2), QColor(0, 0, 255));
  MoveOver(w->Label2);
  EXPECT_EQ(Colour(w->Label2), QColor(128, 0, 128));
  EXPECT_TRUE(w->LinkHover());
  w->Timer1Timer();
  w->Timer1Timer();
  MoveOver(w->Label2);  // a movement starts the count again
  w->Timer1Timer();
  w->Timer1Timer();
  EXPECT_EQ(Colour(w->Label2), QColor(128, 0, 128));
  w->Timer1Timer();
  EXPECT_EQ(Colour(w->Label2), QColor(0, 0, 255));
  EXPECT_FALSE(w->LinkHover());
  EXPECT_EQ(w->Timer1->interval(), 500);
  // Over the page's background it turns blue at once; over Label10 too.
  MoveOver(w->Label2);
  MoveOver(w->TabbedNotebook1->widget(kUpdatePage));
  EXPECT_EQ(Colour(w->Label2), QColor(0, 0, 255));
  MoveOver(w->Label2);
  MoveOver(w->Label10);
  EXPECT_EQ(Colour(w->Label2), QColor(0, 0, 255));
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), w->Label2->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w->Label2, &release);
  EXPECT_EQ(seam.opened, QStringList{"http://www.velomare.example/velomar.htm"});
}

TEST_F(UpdatePage, AfterAFailedCheckInBothLanguagesForTheEye) {
  Serve("", 0);
  Toptions* w = Open();
  const QString folder = qEnvironmentVariable("VELOMARE_SCREENSHOTS");
  for (const char* language : {"deutsch", "english"}) {
    (std::string(language) == "english" ? w->radio_en : w->radio_de)->click();
    Check(w);
    Repaint(w);
    ExpectNoNonFiniteTexts(w);
    EXPECT_TRUE(LayoutProblems(w, language).isEmpty()) << LayoutProblems(w, language).join("\n").toStdString();
    if (!folder.isEmpty()) w->grab().save(QString("%1/update_%2.png").arg(folder, language));
  }
}

}  // namespace
}  // namespace velomare::test
