#include "filters/FixedPicture.h"

#include <QPainter>

namespace velomare {

FixedPicture::FixedPicture(QWidget* parent, QSize size, DrawFunction draw) : QWidget(parent), draw_(draw) {
  setFixedSize(size);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FixedPicture::paintEvent(QPaintEvent*) {
  if (image_.isNull()) {
    image_ = QPixmap(size());
    image_.fill(Qt::white);
    QPainter p(&image_);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    draw_(p);
  }
  QPainter(this).drawPixmap(0, 0, image_);
}

}  // namespace velomare
