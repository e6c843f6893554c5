#include "platform/BarGauge.h"

#include <QPainter>
#include <algorithm>

namespace velomare {

BarGauge::BarGauge(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void BarGauge::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  update();
}

void BarGauge::SetValue(int value) {
  if (value_ == value) return;
  value_ = value;
  update();
}

void BarGauge::SetBarColour(const QColor& colour) {
  if (colour_ == colour) return;
  colour_ = colour;
  update();
}

void BarGauge::SetVertical(bool vertical) {
  if (vertical_ == vertical) return;
  vertical_ = vertical;
  update();
}

void BarGauge::SetShowPercent(bool on) {
  if (showPercent_ == on) return;
  showPercent_ = on;
  update();
}

double BarGauge::FilledShare() const {
  if (maximum_ <= minimum_) return value_ >= maximum_ ? 1.0 : 0.0;
  return std::clamp(double(value_ - minimum_) / (maximum_ - minimum_), 0.0, 1.0);
}

QString BarGauge::PercentText() const {
  if (!showPercent_) return {};
  return QString::number(int(FilledShare() * 100)) + QLatin1Char('%');
}

void BarGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect inner = rect().adjusted(2, 2, -2, -2);
  p.fillRect(rect(), QColor(192, 192, 192));
  // A sunken edge: dark above and left, light below and right.
  p.setPen(QColor(128, 128, 128));
  p.drawLine(0, 0, width() - 1, 0);
  p.drawLine(0, 0, 0, height() - 1);
  p.setPen(Qt::white);
  p.drawLine(0, height() - 1, width() - 1, height() - 1);
  p.drawLine(width() - 1, 0, width() - 1, height() - 1);
  QRect filledPart;
  if (vertical_) {
    const int filled = int(inner.height() * FilledShare());
    filledPart = QRect(inner.left(), inner.bottom() + 1 - filled, inner.width(), filled);
  } else {
    const int filled = int(inner.width() * FilledShare());
    filledPart = QRect(inner.left(), inner.top(), filled, inner.height());
  }
  if (!filledPart.isEmpty()) p.fillRect(filledPart, colour_);
  if (showPercent_) {
    // The text stays readable across the edge of the bar: dark on the ground, light on the bar.
    const QString text = PercentText();
    p.setPen(Qt::black);
    p.drawText(rect(), Qt::AlignCenter, text);
    if (!filledPart.isEmpty()) {
      p.setClipRect(filledPart);
      p.setPen(colour_.lightness() < 128 ? Qt::white : Qt::black);
      p.drawText(rect(), Qt::AlignCenter, text);
    }
  }
}

}  // namespace velomare
