#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tassistent : public FormBase {
  Q_OBJECT
 public:
  explicit Tassistent(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("assistent", "Assistent", nullptr);
    resize(480, 320);
  }
};

}  // namespace velomare
