#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TReflex : public FormBase {
  Q_OBJECT
 public:
  explicit TReflex(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Reflex", "Baßreflex-Gehäuse ", "reflex vented box");
    resize(480, 320);
  }
};

}  // namespace velomare
