#pragma once
// The reference picture of the closed box's response around its resonance for several Qtc: a
// fixed chart that helps choose the target quality. Drawn by the program from the normalised
// second-order high pass; German only, no controls.
#include "platform/FormBase.h"

namespace velomare {

class ReferenceChart;

class Tgueten : public FormBase {
  Q_OBJECT
 public:
  explicit Tgueten(QWidget* parent = nullptr);
  ReferenceChart* Image1;
};

}  // namespace velomare
