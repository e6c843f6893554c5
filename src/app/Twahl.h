#pragma once
#include "platform/FormBase.h"

namespace velomare {

class Twahl : public FormBase {
  Q_OBJECT
 public:
  explicit Twahl(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("wahl", "Auswahl des Gehäusetyps", nullptr);
    resize(480, 320);
  }
};

}  // namespace velomare
