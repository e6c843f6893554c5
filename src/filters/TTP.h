#pragma once
// The low-pass designer: load impedance and cut-off in, order and characteristic chosen, the
// inductors and capacitors of the ladder out, with the quality of the second-order stage. The
// assistant opens it too.
#include "filters/FilterDesignerForm.h"

namespace velomare {

class TTP : public PassDesignerForm {
  Q_OBJECT
 public:
  explicit TTP(QWidget* parent = nullptr);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11, *Label12,
      *Label13, *Label24;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
  UpDown *UpDown1, *UpDown2, *UpDown5;
  QPushButton *Button1, *Button2, *Button3, *Button4;
  FilterCircuit* Image1;

  void Edit3Change() { ResponseComponentChange(Component::L1); }
  void Edit4Change() { ResponseComponentChange(Component::C1); }
  void Edit5Change() { ComponentChange(Component::L2); }
  void Edit6Change() { ComponentChange(Component::C2); }
  void UpDown1ChangingEx(UpDownDirection direction);
  void UpDown2ChangingEx(UpDownDirection direction);
  void UpDown5ChangingEx(UpDownDirection direction);
  void Button1Click() { close(); }
  void Button2Click() {
    CalcLowPassResponse();
    Simulate();
  }
  // Fills the response table from the window's values on its present grid. The fill itself
  // waits for the next reader, so the two component edits a recalculation writes cost one fill.
  void CalcLowPassResponse();
  const LowPassResponseTable& ResponseTableContents() { return *ResponseTable(); }
  void Button3Click() { ShowHelpTopic(); }
  void Button4Click() { ExportResponse(); }

 protected:
  LowPassResponseTable* ResponseTable() override;
  std::span<const UiText> Texts() const override;
  void FormShow() override;
  void FormPaint(QPainter& painter) override;
 private:
  // L1 and C1 refill the table while AutoFilterSim is set.
  void ResponseComponentChange(Component component);

  LowPassResponseTable table_;
  bool tablePending_ = false;
  FilterValues pendingValues_;
  bool pendingFast_ = true;
};

}  // namespace velomare
