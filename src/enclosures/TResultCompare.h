#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TResultCompare : public FormBase {
  Q_OBJECT
 public:
  explicit TResultCompare(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("ResultCompare", "Vergleich der Simulationen", "Compare simulations");
    resize(480, 320);
  }
};

}  // namespace velomare
