#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tpyramidebox : public FormBase {
  Q_OBJECT
 public:
  explicit Tpyramidebox(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("pyramidebox", "Pyramidenform", "pyramid form");
    resize(480, 320);
  }
};

}  // namespace velomare
