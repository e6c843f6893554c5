// Every group box of every window, in both languages: its controls stay in the room its frame
// leaves, below the title and the top frame line and off the side and bottom lines, so no control
// covers a line of the frame or a letter of the title.
#include <QGroupBox>
#include <QImage>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

// The room a group box leaves its controls: the contents rectangle of its style (where a layout
// would put them, a few pixels off the frame), less every edge row or column of it on which the
// style still draws: rendered empty, at the same size, title and font, the group box must show
// one plain colour over the whole room. The style's rectangle alone does not do: Fusion starts it
// above the frame line it draws when the title's font is small.
QRect RoomInsideFrame(const QGroupBox* group) {
  QStyleOptionGroupBox option;
  option.initFrom(group);
  option.text = group->title();
  option.textAlignment = group->alignment();
  option.lineWidth = 1;
  option.midLineWidth = 0;
  option.subControls = QStyle::SC_GroupBoxFrame;
  if (!group->title().isEmpty()) option.subControls |= QStyle::SC_GroupBoxLabel;
  if (group->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
  if (group->isFlat()) option.features |= QStyleOptionFrame::Flat;
  QRect room = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, group);

  QGroupBox twin(group->title());
  twin.setStyle(group->style());
  twin.setFont(group->font());
  twin.setPalette(group->palette());
  twin.setFlat(group->isFlat());
  twin.setAlignment(group->alignment());
  twin.resize(group->size());
  const QImage image = twin.grab().toImage();
  const QColor plain = image.pixelColor(room.center());
  const auto plainLine = [&](QPoint from, QPoint step, int count) {
    for (int i = 0; i < count; ++i)
      if (image.pixelColor(from + i * step) != plain) return false;
    return true;
  };
  while (room.height() > 0 && !plainLine(room.topLeft(), {1, 0}, room.width())) room.setTop(room.top() + 1);
  while (room.height() > 0 && !plainLine(room.bottomLeft(), {1, 0}, room.width())) room.setBottom(room.bottom() - 1);
  while (room.width() > 0 && !plainLine(room.topLeft(), {0, 1}, room.height())) room.setLeft(room.left() + 1);
  while (room.width() > 0 && !plainLine(room.topRight(), {0, 1}, room.height())) room.setRight(room.right() - 1);
  return room;
}

QStringList ControlsOnFrames(QWidget* window, const QString& language) {
  QStringList problems;
  for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
    if (!group->isVisibleTo(window)) continue;
    const QString where = QString("window %1 (%2), %3").arg(window->objectName(), language, group->objectName());
    const QRect room = RoomInsideFrame(group);
    if (room.isEmpty()) problems << where + ": its style leaves no plain room inside the frame";
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isWindow() || !child->isVisibleTo(window) || child->objectName().startsWith("qt_")) continue;
      if (!room.contains(child->geometry()))
        problems << QString("%1: %2 %3 reaches outside the room inside the frame %4")
                        .arg(where, child->objectName().isEmpty() ? child->metaObject()->className()
                                                                  : child->objectName(),
                             QDebug::toString(child->geometry()), QDebug::toString(room));
    }
  }
  return problems;
}

using GroupBoxes = WindowsTest;

TEST_F(GroupBoxes, NoControlCoversTheFrameOrTheTitleOfItsGroupBox) {
  QStringList problems;
  int checked = 0;
  for (const char* language : {"deutsch", "english"}) {
    for (QWidget* window : forms::All()) {
      const bool wasVisible = window->isVisible();
      SetLanguage(language);
      window->show();
      Repaint(window);
      problems << ControlsOnFrames(window, QString::fromLatin1(language));
      checked += static_cast<int>(window->findChildren<QGroupBox*>().size());
      if (!wasVisible) window->hide();
    }
  }
  EXPECT_GT(checked, 20) << "the windows hold group boxes";
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

}  // namespace
}  // namespace velomare::test
