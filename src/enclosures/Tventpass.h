#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tventpass : public FormBase {
  Q_OBJECT
 public:
  explicit Tventpass(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("ventpass", "Ventilierter Bandpass", "vented band pass");
    resize(480, 320);
  }
};

}  // namespace velomare
