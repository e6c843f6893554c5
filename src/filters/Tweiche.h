#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tweiche : public FormBase {
  Q_OBJECT
 public:
  explicit Tweiche(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("weiche", "Gesamtweiche", "total crossover");
    resize(480, 320);
  }
};

}  // namespace velomare
