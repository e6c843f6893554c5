#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Ttspara : public FormBase {
  Q_OBJECT
 public:
  explicit Ttspara(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("tspara", "Ermittlung der Thiele-Small-Parameter", "Determination of the Thiele-Small parameters");
    resize(480, 320);
  }
};

}  // namespace velomare
