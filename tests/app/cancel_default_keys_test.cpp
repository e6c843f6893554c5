// Esc and Enter in every window that names a cancel or a default button, pressed as a user
// presses them: into the control that holds the focus of the active window. Esc presses the
// cancel button; Enter presses the push button that holds the focus, else the default button.
#include <QApplication>
#include <QComboBox>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

struct KeyRow {
  FormBase* (*window)();
  const char* cancel;
  const char* defaultButton;  // nullptr: the window has none
};

template <auto& Form>
FormBase* WindowOf() {
  return Form;
}

const KeyRow kRows[] = {
    {WindowOf<forms::Form1>, "Button5", nullptr},
    {WindowOf<forms::tspara>, "Button1", "Button2"},
    {WindowOf<forms::options>, "Button1", "closebut"},
    {WindowOf<forms::about>, "Button1", "Button1"},
    {WindowOf<forms::Chassisform>, "BitBtn2", "BitBtn1"},
    {WindowOf<forms::closed>, "Button1", nullptr},
    {WindowOf<forms::bandkiste>, "Button2", "Button2"},
    {WindowOf<forms::ResultCompare>, "Button1", nullptr},
    {WindowOf<forms::Reflex>, "Button1", nullptr},
    {WindowOf<forms::ventpass>, "Button1", "Button2"},
    {WindowOf<forms::offen>, "Button1", "Button2"},
    {WindowOf<forms::Expo>, "Button1", "Button5"},
    {WindowOf<forms::Dampfform>, "Button1", "Button1"},
    {WindowOf<forms::Imp>, "Button1", "Button1"},
    {WindowOf<forms::HP>, "Button1", "Button1"},
    {WindowOf<forms::BP>, "Button1", nullptr},
    {WindowOf<forms::TP>, "Button1", nullptr},
    {WindowOf<forms::weiche>, "Button1", nullptr},
    {WindowOf<forms::Druck>, "Button1", "Button1"},
    {WindowOf<forms::Durch>, "Button1", "Button1"},
    {WindowOf<forms::quaderbox>, "Button1", nullptr},
    {WindowOf<forms::trapezbox>, "Button1", nullptr},
    {WindowOf<forms::pyramidebox>, "Button1", nullptr},
};

class CancelAndDefaultKeys : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    AnswerNo();  // the main window's close question keeps the program
    FileDialogAnswers();
  }

  // The window active, with the focus in the control that `focus` chooses once the window is
  // shown (the window itself when none). It takes the activation from another window, as a
  // user's click does: a window hidden while it was active is not made active again by showing
  // it alone.
  static void ActivateWith(FormBase* window, const std::function<QWidget*()>& focus, QPushButton* enable = nullptr) {
    QWidget* before = window == forms::Form1 ? static_cast<QWidget*>(forms::about) : forms::Form1;
    HideWindowsBut({window, before});
    before->show();
    window->ShowForm();
    ASSERT_TRUE(ReactivateAfter(before, window));
    // A default button that waits for valid values (OK, apply) is pressed as it would be then.
    if (enable) enable->setEnabled(true);
    QWidget* chosen = focus();
    QWidget* target = chosen ? chosen : window;
    target->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), target)
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "no focus");
  }

  // The object names of the push buttons a key pressed in the focused control, in order.
  static QStringList PressedBy(FormBase* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    if (!focused) {
      ADD_FAILURE() << "no control holds the focus";
      return {};
    }
    QStringList pressed;
    std::vector<QMetaObject::Connection> spies;
    for (QPushButton* button : window->findChildren<QPushButton*>())
      spies.push_back(QObject::connect(button, &QPushButton::clicked, [&pressed, button] {
        pressed << button->objectName();
      }));
    QTest::keyClick(focused, key, modifiers);
    QCoreApplication::processEvents();
    for (const auto& spy : spies) QObject::disconnect(spy);
    return pressed;
  }

  // The first edit a user can type into, not one inside a list; in a window without one, the
  // first other control that takes the focus by tab and is no push button (the settings
  // window's page tabs, the main window's check box); else none.
  static QWidget* FirstEdit(FormBase* window) {
    const auto usable = [window](QWidget* w) { return w->isVisibleTo(window) && w->isEnabled(); };
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
      if (usable(edit) && !qobject_cast<QComboBox*>(edit->parentWidget())) return edit;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
      if (usable(w) && !w->focusProxy() && (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QPushButton*>(w))
        return w;
    return nullptr;
  }

  // A visible, enabled push button that is neither the cancel nor the default button.
  static QPushButton* AnotherButton(FormBase* window, const KeyRow& row) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      const QString name = button->objectName();
      if (button->isVisibleTo(window) && button->isEnabled() && name != row.cancel &&
          (!row.defaultButton || name != row.defaultButton) && !name.startsWith("qt_"))
        return button;
    }
    return nullptr;
  }
};

TEST_F(CancelAndDefaultKeys, EscPressesTheCancelButtonAndEnterTheFocusedOrTheDefaultButton) {
  for (const KeyRow& row : kRows) {
    FormBase* window = row.window();
    SCOPED_TRACE(window->objectName().toStdString());
    const QStringList cancel{row.cancel};
    const QStringList byDefault = row.defaultButton ? QStringList{row.defaultButton} : QStringList{};
    QPushButton* defaultButton = row.defaultButton ? window->findChild<QPushButton*>(row.defaultButton) : nullptr;

    ActivateWith(window, [window] { return FirstEdit(window); });
    EXPECT_EQ(PressedBy(window, Qt::Key_Escape), cancel) << "Esc in the first edit";

    const std::pair<Qt::Key, Qt::KeyboardModifier> enterKeys[] = {{Qt::Key_Return, Qt::NoModifier},
                                                                  {Qt::Key_Enter, Qt::KeypadModifier}};
    for (const auto& [key, modifiers] : enterKeys) {
      ActivateWith(window, [window] { return FirstEdit(window); }, defaultButton);
      EXPECT_EQ(PressedBy(window, key, modifiers), byDefault) << "Enter in the first edit " << key;
      if (byDefault.isEmpty()) EXPECT_TRUE(window->isVisible());
    }

    QPushButton* other = AnotherButton(window, row);
    ASSERT_NE(other, nullptr);
    ActivateWith(window, [other] { return other; });
    EXPECT_EQ(PressedBy(window, Qt::Key_Return), QStringList{other->objectName()})
        << "Enter on " << other->objectName().toStdString();
    // The cancel button, focused, answers Enter too where it is not the default.
    if (!row.defaultButton || std::string(row.defaultButton) != row.cancel) {
      auto* cancelButton = window->findChild<QPushButton*>(row.cancel);
      ActivateWith(window, [cancelButton] { return cancelButton; });
      EXPECT_EQ(PressedBy(window, Qt::Key_Return), cancel) << "Enter on the cancel button";
    }
  }
  EXPECT_EQ(seam.questions.count("Programm beenden ?"), 2);  // Esc and Enter on the main window's end button
}

// Esc in a window without a cancel button, and Enter in one without a default button, press nothing.
TEST_F(CancelAndDefaultKeys, WindowsWithoutSuchButtonsIgnoreTheKeys) {
  FormBase* window = forms::Tri;
  ActivateWith(window, [window] { return FirstEdit(window); });
  EXPECT_TRUE(PressedBy(window, Qt::Key_Escape).isEmpty());
  EXPECT_TRUE(PressedBy(window, Qt::Key_Return).isEmpty());
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace velomare::test
