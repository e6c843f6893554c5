// The shared up-down control's arrow buttons.
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "TestSupport.h"
#include "platform/UpDown.h"

namespace velomare::test {
namespace {

TEST(UpDownControl, ArrowsAreNamedAfterTheControlFillItAndEachPressReportsItsDirection) {
  UpDown control;
  control.setObjectName("UpDown3");
  EXPECT_EQ(control.findChild<QToolButton*>("UpDown3Up"), control.UpButton());
  EXPECT_EQ(control.findChild<QToolButton*>("UpDown3Down"), control.DownButton());
  control.setObjectName("UpDown5");  // a renamed control renames its arrows
  EXPECT_EQ(control.findChild<QToolButton*>("UpDown5Up"), control.UpButton());
  EXPECT_EQ(control.findChild<QToolButton*>("UpDown5Down"), control.DownButton());
  control.setGeometry(0, 0, 17, 25);
  control.show();
  EXPECT_EQ(control.UpButton()->geometry(), QRect(0, 0, 17, 12));
  EXPECT_EQ(control.DownButton()->geometry(), QRect(0, 12, 17, 13));
  QSignalSpy spy(&control, &UpDown::ChangingEx);
  QTest::mouseClick(control.UpButton(), Qt::LeftButton);
  QTest::mouseClick(control.DownButton(), Qt::LeftButton);
  QTest::mouseClick(control.DownButton(), Qt::LeftButton);
  ASSERT_EQ(spy.count(), 3);
  EXPECT_EQ(spy[0][0].value<UpDownDirection>(), UpDownDirection::Up);
  EXPECT_EQ(spy[1][0].value<UpDownDirection>(), UpDownDirection::Down);
  EXPECT_EQ(spy[2][0].value<UpDownDirection>(), UpDownDirection::Down);
}

}  // namespace
}  // namespace velomare::test
