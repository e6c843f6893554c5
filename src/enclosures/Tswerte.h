#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tswerte : public FormBase {
  Q_OBJECT
 public:
  explicit Tswerte(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("swerte", "Kurvenformen S", nullptr);
    resize(480, 320);
  }
};

}  // namespace velomare
