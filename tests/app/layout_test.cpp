// Every window the program creates, in both languages, against the layout rules of
// LayoutProblems: a window added later is checked the day it is built.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

class Layout : public WindowsTest {
 protected:
  // Shows the window as the user opens it, in the language, painted once so its texts are set.
  static void ShowIn(QWidget* window, const char* language) {
    SetLanguage(language);
    window->show();
    Repaint(window);
  }
};

// Every window is saved as a picture too, to look at (scripts/screenshots.sh names the folder);
// VELOMARE_SCREENSHOT_ONLY names the windows wanted.
TEST_F(Layout, EveryWindowKeepsItsControlsInsideAndItsTextsWhole) {
  ASSERT_GE(forms::All().size(), 35u);
  const QStringList only = qEnvironmentVariable("VELOMARE_SCREENSHOT_ONLY").split(',', Qt::SkipEmptyParts);
  QStringList problems;
  for (const char* language : {"deutsch", "english"}) {
    for (QWidget* window : forms::All()) {
      const bool wasVisible = window->isVisible();
      ShowIn(window, language);
      problems << LayoutProblems(window, QString::fromLatin1(language));
      if (only.isEmpty() || only.contains(window->objectName()))
        SavePicture(window, QString("%1-%2").arg(window->objectName(), language));
      if (!wasVisible) window->hide();
    }
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

TEST_F(Layout, CompactMainWindow) {
  forms::Form1->CheckBox1->click();
  QCoreApplication::processEvents();
  SavePicture(forms::Form1, "Form1-compact");
}

// The rules themselves, on the driver-data window spoilt on purpose.
TEST_F(Layout, ANarrowedWindowNamesTheWindowTheControlAndTheLanguage) {
  TChassisform* form = forms::Chassisform;
  ShowIn(form, "english");
  ASSERT_TRUE(LayoutProblems(form, "english").isEmpty());
  form->setFixedSize(700, form->height());
  const QStringList problems = LayoutProblems(form, "english");
  ASSERT_FALSE(problems.isEmpty());
  EXPECT_TRUE(problems[0].startsWith("window Chassisform (english): Panel1")) << problems[0].toStdString();
  EXPECT_TRUE(problems.join('\n').contains("outside the client area"));
}

TEST_F(Layout, TextsTooWideOverlapsAndControlsOutsideTheirParentAreFound) {
  TChassisform* form = forms::Chassisform;
  ShowIn(form, "deutsch");
  ASSERT_TRUE(LayoutProblems(form, "deutsch").isEmpty());
  const auto only = [&](const char* expected) {
    const QStringList problems = LayoutProblems(form, "deutsch");
    EXPECT_EQ(problems.size(), 1) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems.value(0).contains(expected)) << problems.value(0).toStdString();
  };
  const QString caption = form->Label1->text();
  form->Label1->setText(caption + " mit einem viel zu langen Zusatz");
  only("window Chassisform (deutsch): the text of Label1 needs");
  form->Label1->setText(caption);
  const QString button = form->Button3->text();
  form->Button3->setText("Datei speichern unter einem neuen Namen");
  only("the text of Button3 needs");
  form->Button3->setText(button);
  // A read-out pushed out of its panel is measured against the panel, not the window.
  const QRect readout = form->Label27->geometry();
  form->Label27->move(readout.x(), form->Panel1->height() - 5);
  only("Label27");
  only("lies outside Panel1");
  form->Label27->setGeometry(readout);
  const QRect query = form->Button6->geometry();
  form->Button6->move(form->Edit1->geometry().right() - 10, form->Edit1->y());
  only("Edit1");
  only("overlaps Button6");
  FormBase::OverlapOnPurpose(form->Edit1, form->Button6);
  EXPECT_TRUE(LayoutProblems(form, "deutsch").isEmpty());
  form->Button6->setGeometry(query);
  // A control under every sibling.
  auto* diagram = new QFrame(form);
  diagram->setObjectName("PaintBox1");
  diagram->setGeometry(0, 0, 200, 200);
  diagram->lower();
  diagram->show();
  EXPECT_FALSE(LayoutProblems(form, "deutsch").isEmpty());
  FormBase::OverlapOnPurpose(diagram);
  EXPECT_TRUE(LayoutProblems(form, "deutsch").isEmpty()) << LayoutProblems(form, "deutsch").join('\n').toStdString();
  // A narrowed window: its panel lies outside the client area.
  form->setFixedSize(700, form->height());
  EXPECT_TRUE(LayoutProblems(form, "deutsch").value(0).startsWith("window Chassisform (deutsch): Panel1"));
}

}  // namespace
}  // namespace velomare::test
