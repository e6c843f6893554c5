// Hints and link colours under a real pointer: the pointer is moved through the window system
// across several points of each control, then over an empty spot of the window behind it. What
// the control's hover set must stay until the pointer leaves it for that empty spot.
#include <QCheckBox>
#include <QLabel>
#include <QMap>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

const QColor kPurple(128, 0, 128);

class Hover : public WindowsTest {
 protected:
  // Only `window` is shown, so that the pointer meets no other window.
  static void ShowAlone(FormBase* window, const char* language) {
    HideWindowsBut({window});
    Show(window, language);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  }
  static void MoveTo(QWidget* over, QPoint at) { QTest::mouseMove(over, at); }
  static void MoveToEmptySpot(QWidget* background) {
    const std::optional<QPoint> spot = EmptySpot(background);
    ASSERT_TRUE(spot.has_value()) << background->objectName().toStdString();
    MoveTo(background, *spot);
  }
  static QColor TextColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
};

TEST_F(Hover, EveryEnabledMainWindowButtonKeepsItsHintWhileThePointerMovesOverIt) {
  TForm1* form = forms::Form1;
  QWidget* client = form->findChild<QWidget*>("client");
  ASSERT_NE(client, nullptr);
  const QString version = "Velomare 3.2.5";
  QMap<QString, QString> germanHints;
  for (const char* language : {"deutsch", "english"}) {
    ShowAlone(form, language);
    MoveToEmptySpot(client);
    ASSERT_EQ(form->StatusBar1->currentMessage(), version);
    int buttons = 0;
    for (QAbstractButton* button : client->findChildren<QAbstractButton*>()) {
      if (qobject_cast<QCheckBox*>(button) || !button->isEnabled()) continue;
      ++buttons;
      const QString name = button->objectName();
      SCOPED_TRACE(name.toStdString() + " " + language);
      QString hint;
      for (const QPoint& at : PointsInside(button)) {
        MoveTo(button, at);
        if (hint.isEmpty()) hint = form->StatusBar1->currentMessage();
        EXPECT_EQ(form->StatusBar1->currentMessage(), hint) << at.x() << "," << at.y();
      }
      EXPECT_FALSE(hint.isEmpty());
      EXPECT_NE(hint, version);
      if (language == std::string("deutsch")) {
        EXPECT_FALSE(germanHints.values().contains(hint)) << "a second button with the hint " << hint.toStdString();
        germanHints[name] = hint;
      } else {
        EXPECT_NE(hint, germanHints.value(name));
      }
      MoveToEmptySpot(client);
      EXPECT_EQ(form->StatusBar1->currentMessage(), version);
    }
    EXPECT_EQ(buttons, 30);
  }
  // Two of the texts in full, in each language.
  ShowAlone(form, "deutsch");
  MoveTo(form->Eingabe, form->Eingabe->rect().center());
  EXPECT_EQ(form->StatusBar1->currentMessage(),
            "Zur Berechnung müssen die Thiele-Small-Parameter des Chassis eingeben werden");
  ShowAlone(form, "english");
  MoveTo(form->Button5, form->Button5->rect().center());
  EXPECT_EQ(form->StatusBar1->currentMessage(), "to end the program");
  // The disabled transmission-line button is no hint's place: the window behind it answers.
  MoveTo(form->TML, form->TML->rect().center());
  EXPECT_EQ(form->StatusBar1->currentMessage(), version);
}

// Labels that turn a colour while the pointer is over them and go back over the window behind.
struct ColourRow {
  FormBase* (*window)();
  const char* background;  // the object name of the widget behind; empty for the window itself
  std::vector<const char*> labels;
  QColor hover;
  QColor rest;  // invalid: the window's own text colour
};

TEST_F(Hover, LinkAndPresetLabelsKeepTheirColourWhileThePointerMovesOverThem) {
  const ColourRow rows[] = {
      {[]() -> FormBase* { return forms::about; }, "", {"Label7", "Label8"}, kPurple, QColor(0, 0, 255)},
      {[]() -> FormBase* { return forms::closed; }, "", {"linkwitz", "bessel", "butterw"}, kPurple, QColor()},
      {[]() -> FormBase* { return forms::wahl; }, "Panel1",
       {"Label2", "Label3", "Label4", "Label16", "Label13", "Label12"}, kPurple, Qt::black},
      {[]() -> FormBase* { return forms::options; }, "PageUpdate", {"Label2"}, kPurple, QColor(0, 0, 255)},
      // The assistant's cancel line lights up silver in every step.
      {[]() -> FormBase* { return forms::assistent; }, "", {"Label6"}, QColor(192, 192, 192), Qt::white},
  };
  for (const ColourRow& row : rows) {
    FormBase* window = row.window();
    SCOPED_TRACE(window->objectName().toStdString());
    ShowAlone(window, "deutsch");
    if (auto* pages = window->findChild<QTabWidget*>())
      pages->setCurrentWidget(window->findChild<QWidget*>(row.background));
    QWidget* background = *row.background ? window->findChild<QWidget*>(row.background) : window;
    ASSERT_NE(background, nullptr);
    const QColor rest = row.rest.isValid() ? row.rest : TextColour(window);
    for (const char* name : row.labels) {
      SCOPED_TRACE(name);
      auto* label = window->findChild<QLabel*>(name);
      ASSERT_NE(label, nullptr);
      MoveToEmptySpot(background);
      ASSERT_EQ(TextColour(label), rest);
      for (const QPoint& at : PointsInside(label)) {
        MoveTo(label, at);
        EXPECT_EQ(TextColour(label), row.hover) << at.x() << "," << at.y();
      }
      MoveToEmptySpot(background);
      EXPECT_EQ(TextColour(label), rest);
    }
  }
}

}  // namespace
}  // namespace velomare::test
