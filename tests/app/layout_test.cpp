// Every window the program creates, in both languages, against the layout rules of
// LayoutProblems and, on a dark desktop, against its own picture on a light one: a window added
// later is checked the day it is built.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPalette>
#include <QPushButton>
#include <functional>

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
  // Every window in both languages, shown and handed to `look`, then hidden again unless it was
  // shown before.
  static void EachWindowShown(const std::function<void(QWidget* window, const char* language)>& look) {
    for (const char* language : {"deutsch", "english"}) {
      for (QWidget* window : forms::All()) {
        const bool wasVisible = window->isVisible();
        ShowIn(window, language);
        look(window, language);
        if (!wasVisible) window->hide();
      }
    }
  }
  static QMap<QString, QImage> EveryWindowPicture() {
    QMap<QString, QImage> pictures;
    EachWindowShown([&](QWidget* window, const char* language) {
      pictures.insert(QString("%1 (%2)").arg(window->objectName(), language), window->grab().toImage());
    });
    return pictures;
  }
};

// The colours of Breeze Dark, as KDE hands them to a Qt program; GNOME's dark style is alike.
QPalette DarkDesktopPalette() {
  QPalette dark(QColor("#eff0f1"), QColor("#31363b"), QColor("#40464c"), QColor("#1b1e20"), QColor("#25292c"),
                QColor("#eff0f1"), QColor("#ffffff"), QColor("#232629"), QColor("#31363b"));
  dark.setColor(QPalette::AlternateBase, QColor("#31363b"));
  dark.setColor(QPalette::Highlight, QColor("#3daee9"));
  dark.setColor(QPalette::HighlightedText, QColor("#eff0f1"));
  dark.setColor(QPalette::Link, QColor("#1d99f3"));
  dark.setColor(QPalette::ToolTipBase, QColor("#31363b"));
  dark.setColor(QPalette::ToolTipText, QColor("#eff0f1"));
  dark.setColor(QPalette::PlaceholderText, QColor("#8a8d8f"));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor("#6e7173"));
  return dark;
}

// Every window is saved as a picture too, to look at (scripts/screenshots.sh names the folder);
// VELOMARE_SCREENSHOT_ONLY names the windows wanted.
TEST_F(Layout, EveryWindowKeepsItsControlsInsideAndItsTextsWhole) {
  ASSERT_GE(forms::All().size(), 35u);
  const QStringList only = qEnvironmentVariable("VELOMARE_SCREENSHOT_ONLY").split(',', Qt::SkipEmptyParts);
  QStringList problems;
  EachWindowShown([&](QWidget* window, const char* language) {
    problems << LayoutProblems(window, QString::fromLatin1(language));
    if (only.isEmpty() || only.contains(window->objectName()))
      SavePicture(window, QString("%1-%2").arg(window->objectName(), language));
  });
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

// A dark desktop hands its palette over before the first window exists; the windows still show
// the light scheme's colours the diagrams and labels are drawn in, pixel for pixel.
TEST_F(Layout, EveryWindowShowsOnADarkDesktopWhatItShowsOnALightOne) {
  // A steady text cursor: a blinking one would differ between two pictures of the same window.
  const int flashTime = QApplication::cursorFlashTime();
  QApplication::setCursorFlashTime(0);
  const QMap<QString, QImage> light = EveryWindowPicture();
  TearDown();
  const QPalette desktop = QApplication::palette();
  QApplication::setPalette(DarkDesktopPalette());
  ASSERT_EQ(QApplication::palette().color(QPalette::WindowText), QColor("#eff0f1"));
  SetUp();
  const QMap<QString, QImage> dark = EveryWindowPicture();
  QApplication::setPalette(desktop);
  QApplication::setCursorFlashTime(flashTime);

  ASSERT_EQ(dark.keys(), light.keys());
  ASSERT_EQ(light.size(), 2 * int(forms::All().size()));
  QStringList differing;
  for (auto it = light.cbegin(); it != light.cend(); ++it) {
    const QImage& a = it.value();
    const QImage b = dark.value(it.key()).convertToFormat(a.format());
    if (a == b) continue;
    QString first = "size " + QString::number(b.width()) + "x" + QString::number(b.height());
    int count = 0;
    if (a.size() == b.size()) {
      for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
          if (a.pixel(x, y) == b.pixel(x, y)) continue;
          if (count++ == 0)
            first = QString("first at (%1, %2): %3 instead of %4")
                        .arg(x).arg(y).arg(QColor(b.pixel(x, y)).name(), QColor(a.pixel(x, y)).name());
        }
      }
    }
    differing << QString("%1: %2 pixels differ, %3").arg(it.key()).arg(count).arg(first);
  }
  EXPECT_TRUE(differing.isEmpty()) << differing.size() << " of " << light.size() << " pictures differ:\n"
                                   << differing.join('\n').toStdString();
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
