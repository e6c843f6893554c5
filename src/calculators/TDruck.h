#pragma once
// The maximum sound pressure of up to three groups of boxes at their listening distance: the
// total level large in a panel and as a coloured bar, with the power of all drivers, the sound
// pressure and the loudness. The sums are the model's (calculators/model/MaxSpl.h); this window
// moves texts and positions between its controls and that model.
#include <QColor>
#include <QWidget>

#include "platform/BarGauge.h"
#include "platform/FormBase.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velomare {

class TDruck : public FormBase {
  Q_OBJECT
 public:
  explicit TDruck(QWidget* parent = nullptr);

  // Group 1, on the window itself.
  QLineEdit* Edit1;
  QScrollBar *scroll, *ScrollBar1, *ScrollBar2;
  QLabel *Label1, *Label2, *Label3, *Label5, *Label6, *Label8, *Label9, *Label11;
  // Group 2.
  QGroupBox* GroupBox1;
  QCheckBox* CheckBox_2;
  QLineEdit* Edit2;
  QScrollBar *ScrollBar3, *ScrollBar4, *ScrollBar5;
  QLabel *Label20, *Label21, *Label22, *Label23, *Label24, *Label25, *Label26, *Label27;
  // Group 3.
  QGroupBox* GroupBox2;
  QCheckBox* CheckBox1;
  QLineEdit* Edit3;
  QScrollBar *ScrollBar6, *ScrollBar7, *ScrollBar8;
  QLabel *Label28, *Label29, *Label30, *Label31, *Label32, *Label33, *Label34, *Label35;
  // Placement and results.
  QGroupBox* RadioGroup1;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3;
  QFrame* Panel1;
  QLabel *Label4, *Label7, *Label10;
  BarGauge* Gauge;
  QLabel *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19;
  QPushButton *Button1, *Button2, *Button3, *Button4;

  // Reads every input, computes and writes the read-outs, the total, the bar and its colour.
  void ComputeMaxSpl();

  void Edit1Change() { ComputeMaxSpl(); }
  void Edit2Change() { ComputeMaxSpl(); }
  void Edit3Change() { ComputeMaxSpl(); }
  void scrollChange() { ComputeMaxSpl(); }
  void ScrollBar1Change() { ComputeMaxSpl(); }
  void ScrollBar2Change() { ComputeMaxSpl(); }
  void ScrollBar3Change() { ComputeMaxSpl(); }
  void ScrollBar4Change() { ComputeMaxSpl(); }
  void ScrollBar5Change() { ComputeMaxSpl(); }
  void ScrollBar6Change() { ComputeMaxSpl(); }
  void ScrollBar7Change() { ComputeMaxSpl(); }
  void ScrollBar8Change() { ComputeMaxSpl(); }
  void RadioButton1Click() { ComputeMaxSpl(); }
  void RadioButton2Click() { ComputeMaxSpl(); }
  void RadioButton3Click() { ComputeMaxSpl(); }
  void CheckBox_2Click();
  void CheckBox1Click();
  void EnableGroup2() { SetGroup2Enabled(true); }
  void DisableGroup2() { SetGroup2Enabled(false); }
  void EnableGroup3() { SetGroup3Enabled(true); }
  void DisableGroup3() { SetGroup3Enabled(false); }
  void UpdateSameDistanceButton();
  // "gleicher Abstand": the used groups take the first group's distance.
  void Button4Click();
  // Shows the phon/dB picture when hidden, hides it when shown.
  void Button3Click();
  void Button1Click();
  void Button2Click();

 protected:
  std::span<const UiText> Texts() const override;
  void ApplyCustomText(const char* control, const QString& text) override;
  void FormPaint(QPainter& painter) override;

 private:
  void SetGroup2Enabled(bool on);
  void SetGroup3Enabled(bool on);
  void ShowGatedState();
};

}  // namespace velomare
