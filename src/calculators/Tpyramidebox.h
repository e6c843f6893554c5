#pragma once
// The pyramid box: a pyramid or a frustum on a regular polygon of 3 to 16 corners. Numbers only;
// its "&Zeichnen" button stays disabled.
#include "calculators/ShapeForm.h"
#include "calculators/model/PyramidBox.h"

namespace velomare {

class Tpyramidebox : public ShapeForm {
  Q_OBJECT
 public:
  explicit Tpyramidebox(QWidget* parent = nullptr);

  QLineEdit *Edit1, *Edit2;
  QScrollBar *ScrollBar1, *ScrollBar2, *ScrollBar3;
  QCheckBox* CheckBox1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
  QPushButton *Button1, *Button2, *Button3, *Button4;

  // Reads the controls and computes; the read-outs follow in the current language.
  void ComputePyramidBox();
  // Writes the read-outs of the last computation in the current language.
  void ShowPyramidBoxResults();
  const PyramidBoxResult& Result() const { return result_; }

  void Edit1Change() { ComputePyramidBox(); }
  void Edit2Change() { ComputePyramidBox(); }
  void ScrollBar1Change();
  void ScrollBar2Change() { ComputePyramidBox(); }
  void ScrollBar3Change() { ComputePyramidBox(); }
  void CheckBox1Click();
  void Button1Click() { CloseForm(); }
  void Button2Click() { update(); }
  void Button3Click() { ConfirmAndPrintForm(); }
  void Button4Click() { ShowHelpTopic(); }

 protected:
  std::span<const UiText> Texts() const override;
  void FormPaint(QPainter& painter) override;

 private:
  void ShowFrustumControls();

  PyramidBoxInput input_;
  PyramidBoxResult result_;
};

}  // namespace velomare
