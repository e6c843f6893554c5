#pragma once
// A placeholder for measuring the impedance curve; nothing in the program shows it.
#include "platform/FormBase.h"

class QLabel;
class QPushButton;

namespace velomare {

class TMessenform : public FormBase {
  Q_OBJECT
 public:
  explicit TMessenform(QWidget* parent = nullptr);
  QLabel* Label1;
  QPushButton *Button1, *Button2;
};

}  // namespace velomare
