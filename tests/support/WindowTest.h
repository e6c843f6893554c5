#pragma once
// A fixture for driving one window through its controls: the program started with a fresh
// settings folder (no about box), the window shown in a language and painted, and text typed
// into an edit the way a user types it (key by key: every intermediate text runs its handler).
#include <QLineEdit>

#include "TestSupport.h"
#include "app/Forms.h"
#include "common/Settings.h"

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
  void Press(const QString& button) { ClickButton(form(), button); }
  void MoveMouse(QPoint at, Qt::MouseButtons held = Qt::NoButton) { test::MoveMouse(form(), at, held); }
  int Pixels(QColor colour, int fromRow = 0) { return CountPixels(form(), colour, fromRow); }
  void ResizeOuter(QSize outer) { test::ResizeOuter(form(), outer); }
};

}  // namespace velomare::test
