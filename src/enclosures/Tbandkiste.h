#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tbandkiste : public FormBase {
  Q_OBJECT
 public:
  explicit Tbandkiste(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("bandkiste", "Geschlossenes Bandpaßgehäuse", "closed band pass subwoofer");
    resize(480, 320);
  }
};

}  // namespace velomare
