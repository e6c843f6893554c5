#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Toffen : public FormBase {
  Q_OBJECT
 public:
  explicit Toffen(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("offen", "offenes Gehäuse", "open box");
    resize(480, 320);
  }
};

}  // namespace velomare
