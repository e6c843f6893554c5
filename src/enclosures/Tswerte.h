#pragma once
// The reference picture of closed bandpasses for the curve shapes S = 0.5 and 0.7 and the total
// qualities Q't = 0.5, 0.7 and 1, over the frequency normalised to fs / Qts. Drawn by the program
// from the closed bandpass level with the textbook S/Q design; German only, no controls.
#include "platform/FormBase.h"

namespace velomare {

class ReferenceChart;

class Tswerte : public FormBase {
  Q_OBJECT
 public:
  explicit Tswerte(QWidget* parent = nullptr);
  ReferenceChart* Image1;
};

}  // namespace velomare
