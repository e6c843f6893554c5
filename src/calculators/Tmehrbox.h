#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tmehrbox : public FormBase {
  Q_OBJECT
 public:
  explicit Tmehrbox(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("mehrbox", "Zusammenschaltung", "interconnect speakers");
    resize(480, 320);
  }
};

}  // namespace velomare
