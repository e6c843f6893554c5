#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TQLmess : public FormBase {
  Q_OBJECT
 public:
  explicit TQLmess(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("QLmess", "Messung des Verlustfaktors Ql", "measurement of loss quality Ql");
    resize(480, 320);
  }
};

}  // namespace velomare
