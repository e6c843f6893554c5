#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Tphondb : public FormBase {
  Q_OBJECT
 public:
  explicit Tphondb(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("phondb", "Phon / dB", nullptr);
    resize(480, 320);
  }
};

}  // namespace velomare
