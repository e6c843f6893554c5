#pragma once
#include "platform/FormBase.h"

namespace velomare {

class THP : public FormBase {
  Q_OBJECT
 public:
  explicit THP(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("HP", "Hochpass ", "high pass");
    resize(480, 320);
  }
};

}  // namespace velomare
