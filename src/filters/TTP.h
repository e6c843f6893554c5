#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TTP : public FormBase {
  Q_OBJECT
 public:
  explicit TTP(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("TP", "Tiefpass ", "low pass");
    resize(480, 320);
  }
};

}  // namespace velomare
