#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TChassisform : public FormBase {
  Q_OBJECT
 public:
  explicit TChassisform(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Chassisform", "Eingabe der Chassis-Daten", "input of all parameters");
    resize(480, 320);
  }
};

}  // namespace velomare
