#pragma once
// The trapezoid car-woofer box: net volume, panel thickness, the top and bottom depths and the
// height of the side section in, outer width, slanted panel, tilt, outside volume, frequencies
// and rod loss out, drawn like the cuboid with a slanted back.
#include "calculators/ShapeForm.h"
#include "calculators/model/TrapezBox.h"

namespace velomare {

class Ttrapezbox : public ShapeForm {
  Q_OBJECT
 public:
  explicit Ttrapezbox(QWidget* parent = nullptr);

  QLineEdit *Editvol, *Editdicke, *Edit1, *Edit2;
  QCheckBox* CheckBox1;
  QScrollBar *tiefeo, *tiefeu, *hoehe;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
      *Label12, *Label13;
  QPushButton *Button1, *Button2, *Button3, *Button4;

  void ComputeTrapezBox();
  const TrapezBoxResult& Result() const { return result_; }

  void EditvolChange() { InputChanged(); }
  void EditdickeChange() { InputChanged(); }
  void Edit1Change() { InputChanged(); }
  void Edit2Change() { InputChanged(); }
  // The two depth bars hold each other: the bottom depth never below the top depth.
  void tiefeoChange();
  void tiefeuChange();
  void hoeheChange() { InputChanged(); }
  void CheckBox1Click() { InputChanged(); }
  // Hides without closing, so a drawing asked for stays asked for.
  void Button1Click() { hide(); }
  void Button2Click() { DrawBox(); }
  void Button3Click() { ShowHelpTopic(); }
  void Button4Click() { ConfirmAndPrintForm(); }

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override { ComputeTrapezBox(); }
  void FormActivate() override { ComputeTrapezBox(); }
  void FormClose() override { ClearDrawnFlag(); }

 private:
  void InputChanged();

  TrapezBoxResult result_;
};

}  // namespace velomare
