#pragma once
#include <QLineEdit>

#include "platform/FormBase.h"

namespace velomare {

class TDruck : public FormBase {
  Q_OBJECT
 public:
  explicit TDruck(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Druck", "maximaler Schalldruck", "maximum SPL");
    resize(480, 320);
    // The sensitivity of the first box group (dB at 1 W, 1 m); the driver-data window's OK
    // writes the committed driver's sensitivity here.
    Edit1 = Make<QLineEdit>("Edit1", this, 16, 16, 80, 21);
  }

  QLineEdit* Edit1;
};

}  // namespace velomare
