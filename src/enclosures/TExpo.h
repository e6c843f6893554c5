#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TExpo : public FormBase {
  Q_OBJECT
 public:
  explicit TExpo(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Expo", "Exponential-Horn", "exponential horn system");
    resize(480, 320);
  }
};

}  // namespace velomare
