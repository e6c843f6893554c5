// The layout rules of LayoutProblems once more, after each window that writes result texts has
// shown its longest results: for every such window a table of inputs, typed into its controls,
// that give the longest lines its examples and plausible inputs produce.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <vector>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

class LayoutResults : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    StartProgram();
  }
};

// A control by name and what the user gives it: the text of an edit, the position of a scroll
// bar, the entry of a list; a button is clicked.
struct Input {
  const char* control;
  QString value;
};
struct Case {
  QWidget* window;
  std::vector<Input> inputs;
};

void Give(QWidget* window, const Input& input) {
  QObject* control = window->findChild<QObject*>(QString::fromLatin1(input.control));
  if (auto* edit = qobject_cast<QLineEdit*>(control))
    TypeInto(edit, input.value);
  else if (auto* bar = qobject_cast<QScrollBar*>(control))
    bar->setValue(input.value.toInt());
  else if (auto* list = qobject_cast<QComboBox*>(control))
    ChooseItem(list, input.value.toInt());
  else if (auto* button = qobject_cast<QAbstractButton*>(control))
    button->click();
  else
    ADD_FAILURE() << window->objectName().toStdString() << " has no control " << input.control;
}

std::vector<Case> LongestResults() {
  std::vector<Case> cases;
  // The attenuator: 4 and 16 ohm, 250 W and 100 kW, 0.1 and 30 dB, and a large total power.
  for (const char* impedance : {"4", "16"})
    for (const char* power : {"250", "100000"})
      for (const char* position : {"1", "300"})
        cases.push_back({forms::Dampfform, {{"Edit1", impedance}, {"Edit2", power}, {"ScrollBar1", position}}});
  cases.push_back({forms::Dampfform, {{"Edit3", "100000"}, {"RadioHP1", ""}, {"ScrollBar2", "0"}}});
  return cases;
}

TEST_F(LayoutResults, EveryResultLineFitsItsWindowAfterTheLongestResults) {
  QStringList problems;
  for (const char* language : {"deutsch", "english"}) {
    SetLanguageSetting(language);
    for (const Case& c : LongestResults()) {
      c.window->show();
      PaintNow(c.window);
      QStringList given;
      for (const Input& input : c.inputs) {
        Give(c.window, input);
        given << QString::fromLatin1(input.control) + "=" + input.value;
      }
      PaintNow(c.window);
      for (const QString& problem : LayoutProblems(c.window, QString::fromLatin1(language)))
        problems << problem + " [" + given.join(", ") + "]";
      c.window->hide();
    }
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

}  // namespace
}  // namespace velomare::test
