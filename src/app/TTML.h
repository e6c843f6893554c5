#pragma once
// A placeholder for transmission-line boxes; nothing in the program shows it.
#include "platform/FormBase.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace velomare {

class TTML : public FormBase {
  Q_OBJECT
 public:
  explicit TTML(QWidget* parent = nullptr);
  QLabel* Label1;
  QGroupBox* GroupBox1;
  QPushButton* Button1;
  void Button1Click() { close(); }
};

}  // namespace velomare
