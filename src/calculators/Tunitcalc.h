#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tunitcalc : public FormBase {
  Q_OBJECT
 public:
  explicit Tunitcalc(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("unitcalc", "Einheitenumrechner", "unit converter");
    resize(480, 320);
  }
};

}  // namespace velomare
