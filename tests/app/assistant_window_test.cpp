// The assistant window driven through its lines offscreen: what it opens, when it closes, its
// colours under the mouse, and that it keeps out of the way of other windows' dialogs.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);

class AssistantWindow : public WindowTest<Tassistent, &forms::assistent> {
 protected:
  Tassistent* a() { return forms::assistent; }
  int Step() { return a()->State().AssistantStep; }
  static QColor Colour(QLabel* label) { return label->palette().color(QPalette::WindowText); }
  static void MoveOver(QWidget* widget, QPoint at = QPoint(5, 5)) { test::MoveMouse(widget, at); }
  void Open() {
    forms::Form1->SpeedButton1->click();
    ASSERT_TRUE(a()->isVisible());
  }
  // Subwoofer, driver window and advisor closed without a choice: the three types are offered.
  void WalkToTheTypeChoice() {
    QTest::mouseClick(a()->Label3, Qt::LeftButton);
    forms::Chassisform->hide();
    a()->Timer1Timer();
    forms::wahl->hide();
    a()->Timer1Timer();
  }
  // At the cuboid step: the cuboid chosen, then closed while the user has the horn open, which
  // the assistant leaves alone as it closes itself.
  void FinishAtTheCuboid() {
    QTest::mouseClick(a()->Label3, Qt::LeftButton);
    EXPECT_TRUE(forms::quaderbox->isVisible());
    a()->Timer1Timer();
    EXPECT_EQ(Step(), 16);
    forms::Expo->show();
    forms::quaderbox->close();
    a()->Timer1Timer();
    EXPECT_FALSE(a()->isVisible());
    EXPECT_FALSE(a()->Timer1->isActive());
    EXPECT_TRUE(forms::Expo->isVisible());
  }
  // The lines 1 to 5 as shown.
  QStringList Lines() {
    return {a()->Label1->text(), a()->Label2->text(), a()->Label3->text(), a()->Label4->text(), a()->Label5->text()};
  }
};

TEST_F(AssistantWindow, OpensFromTheButtonAndTheMenuBorderlessOnTopInFuchsiaWithWhiteText) {
  Open();
  EXPECT_TRUE(a()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(a()->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(a()->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  const QImage image = a()->grab().toImage();
  EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(255, 0, 255));
  EXPECT_EQ(QColor(image.pixel(image.width() - 3, image.height() - 3)), QColor(255, 0, 255));
  EXPECT_EQ(Lines(), QStringList({"Willkommen beim Velomare-Assistenten", "Was soll gebaut werden?",
                                  "Subwoofer (Car- oder Home-HiFi)", "Mehrwege-Standbox", ""}));
  EXPECT_EQ(a()->Label6->text(), "Abbrechen");
  for (QLabel* line : {a()->Label1, a()->Label2, a()->Label3, a()->Label4, a()->Label5, a()->Label6})
    EXPECT_EQ(Colour(line), kWhite) << line->objectName().toStdString();
  EXPECT_TRUE(a()->Timer1->isActive());
  EXPECT_EQ(a()->Timer1->interval(), 500);
  SetLanguage("english");  // the assistant speaks German only
  Repaint();
  EXPECT_EQ(a()->Label2->text(), "Was soll gebaut werden?");
  EXPECT_EQ(a()->Label6->text(), "Abbrechen");
  a()->Label6Click();
  EXPECT_FALSE(a()->isVisible());
  forms::Form1->Assistent1->trigger();
  EXPECT_TRUE(a()->isVisible());
  EXPECT_EQ(Step(), 0);
  // Shown again while visible, it does not start again.
  QTest::mouseClick(a()->Label4, Qt::LeftButton);
  ASSERT_EQ(Step(), 21);
  forms::Form1->SpeedButton1->click();
  forms::Form1->Assistent1->trigger();
  EXPECT_EQ(Step(), 21);
  EXPECT_EQ(a()->Label1->text(), "Mehrwegebox-Assistent");
}

TEST_F(AssistantWindow, TheWalkOpensTheWindowsInTurnAndLeavesOthersAsTheyAre) {
  Open();
  WalkToTheTypeChoice();
  QTest::mouseClick(a()->Label3, Qt::LeftButton);  // the closed box, as the advisor would open it
  EXPECT_TRUE(forms::closed->isVisible());
  a()->Timer1Timer();
  forms::closed->close();
  a()->Timer1Timer();
  ASSERT_EQ(Step(), 15);
  FinishAtTheCuboid();
}

TEST_F(AssistantWindow, SubwooferWalkOpensTheWindowsInTurnAndLeavesThemAsTheyAre) {
  Open();
  QTest::mouseClick(a()->Label3, Qt::LeftButton);
  EXPECT_TRUE(forms::Chassisform->isVisible());
  EXPECT_EQ(a()->Label1->text(), "Subwoofer-Assistent");
  a()->Timer1Timer();
  EXPECT_EQ(Step(), 11);

  forms::Chassisform->close();
  a()->Timer1Timer();
  EXPECT_TRUE(forms::wahl->isVisible());
  EXPECT_EQ(Step(), 12);
  // What the advisor does when the user picks the closed box.
  forms::wahl->hide();
  forms::closed->show();
  a()->Timer1Timer();
  EXPECT_EQ(Step(), 13);
  EXPECT_EQ(a()->Label2->text(), "Hier kann man nun diese Box simulieren");

  forms::closed->close();
  a()->Timer1Timer();
  EXPECT_EQ(Step(), 15);
  EXPECT_EQ(a()->Label3->text(), "Quadratisch (Home-Hifi)");
  FinishAtTheCuboid();
  EXPECT_TRUE(forms::Form1->isVisible());

  Open();
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(a()->Label1->text(), "Willkommen beim Velomare-Assistenten");
}

TEST_F(AssistantWindow, MultiWayWalkKeepsTheLowPassDesignerShownThenClosesAndLeavesItOpen) {
  Open();
  QTest::mouseClick(a()->Label4, Qt::LeftButton);
  forms::Chassisform->hide();
  a()->Timer1Timer();
  ASSERT_EQ(Step(), 22);
  forms::Reflex->show();  // the advisor is still open: the box window alone moves on
  a()->Timer1Timer();
  EXPECT_EQ(Step(), 23);
  EXPECT_TRUE(forms::wahl->isVisible());
  forms::Reflex->hide();
  forms::wahl->hide();
  a()->Timer1Timer();
  ASSERT_EQ(Step(), 24);
  QTest::mouseClick(a()->Label4, Qt::LeftButton);
  EXPECT_TRUE(forms::pyramidebox->isVisible());
  a()->Timer1Timer();
  EXPECT_EQ(Step(), 25);
  forms::pyramidebox->close();
  a()->Timer1Timer();
  EXPECT_EQ(Step(), 26);
  EXPECT_TRUE(forms::TP->isVisible());
  EXPECT_EQ(a()->Label5->text(), "bei 2-Wegeboxen folgt der Hochpass");
  forms::TP->close();  // closed early: shown again at the next tick
  for (int tick = 2; tick <= 9; ++tick) {
    a()->Timer1Timer();
    EXPECT_TRUE(forms::TP->isVisible());
    EXPECT_TRUE(a()->isVisible()) << tick;
  }
  a()->Timer1Timer();
  EXPECT_FALSE(a()->isVisible());
  EXPECT_TRUE(forms::TP->isVisible());
}

TEST_F(AssistantWindow, ClicksAndTicksWhileHiddenDoNothing) {
  Open();
  a()->hide();
  a()->Label3Click();
  a()->Timer1Timer();
  EXPECT_FALSE(forms::Chassisform->isVisible());
  EXPECT_FALSE(a()->Timer1->isActive());

  Open();
  QTest::mouseClick(a()->Label3, Qt::LeftButton);
  forms::Chassisform->hide();
  a()->close();  // the window manager's close
  a()->Timer1Timer();
  EXPECT_FALSE(forms::wahl->isVisible());
  EXPECT_FALSE(a()->State().AssistantActive);
}

TEST_F(AssistantWindow, ADoubleClickShowsTheWindowAndMovesOnOnce) {
  Open();
  WalkToTheTypeChoice();
  ASSERT_EQ(Step(), 14);
  QTest::mouseDClick(a()->Label5, Qt::LeftButton);
  QTest::mouseClick(a()->Label5, Qt::LeftButton);
  EXPECT_TRUE(forms::bandkiste->isVisible());
  a()->Timer1Timer();
  EXPECT_EQ(Step(), 13);
  EXPECT_EQ(a()->Label5->text(), "dieses wird dann übernommen");
}

TEST_F(AssistantWindow, LinesTurnSilverOnlyWhereTheyTakeAClickAndWhiteOverTheBackground) {
  Open();
  MoveOver(a()->Label3);
  EXPECT_EQ(Colour(a()->Label3), kSilver);
  MoveOver(a()->Label6);
  EXPECT_EQ(Colour(a()->Label6), kSilver);
  MoveOver(a(), QPoint(2, 2));
  for (QLabel* line : {a()->Label3, a()->Label4, a()->Label5, a()->Label6}) EXPECT_EQ(Colour(line), kWhite);

  MoveOver(a()->Label4);
  EXPECT_EQ(Colour(a()->Label4), kSilver);
  QTest::mouseClick(a()->Label4, Qt::LeftButton);  // the click sets the lines white again
  EXPECT_EQ(Colour(a()->Label4), kWhite);
  ASSERT_EQ(Step(), 21);
  for (QLabel* line : {a()->Label3, a()->Label4, a()->Label5}) {  // step 21 takes no click on its lines
    MoveOver(line);
    EXPECT_EQ(Colour(line), kWhite) << line->objectName().toStdString();
  }
  MoveOver(a()->Label6);
  EXPECT_EQ(Colour(a()->Label6), kSilver);
}

TEST_F(AssistantWindow, ATickDuringAModalDialogShowsNothingTwice) {
  // The advisor's show runs a modal loop long enough for several real ticks to fall into it.
  int advisorShows = 0;
  struct ModalOnShow : QObject {
    int* shows;
    explicit ModalOnShow(int* counter) : shows(counter) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Show && ++*shows) QTest::qWait(1300);
      return false;
    }
  } modal(&advisorShows);
  forms::wahl->installEventFilter(&modal);
  Open();
  QTest::mouseClick(a()->Label3, Qt::LeftButton);
  forms::Chassisform->hide();
  QElapsedTimer clock;
  clock.start();
  while (Step() != 12 && clock.elapsed() < 5000) QTest::qWait(50);
  ASSERT_EQ(Step(), 12);
  QTest::qWait(600);
  forms::wahl->removeEventFilter(&modal);
  EXPECT_EQ(advisorShows, 1);
  EXPECT_EQ(Step(), 12);
  EXPECT_TRUE(forms::wahl->isVisible());
}

TEST_F(AssistantWindow, StepsBackFromTheTopWhileAnotherWindowsDialogIsOpen) {
  Open();
  QMessageBox box(QMessageBox::Information, "Velomare", "Datei", QMessageBox::Ok, forms::Chassisform);
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  box.activateWindow();
  QCoreApplication::processEvents();
  a()->Timer1Timer();
  EXPECT_FALSE(a()->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  box.close();
  QCoreApplication::processEvents();
  a()->Timer1Timer();
  EXPECT_TRUE(a()->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(a()->isVisible());
}

TEST_F(AssistantWindow, LongestLinesFit) {
  const auto fits = [&](const char* name) {
    Repaint();
    EXPECT_TRUE(LayoutProblems(a(), "deutsch").isEmpty()) << LayoutProblems(a(), "deutsch").join('\n').toStdString();
    SavePicture(a(), QString("assistent-%1").arg(name));
  };
  Open();
  fits("step0");
  MoveOver(a()->Label4);
  fits("hover");
  WalkToTheTypeChoice();
  ASSERT_EQ(Step(), 14);
  fits("step14");
  a()->close();
  Open();
  QTest::mouseClick(a()->Label4, Qt::LeftButton);
  forms::Chassisform->hide();
  for (QWidget* shown : std::initializer_list<QWidget*>{forms::Expo, forms::quaderbox}) {
    a()->Timer1Timer();
    shown->show();
    a()->Timer1Timer();
    shown->hide();
  }
  a()->Timer1Timer();
  ASSERT_EQ(Step(), 26);
  fits("step25");
}

}  // namespace
}  // namespace velomare::test
