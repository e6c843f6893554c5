#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TImp : public FormBase {
  Q_OBJECT
 public:
  explicit TImp(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Imp", "Impedanzkorrektur", "impedance correction");
    resize(480, 320);
  }
};

}  // namespace velomare
