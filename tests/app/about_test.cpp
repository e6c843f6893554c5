#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

class AboutBox : public ProgramTest {};

TEST_F(AboutBox, ShownAtStartUnlessSwitchedOff) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=ja\r\n");  // not an integer: the default holds
  StartProgram();
  EXPECT_TRUE(forms::about->isVisible());
  EXPECT_TRUE(forms::about->windowFlags() & Qt::WindowStaysOnTopHint);
  forms::about->Button1->click();
  EXPECT_FALSE(forms::about->isVisible());
  forms::Form1->AboutVelomar1->trigger();
  EXPECT_TRUE(forms::about->isVisible());
}

TEST_F(AboutBox, PrintQuestionInTheLanguage) {
  settings->WriteSettings("[Info]\r\nSprache=english\r\n");
  StartProgram();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  forms::about->Button2->click();
  EXPECT_EQ(seam.questions.value(0), "print window?");
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  OpenSettings().WriteString("Info", "Sprache", "deutsch");
  forms::about->grab();
  forms::about->Button2->click();
  EXPECT_EQ(seam.questions.value(1), "Fenster drucken?");
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], forms::about);
}

TEST_F(AboutBox, LinksOpenTheWebPageAndAMailAndTurnPurpleUnderTheMouse) {
  StartProgram();
  QTest::mouseClick(forms::about->Label8, Qt::LeftButton);
  QTest::mouseClick(forms::about->Label7, Qt::LeftButton);
  ASSERT_EQ(seam.opened.size(), 2);
  EXPECT_TRUE(seam.opened[0].startsWith("http://"));
  EXPECT_TRUE(seam.opened[1].startsWith("mailto:"));
  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(forms::about->Label8, &enter);
  EXPECT_EQ(forms::about->Label8->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(forms::about, &move);
  EXPECT_EQ(forms::about->Label8->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

}  // namespace
}  // namespace velomare::test
