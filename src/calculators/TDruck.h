#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TDruck : public FormBase {
  Q_OBJECT
 public:
  explicit TDruck(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Druck", "maximaler Schalldruck", "maximum SPL");
    resize(480, 320);
  }
};

}  // namespace velomare
