#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TTri : public FormBase {
  Q_OBJECT
 public:
  explicit TTri(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Tri", "Trimode-Weiche für Car-HiFi ", "trimode crossover for Car-HiFi");
    resize(480, 320);
  }
};

}  // namespace velomare
