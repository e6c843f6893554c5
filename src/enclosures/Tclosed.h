#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tclosed : public FormBase {
  Q_OBJECT
 public:
  explicit Tclosed(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("closed", "geschlossenes Gehäuse", "closed box");
    resize(480, 320);
  }
};

}  // namespace velomare
