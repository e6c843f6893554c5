// Every window the program creates, in both languages, against the layout rules of
// LayoutProblems: a window added later is checked the day it is built.
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

// With VELOMARE_SCREENSHOTS set (scripts/screenshots.sh) every window is saved as a picture there
// too, to look at; VELOMARE_SCREENSHOT_ONLY names the windows wanted.
TEST_F(Layout, EveryWindowKeepsItsControlsInsideAndItsTextsWhole) {
  ASSERT_GE(forms::All().size(), 35u);
  const QString folder = qEnvironmentVariable("VELOMARE_SCREENSHOTS");
  const QStringList only = qEnvironmentVariable("VELOMARE_SCREENSHOT_ONLY").split(',', Qt::SkipEmptyParts);
  QStringList problems;
  for (const char* language : {"deutsch", "english"}) {
    for (QWidget* window : forms::All()) {
      const bool wasVisible = window->isVisible();
      ShowIn(window, language);
      problems << LayoutProblems(window, QString::fromLatin1(language));
      if (!folder.isEmpty() && (only.isEmpty() || only.contains(window->objectName())))
        EXPECT_TRUE(window->grab().save(QString("%1/%2-%3.png").arg(folder, window->objectName(), language)));
      if (!wasVisible) window->hide();
    }
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

// The rules themselves, on the driver-data window spoilt on purpose.
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
  // A narrowed window: its panel lies outside the client area.
  form->setFixedSize(700, form->height());
  EXPECT_TRUE(LayoutProblems(form, "deutsch").value(0).startsWith("window Chassisform (deutsch): Panel1"));
}

}  // namespace
}  // namespace velomare::test
