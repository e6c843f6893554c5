#pragma once
// The port calculator: the smallest and the recommended port diameter for the current driver, a
// port length moved between mountings of its ends, the length a port of another diameter and
// count needs for the same tuning, and tubes and tunnels of the same cross-section. The numbers
// are the model's (calculators/model/PortCalc.h); this window moves texts between its controls
// and that model.
#include "platform/FormBase.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velomare {

class TDurch : public FormBase {
  Q_OBJECT
 public:
  explicit TDurch(QWidget* parent = nullptr);

  // Minimum diameter.
  QGroupBox* GroupBox1;
  QLineEdit *Edit1, *Edit2;
  QScrollBar* ScrollBar1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label21, *Label26;
  // Port-length transformation.
  QGroupBox* GroupBox2;
  QLineEdit *Edit3, *Edit4;
  QLabel *Label9, *Label10, *Label11, *Label12;
  // Tube/tunnel conversion.
  QGroupBox* GroupBox3;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3;
  QLineEdit *Edit5, *Edit6, *Edit7, *Edit9;
  QScrollBar *ScrollBar4, *ScrollBar5;
  QLabel *Label13, *Label14, *Label15, *Label16, *Label27, *Label28, *Label29, *Label30;
  // Length conversion.
  QGroupBox* GroupBox4;
  QLineEdit *VorgabeD, *VorgabeL, *Edit8;
  QScrollBar *ScrollBar2, *ScrollBar3;
  QCheckBox* CheckBox1;
  QLabel *Pfeil, *Label17, *Label18, *Label19, *Label20, *Label22, *Label23, *Label24, *Label25;
  QPushButton *Button1, *Button2;

  // The four calculations; the first sets its captions only on valid inputs, the third at every run.
  void ComputePortDiameter();
  void TransformPortLength();
  void ConvertPortLength();
  void ConvertTubeTunnel();
  // Takes the bass-reflex design's tuning frequency as the given fb (30 Hz when it has none).
  void TakeReflexTuning();

  void Edit1Change() { ComputePortDiameter(); }
  void Edit2Change() { ComputePortDiameter(); }
  void ScrollBar1Change();
  void Edit3Change() { TransformPortLength(); }
  void Edit4Change() { TransformPortLength(); }
  void VorgabeDChange() { ConvertPortLength(); }
  void VorgabeLChange() { ConvertPortLength(); }
  void Edit8Change() { ConvertPortLength(); }
  void CheckBox1Click() { ConvertPortLength(); }
  void ScrollBar2Change();
  void ScrollBar3Change();
  void Edit5Change() { ConvertTubeTunnel(); }
  void Edit6Change() { ConvertTubeTunnel(); }
  void Edit7Change() { ConvertTubeTunnel(); }
  void Edit9Change() { ConvertTubeTunnel(); }
  void ScrollBar4Change() { ConvertTubeTunnel(); }
  void ScrollBar5Change() { ConvertTubeTunnel(); }
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void Label4Click() { TakeReflexTuning(); }
  void PfeilClick();
  void Button1Click() { CloseForm(); }
  void Button2Click() { ShowHelpTopic(); }

 protected:
  void FormPaint(QPainter& painter) override;
  void FormActivate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // True while the window's own message box is open, and after it closed until the window is
  // active again: that return is no return from another window.
  bool ownMessageOpen_ = false;
  bool returnFromOwnMessage_ = false;
};

}  // namespace velomare
