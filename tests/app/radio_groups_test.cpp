// Every radio button of every window, clicked twice as a user clicks it: it stays checked, and its
// set of choices keeps exactly one checked button, whatever else the window holds.
#include <QButtonGroup>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

using RadioGroups = WindowsTest;

// How many buttons of a radio's set are checked: the set is its button group, or else the radios
// beside it in its container.
long CheckedInSetOf(QRadioButton* radio) {
  QList<QAbstractButton*> set;
  if (radio->group())
    set = radio->group()->buttons();
  else
    for (QRadioButton* r : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) set << r;
  return std::count_if(set.begin(), set.end(), [](QAbstractButton* b) { return b->isChecked(); });
}

TEST_F(RadioGroups, AClickedRadioStaysCheckedAndItsSetHasOneCheckedButton) {
  int clicks = 0;
  for (QWidget* window : forms::All()) {
    const QList<QRadioButton*> radios = window->findChildren<QRadioButton*>();
    if (radios.isEmpty()) continue;
    const bool wasVisible = window->isVisible();
    window->show();
    Repaint(window);
    for (QRadioButton* radio : radios) {
      // Disabled radios (the volume window's US units, the separator choice) take no click.
      if (!radio->isEnabled() || !radio->isVisible()) continue;
      for (int click = 1; click <= 2; ++click) {
        // On the round mark: a wide radio's middle may lie beyond its caption.
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        const std::string where =
            (window->objectName() + "." + radio->objectName() + ", click " + QString::number(click)).toStdString();
        EXPECT_TRUE(radio->isChecked()) << where;
        EXPECT_EQ(CheckedInSetOf(radio), 1) << where;
        ++clicks;
      }
    }
    // Every set, the disabled ones included, keeps one checked button.
    for (QRadioButton* radio : radios)
      EXPECT_EQ(CheckedInSetOf(radio), 1) << (window->objectName() + "." + radio->objectName()).toStdString();
    if (!wasVisible) window->hide();
  }
  EXPECT_GE(clicks, 2 * 40);
}

}  // namespace
}  // namespace velomare::test
