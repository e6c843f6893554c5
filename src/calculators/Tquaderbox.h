#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tquaderbox : public FormBase {
  Q_OBJECT
 public:
  explicit Tquaderbox(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("quaderbox", "Quader / Standbox", "rectangle standing box");
    resize(480, 320);
  }
};

}  // namespace velomare
