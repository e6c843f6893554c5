#pragma once
// A fixture for driving one window through its controls: the program started with a fresh
// settings folder (no about box), the window shown in a language and painted, and text typed
// into an edit the way a user types it (key by key: every intermediate text runs its handler).
#include <QLineEdit>

#include "TestSupport.h"

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
};

}  // namespace velomare::test
