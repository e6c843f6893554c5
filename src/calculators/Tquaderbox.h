#pragma once
// The cuboid standing box: net volume, panel thickness, outer width and height in, outer depth,
// rod loss, outside volume and standing-wave frequencies out, with the box drawn in oblique
// projection beside its side view.
#include "calculators/ShapeForm.h"
#include "calculators/model/RectBox.h"

namespace velomare {

class Tquaderbox : public ShapeForm {
  Q_OBJECT
 public:
  explicit Tquaderbox(QWidget* parent = nullptr);

  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
  QCheckBox* CheckBox;
  QScrollBar *breite, *hoehe;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
  QPushButton *Button1, *Button2, *Button3, *Button4;

  // Reads the controls, computes and writes the read-outs in the current language.
  void ComputeRectBox();
  const RectBoxResult& Result() const { return result_; }

  void Edit1Change() { InputChanged(); }
  void Edit2Change() { InputChanged(); }
  void Edit3Change() { InputChanged(); }
  void Edit4Change() { InputChanged(); }
  void breiteChange() { InputChanged(); }
  void hoeheChange() { InputChanged(); }
  void CheckBoxClick() { InputChanged(); }
  void Button1Click() { CloseForm(); }
  void Button2Click() { DrawBox(); }
  void Button3Click() { ShowHelpTopic(); }
  void Button4Click() { ConfirmAndPrintForm(); }

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override { ComputeRectBox(); }
  void FormClose() override { ClearDrawnFlag(); }

 private:
  void InputChanged();

  RectBoxResult result_;
};

}  // namespace velomare
