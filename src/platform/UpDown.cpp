#include "platform/UpDown.h"

#include <QResizeEvent>
#include <QToolButton>

namespace velomare {

namespace {
// Repeats as the old control did: a pause, then about ten steps a second.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setAutoRepeatDelay(kRepeatDelayMs);
  button->setAutoRepeatInterval(kRepeatIntervalMs);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}
}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(this, Qt::UpArrow)), down_(MakeArrow(this, Qt::DownArrow)) {
  connect(up_, &QToolButton::clicked, this, [this] { emit ChangingEx(UpDownDirection::Up); });
  connect(down_, &QToolButton::clicked, this, [this] { emit ChangingEx(UpDownDirection::Down); });
  connect(this, &QObject::objectNameChanged, this, &UpDown::NameButtons);
}

void UpDown::NameButtons(const QString& name) {
  up_->setObjectName(name + QLatin1String("Up"));
  down_->setObjectName(name + QLatin1String("Down"));
}

void UpDown::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int w = width(), h = height();
  up_->setGeometry(0, 0, w, h / 2);
  down_->setGeometry(0, h / 2, w, h - h / 2);
}

}  // namespace velomare
