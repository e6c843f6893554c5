#pragma once
// A fixture for driving one window through its controls: the program started with a fresh
// settings folder (no about box), the window shown in a language and painted, and text typed
// into an edit the way a user types it (key by key: every intermediate text runs its handler).
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>
#include <utility>

#include "TestSupport.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "common/Settings.h"
#include "driver/TChassisform.h"

namespace velomare::test {

// `Window` is the address of the window's pointer in `forms`, e.g. WindowTest<Tunitcalc, &forms::unitcalc>.
template <class Form, Form** Window>
class WindowTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    StartProgram();
  }
  Form* form() { return *Window; }
  void SetLanguage(const char* language) { SetLanguageSetting(language); }
  // Shows the window as the main window does and paints it once, which sets its texts.
  void Show(const char* language = "deutsch") {
    SetLanguage(language);
    form()->ShowForm();
    Repaint();
  }
  void Repaint() { test::Repaint(form()); }
  static void Type(QLineEdit* edit, const QString& text) { TypeInto(edit, text); }
  // Shows the window as the main window does and waits until it holds the focus.
  void Activate() {
    form()->ShowForm();
    ASSERT_TRUE(ShowAndActivate(form()));
  }
  // The main window takes the focus, then this window gets it back: a return to a visible window.
  void Reactivate() { ASSERT_TRUE(ReactivateAfter(reinterpret_cast<QWidget*>(forms::Form1), form())); }
  void Option(const char* key, bool on) { OpenSettings().WriteBool("Options", key, on); }
  // The user's road to another driver: the main window's driver button (which hides the
  // enclosure windows), the values typed into the driver window's edits, and its OK.
  using DriverEdit = QLineEdit* TChassisform::*;
  void CommitDriver(std::initializer_list<std::pair<DriverEdit, const char*>> edits) {
    forms::Form1->Eingabe->click();
    TChassisform* driver = forms::Chassisform;
    for (const auto& [edit, text] : edits) TypeInto(driver->*edit, QString::fromUtf8(text));
    ASSERT_TRUE(driver->BitBtn1->isEnabled());
    driver->BitBtn1->click();
  }
};

}  // namespace velomare::test
