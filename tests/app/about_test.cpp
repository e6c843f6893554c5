#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "TestSupport.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

using AboutBox = ProgramTest;

TEST_F(AboutBox, ShownAtStartUnlessSwitchedOffAndPrintedAfterTheQuestionInTheLanguage) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=ja\r\n[Info]\r\nSprache=english\r\n");  // no integer: the default
  StartProgram();
  EXPECT_TRUE(forms::about->isVisible());
  EXPECT_TRUE(forms::about->windowFlags() & Qt::WindowStaysOnTopHint);
  AnswerNo();
  forms::about->Button2->click();
  EXPECT_EQ(seam.questions.value(0), "print window?");
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  forms::about->Button2->click();
  EXPECT_EQ(seam.printed.value(0), forms::about);
  forms::about->Button1->click();
  EXPECT_FALSE(forms::about->isVisible());
  forms::Form1->AboutVelomar1->trigger();
  EXPECT_TRUE(forms::about->isVisible());
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
  MoveMouse(forms::about, {5, 5});
  EXPECT_EQ(forms::about->Label8->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

}  // namespace
}  // namespace velomare::test
