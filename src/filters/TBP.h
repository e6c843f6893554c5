#pragma once
// The band-pass designer: load impedance and the lower and upper cut-off in, one of four presets
// chosen, the series and shunt elements out, with the quality of the sections.
#include "filters/FilterDesignerForm.h"

class QComboBox;

namespace velomare {

class TBP : public FilterDesignerForm {
  Q_OBJECT
 public:
  explicit TBP(QWidget* parent = nullptr);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
      *Label12, *Label13, *Label14, *Label15, *Label17;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7;
  UpDown *UpDown1, *UpDown2, *UpDown3, *UpDown4, *UpDown5, *UpDown6;
  QComboBox* ComboBox1;
  QPushButton *Button1, *Button2, *Button3, *Button4;
  FilterCircuit* Image1;

  // The chosen preset; -1 while the combo box's text is not one of its entries (typed over).
  int SelectedPreset() const;

  void Edit1Change() { Recalculate(); }
  void Edit2Change() { Recalculate(); }
  void Edit3Change() { Recalculate(); }
  void ComboBox1Change() { Recalculate(); }
  void Edit4Change() { ComponentChange(Component::L1); }
  void Edit5Change() { ComponentChange(Component::C1); }
  void Edit6Change() { ComponentChange(Component::L2); }
  void Edit7Change() { ComponentChange(Component::C2); }
  void UpDown1ChangingEx(UpDownDirection direction);
  void UpDown2ChangingEx(UpDownDirection direction);
  void UpDown3ChangingEx(UpDownDirection direction);
  void UpDown4ChangingEx(UpDownDirection direction);
  void UpDown5ChangingEx(UpDownDirection direction);
  void UpDown6ChangingEx(UpDownDirection direction);
  void Button1Click() { close(); }
  void Button2Click() { Simulate(); }
  void Button3Click() { ShowHelpTopic(); }
  void Button4Click() { ExportResponse(); }

 protected:
  std::span<const UiText> Texts() const override;
  void Recalculate() override;
  int CheckedOrder() const override;
  void RestoreSelection(const FilterRestore& restore) override;
  void FormShow() override;
  void FormActivate() override;
};

}  // namespace velomare
