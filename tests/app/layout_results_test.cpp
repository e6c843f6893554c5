// The layout rules of LayoutProblems once more, after each window that writes result texts has
// shown the longest lines its examples and plausible inputs produce, typed into its controls.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <vector>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

using LayoutResults = WindowsTest;

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
  const std::vector<Case> others = {
      // The driver windows: a large subwoofer and a small tweeter.
      {forms::Chassisform,
       {{"Edit1", "0,22"}, {"Edit2", "0,25"}, {"Edit11", "2"}, {"Edit3", "1500"}, {"Edit4", "15"}, {"Edit5", "3,2"},
        {"Edit7", "46"}}},
      {forms::Chassisform, {{"Edit3", "0,05"}, {"Edit4", "1500"}, {"Edit7", "2,5"}, {"Edit5", "16"}}},
      {forms::wahl, {{"ScrollBar1", "2000"}}},
      {forms::tspara,
       {{"Edit1", "3,2"}, {"Edit2", "18"}, {"Edit3", "60"}, {"Edit4", "14"}, {"Edit5", "24"}, {"Edit6", "1"},
        {"Edit7", "30"}, {"Edit8", "46"}, {"Edit10", "200"}, {"Edit9", "14"}}},
      {forms::tspara,
       {{"Edit1", "16"}, {"Edit2", "500"}, {"Edit3", "200"}, {"Edit4", "400"}, {"Edit5", "620"}, {"Edit6", "10"},
        {"Edit7", "40"}, {"Edit8", "6"}, {"Edit10", "1"}, {"Edit9", "450"}}},
      {forms::QLmess, {{"Edit6", "15"}, {"Edit7", "20"}, {"Edit8", "100"}, {"Edit9", "80"}, {"Edit10", "25"}}},
      {forms::displacement,
       {{"Edit1", "600"}, {"Edit2", "560"}, {"Edit3", "150"}, {"Edit4", "300"}, {"Edit5", "320"}, {"Edit6", "40"},
        {"Edit7", "200"}, {"Edit8", "150"}, {"Edit9", "60"}, {"Edit10", "20"}, {"Edit11", "400"}}},
      // The enclosures at large boxes and ports.
      {forms::closed, {{"Edit1", "1,5"}, {"Edit3", "10"}, {"ComboBox1", "7"}}},
      {forms::Reflex, {{"Edit1", "30"}, {"Edit2", "2000"}, {"ScrollBar1", "100"}, {"Box1", "7"}, {"ComboBox1", "7"}}},
      {forms::bandkiste, {{"Edit1", "30"}, {"Edit5", "500"}, {"Edit6", "500"}, {"ScrollBar3", "100"}}},
      {forms::ventpass,
       {{"Edit1", "1000"}, {"Edit2", "30"}, {"Edit3", "100"}, {"Edit5", "1000"}, {"Edit6", "30"}, {"Edit7", "100"},
        {"ScrollBar3", "100"}}},
      {forms::offen, {{"Edit1", "1000"}}},
      {forms::offen, {{"Edit1", "10"}}},
      {forms::Expo, {{"fu", "30"}, {"ScrollBar1", "60"}}},
      // The filters at high impedance and low frequencies.
      {forms::HP, {{"Edit1", "16"}, {"Edit2", "20"}, {"RadioButton4", ""}}},
      {forms::TP, {{"Edit1", "16"}, {"Edit2", "20"}, {"RadioButton4", ""}}},
      {forms::BP, {{"Edit1", "16"}, {"Edit2", "20"}, {"Edit3", "20000"}}},
      {forms::Imp, {{"Edit1", "16"}, {"Edit2", "1000"}, {"Edit3", "5000"}}},
      {forms::Imp, {{"Edit1", "2"}, {"Edit3", "100"}, {"Edit4", "20"}, {"Edit5", "20"}}},
      {forms::Tri, {{"Edit1", "16"}, {"Edit2", "16"}, {"Edit3", "40"}}},
      {forms::Tri, {{"Edit1", "2"}, {"Edit2", "2"}, {"Edit3", "300"}}},
      {forms::weiche, {{"ScrollBar2", "-20"}, {"ScrollBar3", "-20"}}},
      // The calculators at the ends of their ranges.
      {forms::Druck, {{"Edit1", "110"}, {"ScrollBar1", "32"}, {"ScrollBar2", "200"}, {"ScrollBar3", "1000"},
                      {"scroll", "1000"}}},
      {forms::Druck, {{"ScrollBar3", "1"}, {"scroll", "1"}}},
      {forms::Durch,
       {{"Edit1", "30"}, {"Edit2", "15"}, {"ScrollBar1", "8"}, {"Edit3", "100"}, {"Edit4", "30"}, {"Edit5", "30"},
        {"ScrollBar5", "8"}, {"ScrollBar4", "8"}, {"VorgabeD", "30"}, {"VorgabeL", "100"}, {"Edit8", "2"}}},
      {forms::quaderbox, {{"Edit1", "1000"}, {"Edit2", "40"}, {"breite", "1200"}, {"hoehe", "2000"}}},
      {forms::trapezbox,
       {{"Editvol", "1000"}, {"Editdicke", "40"}, {"tiefeo", "1000"}, {"tiefeu", "1200"}, {"hoehe", "1000"}}},
      {forms::pyramidebox,
       {{"Edit1", "1000"}, {"Edit2", "40"}, {"ScrollBar2", "16"}, {"ScrollBar1", "1000"}, {"ScrollBar3", "200"}}},
      {forms::unitcalc, {{"Edit1", "1000"}, {"Edit3", "1000"}, {"Edit4", "100"}, {"Edit5", "1000"}}},
      {forms::mehrbox, {{"Edit1", "16"}, {"ScrollBar1", "50"}, {"ScrollBar2", "2"}}},
  };
  cases.insert(cases.end(), others.begin(), others.end());
  // The unit converter at the largest input of each source unit up to 100 m, 100 m², 10 m³ and
  // 100 kg, typed a hair under the bound where the bound is no short decimal, so that every
  // result shows its most digits; 327 ft 11 in is the longest feet and inches.
  const std::vector<std::vector<Input>> unitSources = {
      {{"laenge1", ""}, {"Edit1", "100000"}, {"flaeche1", ""}, {"Edit3", "100000000"}, {"masse1", ""},
       {"Edit4", "100000"}, {"volu1", ""}, {"Edit5", "10000000000"}},
      {{"laenge2", ""}, {"Edit1", "10000"}, {"flaeche2", ""}, {"Edit3", "1000000"}, {"masse2", ""},
       {"Edit4", "100"}, {"volu2", ""}, {"Edit5", "10000000"}},
      {{"laenge3", ""}, {"Edit1", "100"}, {"flaeche3", ""}, {"Edit3", "100"}, {"masse3", ""},
       {"Edit4", "3527.3368606"}, {"volu3", ""}, {"Edit5", "10000"}},
      {{"laenge4", ""}, {"Edit1", "3937.007874"}, {"flaeche4", ""}, {"Edit3", "155000.3100006"}, {"masse4", ""},
       {"Edit4", "220.4585537"}, {"volu4", ""}, {"Edit5", "10"}},
      {{"laenge5", ""}, {"Edit1", "328"}, {"Edit2", "1.007874"}, {"flaeche5", ""}, {"Edit3", "1076.3910416"},
       {"volu5", ""}, {"Edit5", "610237.4409473"}},
      {{"laenge2", ""}, {"Edit1", "9995"}, {"volu6", ""}, {"Edit5", "353.1466672148"}},
  };
  for (const auto& inputs : unitSources) cases.push_back({forms::unitcalc, inputs});
  return cases;
}

TEST_F(LayoutResults, EveryResultLineFitsItsWindowAfterTheLongestResults) {
  QStringList problems;
  for (const char* language : {"deutsch", "english"}) {
    SetLanguage(language);
    for (const Case& c : LongestResults()) {
      c.window->show();
      Repaint(c.window);
      QStringList given;
      for (const Input& input : c.inputs) {
        Give(c.window, input);
        given << QString::fromLatin1(input.control) + "=" + input.value;
      }
      Repaint(c.window);
      for (const QString& problem : LayoutProblems(c.window, QString::fromLatin1(language)))
        problems << problem + " [" + given.join(", ") + "]";
      c.window->hide();
    }
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

}  // namespace
}  // namespace velomare::test
