#pragma once
// A picture that never changes (a circuit drawing beside a filter window's inputs): drawn once
// by its drawing routine onto a white ground of its fixed size, then shown from the image. The
// routine starts with a thin black pen and no brush.
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace velomare {

class FixedPicture : public QWidget {
 public:
  using DrawFunction = void (*)(QPainter&);
  FixedPicture(QWidget* parent, QSize size, DrawFunction draw);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DrawFunction draw_;
  QPixmap image_;
};

}  // namespace velomare
