// The assistant window driven through its lines offscreen: what it opens, when it closes, its
// colours under the mouse, and that it keeps out of the way of other windows' dialogs.
#include <QElapsedTimer>
#include <QEventLoop>
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
};

TEST_F(AssistantWindow, OpensFromTheButtonAndTheMenuBorderlessOnTopInFuchsiaWithWhiteText) {
  Open();
  EXPECT_TRUE(a()->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(QColor(a()->grab().toImage().pixel(2, 2)), QColor(255, 0, 255));
  EXPECT_EQ(Colour(a()->Label1), kWhite);
  SetLanguage("english");  // the assistant speaks German only
  Repaint();
  EXPECT_EQ(a()->Label6->text(), "Abbrechen");
  a()->Label6Click();
  EXPECT_FALSE(a()->isVisible());
  forms::Form1->Assistent1->trigger();
  EXPECT_TRUE(a()->isVisible());
  // Shown again while visible, it does not start again.
  QTest::mouseClick(a()->Label4, Qt::LeftButton);
  forms::Form1->SpeedButton1->click();
  forms::Form1->Assistent1->trigger();
  EXPECT_EQ(Step(), 21);
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
  QTest::mouseClick(a()->Label3, Qt::LeftButton);
  EXPECT_TRUE(forms::quaderbox->isVisible());
  a()->Timer1Timer();
  forms::Expo->show();  // opened by the user along the way; the assistant leaves it alone
  forms::quaderbox->close();
  a()->Timer1Timer();
  EXPECT_FALSE(a()->isVisible());
  EXPECT_FALSE(a()->Timer1->isActive());
  EXPECT_TRUE(forms::Expo->isVisible());
}

TEST_F(AssistantWindow, ClicksAndTicksWhileHiddenDoNothing) {
  Open();
  QTest::mouseClick(a()->Label3, Qt::LeftButton);
  forms::Chassisform->hide();
  a()->close();  // the window manager's close
  a()->Timer1Timer();
  EXPECT_FALSE(forms::wahl->isVisible());
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
  MoveOver(a()->Label4);
  EXPECT_EQ(Colour(a()->Label4), kSilver);
  QTest::mouseClick(a()->Label4, Qt::LeftButton);  // the click sets the lines white again
  EXPECT_EQ(Colour(a()->Label4), kWhite);
  MoveOver(a()->Label3);  // step 21 takes no click on its lines
  EXPECT_EQ(Colour(a()->Label3), kWhite);
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
  const auto fits = [&] {
    Repaint();
    EXPECT_TRUE(LayoutProblems(a(), "deutsch").isEmpty()) << LayoutProblems(a(), "deutsch").join('\n').toStdString();
  };
  Open();
  WalkToTheTypeChoice();
  ASSERT_EQ(Step(), 14);
  fits();
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
  fits();
}

}  // namespace
}  // namespace velomare::test
