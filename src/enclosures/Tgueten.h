#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tgueten : public FormBase {
  Q_OBJECT
 public:
  explicit Tgueten(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("gueten", "Güten", nullptr);
    resize(480, 320);
  }
};

}  // namespace velomare
