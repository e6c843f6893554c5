#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TDampfform : public FormBase {
  Q_OBJECT
 public:
  explicit TDampfform(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Dampfform", "Pegelreduzierung", "attenuator (pad)");
    resize(480, 320);
  }
};

}  // namespace velomare
