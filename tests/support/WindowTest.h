#pragma once
// A fixture for driving windows through their controls: the program started with a fresh
// settings folder (no about box), a window shown in a language and painted, and text typed
// into an edit the way a user types it (key by key: every intermediate text runs its handler).
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "common/Settings.h"
#include "driver/TChassisform.h"
#include "platform/FormBase.h"

namespace velomare::test {

// For tests that drive several windows; WindowTest below serves one.
class WindowsTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    StartProgram();
  }
  // Writes "Sprache" to the settings file; the windows take it at their next paint.
  static void SetLanguage(const char* language) { OpenSettings().WriteString("Info", "Sprache", language); }
  // Shows the window as the main window does and paints it once, which sets its texts.
  static void Show(FormBase* window, const char* language = "deutsch") {
    SetLanguage(language);
    window->ShowForm();
    test::Repaint(window);
  }
  // Hides every window but those kept, so that the pointer and the keys meet no other window.
  static void HideWindowsBut(std::initializer_list<const QWidget*> kept) {
    for (QWidget* window : forms::All())
      if (std::find(kept.begin(), kept.end(), window) == kept.end()) window->hide();
  }
  static void Type(QLineEdit* edit, const QString& text) { TypeInto(edit, text); }
  static void Option(const char* key, bool on) { OpenSettings().WriteBool("Options", key, on); }
  // The user's road to another driver: the main window's driver button (which hides the
  // enclosure windows), the values typed into the driver window's edits, and its OK.
  using DriverEdit = QLineEdit* TChassisform::*;
  static void CommitDriver(std::initializer_list<std::pair<DriverEdit, const char*>> edits) {
    forms::Form1->Eingabe->click();
    TChassisform* driver = forms::Chassisform;
    for (const auto& [edit, text] : edits) TypeInto(driver->*edit, QString::fromUtf8(text));
    ASSERT_TRUE(driver->BitBtn1->isEnabled());
    driver->BitBtn1->click();
  }
  static void Choose(QComboBox* box, int index) { ChooseItem(box, index); }
  static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
  // Texts a user may leave in a number edit that are no usable number.
  static QStringList BadNumberTexts() { return {"abc", "", "-", ",", "-5", "0", "0,0000001", "1e999", QString(30, '9')}; }
  // The texts a list of labels or edits shows, in order.
  template <class Widget>
  static QStringList TextsOf(std::initializer_list<Widget*> widgets) {
    QStringList texts;
    for (Widget* w : widgets) texts << w->text();
    return texts;
  }
  static QStringList QStrings(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) list << QString::fromStdString(t);
    return list;
  }
};

// `Window` is the address of the window's pointer in `forms`, e.g. WindowTest<Tunitcalc, &forms::unitcalc>.
template <class Form, Form** Window>
class WindowTest : public WindowsTest {
 protected:
  Form* form() { return *Window; }
  void Show(const char* language = "deutsch") { WindowsTest::Show(form(), language); }
  void Repaint() { test::Repaint(form()); }
  // Shows the window as the main window does and waits until it holds the focus.
  void Activate() {
    form()->ShowForm();
    ASSERT_TRUE(ShowAndActivate(form()));
  }
  // The main window takes the focus, then this window gets it back: a return to a visible window.
  void Reactivate() { ASSERT_TRUE(ReactivateAfter(reinterpret_cast<QWidget*>(forms::Form1), form())); }
  std::string Title() { return form()->windowTitle().toStdString(); }
  // A mouse move over the window's client area (or over one control) as the window system delivers it.
  void MoveMouse(QPoint at, Qt::MouseButtons held = Qt::NoButton, QWidget* over = nullptr) {
    test::MoveMouse(over ? over : form(), at, held);
  }
  void Press(const QString& button) { ClickButton(form(), button); }
  int Pixels(QColor colour, int fromRow = 0) { return CountPixels(form(), colour, fromRow); }
  void ResizeOuter(QSize outer) { test::ResizeOuter(form(), outer); }
  // For box windows: "file" chosen in the export list and the dialog answered with `path`, whose
  // ".txt" the dialog adds; the bytes written.
  std::string ExportFile(const QString& path) {
    FileDialogAnswers(path);
    Choose(form()->exportbox, 4);
    return ReadFileBytes((path.endsWith(".txt") ? path : path + ".txt").toStdString());
  }
  // For windows with a response diagram: whether it holds a curve now.
  bool DiagramShown() { return form()->Diagram->Plot().has_value(); }
  // The help button asks for the window's topic; the print button, if given, prints the window
  // after asking.
  void ExpectHelpAndPrint(QAbstractButton* help, const char* topic, QAbstractButton* print = nullptr) {
    help->click();
    EXPECT_EQ(seam.helpRequests.size(), 1);
    EXPECT_EQ(seam.helpRequests.value(0).topic, topic);
    if (!print) return;
    print->click();
    EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
    EXPECT_EQ(seam.printed, QList<QWidget*>{form()});
  }
  // Types each text into each edit and gives the edit its text back after; after every text
  // `check` runs with the text and no text of the window may show "nan" or "inf".
  void TypeIntoEach(const QList<QLineEdit*>& edits, const QStringList& texts,
                    const std::function<void(const QString&)>& check = {}) {
    for (QLineEdit* edit : edits) {
      const QString kept = edit->text();
      for (const QString& text : texts) {
        SCOPED_TRACE(edit->objectName().toStdString() + " <- \"" + text.toStdString() + "\"");
        Type(edit, text);
        if (check) check(text);
        ExpectNoNonFiniteTexts(form());
      }
      Type(edit, kept);
    }
  }
};

}  // namespace velomare::test
