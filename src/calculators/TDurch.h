#pragma once
#include "platform/FormBase.h"

namespace velomare {

class TDurch : public FormBase {
  Q_OBJECT
 public:
  explicit TDurch(QWidget* parent = nullptr) : FormBase(parent) {
    InitForm("Durch", "erweiterte Rohrberechnungen", "tube calculation");
    resize(480, 320);
  }
};

}  // namespace velomare
