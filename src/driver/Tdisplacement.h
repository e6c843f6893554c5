#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tdisplacement : public FormBase {
  Q_OBJECT
 public:
  explicit Tdisplacement(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("displacement", "Berechnung des Eigenvolumens eines Lautsprecherchassis", "calculation of the displacement of the speaker chassies");
    resize(480, 320);
  }
};

}  // namespace velomare
