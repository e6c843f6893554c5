#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TBP : public FormBase {
  Q_OBJECT
 public:
  explicit TBP(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("BP", "Bandpass ", "band pass");
    resize(480, 320);
  }
};

}  // namespace velomare
