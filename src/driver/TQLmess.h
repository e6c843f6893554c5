#pragma once
// The window that works out the loss factor Ql of a built vented box from readings off its
// impedance curve. The computation is the loss-factor model's; this window moves texts.
#include <QWidget>

#include "platform/FormBase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velomare {

// The impedance of a vented box over frequency, as a sketch that shows where to read the values:
// the two peaks fl and fh, the minimum fm between them with the arrow "Rm", and the dashed "Re".
class ImpedanceSketch : public QWidget {
 public:
  explicit ImpedanceSketch(QWidget* parent = nullptr);
  static constexpr int kWidth = 313;
  static constexpr int kHeight = 180;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class TQLmess : public FormBase {
  Q_OBJECT
 public:
  explicit TQLmess(QWidget* parent = nullptr);

  QGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10;
  // Input captions.
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
  // Results.
  QLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20,
      *Label21, *Label22;
  ImpedanceSketch* Image1;
  QPushButton *Button1, *Button2;

  // Reads the ten edits and writes every result label.
  void ComputeQl();

  void Button1Click();
  void Button2Click();

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override;
  void FormPaint(QPainter& painter) override;
};

}  // namespace velomare
