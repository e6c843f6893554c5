#pragma once
// The high-pass designer: load impedance and cut-off in, order and characteristic chosen, the
// capacitors and inductors of the ladder out, with the quality of the second-order stage.
#include "filters/FilterDesignerForm.h"

namespace velomare {

class THP : public PassDesignerForm {
  Q_OBJECT
 public:
  explicit THP(QWidget* parent = nullptr);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
      *Label12, *Label13, *Label24;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
  UpDown *UpDown1, *UpDown2, *UpDown3;
  QPushButton *Button1, *Button2, *Button3, *Button4;
  FilterCircuit* Image1;

  void Edit3Change() { ComponentChange(Component::C1); }
  void Edit4Change() { ComponentChange(Component::L1); }
  void Edit5Change() { ComponentChange(Component::C2); }
  void Edit6Change() { ComponentChange(Component::L2); }
  void UpDown1ChangingEx(UpDownDirection direction);
  void UpDown2ChangingEx(UpDownDirection direction);
  void UpDown3ChangingEx(UpDownDirection direction);
  void Button1Click() { close(); }
  void Button2Click() { Simulate(); }
  void Button3Click() { ExportResponse(); }
  void Button4Click() { ShowHelpTopic(); }

 protected:
  std::span<const UiText> Texts() const override;
};

}  // namespace velomare
