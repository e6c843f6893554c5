#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Toptions : public FormBase {
  Q_OBJECT
 public:
  explicit Toptions(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("options", "Programm-Einstellungen", "program options");
    resize(480, 320);
  }
};

}  // namespace velomare
