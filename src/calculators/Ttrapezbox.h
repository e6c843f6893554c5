#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Ttrapezbox : public FormBase {
  Q_OBJECT
 public:
  explicit Ttrapezbox(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("trapezbox", "Pult / Trapez (Car-Sub)", "car woofer");
    resize(480, 320);
  }
};

}  // namespace velomare
